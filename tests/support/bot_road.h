// The road up to the Bot Setup page, for the tests of the bot pages.
#pragma once

#include <string>

#include "support/page_road.h"

// The settings text of Sturmbot 1.5 with the start values: the reaction times as mod
// selection leaves them, written back with their blank.
inline const std::string kSturmbot15Text =
    "# Sturmbot settings\r\nmin_reaction  30\r\nmax_reaction  50\r\nfriendlyfiremode off\r\nrank on\r\n"
    "formsquad off\r\nknifeonly off\r\npistolonly off\r\ngrenadeonly off\r\nbloodmode 0\r\ngrenadeonly off\r\n"
    "bind F3 sturmbotmenu\r\nmaxteamkills 3\r\nmaxbodies 12\r\n\r\nfillserver";

class BotRoadTest : public PageRoadTest {
 protected:
  // `mod` (dod, firearms or wie) with its bot installed, for dod Sturmbot's history naming
  // `sturmbotVersion` on its third line (no history when empty), and the four pages before the
  // Bot Setup page saved; the Bot Setup page is offered, not opened.
  Zarn& reachBotSetup(const std::string& mod, const std::string& sturmbotVersion = "1.5");
  // The text with its one occurrence of `from` replaced by `to`.
  static std::string replaced(std::string text, const std::string& from, const std::string& to);
};
