// The road up to the Bot Setup page, for the tests of the bot pages.
#pragma once

#include <string>
#include <vector>

#include "support/page_road.h"

inline const std::string kSturmbotDir = kGameDir + "dod\\sturmbot\\";

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
  // Bot Setup page saved, the first of `maps` the first map and all of them the cycle; the Bot
  // Setup page is offered, not opened.
  Zarn& reachBotSetup(const std::string& mod, const std::string& sturmbotVersion = "1.5",
                      const std::vector<std::string>& maps = {"m1", "m2"});
  // dod's Bot Setup page opened in per-map mode, with ripent.exe and these maps, in the
  // per-map list in this order after the first map, dod_ridge, once more: dod_ridge (British
  // Allies), dod_harbour (U.S.) and dod_orchard (not told), each with its waypoint file;
  // dod_flak without one; dod_Case, whose waypoint file is stored as dod_case.wpt.
  Zarn& openPerMapPanel(const std::string& sturmbotVersion);
  void chooseBotMap(const std::string& map);  // picked from the per-map list
  // The text with its one occurrence of `from` replaced by `to`.
  static std::string replaced(std::string text, const std::string& from, const std::string& to);
};
