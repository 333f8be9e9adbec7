#include <optional>
#include <string_view>

#include "app/colours.h"
#include "app/text_lines.h"
#include "app/zarn.h"

namespace {
// The mods whose bots the program knows, by lower-cased folder name, and the file that
// shows each bot installed.
struct BotLibrary {
  std::string_view mod;
  std::string_view tail;
};
constexpr std::string_view kSturmbotMod = "dod";
constexpr BotLibrary kBotLibraries[] = {{kSturmbotMod, "\\sturmbot\\dlls\\STURM_bot.dll"},
                                        {"firearms", "\\marine_bot\\marine_bot.dll"},
                                        {"wie", "\\dlls\\shrikebot.dll"}};

std::optional<std::string> botLibraryTail(const std::string& modLower) {
  for (const BotLibrary& bot : kBotLibraries)
    if (bot.mod == modLower) return std::string(bot.tail);
  return std::nullopt;
}

// The Sturmbot release that still has class types; every later one has weapon classes.
constexpr std::string_view kClassTypeVersion = "1.5";

// Sturmbot's version stands on the third line of its history; a history that is missing
// or shorter names none.
std::string versionOf(const std::optional<std::string>& history) {
  if (!history) return "";
  const std::vector<std::string> lines = splitLines(*history);
  return lines.size() >= 3 ? lines[2] : "";
}
}  // namespace

void Zarn::cmbModList_Click() {
  const std::string mod = cmbModList.text();
  ResetPanels();
  txtHostName.setText("My " + mod + " server.");
  lblModSupport.setCaption("Not recognized");
  lblModSupport.setForeColor(colours::kError);
  chkClassLimit.setEnabled(false);  // the reset has hidden it and its panel
  ShowModTitle();

  const std::string modLower = lowerCase(mod);
  if (modLower == kSturmbotMod) chkClassLimit.setVisible(true);
  const std::optional<std::string> botLibrary = botLibraryTail(modLower);
  if (botLibrary && FileIsPresent(ModPath(*botLibrary))) {
    optBotFile.setVisible(true);
    if (modLower == kSturmbotMod) SetUpSturmbot();
  }

  // A failed map search has already said why in the status line.
  const bool mapsListed = SearchMaps();
  optCommandLine.setEnabled(true);
  blnModSelected = 1;
  if (mapsListed && cmbMapList1.text().empty())
    ShowStatus("Please select " + optCommandLine.caption(), colours::kPrompt);
  UpdateStartStatus();

  // A splash file that is no picture that can be shown is passed over like a missing one.
  const std::string splashPath = ModPath("\\gfx\\shell\\splash.bmp");
  std::shared_ptr<const forms::Picture> splash = FileIsPresent(splashPath) ? system_.loadPicture(splashPath) : nullptr;
  const bool splashShown = splash != nullptr;
  if (splashShown) picSplash.setPicture(std::move(splash));
  picSplash.setVisible(splashShown);
}

void Zarn::ShowModTitle() {
  const std::string path = ModPath("\\liblist.gam");
  if (!FileIsPresent(path)) return;
  const std::optional<std::string> text = system_.readTextFile(path);
  if (!text) return;
  for (const std::string& line : splitLines(*text)) {
    ParseConfigLine(line);
    if (strKey == "game" && blnQuoteFound) {
      lblModSupport.setCaption(strQuoted);
      lblModSupport.setForeColor(colours::kPrompt);
      return;
    }
  }
}

void Zarn::SetUpSturmbot() {
  strBotFileName = "bot.cfg";
  chkSturmbotFillserver.setValue(1);
  strSturmbotVersion = versionOf(system_.readTextFile(ModPath("\\sturmbot\\History.txt")));
  if (strSturmbotVersion.empty()) {
    frmSturmbotSetup.setCaption("Sturmbot Setup");
  } else {
    frmSturmbotSetup.setCaption("Sturmbot " + strSturmbotVersion + " Setup");
    // The minimum first, while the maximum still holds its earlier text: the pair is
    // clamped on every change.
    if (strSturmbotVersion == kClassTypeVersion) {
      txtSturmbotMinReaction.setText("30");
      txtSturmbotMaxReaction.setText("50");
      blnWeaponClasses = 0;
      LoadClassTypeTables();
    } else {
      txtSturmbotMinReaction.setText("300");
      txtSturmbotMaxReaction.setText("500");
      blnWeaponClasses = 1;
      LoadWeaponClassTables();
    }
  }
  cmdSturmbotAdd.setEnabled(false);
  cmdSturmbotClear.setEnabled(false);
}
