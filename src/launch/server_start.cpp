#include "app/batch_text.h"
#include "app/colours.h"
#include "app/text_lines.h"
#include "app/zarn.h"

namespace {
// A server started earlier may still hold its batch file (the interpreter may keep it open
// while the server runs) and its log. A start takes the first number whose two files can
// be replaced: zarn.bat and zarn.log, else zarn2.bat and zarn2.log, and so on.
constexpr int kMostServers = 9;
// Long enough for the interpreter to give up on a program it cannot run, short enough not
// to keep the operator waiting on a server that runs.
constexpr std::int64_t kStartWatchMilliseconds = 500;

std::string numbered(const std::string& fileName, int number) {
  if (number == 1) return fileName;
  const std::size_t dot = fileName.rfind('.');
  return fileName.substr(0, dot) + std::to_string(number) + fileName.substr(dot);
}
}  // namespace

void Zarn::cmdStart_Click() {
  ShowOnlyPage(nullptr);
  frmInfo.setVisible(false);
  chkClassLimit.setVisible(false);
  frmClassLimit.setVisible(false);

  std::string logFile;
  const std::string batchFile = WriteStartFiles(logFile);
  if (batchFile.empty()) return;
  // The server's output goes to the temp folder; nothing keeps the server: it runs on when
  // the window closes.
  strBatchLine = quotedIfSpecial(batchFile) + " > " + quotedIfSpecial(logFile);
  const std::unique_ptr<platform::StartedProcess> process = StartCommand(strBatchLine);
  if (!process) return;
  WaitUntil([&process] { return process->hasEnded(); }, kStartWatchMilliseconds);
  if (process->hasFailed()) {
    ShowStatus("Error: the server did not start! See " + bareName(logFile), colours::kError);
    return;
  }
  ShowStatus("Server started. Have fun!", colours::kStarted);
}

// strCommandText is the line as the server receives it, which the preview shows; the batch
// holds it as the interpreter must read it to hand the server exactly that.
std::string Zarn::WriteStartFiles(std::string& logFile) {
  const std::string line = literalOutsideQuotes(strCommandText);
  std::string firstUnwritten, firstError;
  for (int number = 1; number <= kMostServers; ++number) {
    const std::string batchFile = strHalfLifeDir + numbered(strBatchFileName, number);
    logFile = strTempDir + numbered(strListFileName, number);
    std::string error, unwritten = batchFile;
    if (WriteBatchFile(batchFile, line, error)) {
      unwritten = logFile;
      if (WriteTextFileQuietly(logFile, {}, error)) return batchFile;
    }
    if (number == 1) {
      firstUnwritten = unwritten;
      firstError = error;
    }
  }
  ReportUnwrittenFile(firstUnwritten, firstError);
  return "";
}
