// The Welcome Message page: the preview panel itself, opened for editing with a message
// proposed from the host name; its Save writes what the operator left there.
#include "app/colours.h"
#include "app/zarn.h"

void Zarn::optMotd_Click() {
  strMotdText = "Welcome to " + txtHostName.text();
  ShowOnlyPage(nullptr);
  PreviewFile("zarn_motd.txt", strMotdText);
  cmdEditFile_Click();
  ShowStatus("Like the " + optMotd.caption() + "?", colours::kPrompt);
  UpdateStartStatus();
}

void Zarn::cmdSaveFile_Click() {
  // Written first: on failure the panel stays open for editing and the step pending.
  if (!WritePageFile(txtFileContents.text())) return;

  txtFileContents.setLocked(true);
  cmdSaveFile.setEnabled(false);
  strMotdText = txtFileContents.text();
  cmdEditFile.setEnabled(true);
  MarkStepSaved(optMotd, blnMotdSaved);
  if (optBotFile.visible()) optBotFile.setEnabled(true);
  UpdateStartStatus();
}
