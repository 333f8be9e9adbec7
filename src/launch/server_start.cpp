#include "app/batch_text.h"
#include "app/colours.h"
#include "app/text_lines.h"
#include "app/zarn.h"

namespace {
// Long enough for the interpreter to give up on a program it cannot run on an idle machine,
// short enough not to keep the operator waiting on a server that runs; a failure that comes
// later is caught by the watch.
constexpr std::int64_t kStartLookMilliseconds = 500;
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
  // Whatever this start comes to, an earlier one no longer speaks for the status line.
  EndStartWatch();
  if (files.batch.empty()) return;
  // The server's output goes to the temp folder; nothing keeps the server: it runs on when
  // the window closes.
  strBatchLine = quotedIfSpecial(files.batch) + " > " + quotedIfSpecial(files.log);
  const std::int64_t startedAt = system_.monotonicMilliseconds();
  std::unique_ptr<platform::StartedProcess> process = StartCommand(strBatchLine);
  if (!process) return;
  WaitUntil([&process] { return process->hasEnded(); }, kStartLookMilliseconds);
  if (process->hasFailed()) {
    ShowStartFailed(files.log);
    return;
  }
  ShowStatus("Server started. Have fun!", colours::kStarted);
  watchedStart_ = {std::move(process), files.log, startedAt + kWaitLimitMilliseconds};
  tmrStartWatch.setEnabled(true);
}

// The window stays free: each look only asks whether the start has ended, and how.
void Zarn::tmrStartWatch_Timer() {
  if (watchedStart_.process->hasFailed())
    ShowStartFailed(watchedStart_.log);
  else if (!watchedStart_.process->hasEnded() && system_.monotonicMilliseconds() < watchedStart_.deadline)
    return;
  EndStartWatch();
}

void Zarn::ShowStartFailed(const std::string& log) {
  ShowStatus("Error: the server did not start! See " + bareName(log), colours::kError);
}

void Zarn::EndStartWatch() {
  tmrStartWatch.setEnabled(false);
  watchedStart_ = {};
}
