#include "app/colours.h"
#include "app/zarn.h"

namespace {
// How long a wait for another program gives it before it gives up.
constexpr std::int64_t kWaitLimitMilliseconds = 15000;
}  // namespace

bool Zarn::WaitUntil(const std::function<bool()>& done) {
  const std::int64_t deadline = system_.monotonicMilliseconds() + kWaitLimitMilliseconds;
  do {
    WaitABit();
    if (done()) return true;
  } while (system_.monotonicMilliseconds() < deadline);
  return false;
}

std::unique_ptr<platform::StartedProcess> Zarn::StartBatch(const std::string& batchFile, const std::string& line,
                                                             const std::string& command) {
  if (!WriteTextFile(batchFile, {line})) {
    ShowStatus("Error: " + strBatchFileName + " cannot be written!", colours::kError);
    return nullptr;
  }
  std::unique_ptr<platform::StartedProcess> process = system_.startHidden(command);
  if (!process) ShowStatus("Error: " + strBatchFileName + " cannot be started!", colours::kError);
  return process;
}
