#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>

#include "app/text_lines.h"
#include "support/class_names.h"
#include "support/page_road.h"

namespace {

using Limits = std::map<std::string, std::string>;  // variable name, limit

// One limit line per class of the sides, in order: "-1" unless `set` names the variable.
std::string limitLines(const std::vector<std::pair<std::string, Names>>& sides, const Limits& set) {
  std::string lines;
  for (const auto& [prefix, classes] : sides)
    for (const std::string& name : classes) {
      const auto found = set.find(prefix + name);
      lines += prefix + name + " " + (found == set.end() ? "-1" : found->second) + "\r\n";
    }
  return lines;
}
std::string usLines(const Limits& set = {}) {
  return limitLines({{"mp_limitallies", kUsWeapons}, {"mp_limitaxis", kGermanWeapons}}, set);
}
std::string britishLines(const Limits& set = {}) {
  return limitLines({{"mp_limitbrit", kBritish}, {"mp_limitaxis", kGermanWeapons}}, set);
}
std::string classTypeLines(const Limits& set = {}) {
  return limitLines({{"mp_limitallies", kClassTypes}, {"mp_limitaxis", kClassTypes}}, set);
}

class ClassLimitTest : public PageRoadTest {
 protected:
  // dod with Sturmbot of `version` and the maps of addDodMaps; the Map Cycle page open.
  Zarn& openMapPage(const std::string& version = "3.0") {
    buildGameFolder(system, {{"dod", "Day of Defeat", {}}});
    addDodMaps(system);
    system.writeFile(kGameDir + "dod\\sturmbot\\dlls\\STURM_bot.dll", "stand-in");
    system.writeFile(kGameDir + "dod\\sturmbot\\History.txt", "Sturmbot\r\n\r\n" + version + "\r\n");
    Zarn& z = start();
    saveCommandLine("dod", "dod_ridge");
    saveServerPage();
    z.optMapFile.operatorPress();
    return z;
  }
  void openEditor(const std::string& map) {
    zarn->lstMapList.operatorPick(mapIndex(map));
    ASSERT_FALSE(zarn->chkClassLimit.checked());
    zarn->chkClassLimit.operatorClick();
    ASSERT_TRUE(zarn->frmClassLimit.visible());
  }
  void pick(forms::ComboBox& box, const std::string& item) {
    const auto found = std::find(box.items().begin(), box.items().end(), item);
    ASSERT_NE(found, box.items().end()) << item << " is not in " << box.name();
    box.operatorPick(static_cast<int>(found - box.items().begin()));
  }
  void save() { zarn->cmdClassLimitOK.operatorClick(); }
  static std::string cfgPath(const std::string& map) { return kGameDir + "dod\\" + map + ".cfg"; }
  void expectEditorClosed() {
    const Zarn& z = *zarn;
    EXPECT_FALSE(z.chkClassLimit.checked());
    EXPECT_FALSE(z.frmClassLimit.visible());
    EXPECT_EQ(z.frmMapSetup.width(), z.intFrameWidth);
    for (const forms::Control* unlocked : std::initializer_list<const forms::Control*>{
             &z.lstMapList, &z.cmdClearMapList, &z.cmdAddMap, &z.cmdMapOK})
      EXPECT_TRUE(unlocked->enabled()) << unlocked->name();
    EXPECT_EQ(z.frmInfo.caption(), "zarn_mapcycle.txt");
    EXPECT_EQ(z.txtFileContents.text(), z.strMapCycleText);
  }
};

struct FileCase {
  const char* what;
  std::optional<std::string> before;
  std::string after;
};

TEST_F(ClassLimitTest, TheSaveWritesTheKeptLinesThenEveryLimitAndALoadedSaveComesOutTheSame) {
  openMapPage();
  const FileCase cases[] = {
      {"no file", std::nullopt, "\r\n" + usLines() + "\r\n"},
      {"limits among comments and commands",
       "// harbour\r\nmp_limitalliesbar 2\r\nsv_gravity 800\r\nmp_limitaxismg42 1\r\nexec more.cfg\r\n",
       "// harbour\r\nsv_gravity 800\r\nexec more.cfg\r\n\r\n" + usLines({{"mp_limitalliesbar", "2"}, {"mp_limitaxismg42", "1"}}) +
           "\r\n"},
      {"empty lines dropped, blank ones kept", "\r\nsv_a 1\r\n\r\n   \r\nsv_b 2", "sv_a 1\r\n   \r\nsv_b 2\r\n\r\n" + usLines() + "\r\n"},
      {"the later of two lines wins", "mp_limitalliesbar 2\r\nmp_limitalliesbar 5\r\n",
       "\r\n" + usLines({{"mp_limitalliesbar", "5"}}) + "\r\n"},
      {"classes not in the table in place dropped", "mp_limitbritlight 3\r\nmp_limitaxisheavy 2\r\nmp_limitalliXsbar 4\r\n",
       "\r\n" + usLines() + "\r\n"},
      {"a tab is no separator, inner blanks run together", "mp_limitalliesbar\t2\r\nmp_limitaxiskar 1 0\r\n",
       "mp_limitalliesbar\t2\r\n\r\n" + usLines({{"mp_limitaxiskar", "10"}}) + "\r\n"},
      {"capitals in the prefix kept, in the class dropped", "MP_LIMITalliesbar 3\r\nmp_limitAXISkar 3\r\nmp_limitalliesBAR 3\r\n",
       "MP_LIMITalliesbar 3\r\nmp_limitAXISkar 3\r\n\r\n" + usLines() + "\r\n"},
      {"a bare prefix or a key without value is another line", "mp_limitallies 3\r\nmp_limitalliesbar\r\n",
       "mp_limitallies 3\r\nmp_limitalliesbar\r\n\r\n" + usLines() + "\r\n"},
  };
  for (const FileCase& c : cases) {
    std::filesystem::remove(system.hostPath(cfgPath("dod_harbour")));
    if (c.before) system.writeFile(cfgPath("dod_harbour"), *c.before);
    openEditor("dod_harbour");
    save();
    EXPECT_EQ(system.fileContent(cfgPath("dod_harbour")), c.after) << c.what;
    expectEditorClosed();
    openEditor("dod_harbour");
    save();
    EXPECT_EQ(system.fileContent(cfgPath("dod_harbour")), c.after) << c.what << ", saved again";
  }
  EXPECT_TRUE(system.messages.empty());
  EXPECT_EQ(system.programsRun.size(), 1u) << "the map's entities are exported once";
}

TEST_F(ClassLimitTest, TheEditorOpensOverTheMapsFileAndOnlyPicksChangeIt) {
  Zarn& z = openMapPage();
  addMaps({"dod_orchard"});
  system.writeFile(cfgPath("dod_harbour"), "sv_gravity 800\r\nmp_limitalliesgarand 4\r\n");
  openEditor("dod_harbour");

  EXPECT_EQ(z.frmMapSetup.width(), z.intFrameWidthWide);
  for (const forms::Control* locked : std::initializer_list<const forms::Control*>{
           &z.lstMapList, &z.cmdClearMapList, &z.cmdAddMap, &z.cmdMapOK})
    EXPECT_FALSE(locked->enabled()) << locked->name();
  EXPECT_TRUE(z.cmdClassLimitOK.enabled());
  EXPECT_EQ(z.lblClassAllies.caption(), "U.S.");
  EXPECT_EQ(z.lblClassAxis.caption(), "German");
  EXPECT_EQ(z.cmbClassAllies.items(), kUsWeapons);
  EXPECT_EQ(z.cmbClassAllies.text(), "garand");
  EXPECT_EQ(z.cmbLimitAllies.text(), "4");
  EXPECT_EQ(z.cmbClassAxis.text(), "kar");
  EXPECT_EQ(z.cmbLimitAxis.text(), "-1");
  EXPECT_EQ(z.frmInfo.caption(), "dod_harbour.cfg");
  EXPECT_EQ(z.txtFileContents.text(), "sv_gravity 800\r\n\r\n" + usLines({{"mp_limitalliesgarand", "4"}}));
  expectReadOnlyPreview(z);

  // A class shows its limit; a limit picked then belongs to the class shown.
  pick(z.cmbClassAllies, "bar");
  EXPECT_EQ(z.cmbLimitAllies.text(), "-1");
  pick(z.cmbLimitAllies, "5");
  pick(z.cmbClassAxis, "mg42");
  pick(z.cmbLimitAxis, "32");
  const Limits edited = {{"mp_limitalliesgarand", "4"}, {"mp_limitalliesbar", "5"}, {"mp_limitaxismg42", "32"}};
  EXPECT_EQ(z.txtFileContents.text(), "sv_gravity 800\r\n\r\n" + usLines(edited));
  pick(z.cmbClassAllies, "garand");
  EXPECT_EQ(z.cmbLimitAllies.text(), "4");
  pick(z.cmbClassAllies, "bar");
  EXPECT_EQ(z.cmbLimitAllies.text(), "5");

  // Typing stores nothing; a limit picked for a typed class that the table lacks neither.
  z.cmbLimitAllies.operatorType("7");
  z.cmbClassAllies.operatorType("rifle");
  pick(z.cmbLimitAllies, "3");
  EXPECT_EQ(z.txtFileContents.text(), "sv_gravity 800\r\n\r\n" + usLines(edited));
  EXPECT_EQ(z.frmInfo.caption(), "dod_harbour.cfg");
  EXPECT_FALSE(z.lstMapList.enabled());

  // Closing writes nothing and shows the cycle again; reopening reloads the file.
  z.chkClassLimit.operatorClick();
  expectEditorClosed();
  EXPECT_EQ(z.txtFileContents.text(), "dod_orchard");
  EXPECT_EQ(system.fileContent(cfgPath("dod_harbour")), "sv_gravity 800\r\nmp_limitalliesgarand 4\r\n");
  openEditor("dod_harbour");
  EXPECT_EQ(z.txtFileContents.text(), "sv_gravity 800\r\n\r\n" + usLines({{"mp_limitalliesgarand", "4"}}));

  pick(z.cmbClassAxis, "kar43");
  pick(z.cmbLimitAxis, "0");
  save();
  EXPECT_EQ(system.fileContent(cfgPath("dod_harbour")),
            "sv_gravity 800\r\n\r\n" + usLines({{"mp_limitalliesgarand", "4"}, {"mp_limitaxiskar43", "0"}}) + "\r\n");
  expectEditorClosed();
  EXPECT_FALSE(z.cmdClassLimitOK.enabled());
  EXPECT_EQ(z.blnMapCycleSaved, 0) << "the editor's Save is no step";
}

TEST_F(ClassLimitTest, BritishAlliesGetTheirTableAndTheNextMapTheUsOneAgain) {
  Zarn& z = openMapPage();
  system.writeFile(cfgPath("dod_ridge"), "mp_limitalliesassault 2\r\nmp_limitbritmg 1\r\nmp_limitalliesbar 3\r\n");
  openEditor("dod_ridge");
  EXPECT_EQ(z.lblClassAllies.caption(), "British");
  EXPECT_EQ(z.cmbClassAllies.items(), kBritish);
  EXPECT_EQ(z.cmbClassAllies.text(), "light");
  EXPECT_EQ(z.lblClassAxis.caption(), "German");
  save();
  // Both Allies prefixes set the British table, and are written back with its own.
  EXPECT_EQ(system.fileContent(cfgPath("dod_ridge")),
            "\r\n" + britishLines({{"mp_limitbritassault", "2"}, {"mp_limitbritmg", "1"}}) + "\r\n");

  openEditor("dod_orchard");
  EXPECT_EQ(z.lblClassAllies.caption(), "U.S.");
  EXPECT_EQ(z.cmbClassAllies.items(), kUsWeapons);
  EXPECT_EQ(z.txtFileContents.text(), "\r\n" + usLines());
  EXPECT_EQ(system.programsRun.size(), 2u);
}

TEST_F(ClassLimitTest, ClassTypeLimitsCarryOverToAMapThatDoesNotSetThem) {
  Zarn& z = openMapPage("1.5");
  system.writeFile(cfgPath("dod_orchard"), "mp_limitalliessniper 1\r\n");
  openEditor("dod_harbour");
  EXPECT_EQ(z.lblClassAllies.caption(), "Allies");
  EXPECT_EQ(z.lblClassAxis.caption(), "Axis");
  pick(z.cmbClassAllies, "heavy");
  pick(z.cmbLimitAllies, "4");
  save();
  EXPECT_EQ(system.fileContent(cfgPath("dod_harbour")), "\r\n" + classTypeLines({{"mp_limitalliesheavy", "4"}}) + "\r\n");

  openEditor("dod_orchard");
  pick(z.cmbClassAllies, "heavy");
  EXPECT_EQ(z.cmbLimitAllies.text(), "4");
  save();
  EXPECT_EQ(system.fileContent(cfgPath("dod_orchard")),
            "\r\n" + classTypeLines({{"mp_limitalliesheavy", "4"}, {"mp_limitalliessniper", "1"}}) + "\r\n");
  EXPECT_TRUE(system.programsRun.empty()) << "class types need no country";
}

TEST_F(ClassLimitTest, AFileThatCannotBeReadOrWrittenIsNotLostAndTheEditsStay) {
  Zarn& z = openMapPage();
  const std::string original = "sv_gravity 800\r\nmp_limitalliesbar 2\r\n";
  system.writeFile(cfgPath("dod_harbour"), original);
  system.refuseReadsOf(cfgPath("dod_harbour"));
  openEditor("dod_harbour");
  pick(z.cmbLimitAllies, "6");
  save();
  ASSERT_NO_FATAL_FAILURE(expectOneAlertNaming(system, cfgPath("dod_harbour")));
  EXPECT_NE(system.messages[0].text.find("being used by another process"), std::string::npos) << "the reason";
  EXPECT_EQ(system.fileContent(cfgPath("dod_harbour")), original);
  EXPECT_TRUE(z.frmClassLimit.visible());
  EXPECT_TRUE(z.chkClassLimit.checked());

  // A file that cannot be written: said so, and the editor stays open with the edits.
  system.messages.clear();
  system.writeFile(cfgPath("dod_orchard"), "sv_gravity 600\r\n");
  system.refuseWritesTo(cfgPath("dod_orchard"));
  z.chkClassLimit.operatorClick();
  openEditor("dod_orchard");
  pick(z.cmbLimitAllies, "6");
  save();
  expectOneAlertNaming(system, cfgPath("dod_orchard"));
  EXPECT_EQ(system.fileContent(cfgPath("dod_orchard")), "sv_gravity 600\r\n");
  EXPECT_TRUE(z.frmClassLimit.visible());
  EXPECT_TRUE(z.cmdClassLimitOK.enabled());
  EXPECT_EQ(z.txtFileContents.text(), "sv_gravity 600\r\n\r\n" + usLines({{"mp_limitalliesgarand", "6"}}));
}

TEST_F(ClassLimitTest, AFileNamedInOtherLetterCaseIsReadAndReplacedUnderItsOwnName) {
  Zarn& z = openMapPage();
  system.writeFile(kGameDir + "dod\\Dod_Harbour.CFG", "sv_gravity 800\r\nmp_limitalliesbar 2\r\n");
  openEditor("dod_harbour");
  pick(z.cmbClassAllies, "bar");
  EXPECT_EQ(z.cmbLimitAllies.text(), "2");
  save();
  std::vector<std::string> harbourFiles;
  for (const auto& entry : std::filesystem::directory_iterator(system.hostPath(kGameDir + "dod")))
    if (lowerCase(entry.path().filename().string()) == "dod_harbour.cfg") harbourFiles.push_back(entry.path().filename().string());
  EXPECT_EQ(harbourFiles, std::vector<std::string>{"Dod_Harbour.CFG"});
  EXPECT_EQ(system.fileContent(kGameDir + "dod\\Dod_Harbour.CFG"),
            "sv_gravity 800\r\n\r\n" + usLines({{"mp_limitalliesbar", "2"}}) + "\r\n");
}

}  // namespace
