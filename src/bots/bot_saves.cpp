// The Save buttons of the Bot Setup pages: Sturmbot's writes its settings file into the
// mod's sturmbot folder; Marinebot's and Shrikebot's only confirm the step.
#include "app/zarn.h"

void Zarn::cmdSturmbotOK_Click() {
  if (!SaveSturmbotFile()) return;
  cmdSturmbotOK.setEnabled(false);
  UpdateStartStatus();
  frmSturmbotSetup.setVisible(false);
}

// The page's Save and the per-map panel's Save File: the text under the preview caption.
bool Zarn::SaveSturmbotFile() {
  // Written first: a file that could not be written must not count as a saved step.
  if (!WritePageFile(strBotText, "sturmbot\\")) return false;
  MarkStepSaved(optBotFile, blnBotSaved);
  return true;
}

void Zarn::cmdMarinebotOK_Click() { ConfirmBotStep(frmMarinebotSetup); }

void Zarn::cmdShrikebotOK_Click() { ConfirmBotStep(frmShrikebotSetup); }

// Can be pressed again at any time; each press repeats the same confirmation.
void Zarn::ConfirmBotStep(forms::Frame& page) {
  MarkStepSaved(optBotFile, blnBotSaved);
  UpdateStartStatus();
  page.setVisible(false);
}
