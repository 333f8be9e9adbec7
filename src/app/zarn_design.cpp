// The window as designed: every control's place (twips, relative to its frame), caption or
// text, tool tip, colours, font and start state, and the wiring of events to handlers.
#include "app/colours.h"
#include "app/zarn.h"

using forms::Align;
using forms::Font;

namespace {
constexpr forms::Color kWhite = 0xFFFFFF;
constexpr forms::Color kBlack = 0x000000;
constexpr forms::Color kRed = 0x0000FF;
constexpr forms::Color kGreen = 0x00C000;
constexpr forms::Color kApplicationWorkspace = 0x8000000C;
constexpr forms::Color kActiveTitle = 0x80000002;
constexpr forms::Color kHighlight = 0x8000000D;
constexpr forms::Color kHighlightText = 0x8000000E;

constexpr int kLine = 255;     // height of a label, check box or option
constexpr int kBox = 285;      // height of a one-line text box
constexpr int kCombo = 315;    // height of a combo box's edit
constexpr int kButton = 375;

template <typename C>
C& captioned(C& control, const char* caption) {
  control.setCaption(caption);
  return control;
}
}  // namespace

void Zarn::DesignControls() {
  form.caption = "Tamsel's Brenvik";
  form.clientWidth = 9600;
  form.clientHeight = 7200;
  form.backColor = kApplicationWorkspace;
  form.menu = {&mnuExit, &mnuAbout};
  mnuExit.setCaption("E&xit");
  mnuAbout.setCaption("A&bout");

  // Control centre.
  captioned(frmControlCenter, "Control Center").place(nullptr, 0, 0, 5055, 3015);
  captioned(lblExec, "Exec:").place(&frmControlCenter, 240, 360, 615, kLine);
  txtExec.place(&frmControlCenter, 840, 360, 3975, kBox);
  txtExec.toolTip = "Path to hl.exe";
  captioned(lblMod, "Mod:").place(&frmControlCenter, 240, 720, 615, kLine);
  cmbModList.place(&frmControlCenter, 840, 720, 1815, kCombo);
  cmbModList.toolTip = "Game mod.";
  captioned(lblModSupport, "I dunno!").place(&frmControlCenter, 2760, 720, 2055, 375);
  lblModSupport.font = Font{"MS Serif", 6.75};
  lblModSupport.setForeColor(kBlack);
  struct Step { forms::OptionButton& option; const char* caption; int left, top; };
  for (const Step& step : {Step{optCommandLine, "Command Line", 240, 1200}, Step{optMapFile, "Map Cycle", 240, 1560},
                           Step{optBotFile, "Bot Setup", 240, 1920}, Step{optServerFile, "Server Configuration", 2760, 1200},
                           Step{optMotd, "Welcome Message", 2760, 1560}}) {
    // Wide enough for "Server Configuration" in the fonts Windows and Wine draw it in.
    captioned(step.option, step.caption).place(&frmControlCenter, step.left, step.top, 2055, 375);
    step.option.setBackColor(colours::kStepPending);
  }
  captioned(lblStatus, "Hi there!").place(&frmControlCenter, 240, 2400, 3135, 495);
  lblStatus.font = Font{"Comic Sans MS", 8.25};
  lblStatus.alignment = Align::Center;
  lblStatus.setForeColor(kRed);
  captioned(cmdStart, "Start Server").place(&frmControlCenter, 3600, 2400, 1215, kButton);
  cmdStart.toolTip = "Get the game going";
  cmdStart.setEnabled(false);
  // Runs only while a start is watched; a short, steady look at whether it failed.
  tmrStartWatch.setInterval(250);
  tmrStartWatch.setEnabled(false);

  // Preview panel.
  captioned(frmInfo, "File Name").place(nullptr, 5040, 0, 4575, 3015);
  txtFileContents.place(&frmInfo, 240, 240, 4095, 2175);
  txtFileContents.multiLine = txtFileContents.verticalScroll = txtFileContents.horizontalScroll = true;
  captioned(cmdEditFile, "Edit").place(&frmInfo, 240, 2520, 1215, kButton);
  captioned(cmdSaveFile, "Save").place(&frmInfo, 3120, 2520, 1215, kButton);

  // Command Line page.
  captioned(frmCommandLine, "Command Line Setup").place(nullptr, 0, 3000, 4575, 3495);
  captioned(lblMap1, "First Map:").place(&frmCommandLine, 240, 420, 1335, kLine);
  cmbMapList1.place(&frmCommandLine, 1680, 360, 2655, kCombo);
  cmbMapList1.toolTip = "The game will start with this map.";
  captioned(lblMaxPlayers, "Max Players:").place(&frmCommandLine, 240, 900, 1335, kLine);
  cmbMaxPlayers.place(&frmCommandLine, 1680, 840, 975, kCombo);
  cmbMaxPlayers.setText("8");
  cmbMaxPlayers.toolTip = "10 is a good number.";
  captioned(lblPort, "Port:").place(&frmCommandLine, 240, 1380, 1335, kLine);
  cmbPort.place(&frmCommandLine, 1680, 1320, 975, kCombo);
  cmbPort.setText("27015");
  cmbPort.toolTip = "Communication channel. Open router for this.";
  captioned(chkDedicated, "Dedicated?").place(&frmCommandLine, 240, 1860, 1335, kLine);
  chkDedicated.toolTip = "Dedicated means you cannot be in player mode.";
  captioned(chkConsole, "Console?").place(&frmCommandLine, 1680, 1860, 1215, kLine);
  chkConsole.setValue(1);
  chkConsole.toolTip = "Useful with non-dedicated server";
  captioned(chkIPX, "IPX?").place(&frmCommandLine, 3000, 1860, 1095, kLine);
  chkIPX.toolTip = "Usually use TCP instead";
  // Two lines high: in wider fonts (Wine's) the caption wraps rather than being cut off.
  captioned(lblExtra1, "Extra Parameters:").place(&frmCommandLine, 240, 2340, 1335, 2 * kLine);
  txtExtra1.place(&frmCommandLine, 1680, 2280, 2655, kBox);
  txtExtra1.toolTip = "Specify more options for hl.exe";
  captioned(cmdCommandOK, "Save").place(&frmCommandLine, 3120, 2880, 1215, kButton);

  // Server Configuration page.
  captioned(frmServerFile, "Server Configuration").place(nullptr, 0, 3000, 5055, 3735);
  captioned(Label4, "Host Name:").place(&frmServerFile, 240, 360, 2295, kLine);
  txtHostName.place(&frmServerFile, 240, 600, 2295, kBox);
  struct Switch { forms::CheckBox& box; const char* caption; int value; const char* tip; };
  int top = 1020;
  for (const Switch& s : {Switch{chkFriendlyFire, "Friendly Fire?", 1, "Watch those grenades."},
                          Switch{chkFlashlight, "Flashlight?", 1, "Slows down servers, but go for it."},
                          Switch{chkFallDamage, "Fall Damage?", 1, "Disable supermen."},
                          Switch{chkFootSteps, "Foot Steps?", 1, "Is it an enemy?"},
                          Switch{chkDeathMsgs, "Death Messages?", 1, "Allow kills displayed. TUrn it off for fear factor."},
                          Switch{chkLAN, "LAN only?", 0, "Internet players cannot join in."}}) {
    captioned(s.box, s.caption).place(&frmServerFile, 240, top, 2295, kLine);
    s.box.setValue(s.value);
    s.box.toolTip = s.tip;
    top += 360;
  }
  captioned(Label5, "Team limit:").place(&frmServerFile, 2760, 360, 2055, kLine);
  txtTeamLimit.place(&frmServerFile, 2760, 600, 975, kBox);
  txtTeamLimit.setText("2");
  txtTeamLimit.toolTip = "How unbalanced do you want your teams? Set to \"0\" to ignore limit.";
  captioned(lblMapTime, "Map Time(min):").place(&frmServerFile, 2760, 1020, 2055, kLine);
  txtMapTime.place(&frmServerFile, 2760, 1260, 975, kBox);
  txtMapTime.setText("30");
  txtMapTime.toolTip = "Set to \"0\" to ignore time.";
  captioned(lblExtra2, "Extra Variables:").place(&frmServerFile, 2760, 1680, 2055, kLine);
  txtExtra2.place(&frmServerFile, 2760, 1920, 2055, 1095);
  txtExtra2.multiLine = txtExtra2.verticalScroll = true;
  txtExtra2.toolTip = "Add more goodies in here.";
  captioned(cmdServerOK, "Save").place(&frmServerFile, 3600, 3180, 1215, kButton);

  // Map Cycle page with the class-limit editor beyond its narrow width.
  captioned(frmMapSetup, "Map Setup").place(nullptr, 0, 3000, 9615, 4215);
  lstMapList.place(&frmMapSetup, 240, 360, 2655, 3600);
  captioned(cmdClearMapList, "Clear Map List").place(&frmMapSetup, 3120, 360, 1695, kButton);
  cmdClearMapList.toolTip = "Your map selection sucks.";
  captioned(cmdAddMap, "Add Map").place(&frmMapSetup, 3120, 840, 1695, kButton);
  cmdAddMap.toolTip = "Add this map.";
  captioned(chkClassLimit, "Limit classes?").place(&frmMapSetup, 3120, 1440, 1695, kLine);
  chkClassLimit.toolTip = "Limit how many soldier types - yes!";
  captioned(cmdMapOK, "Save").place(&frmMapSetup, 3120, 3480, 1695, kButton);
  captioned(frmClassLimit, "Custom class limit for each map.").place(&frmMapSetup, 5040, 480, 4335, 3015);
  struct Side { forms::Label& label; const char* caption; forms::Color back; forms::ComboBox& classes; forms::ComboBox& limit; int left; };
  for (const Side& side : {Side{lblClassAllies, "Allies", kGreen, cmbClassAllies, cmbLimitAllies, 240},
                           Side{lblClassAxis, "Axis", kRed, cmbClassAxis, cmbLimitAxis, 2280}}) {
    captioned(side.label, side.caption).place(&frmClassLimit, side.left, 360, 1815, 375);
    side.label.font = Font{"", 0, true};
    side.label.alignment = Align::Center;
    side.label.setBackColor(side.back);
    side.label.setForeColor(kWhite);
    side.classes.place(&frmClassLimit, side.left, 840, 1815, kCombo);
    side.classes.toolTip = "Select class";
    side.limit.place(&frmClassLimit, side.left, 1320, 1815, kCombo);
    side.limit.setText("-1");
    side.limit.toolTip = "-1 means no limit";
  }
  captioned(cmdClassLimitOK, "Save").place(&frmClassLimit, 2880, 2400, 1215, kButton);

  // Sturmbot page with the per-map panel beyond its narrow width.
  captioned(frmSturmbotSetup, "Sturmbot Setup").place(nullptr, 0, 3000, 9615, 4215);
  captioned(lblSturmbotReaction, "Reaction Times:").place(&frmSturmbotSetup, 2640, 360, 1815, kLine);
  txtSturmbotMinReaction.place(&frmSturmbotSetup, 2640, 600, 735, kBox);
  txtSturmbotMinReaction.setText("999");
  txtSturmbotMinReaction.toolTip = "Be careful with this one!";
  captioned(Label1, "to").place(&frmSturmbotSetup, 3450, 630, 255, kLine);
  txtSturmbotMaxReaction.place(&frmSturmbotSetup, 3720, 600, 735, kBox);
  txtSturmbotMaxReaction.setText("999");
  txtSturmbotMaxReaction.toolTip = "Increase to make them sluggish.";
  captioned(lblSturmbotNumber, "Number Bots:").place(&frmSturmbotSetup, 2640, 1020, 1815, kLine);
  txtSturmbotMinBots.place(&frmSturmbotSetup, 2640, 1260, 735, kBox);
  txtSturmbotMinBots.setText("0");
  txtSturmbotMinBots.toolTip = "You can set this to 2, keep the server active.";
  captioned(Label2, "to").place(&frmSturmbotSetup, 3450, 1290, 255, kLine);
  txtSturmbotMaxBots.place(&frmSturmbotSetup, 3720, 1260, 735, kBox);
  txtSturmbotMaxBots.setText("0");
  txtSturmbotMaxBots.toolTip = "Bots will leave as players join in.";
  captioned(lblMxBt, "?").place(&frmSturmbotSetup, 4500, 1290, 495, kLine);
  captioned(lblSturmbotBlood, "Blood Mode:").place(&frmSturmbotSetup, 2640, 1680, 1815, kLine);
  cmbSturmbotBlood.place(&frmSturmbotSetup, 2640, 1920, 1815, kCombo);
  cmbSturmbotBlood.setText("0-Normal");
  cmbSturmbotBlood.toolTip = "Try this option out.";
  captioned(lblSturmbotPasswd, "Bot Password:").place(&frmSturmbotSetup, 2640, 2400, 1815, kLine);
  txtSturmbotPasswd.place(&frmSturmbotSetup, 2640, 2640, 1815, kBox);
  txtSturmbotPasswd.toolTip = "Handy to control the bots remotely. (use \"select_passwd\")";
  struct BotSwitch { forms::CheckBox& box; const char* caption; int top; int value; const char* tip; };
  for (const BotSwitch& s : {BotSwitch{chkSturmbotFF, "Friendly Fire?", 360, 0, "Turn bots into smacktards."},
                             BotSwitch{chkSturmbotRank, "Rank?", 660, 1, "Prepend names with skill level."},
                             BotSwitch{chkSturmbotFSquad, "Form Squad?", 960, 0, "Stick together more."},
                             BotSwitch{chkSturmbotKnife, "Knife Only?", 1380, 0, "\"Resident Evil\" mode."},
                             BotSwitch{chkSturmbotPistol, "Pistol Only?", 1680, 0, "Their aim is still pretty good!"},
                             BotSwitch{chkSturmbotGrenade, "Grenade Only?", 1980, 0, "Not sure about this one."},
                             BotSwitch{chkSturmbotFillserver, "Fill server with bots?", 2460, 1, "Makes life easier for you."}}) {
    captioned(s.box, s.caption).place(&frmSturmbotSetup, 240, s.top, 2175, kLine);
    s.box.setValue(s.value);
    s.box.toolTip = s.tip;
  }
  Shape1.place(&frmSturmbotSetup, 120, 1290, 2415, 1005);
  captioned(lblExtra3, "Extra Variables:").place(&frmSturmbotSetup, 240, 2820, 2175, kLine);
  // Reaches under the right column, which ends above it, so that its lines do not wrap.
  txtExtra3.place(&frmSturmbotSetup, 240, 3060, 3135, 975);
  txtExtra3.multiLine = txtExtra3.verticalScroll = true;
  txtExtra3.toolTip = "Add more stuff in here.";
  captioned(cmdSturmbotOK, "Save").place(&frmSturmbotSetup, 3600, 3600, 1215, kButton);

  captioned(frmSturmbotCustom, "Custom Bot setup for each map.").place(&frmSturmbotSetup, 5160, 240, 4335, 3735);
  captioned(lblSturmbotMap, "Map:").place(&frmSturmbotCustom, 240, 420, 615, kLine);
  cmbSturmbotMapList.place(&frmSturmbotCustom, 960, 360, 3135, kCombo);
  cmbSturmbotMapList.toolTip = "Getting complicated? Set bots for each map file.";
  captioned(lblSturmbotMapStatus, "Status message").place(&frmSturmbotCustom, 240, 780, 3855, 375);
  lblSturmbotMapStatus.font = Font{"Comic Sans MS", 8.25};
  lblSturmbotMapStatus.alignment = Align::Center;
  lblSturmbotMapStatus.setForeColor(kRed);
  struct Team { forms::OptionButton& option; const char* caption; int left; forms::Color back; };
  for (const Team& team : {Team{optSturmbotAllies1, "Allies", 240, kGreen}, Team{optSturmbotAllies2, "British", 240, kGreen},
                           Team{optSturmbotAxis1, "Axis", 2160, kRed}}) {
    captioned(team.option, team.caption).place(&frmSturmbotCustom, team.left, 1260, 1935, kButton);
    team.option.font = Font{"", 0, true};
    team.option.setBackColor(team.back);
    team.option.setForeColor(kHighlightText);
  }
  captioned(lblSturmbotSkill, "Bot Skill:").place(&frmSturmbotCustom, 240, 1860, 945, kLine);
  cmbSturmbotSkill.place(&frmSturmbotCustom, 1200, 1800, 735, kCombo);
  cmbSturmbotSkill.setText("5");
  cmbSturmbotSkill.toolTip = "1 low skill, 8 deadly";
  cmbSturmbotClass.place(&frmSturmbotCustom, 2040, 1800, 2055, kCombo);
  cmbSturmbotClass.toolTip = "Weapon selection.";
  captioned(lblSturmbotName, "Bot Name:").place(&frmSturmbotCustom, 240, 2340, 945, kLine);
  txtSturmbotName.place(&frmSturmbotCustom, 1200, 2280, 2895, kBox);
  txtSturmbotName.toolTip = "I like the name \"Dufus\".";
  captioned(cmdSturmbotClear, "Clear Bots").place(&frmSturmbotCustom, 240, 2760, 1935, kButton);
  cmdSturmbotClear.toolTip = "Careful, do you really want to clear all your hard work?";
  captioned(cmdSturmbotAdd, "Add Bot").place(&frmSturmbotCustom, 2160, 2760, 1935, kButton);
  cmdSturmbotAdd.toolTip = "Phew! Acknowledge this sucker, finally.";
  captioned(cmdSturmbotDel, "Delete File").place(&frmSturmbotCustom, 240, 3240, 1935, kButton);
  cmdSturmbotDel.toolTip = "undo map-custom bot file";
  captioned(cmdSturmbotSave, "Save File").place(&frmSturmbotCustom, 2160, 3240, 1935, kButton);

  // Marinebot and Shrikebot pages: a one-line notice and the step's Save.
  struct Notice { forms::Frame& frame; const char* caption; forms::Label& label; forms::CommandButton& save; };
  for (const Notice& n : {Notice{frmMarinebotSetup, "Marinebot Setup", Label3, cmdMarinebotOK},
                          Notice{frmShrikebotSetup, "Shrikebot Setup", Label6, cmdShrikebotOK}}) {
    captioned(n.frame, n.caption).place(nullptr, 0, 3000, 4575, 1695);
    n.frame.setForeColor(kHighlight);
    captioned(n.label, "Save confirms the step; no file.").place(&n.frame, 120, 360, 4335, 735);
    n.label.font = Font{"Fixedsys", 9};
    n.label.alignment = Align::Center;
    n.label.setForeColor(kRed);
    captioned(n.save, "Save").place(&n.frame, 3120, 1200, 1215, kButton);
  }
  for (forms::Frame* page : {&frmControlCenter, &frmInfo, &frmCommandLine, &frmServerFile, &frmMapSetup,
                             &frmClassLimit, &frmSturmbotSetup, &frmSturmbotCustom})
    page->setForeColor(kActiveTitle);

  picSplash.place(nullptr, 0, 0, 9660, 7260);
  picZARN.place(nullptr, 0, 0, 9660, 7260);

  form.add(frmControlCenter, lblExec, txtExec, lblMod, cmbModList, lblModSupport, optCommandLine, optServerFile,
           optMapFile, optMotd, optBotFile, lblStatus, cmdStart);
  form.add(frmInfo, txtFileContents, cmdEditFile, cmdSaveFile);
  form.add(frmCommandLine, lblMap1, cmbMapList1, lblMaxPlayers, cmbMaxPlayers, lblPort, cmbPort, chkDedicated,
           chkConsole, chkIPX, lblExtra1, txtExtra1, cmdCommandOK);
  form.add(frmServerFile, Label4, txtHostName, chkFriendlyFire, chkFlashlight, chkFallDamage, chkFootSteps,
           chkDeathMsgs, chkLAN, Label5, txtTeamLimit, lblMapTime, txtMapTime, lblExtra2, txtExtra2, cmdServerOK);
  form.add(frmMapSetup, lstMapList, cmdClearMapList, cmdAddMap, chkClassLimit, cmdMapOK, frmClassLimit,
           lblClassAllies, cmbClassAllies, cmbLimitAllies, lblClassAxis, cmbClassAxis, cmbLimitAxis, cmdClassLimitOK);
  form.add(frmSturmbotSetup, chkSturmbotFF, chkSturmbotRank, chkSturmbotFSquad, chkSturmbotKnife,
           chkSturmbotPistol, chkSturmbotGrenade, Shape1, chkSturmbotFillserver, lblExtra3, txtExtra3,
           lblSturmbotReaction, txtSturmbotMinReaction, Label1, txtSturmbotMaxReaction, lblSturmbotNumber,
           txtSturmbotMinBots, Label2, txtSturmbotMaxBots, lblMxBt, lblSturmbotBlood, cmbSturmbotBlood,
           lblSturmbotPasswd, txtSturmbotPasswd, cmdSturmbotOK, frmSturmbotCustom, lblSturmbotMap,
           cmbSturmbotMapList, lblSturmbotMapStatus, optSturmbotAllies1, optSturmbotAllies2, optSturmbotAxis1,
           lblSturmbotSkill, cmbSturmbotSkill, cmbSturmbotClass, lblSturmbotName, txtSturmbotName,
           cmdSturmbotClear, cmdSturmbotAdd, cmdSturmbotDel, cmdSturmbotSave);
  form.add(frmMarinebotSetup, Label3, cmdMarinebotOK, frmShrikebotSetup, Label6, cmdShrikebotOK);
  form.add(picSplash, picZARN, tmrStartWatch);
}

