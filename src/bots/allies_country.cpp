// Whether a map's Allies are British, as the map's entities say. ripent.exe exports them
// beside the map once; the export is kept and scanned again by every later call.
#include "app/batch_text.h"
#include "app/busy_pointer.h"
#include "app/text_lines.h"
#include "app/zarn.h"
#include "bots/entity_scan.h"

namespace {
constexpr const char* kTool = "ripent.exe";
// Looks for the export, each after a wait, before the operator is asked.
constexpr int kExportLooks = 41;
}  // namespace

void Zarn::DetectAlliesCountry(const std::string& map) {
  const std::string entPath = ModPath("\\maps\\" + map + ".ent");
  // The hourglass from the start of an export until its text has been scanned.
  std::optional<BusyPointer> busy;
  bool whole = ExportRunEnded(entPath) && FileIsPresent(entPath);
  if (!whole) {
    busy.emplace(system_);
    // A run still writing the export when its wait ran out: the export is whole once that
    // same run has ended, and a second run beside it would write into the same file.
    whole = exportRuns_.contains(entPath) ? AwaitExportRun(entPath) && FileIsPresent(entPath)
                                          : ExportEntities(map, entPath);
  }
  std::optional<std::string> entities;
  if (whole) entities = system_.readTextFile(entPath);
  if (!entities) {
    const platform::Answer answer = system_.messageBox(
        "Encountered a problem with determining country for Allies.\r\nWould you like to ignore this and proceed?",
        "ZARN Alert!", platform::MessageStyle::Question, platform::MessageButtons::YesNo);
    if (answer == platform::Answer::No) mnuExit_Click();
    return;
  }
  const AlliesCountry country = scanEntities(*entities);
  if (!country.known) return;
  blnCountryKnown = 1;
  blnAlliesBritish = country.british ? 1 : 0;
}

bool Zarn::ExportEntities(const std::string& map, const std::string& entPath) {
  const std::string tool = strHalfLifeDir + kTool;
  if (!FileIsPresent(tool)) {
    system_.messageBox("FATAL ERROR: Require that RIPENT.EXE exist in " + strHalfLifeDir +
                           "\r\nRIPENT is required to check map entities in order to determine if the Allies team is "
                           "British.\r\nPlease follow the installation instructions for this program.",
                       "ZARN Alert!", platform::MessageStyle::Critical, platform::MessageButtons::Ok);
    system_.endProgram();
  }
  const std::string bsp = ModPath("\\maps\\" + map + ".bsp");
  const BatchFiles files = WriteBatchFiles(strTempDir, [&](const std::string& log) {
    return quotedIfSpecial(tool) + " -export " + quotedIfSpecial(bsp) + " > " + quotedIfSpecial(log);
  });
  if (files.batch.empty()) return false;
  std::unique_ptr<platform::StartedProcess> run = StartCommand(quotedIfSpecial(files.batch));
  if (!run) return false;
  exportRuns_[entPath] = std::move(run);
  WaitABit();
  bool exported = false;
  for (int look = 1; look <= kExportLooks && !exported; ++look) {
    WaitABit();
    exported = FileIsPresent(entPath);
  }
  if (!exported) {
    ExportRunEnded(entPath);  // a run still going stays known: what it writes later is not whole before it ends
    return false;
  }
  // The export is there as soon as the tool opens it; it is whole once the tool has ended.
  return AwaitExportRun(entPath);
}

bool Zarn::ExportRunEnded(const std::string& entPath) {
  const auto run = exportRuns_.find(entPath);
  if (run == exportRuns_.end()) return true;
  if (!run->second->hasEnded()) return false;
  exportRuns_.erase(run);
  return true;
}

bool Zarn::AwaitExportRun(const std::string& entPath) {
  return ExportRunEnded(entPath) || WaitUntil([&] { return ExportRunEnded(entPath); });
}
