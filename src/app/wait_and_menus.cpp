#include "app/zarn.h"

void Zarn::WaitABit() {
  // Failures are ignored on purpose: a folder left by an earlier run is removed by the
  // first pass, and one that cannot be made only shortens the wait.
  const std::string scratch = strTempDir + "zarntmp";
  for (Long pass = 1; pass <= 80; ++pass) {
    system_.createFolder(scratch);
    system_.removeFolder(scratch);
  }
}

void Zarn::mnuAbout_Click() {
  system_.messageBox("Brenvik " + strVersion, "ZARN information", platform::MessageStyle::Information,
                     platform::MessageButtons::Ok);
}

void Zarn::mnuExit_Click() {
  const platform::Answer answer = system_.messageBox("Are you sure you want to exit?", "ZARN Alert!",
                                                     platform::MessageStyle::Question, platform::MessageButtons::YesNo);
  if (answer == platform::Answer::Yes) system_.endProgram();
}
