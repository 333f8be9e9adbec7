#include <filesystem>
#include <map>
#include <optional>

#include "support/game_folder.h"

namespace {

using Names = std::vector<std::string>;
using Limits = std::map<std::string, std::string>;  // variable name, limit

const Names kUsWeapons = {"garand", "carbine", "bar", "greasegun", "thompson", "spring", "30cal"};
const Names kGermanWeapons = {"kar", "kar43", "fg42", "fg42s", "mp40", "mp44", "scopedkar", "mg34", "mg42"};
const Names kClassTypes = {"light", "assault", "heavy", "sniper", "mg"};
const Names kBritish = {"light", "assault", "sniper", "mg"};

// One limit line per class of both sides, in order: "-1" unless `set` names the variable.
std::string limitLines(const Names& allies, const Limits& set = {}, const std::string& alliesPrefix = "mp_limitallies",
                       const Names& axis = kGermanWeapons) {
  std::string lines;
  for (const auto& [prefix, classes] : {std::pair{alliesPrefix, allies}, {std::string("mp_limitaxis"), axis}})
    for (const std::string& name : classes) {
      const auto found = set.find(prefix + name);
      lines += prefix + name + " " + (found == set.end() ? "-1" : found->second) + "\r\n";
    }
  return lines;
}

class ClassLimitTest : public ZarnTest {
 protected:
  // dod with Sturmbot of `version` and maps whose Allies are British (dod_ridge), U.S.
  // (dod_harbour) and not told (dod_orchard); the Map Cycle page open.
  Zarn& openMapPage(const std::string& version = "3.0") {
    buildGameFolder(system, {{"dod", "Day of Defeat", {}}});
    for (const auto& [map, country] : {std::pair{"dod_ridge", "1"}, {"dod_harbour", "0"}, {"dod_orchard", ""}})
      writeDodMap(system, map, country);
    installBot(system, "dod", version);
    start();
    saveThrough(kServerFile, "dod", {"dod_ridge"});
    zarn->optMapFile.operatorPress();
    return *zarn;
  }
  void openEditor(const std::string& map) {
    pick(zarn->lstMapList, map);
    ASSERT_FALSE(zarn->chkClassLimit.checked());
    zarn->chkClassLimit.operatorClick();
    ASSERT_TRUE(zarn->frmClassLimit.visible());
  }
  void save() { zarn->cmdClassLimitOK.operatorClick(); }
  static std::string cfg(const std::string& map) { return kGameDir + "dod\\" + map + ".cfg"; }
  void expectEditorClosed() {  // the Map Cycle page as it was
    const Zarn& z = *zarn;
    EXPECT_EQ(z.frmMapSetup.width(), z.intFrameWidth);
    EXPECT_TRUE(z.lstMapList.enabled());
    EXPECT_EQ(z.frmInfo.caption(), "zarn_mapcycle.txt");
    EXPECT_EQ(z.txtFileContents.text(), z.strMapCycleText);
  }
};

TEST_F(ClassLimitTest, TheSaveWritesTheKeptLinesThenEveryLimitAndALoadedSaveComesOutTheSame) {
  openMapPage();
  const struct {
    const char* what;
    std::optional<std::string> before;
    std::string after;
  } cases[] = {
      {"no file", std::nullopt, "\r\n" + limitLines(kUsWeapons) + "\r\n"},
      {"limits among comments and commands",
       "// harbour\r\nmp_limitalliesbar 2\r\nsv_gravity 800\r\nmp_limitaxismg42 1\r\nexec more.cfg\r\n",
       "// harbour\r\nsv_gravity 800\r\nexec more.cfg\r\n\r\n" +
           limitLines(kUsWeapons, {{"mp_limitalliesbar", "2"}, {"mp_limitaxismg42", "1"}}) + "\r\n"},
      {"empty lines dropped, blank ones kept", "\r\nsv_a 1\r\n\r\n   \r\nsv_b 2",
       "sv_a 1\r\n   \r\nsv_b 2\r\n\r\n" + limitLines(kUsWeapons) + "\r\n"},
      {"the later of two lines wins", "mp_limitalliesbar 2\r\nmp_limitalliesbar 5\r\n",
       "\r\n" + limitLines(kUsWeapons, {{"mp_limitalliesbar", "5"}}) + "\r\n"},
      {"classes not in the table in place dropped, nor in capitals",
       "mp_limitbritlight 3\r\nmp_limitaxisheavy 2\r\nmp_limitalliXsbar 4\r\nmp_limitalliesBAR 3\r\n",
       "\r\n" + limitLines(kUsWeapons) + "\r\n"},
      {"a tab is no separator, inner blanks run together", "mp_limitalliesbar\t2\r\nmp_limitaxiskar 1 0\r\n",
       "mp_limitalliesbar\t2\r\n\r\n" + limitLines(kUsWeapons, {{"mp_limitaxiskar", "10"}}) + "\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    system.remove(cfg("dod_harbour"));
    if (c.before) system.writeFile(cfg("dod_harbour"), *c.before);
    for (int round = 0; round < 2; ++round) {  // the second loads what the first saved
      openEditor("dod_harbour");
      save();
      EXPECT_EQ(system.fileContent(cfg("dod_harbour")), c.after);
      expectEditorClosed();
    }
  }
  EXPECT_TRUE(system.messages.empty());
  EXPECT_EQ(system.programsRun.size(), 1u) << "the map's entities are exported once";
}

TEST_F(ClassLimitTest, TheEditorOpensOverTheMapsFileAndOnlyPicksChangeIt) {
  Zarn& z = openMapPage();
  addMaps({"dod_orchard"});
  system.writeFile(cfg("dod_harbour"), "sv_gravity 800\r\nmp_limitalliesgarand 4\r\n");
  openEditor("dod_harbour");
  EXPECT_EQ(z.frmMapSetup.width(), z.intFrameWidthWide);
  for (const forms::Control* locked : std::initializer_list<const forms::Control*>{
           &z.lstMapList, &z.cmdClearMapList, &z.cmdAddMap, &z.cmdMapOK})
    EXPECT_FALSE(locked->enabled()) << locked->name();
  EXPECT_EQ(z.cmbClassAllies.items(), kUsWeapons);
  EXPECT_EQ(z.cmbClassAxis.items(), kGermanWeapons);
  EXPECT_EQ(z.cmbClassAllies.text(), "garand");
  EXPECT_EQ(z.cmbLimitAllies.text(), "4");
  EXPECT_EQ(z.frmInfo.caption(), "dod_harbour.cfg");
  EXPECT_EQ(z.txtFileContents.text(), "sv_gravity 800\r\n\r\n" + limitLines(kUsWeapons, {{"mp_limitalliesgarand", "4"}}));

  // A class shows its limit; a limit picked then belongs to the class shown. Typing stores
  // nothing; a limit picked for a typed class that the table lacks neither.
  pick(z.cmbClassAllies, "bar");
  EXPECT_EQ(z.cmbLimitAllies.text(), "-1");
  pick(z.cmbLimitAllies, "5");
  pick(z.cmbClassAxis, "mg42");
  pick(z.cmbLimitAxis, "32");
  pick(z.cmbClassAllies, "garand");
  EXPECT_EQ(z.cmbLimitAllies.text(), "4");
  z.cmbLimitAllies.operatorType("7");
  z.cmbClassAllies.operatorType("rifle");
  pick(z.cmbLimitAllies, "3");
  const Limits edited = {{"mp_limitalliesgarand", "4"}, {"mp_limitalliesbar", "5"}, {"mp_limitaxismg42", "32"}};
  EXPECT_EQ(z.txtFileContents.text(), "sv_gravity 800\r\n\r\n" + limitLines(kUsWeapons, edited));

  // Closing writes nothing and shows the cycle again; reopening reloads the file.
  z.chkClassLimit.operatorClick();
  expectEditorClosed();
  EXPECT_EQ(z.txtFileContents.text(), "dod_orchard");
  EXPECT_EQ(system.fileContent(cfg("dod_harbour")), "sv_gravity 800\r\nmp_limitalliesgarand 4\r\n");
  openEditor("dod_harbour");
  EXPECT_EQ(z.cmbLimitAxis.text(), "-1");
  pick(z.cmbClassAxis, "kar43");
  pick(z.cmbLimitAxis, "0");
  save();
  EXPECT_EQ(system.fileContent(cfg("dod_harbour")),
            "sv_gravity 800\r\n\r\n" + limitLines(kUsWeapons, {{"mp_limitalliesgarand", "4"}, {"mp_limitaxiskar43", "0"}}) +
                "\r\n");
  EXPECT_FALSE(z.cmdClassLimitOK.enabled());
  EXPECT_EQ(z.blnMapCycleSaved, 0) << "the editor's Save is no step";
}

// Weapon classes start afresh for every map, British Allies with their own table; class
// types carry over from one map to the next.
TEST_F(ClassLimitTest, EachSchemeGetsItsTables) {
  Zarn& z = openMapPage();
  system.writeFile(cfg("dod_ridge"), "mp_limitalliesassault 2\r\nmp_limitbritmg 1\r\nmp_limitalliesbar 3\r\n");
  openEditor("dod_ridge");
  EXPECT_EQ(z.lblClassAllies.caption(), "British");
  EXPECT_EQ(z.lblClassAxis.caption(), "German");
  EXPECT_EQ(z.cmbClassAllies.items(), kBritish);
  save();
  // Both Allies prefixes set the British table, and are written back with its own.
  EXPECT_EQ(system.fileContent(cfg("dod_ridge")),
            "\r\n" + limitLines(kBritish, {{"mp_limitbritassault", "2"}, {"mp_limitbritmg", "1"}}, "mp_limitbrit") + "\r\n");
  openEditor("dod_orchard");
  EXPECT_EQ(z.lblClassAllies.caption(), "U.S.");
  EXPECT_EQ(z.txtFileContents.text(), "\r\n" + limitLines(kUsWeapons));

  Zarn& y = openMapPage("1.5");
  system.writeFile(cfg("dod_orchard"), "mp_limitalliessniper 1\r\n");
  openEditor("dod_harbour");
  EXPECT_EQ(y.lblClassAllies.caption(), "Allies");
  EXPECT_EQ(y.lblClassAxis.caption(), "Axis");
  pick(y.cmbClassAllies, "heavy");
  pick(y.cmbLimitAllies, "4");
  save();
  openEditor("dod_orchard");
  save();
  EXPECT_EQ(system.fileContent(cfg("dod_orchard")),
            "\r\n" + limitLines(kClassTypes, {{"mp_limitalliesheavy", "4"}, {"mp_limitalliessniper", "1"}},
                                "mp_limitallies", kClassTypes) + "\r\n");
  EXPECT_EQ(system.programsRun.size(), 2u) << "class types need no country";
}

TEST_F(ClassLimitTest, AFileThatCannotBeReadOrWrittenIsNotLostAndTheEditsStay) {
  Zarn& z = openMapPage();
  const std::string original = "sv_gravity 800\r\nmp_limitalliesbar 2\r\n";
  system.writeFile(cfg("dod_harbour"), original);
  system.refuseReadsOf(cfg("dod_harbour"));
  openEditor("dod_harbour");
  ASSERT_NO_FATAL_FAILURE(expectOneAlertNaming(system, cfg("dod_harbour"))) << "told as the editor opens";
  EXPECT_NE(system.messages[0].text.find("being used by another process"), std::string::npos) << "the reason";
  pick(z.cmbLimitAllies, "6");
  save();
  EXPECT_EQ(system.messages.size(), 2u) << "Save is refused, and says so";
  EXPECT_EQ(system.fileContent(cfg("dod_harbour")), original);
  EXPECT_TRUE(z.frmClassLimit.visible());

  system.messages.clear();
  system.writeFile(cfg("dod_orchard"), "sv_gravity 600\r\n");
  system.refuseWritesTo(cfg("dod_orchard"));
  z.chkClassLimit.operatorClick();
  openEditor("dod_orchard");
  pick(z.cmbLimitAllies, "6");
  save();
  expectOneAlertNaming(system, cfg("dod_orchard"));
  EXPECT_EQ(system.fileContent(cfg("dod_orchard")), "sv_gravity 600\r\n");
  EXPECT_TRUE(z.cmdClassLimitOK.enabled());
  EXPECT_EQ(z.txtFileContents.text(), "sv_gravity 600\r\n\r\n" + limitLines(kUsWeapons, {{"mp_limitalliesgarand", "6"}}));
}

// The file system's own case rule finds the map's file, also for letters beyond ASCII.
TEST_F(ClassLimitTest, AFileNamedInOtherLetterCaseIsReadAndReplacedUnderItsOwnName) {
  writeDodMap(system, "dod_\u00c4rger", "0");
  Zarn& z = openMapPage();
  for (const auto& [map, stored] : {std::pair{"dod_harbour", "Dod_Harbour.CFG"}, {"dod_\u00c4rger", "dod_\u00e4rger.cfg"}}) {
    SCOPED_TRACE(stored);
    system.writeFile(kGameDir + "dod\\" + stored, "sv_gravity 800\r\nmp_limitalliesbar 2\r\n");
    openEditor(map);
    pick(z.cmbClassAllies, "bar");
    EXPECT_EQ(z.cmbLimitAllies.text(), "2");
    save();
    EXPECT_FALSE(std::filesystem::exists(system.hostPath(kGameDir + "dod") / (std::string(map) + ".cfg")));
    EXPECT_EQ(system.fileContent(kGameDir + "dod\\" + stored),
              "sv_gravity 800\r\n\r\n" + limitLines(kUsWeapons, {{"mp_limitalliesbar", "2"}}) + "\r\n");
  }
}

// Without "Limit classes?" checked, a click on a map neither reads its file nor asks its country.
TEST_F(ClassLimitTest, AClickOnAMapLoadsNothingWhileTheBoxIsClear) {
  Zarn& z = openMapPage();
  system.writeFile(cfg("dod_ridge"), "sv_gravity 800\r\nmp_limitbritmg 1\r\n");
  const std::string alliesCaption = z.lblClassAllies.caption();
  EXPECT_NO_THROW(pick(z.lstMapList, "dod_ridge")) << "the program ended";
  EXPECT_TRUE(system.programsRun.empty()) << "the map's entities were exported";
  EXPECT_EQ(z.strOtherCfgLines, "");
  EXPECT_EQ(z.lblClassAllies.caption(), alliesCaption);
  EXPECT_TRUE(system.messages.empty());
}

}  // namespace
