// The Server Configuration page: its view builds the server configuration file from the
// page's inputs, every input rebuilds it, and Save writes it into the mod folder.
#include "app/colours.h"
#include "app/zarn.h"

namespace {
constexpr const char* kLineEnd = "\r\n";

std::string onOff(const forms::CheckBox& box) { return box.checked() ? " 1" : " 0"; }

// The view hides the preview again once Start Server is available, so an input shows it
// once more: the operator sees what the change did.
void rebuildAfterInput(Zarn& z) {
  z.optServerFile_Click();
  z.ShowFilePreview(z.strServerText);
  z.cmdServerOK.setEnabled(true);
}
}  // namespace

void Zarn::optServerFile_Click() {
  LockPreview();
  ShowOnlyPage(&frmServerFile);

  // The server reads the switches in this order, whatever their order on the page.
  const std::pair<const char*, const forms::CheckBox&> switches[] = {
      {"mp_friendlyfire", chkFriendlyFire}, {"mp_footsteps", chkFootSteps}, {"mp_flashlight", chkFlashlight},
      {"mp_deathmsg", chkDeathMsgs},        {"mp_falldamage", chkFallDamage}, {"sv_lan", chkLAN}};
  strServerText = "hostname \"" + txtHostName.text() + "\"";
  for (const auto& [keyword, box] : switches) strServerText += kLineEnd + std::string(keyword) + onOff(box);
  strServerText += kLineEnd + ("mp_teamlimit " + txtTeamLimit.text());
  strServerText += kLineEnd + ("mp_timelimit " + txtMapTime.text());
  strServerText += kLineEnd + txtExtra2.text();

  PreviewFile(chkDedicated.checked() ? "zarn_server.cfg" : "zarn_lserver.cfg", strServerText);
  ShowStatus(optServerFile.caption() + " ok?", colours::kPrompt);
  UpdateStartStatus();
}

void Zarn::chkFriendlyFire_Click() { rebuildAfterInput(*this); }
void Zarn::chkFootSteps_Click() { rebuildAfterInput(*this); }
void Zarn::chkFlashlight_Click() { rebuildAfterInput(*this); }
void Zarn::chkDeathMsgs_Click() { rebuildAfterInput(*this); }
void Zarn::chkFallDamage_Click() { rebuildAfterInput(*this); }
void Zarn::chkLAN_Click() { rebuildAfterInput(*this); }
void Zarn::txtTeamLimit_Change() { rebuildAfterInput(*this); }
void Zarn::txtMapTime_Change() { rebuildAfterInput(*this); }
void Zarn::txtExtra2_Change() { rebuildAfterInput(*this); }

// The host name is typed letter by letter: the text is rebuilt when the page is saved.
void Zarn::txtHostName_Change() { cmdServerOK.setEnabled(true); }

void Zarn::cmdServerOK_Click() {
  // The view settles the text and, in the preview caption, the file's name.
  optServerFile_Click();
  ShowFilePreview(strServerText);
  // Written first: a file that could not be written must not count as a saved step.
  if (!WritePageFile(strServerText)) return;

  cmdServerOK.setEnabled(false);
  MarkStepSaved(optServerFile, blnServerSaved);
  optMapFile.setEnabled(true);
  ShowStatus("Please select " + optMapFile.caption(), colours::kPrompt);
  UpdateStartStatus();
  frmServerFile.setVisible(false);
}
