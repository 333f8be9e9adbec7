#include "app/colours.h"
#include "app/text_lines.h"
#include "app/zarn.h"

void Zarn::cmdStart_Click() {
  ShowOnlyPage(nullptr);
  frmInfo.setVisible(false);
  chkClassLimit.setVisible(false);
  frmClassLimit.setVisible(false);

  // The batch runs the command line as it was last built; the server's output goes to the
  // temp folder. Paths with blanks are quoted, or the command interpreter splits them.
  const std::string batchFile = strHalfLifeDir + strBatchFileName;
  strBatchLine = quotedIfBlank(batchFile) + " > " + quotedIfBlank(strListFile);
  // Nothing keeps the server: it runs on when the window closes.
  if (!StartBatch(batchFile, strCommandText, strBatchLine)) return;
  ShowStatus("Server started. Have fun!", colours::kStarted);
  WaitABit();
}
