#include "support/game_folder.h"

namespace {

const std::string kHead = "C:\\Sierra\\Half-Life\\hl.exe -game dod";
const std::string kTail = " +mapcyclefile zarn_mapcycle.txt +motdfile zarn_motd.txt ";

class CommandLineTest : public ZarnTest {
 protected:
  Zarn& openPage() {  // dod chosen and its Command Line page opened
    Zarn& z = startWith({{"dod", "Day of Defeat", {"dod_anzio", "dod_flash"}}});
    chooseMod("dod");
    z.optCommandLine.operatorPress();
    return z;
  }
  bool lineHas(const std::string& piece) const { return zarn->strCommandText.find(piece) != std::string::npos; }
};

TEST_F(CommandLineTest, EveryInputRebuildsTheLineAndOnlyPicksAndSwitchesOfferSave) {
  Zarn& z = openPage();
  EXPECT_EQ(z.txtFileContents.text(), kHead + " -console -noipx +port 27015 +maxplayers 8 +map  +lservercfgfile "
                                              "zarn_lserver.cfg " + kTail + "-heapsize 64000");
  EXPECT_TRUE(z.txtFileContents.locked());
  EXPECT_EQ(z.frmInfo.caption(), "Command Line and Options");
  EXPECT_EQ(z.lblStatus.caption(), "Please select First Map:");

  z.cmbMapList1.operatorType("dod_custom");
  z.cmbMapList1.operatorLeave();
  z.cmbMaxPlayers.operatorType("12");
  EXPECT_FALSE(z.cmdCommandOK.enabled()) << "typing a map or a player count offers no Save";
  EXPECT_TRUE(lineHas(" +maxplayers 12 +map dod_custom +lservercfgfile"));
  z.cmbMaxPlayers.operatorPick(9);
  EXPECT_TRUE(z.cmdCommandOK.enabled());
  EXPECT_EQ(z.lblMxBt.caption(), "< 11");
  z.chkIPX.operatorClick();
  z.chkConsole.operatorClick();
  z.cmbPort.operatorPick(2);
  z.txtExtra1.operatorType("");
  EXPECT_EQ(z.txtFileContents.text(), kHead + " +port 27017 +maxplayers 10 +map dod_custom +lservercfgfile "
                                              "zarn_lserver.cfg " + kTail)
      << "the line ends in a blank without extra parameters";

  // Leaving the extra parameters stores them; merely passing through the port offers Save.
  z.txtExtra1.operatorType("-dev");
  z.txtExtra1.operatorLeave();
  EXPECT_EQ(system.fileContent("C:\\WINDOWS\\zarn.ini"), "path C:\\Sierra\\Half-Life\\\r\noptions -dev\r\n");
  z.cmdCommandOK.operatorClick();
  z.optCommandLine.operatorPress();
  z.cmbPort.operatorLeave();
  EXPECT_TRUE(z.cmdCommandOK.enabled());
  z.cmbMapList1.operatorPick(1);
  EXPECT_EQ(z.lblStatus.caption(), "Server Configuration ok?");
  EXPECT_TRUE(lineHas(" +map dod_flash +lservercfgfile"));
}

TEST_F(CommandLineTest, TheMaximumPlayersAreAWholeNumberFromOneToThirtyTwo) {
  Zarn& z = openPage();
  EXPECT_EQ(z.cmbMaxPlayers.items().back(), "32");
  EXPECT_EQ(z.cmbPort.items().back(), "27019");
  struct Case { std::string typed, kept, label; };
  // A text that begins with a number in range gives way to the whole number it begins
  // with, written back with its blank: only that goes on to the server.
  for (const Case& c : {Case{"40", " 32", "< 33"}, Case{"", " 1", "< 2"}, Case{"2.5", " 2", "< 3"},
                        Case{"-7", " 1", "< 2"}, Case{"many", " 1", "< 2"}, Case{"32.5", " 32", "< 33"},
                        Case{"12abc", " 12", "< 13"}, Case{"8&echo INJECTED", " 8", "< 9"}, Case{"1e1", " 10", "< 11"},
                        Case{"16", "16", "< 17"}, Case{" 07", " 07", "< 8"},
                        Case{std::string(400, '9'), " 32", "< 33"}, Case{"0." + std::string(400, '0') + "1", " 1", "< 2"}}) {
    z.cmbMaxPlayers.operatorType(c.typed);
    EXPECT_EQ(z.cmbMaxPlayers.text(), c.kept) << c.typed;
    EXPECT_EQ(z.lblMxBt.caption(), c.label) << c.typed;
    EXPECT_TRUE(lineHas(" +maxplayers " + c.kept + " +map ")) << c.typed;
  }
}

TEST_F(CommandLineTest, TheDedicatedSwitchRenamesTheExecutableAndTheConfigurationFile) {
  Zarn& z = openPage();
  z.cmbMapList1.operatorPick(0);
  z.chkDedicated.operatorClick();
  EXPECT_EQ(z.strCommandText, "C:\\Sierra\\Half-Life\\hlds.exe -game dod -console -noipx +port 27015 +maxplayers 8 "
                              "+map dod_anzio +servercfgfile zarn_server.cfg" + kTail + "-heapsize 64000");
  EXPECT_EQ(z.strHalfLifeDir, "C:\\Sierra\\Half-Life\\");
  EXPECT_TRUE(z.optCommandLine.enabled()) << "the same folder: no new search, no reset";
  z.chkDedicated.operatorClick();
  EXPECT_EQ(z.txtExec.text(), "C:\\Sierra\\Half-Life\\hl.exe");
  EXPECT_EQ(system.beeps, 0);

  // Without the server program the check complains, and the view shows the page again.
  system.remove(kGameDir + "hlds.exe");
  z.chkDedicated.operatorClick();
  EXPECT_EQ(system.beeps, 1);
  EXPECT_EQ(z.lblStatus.caption(), "Error: Please fix Exec path!");
  EXPECT_TRUE(z.frmCommandLine.visible());
  EXPECT_TRUE(lineHas("hlds.exe -game dod"));
}

TEST_F(CommandLineTest, SaveNeedsAFirstMapAndAcceptsTheStepWithoutAFile) {
  Zarn& z = openPage();
  z.chkIPX.operatorClick();
  z.cmdCommandOK.operatorClick();
  EXPECT_EQ(z.blnCommandSaved, 0);
  EXPECT_EQ(z.lblMxBt.caption(), "?");

  z.cmbMapList1.operatorPick(0);
  z.cmdCommandOK.operatorClick();
  EXPECT_EQ(z.blnCommandSaved, 1);
  EXPECT_FALSE(z.frmCommandLine.visible());
  EXPECT_TRUE(z.frmInfo.visible()) << "the line stays in sight";
  EXPECT_EQ(z.lblMxBt.caption(), "< 9") << "set from the box even when it was never changed";
  EXPECT_EQ(z.lblStatus.caption(), "Please select Server Configuration");
  EXPECT_FALSE(system.exists(kGameDir + "zarn.bat"));

  // With every step saved the view ends with the preview hidden; a map's question still
  // comes after the gate's prompt.
  z.blnServerSaved = z.blnMapCycleSaved = z.blnMotdSaved = 1;  // the later pages
  z.optCommandLine.operatorMouseDown();  // already selected, and the right button: MouseDown runs the view
  EXPECT_TRUE(z.frmCommandLine.visible());
  EXPECT_FALSE(z.frmInfo.visible());
  z.cmbMapList1.operatorPick(1);
  EXPECT_EQ(z.lblStatus.caption(), "Server Configuration ok?");
  EXPECT_TRUE(z.cmdStart.enabled());
}

}  // namespace
