#include "app/colours.h"
#include "app/zarn.h"

void Zarn::ResetPanels() {
  picSplash.setVisible(false);

  cmdStart.setEnabled(false);
  cmdCommandOK.setEnabled(false);
  cmdServerOK.setEnabled(true);
  cmdSturmbotOK.setEnabled(true);
  for (forms::Control* button : {&cmdMapOK, &cmdAddMap, &cmdEditFile, &cmdSaveFile}) button->setEnabled(false);

  forms::OptionButton* steps[] = {&optCommandLine, &optServerFile, &optMapFile, &optMotd, &optBotFile};
  for (forms::OptionButton* step : steps) step->setEnabled(false);
  for (forms::OptionButton* step : steps) step->setBackColor(colours::kStepPending);

  frmCommandLine.setVisible(false);
  frmServerFile.setVisible(false);
  frmMapSetup.setVisible(false);
  frmMapSetup.setWidth(intFrameWidth);
  frmSturmbotSetup.setWidth(intFrameWidth);
  for (forms::Control* hidden : std::initializer_list<forms::Control*>{
           &frmSturmbotSetup, &frmMarinebotSetup, &frmShrikebotSetup, &frmInfo, &chkClassLimit, &frmClassLimit, &optBotFile})
    hidden->setVisible(false);

  blnWeaponClasses = blnAlliesBritish = 0;
  blnCommandSaved = blnServerSaved = blnMapCycleSaved = blnMotdSaved = blnBotSaved = 0;

  lblModSupport.setCaption("");
}

void Zarn::ShowFilePreview(const std::string& text) {
  txtFileContents.setText(text);
  frmInfo.setVisible(true);
}

void Zarn::UpdateStartStatus() {
  if (!blnCommandSaved || !blnMapCycleSaved || !blnModSelected || !blnMotdSaved || !blnServerSaved) return;
  if (!optBotFile.visible() || blnBotSaved) {
    frmInfo.setVisible(false);
    cmdStart.setEnabled(true);
    ShowStatus("You can now " + cmdStart.caption(), colours::kPrompt);
  } else {
    cmdStart.setEnabled(false);
    ShowStatus("Please select " + optBotFile.caption(), colours::kPrompt);
  }
}

void Zarn::cmdEditFile_Click() {
  txtFileContents.setLocked(false);
  cmdSaveFile.setEnabled(true);
  cmdEditFile.setEnabled(false);
}

void Zarn::ShowStatus(const std::string& text, forms::Color colour) {
  lblStatus.setCaption(text);
  lblStatus.setForeColor(colour);
}

void Zarn::ShowOnlyPage(forms::Frame* page) {
  for (forms::Frame* frame :
       {&frmCommandLine, &frmServerFile, &frmMapSetup, &frmSturmbotSetup, &frmMarinebotSetup, &frmShrikebotSetup})
    frame->setVisible(frame == page);
}

void Zarn::LockPreview() {
  txtFileContents.setLocked(true);
  cmdSaveFile.setEnabled(false);
  cmdEditFile.setEnabled(false);
}

void Zarn::PreviewFile(const std::string& caption, const std::string& text) {
  frmInfo.setCaption(caption);
  ShowFilePreview(text);
}

void Zarn::MarkStepSaved(forms::OptionButton& step, Integer& flag) {
  step.setBackColor(colours::kStepSaved);
  flag = 1;
}

bool Zarn::WritePageFile(const std::string& body, const std::string& subFolder) {
  return WriteTextFile(ModPath("\\" + subFolder + frmInfo.caption()), {body});
}
