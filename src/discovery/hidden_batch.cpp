#include "app/batch_text.h"
#include "app/colours.h"
#include "app/text_lines.h"
#include "app/zarn.h"

namespace {
// How long a wait for another program gives it before it gives up.
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