void Zarn::WireEvents() {
  auto to = [this](void (Zarn::*handler)()) { return [this, handler] { (this->*handler)(); }; };

  mnuExit.onClick = to(&Zarn::mnuExit_Click);
  mnuAbout.onClick = to(&Zarn::mnuAbout_Click);
  cmdEditFile.onClick = to(&Zarn::cmdEditFile_Click);

  txtExec.onChange = to(&Zarn::txtExec_Change);
  cmbModList.onClick = to(&Zarn::cmbModList_Click);

  optCommandLine.onClick = to(&Zarn::optCommandLine_Click);
  optCommandLine.onMouseDown = to(&Zarn::optCommandLine_MouseDown);
  chkConsole.onClick = to(&Zarn::chkConsole_Click);
  chkIPX.onClick = to(&Zarn::chkIPX_Click);
  chkDedicated.onClick = to(&Zarn::chkDedicated_Click);
  cmbMapList1.onClick = to(&Zarn::cmbMapList1_Click);
  cmbMapList1.onLostFocus = to(&Zarn::cmbMapList1_LostFocus);
  cmbMaxPlayers.onChange = to(&Zarn::cmbMaxPlayers_Change);
  cmbMaxPlayers.onClick = to(&Zarn::cmbMaxPlayers_Click);
  cmbPort.onClick = to(&Zarn::cmbPort_Click);
  cmbPort.onLostFocus = to(&Zarn::cmbPort_LostFocus);
  txtExtra1.onChange = to(&Zarn::txtExtra1_Change);
  txtExtra1.onLostFocus = to(&Zarn::txtExtra1_LostFocus);
  cmdCommandOK.onClick = to(&Zarn::cmdCommandOK_Click);
  cmdStart.onClick = to(&Zarn::cmdStart_Click);
  tmrStartWatch.onTimer = to(&Zarn::tmrStartWatch_Timer);

  optServerFile.onClick = to(&Zarn::optServerFile_Click);
  chkFriendlyFire.onClick = to(&Zarn::chkFriendlyFire_Click);
  chkFootSteps.onClick = to(&Zarn::chkFootSteps_Click);
  chkFlashlight.onClick = to(&Zarn::chkFlashlight_Click);
  chkDeathMsgs.onClick = to(&Zarn::chkDeathMsgs_Click);
  chkFallDamage.onClick = to(&Zarn::chkFallDamage_Click);
  chkLAN.onClick = to(&Zarn::chkLAN_Click);
  txtTeamLimit.onChange = to(&Zarn::txtTeamLimit_Change);
  txtMapTime.onChange = to(&Zarn::txtMapTime_Change);
  txtExtra2.onChange = to(&Zarn::txtExtra2_Change);
  txtHostName.onChange = to(&Zarn::txtHostName_Change);
  cmdServerOK.onClick = to(&Zarn::cmdServerOK_Click);
  optMotd.onClick = to(&Zarn::optMotd_Click);
  cmdSaveFile.onClick = to(&Zarn::cmdSaveFile_Click);

  optMapFile.onClick = to(&Zarn::optMapFile_Click);
  lstMapList.onClick = to(&Zarn::lstMapList_Click);
  lstMapList.onDblClick = to(&Zarn::lstMapList_DblClick);
  cmdAddMap.onClick = to(&Zarn::cmdAddMap_Click);
  cmdClearMapList.onClick = to(&Zarn::cmdClearMapList_Click);
  cmdMapOK.onClick = to(&Zarn::cmdMapOK_Click);
  chkClassLimit.onClick = to(&Zarn::chkClassLimit_Click);
  cmbClassAllies.onClick = to(&Zarn::cmbClassAllies_Click);
  cmbClassAxis.onClick = to(&Zarn::cmbClassAxis_Click);
  cmbLimitAllies.onClick = to(&Zarn::cmbLimitAllies_Click);
  cmbLimitAxis.onClick = to(&Zarn::cmbLimitAxis_Click);
  cmdClassLimitOK.onClick = to(&Zarn::cmdClassLimitOK_Click);

  optBotFile.onClick = to(&Zarn::optBotFile_Click);
  chkSturmbotFF.onClick = to(&Zarn::chkSturmbotFF_Click);
  chkSturmbotRank.onClick = to(&Zarn::chkSturmbotRank_Click);
  chkSturmbotFSquad.onClick = to(&Zarn::chkSturmbotFSquad_Click);
  chkSturmbotKnife.onClick = to(&Zarn::chkSturmbotKnife_Click);
  chkSturmbotPistol.onClick = to(&Zarn::chkSturmbotPistol_Click);
  chkSturmbotGrenade.onClick = to(&Zarn::chkSturmbotGrenade_Click);
  cmbSturmbotBlood.onClick = to(&Zarn::cmbSturmbotBlood_Click);
  txtSturmbotPasswd.onChange = to(&Zarn::txtSturmbotPasswd_Change);
  txtExtra3.onChange = to(&Zarn::txtExtra3_Change);
  txtSturmbotMinBots.onChange = to(&Zarn::txtSturmbotMinBots_Change);
  txtSturmbotMaxBots.onChange = to(&Zarn::txtSturmbotMaxBots_Change);
  txtSturmbotMinReaction.onChange = to(&Zarn::txtSturmbotMinReaction_Change);
  txtSturmbotMaxReaction.onChange = to(&Zarn::txtSturmbotMaxReaction_Change);
  cmdSturmbotOK.onClick = to(&Zarn::cmdSturmbotOK_Click);
  chkSturmbotFillserver.onClick = to(&Zarn::chkSturmbotFillserver_Click);
  cmbSturmbotMapList.onClick = to(&Zarn::cmbSturmbotMapList_Click);
  cmdSturmbotSave.onClick = to(&Zarn::cmdSturmbotSave_Click);
  cmdSturmbotDel.onClick = to(&Zarn::cmdSturmbotDel_Click);
  optSturmbotAllies1.onClick = to(&Zarn::optSturmbotAllies1_Click);
  optSturmbotAllies2.onClick = to(&Zarn::optSturmbotAllies2_Click);
  optSturmbotAxis1.onClick = to(&Zarn::optSturmbotAxis1_Click);
  cmbSturmbotClass.onClick = to(&Zarn::cmbSturmbotClass_Click);
  cmdSturmbotAdd.onClick = to(&Zarn::cmdSturmbotAdd_Click);
  cmdSturmbotClear.onClick = to(&Zarn::cmdSturmbotClear_Click);
  cmdMarinebotOK.onClick = to(&Zarn::cmdMarinebotOK_Click);
  cmdShrikebotOK.onClick = to(&Zarn::cmdShrikebotOK_Click);
}
