#include "app/batch_text.h"
#include "app/colours.h"
#include "app/text_lines.h"
#include "app/zarn.h"

namespace {
// Long enough for the interpreter to give up on a program it cannot run, short enough not
// to keep the operator waiting on a server that runs.
constexpr std::int64_t kStartWatchMilliseconds = 500;
}  // namespace

void Zarn::cmdStart_Click() {
  ShowOnlyPage(nullptr);
  frmInfo.setVisible(false);
  chkClassLimit.setVisible(false);
  frmClassLimit.setVisible(false);

  // strCommandText is the line as the server receives it, which the preview shows; the
  // batch holds it as the interpreter must read it to hand the server exactly that.
  const std::string line = literalOutsideQuotes(strCommandText);
  const BatchFiles files = WriteBatchFiles(strHalfLifeDir, [&line](const std::string&) { return line; });
  if (files.batch.empty()) return;
  // The server's output goes to the temp folder; nothing keeps the server: it runs on when
  // the window closes.
  strBatchLine = quotedIfSpecial(files.batch) + " > " + quotedIfSpecial(files.log);
  const std::unique_ptr<platform::StartedProcess> process = StartCommand(strBatchLine);
  if (!process) return;
  WaitUntil([&process] { return process->hasEnded(); }, kStartWatchMilliseconds);
  if (process->hasFailed()) {
    ShowStatus("Error: the server did not start! See " + bareName(files.log), colours::kError);
    return;
  }
  ShowStatus("Server started. Have fun!", colours::kStarted);
}
