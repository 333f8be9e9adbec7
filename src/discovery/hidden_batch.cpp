#include "app/batch_text.h"
#include "app/colours.h"
#include "app/text_lines.h"
#include "app/zarn.h"

namespace {
// Servers that may run at once, each holding its own pair of files.
constexpr int kMostRuns = 9;

// "zarn.log", "zarn2.log", "zarn3.log" ...
std::string numbered(const std::string& fileName, int number) {
  if (number == 1) return fileName;
  const std::size_t dot = fileName.rfind('.');
  return fileName.substr(0, dot) + std::to_string(number) + fileName.substr(dot);
}
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

Zarn::BatchFiles Zarn::WriteBatchFiles(const std::string& batchFolder,
                                        const std::function<std::string(const std::string& log)>& lineFor) {
  std::string firstUnwritten, firstError;
  for (int number = 1; number <= kMostRuns; ++number) {
    const BatchFiles files{batchFolder + numbered(strBatchFileName, number), strTempDir + numbered(strListFileName, number)};
    // On a busy machine a start's interpreter opens its log some time after the start: until
    // that start is seen to end, its pair is its own.
    if (files.log == watchedStart_.log && !watchedStart_.process->hasEnded()) continue;
    std::string error, unwritten;
    // The log first: the batch's line may name it.
    if (!WriteTextFileQuietly(files.log, {}, error))
      unwritten = files.log;
    else if (!WriteTextFileQuietly(files.batch, {batchFileLine(lineFor(files.log))}, error, platform::CodePage::Oem))
      unwritten = files.batch;
    else
      return files;
    if (firstUnwritten.empty()) {
      firstUnwritten = unwritten;
      firstError = error;
    }
  }
  AlertUnwritten(firstUnwritten, firstError);
  ShowStatus("Error: " + bareName(firstUnwritten) + " cannot be written!", colours::kError);
  return {};
}

std::unique_ptr<platform::StartedProcess> Zarn::StartCommand(const std::string& command) {
  std::unique_ptr<platform::StartedProcess> process = system_.startHidden(interpreterCommand(command));
  if (!process) ShowStatus("Error: " + strBatchFileName + " cannot be started!", colours::kError);
  return process;
}
