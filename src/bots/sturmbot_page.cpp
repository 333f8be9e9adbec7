// The Bot Setup page: for dod, Sturmbot's settings built from the page's inputs into the
// text of its settings file, rebuilt after every input; for firearms and wie, a notice
// whose Save only confirms the step.
#include "app/box_number.h"
#include "app/colours.h"
#include "app/text_lines.h"
#include "app/zarn.h"

namespace {
std::string onOff(const char* keyword, const forms::CheckBox& box) {
  return std::string(keyword) + (box.checked() ? " on" : " off");
}

// Items joined by CR LF, none after the last; the extra variables keep their own line ends.
std::string sturmbotSettings(const Zarn& z) {
  std::string text = "# Sturmbot settings";
  auto add = [&text](const std::string& item) { text += "\r\n" + item; };
  const std::string& password = z.txtSturmbotPasswd.text();
  if (!password.empty()) {
    add("sturmbot_password " + password);
    add("# use, select_passwd " + password);
  }
  add("min_reaction " + z.txtSturmbotMinReaction.text());
  add("max_reaction " + z.txtSturmbotMaxReaction.text());
  add(onOff("friendlyfiremode", z.chkSturmbotFF));
  add(onOff("rank", z.chkSturmbotRank));
  add(onOff("formsquad", z.chkSturmbotFSquad));
  add(onOff("knifeonly", z.chkSturmbotKnife));
  add(onOff("pistolonly", z.chkSturmbotPistol));
  add(onOff("grenadeonly", z.chkSturmbotGrenade));
  add("bloodmode " + firstCharacter(z.cmbSturmbotBlood.text()));
  // The grenade switch stands a second time, after the blood mode, with the same value.
  add(onOff("grenadeonly", z.chkSturmbotGrenade));
  if (boxWholeNumber(z.txtSturmbotMaxBots.text()) != 0) {
    add("min_bots " + z.txtSturmbotMinBots.text());
    add("max_bots " + z.txtSturmbotMaxBots.text());
  }
  add(z.txtExtra3.text());
  add(z.chkSturmbotFillserver.checked() ? "fillserver" : z.strAddBotLines);
  return text;
}

// Checking one of the "Only?" boxes clears the other two; clearing one leaves them.
void excludeOthers(const forms::CheckBox& box, forms::CheckBox& first, forms::CheckBox& second) {
  if (!box.checked()) return;
  first.setValue(0);
  second.setValue(0);
}
}  // namespace

void Zarn::optBotFile_Click() {
  const std::string mod = lowerCase(cmbModList.text());
  if (mod == "dod") ShowSturmbotPage();
  else if (mod == "firearms") ShowBotNotice(frmMarinebotSetup);
  else if (mod == "wie") ShowBotNotice(frmShrikebotSetup);
}

void Zarn::ShowSturmbotPage() {
  ClampBotCounts();
  LockPreview();
  ShowOnlyPage(&frmSturmbotSetup);
  strBotText = sturmbotSettings(*this);
  PreviewFile(strBotFileName, strBotText);
  ShowStatus("Please complete " + optBotFile.caption(), colours::kPrompt);
  // The per-map panel belongs to per-map mode; its Delete File waits for a map's file.
  const bool perMap = !chkSturmbotFillserver.checked();
  frmSturmbotCustom.setVisible(perMap);
  if (perMap) cmdSturmbotDel.setEnabled(false);
  UpdateStartStatus();
}

// These bots take no settings from here: the panel keeps what it showed last.
void Zarn::ShowBotNotice(forms::Frame& page) {
  LockPreview();
  ShowOnlyPage(&page);
  frmInfo.setVisible(true);
  ShowStatus("Please complete " + optBotFile.caption(), colours::kPrompt);
  UpdateStartStatus();
}

void Zarn::RebuildBotText() {
  ShowBotText();
  cmdSturmbotOK.setEnabled(true);
}

// The view hides the preview again once Start Server is available, so a change shows it
// once more: the operator sees what the change did.
void Zarn::ShowBotText() {
  optBotFile_Click();
  ShowFilePreview(strBotText);
}

void Zarn::chkSturmbotFF_Click() { RebuildBotText(); }
void Zarn::chkSturmbotRank_Click() { RebuildBotText(); }
void Zarn::chkSturmbotFSquad_Click() { RebuildBotText(); }

void Zarn::chkSturmbotKnife_Click() {
  excludeOthers(chkSturmbotKnife, chkSturmbotPistol, chkSturmbotGrenade);
  RebuildBotText();
}

void Zarn::chkSturmbotPistol_Click() {
  excludeOthers(chkSturmbotPistol, chkSturmbotKnife, chkSturmbotGrenade);
  RebuildBotText();
}

void Zarn::chkSturmbotGrenade_Click() {
  excludeOthers(chkSturmbotGrenade, chkSturmbotPistol, chkSturmbotKnife);
  RebuildBotText();
}

// Typing into the blood-mode box waits for the next rebuild; a pick from the list counts.
void Zarn::cmbSturmbotBlood_Click() { RebuildBotText(); }
void Zarn::txtSturmbotPasswd_Change() { RebuildBotText(); }
void Zarn::txtExtra3_Change() { RebuildBotText(); }

void Zarn::txtSturmbotMinBots_Change() {
  ClampBotCounts();
  RebuildBotText();
}

void Zarn::txtSturmbotMaxBots_Change() { txtSturmbotMinBots_Change(); }

// Mod selection sets the reaction times while the page is hidden: they are clamped then,
// but the page is not opened for it.
void Zarn::txtSturmbotMinReaction_Change() {
  ClampReactionTimes();
  if (frmSturmbotSetup.visible()) RebuildBotText();
  else cmdSturmbotOK.setEnabled(true);
}

void Zarn::txtSturmbotMaxReaction_Change() { txtSturmbotMinReaction_Change(); }
