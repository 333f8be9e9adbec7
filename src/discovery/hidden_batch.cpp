#include "app/colours.h"
#include "app/text_lines.h"
#include "app/zarn.h"

namespace {
// How long a search waits for the command interpreter before it gives up.
constexpr std::int64_t kWaitLimitMilliseconds = 15000;
}  // namespace

bool Zarn::WaitUntil(const std::function<bool()>& done) { return WaitUntil(done, kWaitLimitMilliseconds); }

bool Zarn::WaitUntil(const std::function<bool()>& done, std::int64_t limitMilliseconds) {
  const std::int64_t deadline = system_.monotonicMilliseconds() + limitMilliseconds;
  do {
    WaitABit();
    if (done()) return true;
  } while (system_.monotonicMilliseconds() < deadline);
  return false;
}

bool Zarn::RemoveOldListing() {
  if (!FileIsPresent(strListFile)) return true;
  system_.deleteFile(strListFile);
  if (WaitUntil([this] { return !FileIsPresent(strListFile); })) return true;
  ShowStatus("Error: the old " + strListFileName + " cannot be removed!", colours::kError);
  return false;
}

std::unique_ptr<platform::StartedProcess> Zarn::StartBatch(const std::string& batchFile, const std::string& line,
                                                             const std::string& command) {
  std::string error;
  if (!WriteBatchFile(batchFile, line, error)) {
    ReportUnwrittenFile(batchFile, error);
    return nullptr;
  }
  return StartCommand(command);
}

bool Zarn::WriteBatchFile(const std::string& path, const std::string& line, std::string& error) {
  return WriteTextFileQuietly(path, {batchFileLine(line)}, error, platform::CodePage::Oem);
}

void Zarn::ReportUnwrittenFile(const std::string& path, const std::string& error) {
  AlertUnwritten(path, error);
  ShowStatus("Error: " + bareName(path) + " cannot be written!", colours::kError);
}

std::unique_ptr<platform::StartedProcess> Zarn::StartCommand(const std::string& command) {
  std::unique_ptr<platform::StartedProcess> process = system_.startHidden(interpreterCommand(command));
  if (!process) ShowStatus("Error: " + strBatchFileName + " cannot be started!", colours::kError);
  return process;
}

bool Zarn::RunHiddenBatch(const std::string& commandLine) {
  strBatchLine = commandLine;
  std::unique_ptr<platform::StartedProcess> process = StartBatch(strBatchFile, strBatchLine, quotedIfBlank(strBatchFile));
  if (!process) return false;
  WaitABit();
  // The listing exists as soon as the redirection opens it; it is whole once the command
  // has ended.
  if (!WaitUntil([this] { return FileIsPresent(strListFile); })) {
    ShowStatus("Error: " + strListFileName + " did not appear!", colours::kError);
    return false;
  }
  if (!process->hasEnded() && !WaitUntil([&process] { return process->hasEnded(); })) {
    ShowStatus("Error: " + strListFileName + " was not finished!", colours::kError);
    return false;
  }
  return true;
}

std::optional<std::string> Zarn::ReadListing(const std::string& commandLine) {
  if (!RemoveOldListing() || !RunHiddenBatch(commandLine)) return std::nullopt;
  std::optional<std::string> listing = system_.readTextFile(strListFile);
  if (!listing) ShowStatus("Error: " + strListFileName + " cannot be read!", colours::kError);
  return listing;
}
