#include "app/box_number.h"
#include "app/colours.h"
#include "app/zarn.h"
#include "launch/server_command_line.h"

namespace {
constexpr int kFewestPlayers = 1;
constexpr int kMostPlayers = 32;

// Blanks, then digits only: what may follow "+maxplayers" in the line, which the command
// interpreter reads.
bool isWholeNumberText(std::string_view text) {
  const std::size_t digits = text.find_first_not_of(' ');
  return digits != std::string_view::npos && text.find_first_not_of("0123456789", digits) == std::string_view::npos;
}

// The Bot Setup page's bound on the bot count: one more than the maximum players.
void showBotCountBound(Zarn& z) {
  z.lblMxBt.setCaption("< " + shortestDecimal(leadingNumber(z.cmbMaxPlayers.text()) + 1));
}

void viewAndOfferSave(Zarn& z) {
  z.optCommandLine_Click();
  z.cmdCommandOK.setEnabled(true);
}
}  // namespace

void Zarn::optCommandLine_Click() {
  LockPreview();
  ShowOnlyPage(&frmCommandLine);
  strCommandText = serverCommandLine({.executable = txtExec.text(),
                                      .mod = cmbModList.text(),
                                      .console = chkConsole.checked(),
                                      .ipx = chkIPX.checked(),
                                      .port = cmbPort.text(),
                                      .maxPlayers = cmbMaxPlayers.text(),
                                      .firstMap = cmbMapList1.text(),
                                      .dedicated = chkDedicated.checked(),
                                      .extraParameters = txtExtra1.text()});
  PreviewFile("Command Line and Options", strCommandText);
  if (cmbMapList1.text().empty()) ShowStatus("Please select " + lblMap1.caption(), colours::kPrompt);
  UpdateStartStatus();
}

void Zarn::optCommandLine_MouseDown() { optCommandLine_Click(); }

void Zarn::chkConsole_Click() { viewAndOfferSave(*this); }

void Zarn::chkIPX_Click() { viewAndOfferSave(*this); }

void Zarn::chkDedicated_Click() {
  // The new executable name is checked at once by the executable box's own handler.
  txtExec.setText(strHalfLifeDir + (chkDedicated.checked() ? "hlds.exe" : "hl.exe"));
  optCommandLine_Click();
  SetGameFolder();
  cmdCommandOK.setEnabled(true);
}

void Zarn::cmbMapList1_Click() {
  optCommandLine_Click();
  ShowStatus(optServerFile.caption() + " ok?", colours::kPrompt);
  cmdCommandOK.setEnabled(true);
}

void Zarn::cmbMapList1_LostFocus() { optCommandLine_Click(); }

// Setting the text from here runs this handler once more, inside this run; that inner run
// finds a whole number in range, so each run ends with the same label and line. A text
// that begins with a number in range but is not a whole number as it stands ("12abc",
// "2.5") gives way to the whole number it begins with.
void Zarn::cmbMaxPlayers_Change() {
  if (leadingNumber(cmbMaxPlayers.text()) > kMostPlayers) cmbMaxPlayers.setText(boxNumberText(kMostPlayers));
  if (leadingNumber(cmbMaxPlayers.text()) < kFewestPlayers) cmbMaxPlayers.setText(boxNumberText(kFewestPlayers));
  if (!isWholeNumberText(cmbMaxPlayers.text()))
    cmbMaxPlayers.setText(boxNumberText(static_cast<long long>(leadingNumber(cmbMaxPlayers.text()))));
  showBotCountBound(*this);
  optCommandLine_Click();
}

void Zarn::cmbMaxPlayers_Click() {
  cmbMaxPlayers_Change();
  cmdCommandOK.setEnabled(true);
}

void Zarn::cmbPort_Click() { viewAndOfferSave(*this); }

void Zarn::cmbPort_LostFocus() { viewAndOfferSave(*this); }

void Zarn::txtExtra1_Change() { viewAndOfferSave(*this); }

void Zarn::txtExtra1_LostFocus() {
  optCommandLine_Click();
  SaveSettings();
  cmdCommandOK.setEnabled(true);
}

void Zarn::cmdCommandOK_Click() {
  if (cmbMapList1.text().empty()) return;
  cmdCommandOK.setEnabled(false);
  optServerFile.setEnabled(true);
  MarkStepSaved(optCommandLine, blnCommandSaved);
  showBotCountBound(*this);
  ShowStatus("Please select " + optServerFile.caption(), colours::kPrompt);
  UpdateStartStatus();
  frmCommandLine.setVisible(false);
}
