#include "support/bot_road.h"

#include <map>

Zarn& BotRoadTest::reachBotSetup(const std::string& mod, const std::string& sturmbotVersion) {
  static const std::map<std::string, std::string> kLibraries = {{"dod", "\\sturmbot\\dlls\\STURM_bot.dll"},
                                                                {"firearms", "\\marine_bot\\marine_bot.dll"},
                                                                {"wie", "\\dlls\\shrikebot.dll"}};
  const std::string modDir = kGameDir + mod;
  system.writeFile(modDir + kLibraries.at(mod), "stand-in");
  if (mod == "dod" && !sturmbotVersion.empty())
    system.writeFile(modDir + "\\sturmbot\\History.txt", "Sturmbot\r\n--\r\n" + sturmbotVersion + "\r\n");
  Zarn& z = startWith({{mod, "Sample", {"m1", "m2"}}});
  saveCommandLine(mod, "m1");
  saveServerPage();
  saveMapCycle({"m1", "m2"});
  saveWelcomeMessage();
  EXPECT_TRUE(z.optBotFile.enabled());
  return z;
}

std::string BotRoadTest::replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from << " is not in " << text;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}
