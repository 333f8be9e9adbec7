// The one window `zarn`: its controls, its state and its event handlers. The handlers
// are defined in the folder of the subsystem they belong to; the design-time values of
// the controls and the wiring of their events stand in zarn_design.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/form.h"
#include "platform/platform.h"

struct ClassSide;  // maps/class_side.h

using Integer = std::int16_t;  // the window's whole numbers and 0/1 flags
using Long = std::int32_t;

// A fixed list whose slots are numbered 1 to N, as the window's tables count them.
template <typename T, int N>
class Slots {
 public:
  T& operator[](int slot) { return items_.at(static_cast<std::size_t>(slot - 1)); }
  const T& operator[](int slot) const { return items_.at(static_cast<std::size_t>(slot - 1)); }
  static constexpr int size() { return N; }

 private:
  std::array<T, N> items_{};
};

class Zarn {
 public:
  explicit Zarn(platform::Platform& system);
  Zarn(const Zarn&) = delete;
  Zarn& operator=(const Zarn&) = delete;

  forms::Form form;

  // ---- Controls, front to back --------------------------------------------------------
  forms::Frame frmControlCenter{"frmControlCenter"};
  forms::Label lblExec{"lblExec"};
  forms::TextBox txtExec{"txtExec"};
  forms::Label lblMod{"lblMod"};
  forms::ComboBox cmbModList{"cmbModList"};
  forms::Label lblModSupport{"lblModSupport"};
  forms::OptionButton optCommandLine{"optCommandLine"};
  forms::OptionButton optMapFile{"optMapFile"};
  forms::OptionButton optBotFile{"optBotFile"};
  forms::OptionButton optServerFile{"optServerFile"};
  forms::OptionButton optMotd{"optMotd"};
  forms::Label lblStatus{"lblStatus"};
  forms::CommandButton cmdStart{"cmdStart"};
  forms::Timer tmrStartWatch{"tmrStartWatch"};

  forms::Frame frmInfo{"frmInfo"};
  forms::TextBox txtFileContents{"txtFileContents"};
  forms::CommandButton cmdEditFile{"cmdEditFile"};
  forms::CommandButton cmdSaveFile{"cmdSaveFile"};

  forms::Frame frmCommandLine{"frmCommandLine"};
  forms::Label lblMap1{"lblMap1"};
  forms::ComboBox cmbMapList1{"cmbMapList1"};
  forms::Label lblMaxPlayers{"lblMaxPlayers"};
  forms::ComboBox cmbMaxPlayers{"cmbMaxPlayers"};
  forms::Label lblPort{"lblPort"};
  forms::ComboBox cmbPort{"cmbPort"};
  forms::CheckBox chkDedicated{"chkDedicated"};
  forms::CheckBox chkConsole{"chkConsole"};
  forms::CheckBox chkIPX{"chkIPX"};
  forms::Label lblExtra1{"lblExtra1"};
  forms::TextBox txtExtra1{"txtExtra1"};
  forms::CommandButton cmdCommandOK{"cmdCommandOK"};

  forms::Frame frmServerFile{"frmServerFile"};
  forms::Label Label4{"Label4"};
  forms::TextBox txtHostName{"txtHostName"};
  forms::CheckBox chkFriendlyFire{"chkFriendlyFire"};
  forms::CheckBox chkFlashlight{"chkFlashlight"};
  forms::CheckBox chkFallDamage{"chkFallDamage"};
  forms::CheckBox chkFootSteps{"chkFootSteps"};
  forms::CheckBox chkDeathMsgs{"chkDeathMsgs"};
  forms::CheckBox chkLAN{"chkLAN"};
  forms::Label Label5{"Label5"};
  forms::TextBox txtTeamLimit{"txtTeamLimit"};
  forms::Label lblMapTime{"lblMapTime"};
  forms::TextBox txtMapTime{"txtMapTime"};
  forms::Label lblExtra2{"lblExtra2"};
  forms::TextBox txtExtra2{"txtExtra2"};
  forms::CommandButton cmdServerOK{"cmdServerOK"};

  forms::Frame frmMapSetup{"frmMapSetup"};
  forms::ListBox lstMapList{"lstMapList"};
  forms::CommandButton cmdClearMapList{"cmdClearMapList"};
  forms::CommandButton cmdAddMap{"cmdAddMap"};
  forms::CheckBox chkClassLimit{"chkClassLimit"};
  forms::CommandButton cmdMapOK{"cmdMapOK"};
  forms::Frame frmClassLimit{"frmClassLimit"};
  forms::Label lblClassAllies{"lblClassAllies"};
  forms::ComboBox cmbClassAllies{"cmbClassAllies"};
  forms::ComboBox cmbLimitAllies{"cmbLimitAllies"};
  forms::Label lblClassAxis{"lblClassAxis"};
  forms::ComboBox cmbClassAxis{"cmbClassAxis"};
  forms::ComboBox cmbLimitAxis{"cmbLimitAxis"};
  forms::CommandButton cmdClassLimitOK{"cmdClassLimitOK"};

  forms::Frame frmSturmbotSetup{"frmSturmbotSetup"};
  forms::Label lblSturmbotReaction{"lblSturmbotReaction"};
  forms::TextBox txtSturmbotMinReaction{"txtSturmbotMinReaction"};
  forms::Label Label1{"Label1"};
  forms::TextBox txtSturmbotMaxReaction{"txtSturmbotMaxReaction"};
  forms::Label lblSturmbotNumber{"lblSturmbotNumber"};
  forms::TextBox txtSturmbotMinBots{"txtSturmbotMinBots"};
  forms::Label Label2{"Label2"};
  forms::TextBox txtSturmbotMaxBots{"txtSturmbotMaxBots"};
  forms::Label lblMxBt{"lblMxBt"};
  forms::Label lblSturmbotBlood{"lblSturmbotBlood"};
  forms::ComboBox cmbSturmbotBlood{"cmbSturmbotBlood"};
  forms::Label lblSturmbotPasswd{"lblSturmbotPasswd"};
  forms::TextBox txtSturmbotPasswd{"txtSturmbotPasswd"};
  forms::CheckBox chkSturmbotFF{"chkSturmbotFF"};
  forms::CheckBox chkSturmbotRank{"chkSturmbotRank"};
  forms::CheckBox chkSturmbotFSquad{"chkSturmbotFSquad"};
  forms::Shape Shape1{"Shape1"};
  forms::CheckBox chkSturmbotKnife{"chkSturmbotKnife"};
  forms::CheckBox chkSturmbotPistol{"chkSturmbotPistol"};
  forms::CheckBox chkSturmbotGrenade{"chkSturmbotGrenade"};
  forms::CheckBox chkSturmbotFillserver{"chkSturmbotFillserver"};
  forms::Label lblExtra3{"lblExtra3"};
  forms::TextBox txtExtra3{"txtExtra3"};
  forms::CommandButton cmdSturmbotOK{"cmdSturmbotOK"};
  forms::Frame frmSturmbotCustom{"frmSturmbotCustom"};
  forms::Label lblSturmbotMap{"lblSturmbotMap"};
  forms::ComboBox cmbSturmbotMapList{"cmbSturmbotMapList"};
  forms::Label lblSturmbotMapStatus{"lblSturmbotMapStatus"};
  forms::OptionButton optSturmbotAllies1{"optSturmbotAllies1"};
  forms::OptionButton optSturmbotAllies2{"optSturmbotAllies2"};
  forms::OptionButton optSturmbotAxis1{"optSturmbotAxis1"};
  forms::Label lblSturmbotSkill{"lblSturmbotSkill"};
  forms::ComboBox cmbSturmbotSkill{"cmbSturmbotSkill"};
  forms::ComboBox cmbSturmbotClass{"cmbSturmbotClass"};
  forms::Label lblSturmbotName{"lblSturmbotName"};
  forms::TextBox txtSturmbotName{"txtSturmbotName"};
  forms::CommandButton cmdSturmbotClear{"cmdSturmbotClear"};
  forms::CommandButton cmdSturmbotAdd{"cmdSturmbotAdd"};
  forms::CommandButton cmdSturmbotDel{"cmdSturmbotDel"};
  forms::CommandButton cmdSturmbotSave{"cmdSturmbotSave"};

  forms::Frame frmMarinebotSetup{"frmMarinebotSetup"};
  forms::Label Label3{"Label3"};
  forms::CommandButton cmdMarinebotOK{"cmdMarinebotOK"};
  forms::Frame frmShrikebotSetup{"frmShrikebotSetup"};
  forms::Label Label6{"Label6"};
  forms::CommandButton cmdShrikebotOK{"cmdShrikebotOK"};

  forms::PictureBox picSplash{"picSplash"};
  forms::PictureBox picZARN{"picZARN"};

  forms::MenuEntry mnuExit{"mnuExit"};
  forms::MenuEntry mnuAbout{"mnuAbout"};

  // ---- Window state ---------------------------------------------------------------------
  std::string strVersion, strWindowsDir, strTempDir, strIniName, strIniPath;
  std::string strListFileName, strBatchFileName, strBatchLine;
  std::string strHalfLifeDir, strSearchedDir;

  Integer blnModSelected = 0, blnCommandSaved = 0, blnServerSaved = 0, blnMapCycleSaved = 0,
          blnMotdSaved = 0, blnBotSaved = 0;

  std::string strCommandText, strServerText, strMapCycleText, strMotdText, strBotText;
  std::string strAddBotLines, strSturmbotVersion, strBotFileName;

  Slots<std::string, 99> strCycleMaps;
  Integer intCycleMapCount = 0;
  std::string strAlliesLimitPrefix, strAxisLimitPrefix;
  Slots<std::string, 20> strClassAllies, strLimitAllies, strClassAxis, strLimitAxis;
  Integer intAlliesClassCount = 0, intAxisClassCount = 0;
  std::string strMapCfgPath, strOtherCfgLines, strClassLimitLines;
  Integer blnWeaponClasses = 0, blnCountryKnown = 0, blnAlliesBritish = 0;

  Integer intFrameWidth = 0, intFrameWidthWide = 0;

  // Outputs of ParseConfigLine.
  std::string strKey, strValue, strQuoted, strRest, strLimitTeam, strLimitClass;
  Integer blnQuoteFound = 0, blnSeparatorFound = 0;

  // ---- Main window and shared state -------------------------------------------------------
  void Form_Load();
  void ResetPanels();
  void ShowFilePreview(const std::string& text);
  void UpdateStartStatus();
  void cmdEditFile_Click();
  void LoadSettings();
  void SaveSettings();
  void ParseConfigLine(const std::string& line);
  void WaitABit();
  void mnuAbout_Click();
  void mnuExit_Click();

  // ---- Game installation discovery --------------------------------------------------------
  void txtExec_Change();
  void SetGameFolder();
  void CheckExecPath();
  // Both return false when the listing could not be had; the status line then says why.
  bool SearchMods();
  bool SearchMaps();
  void cmbModList_Click();

  // ---- Command line and server start ------------------------------------------------------
  void optCommandLine_Click();
  void optCommandLine_MouseDown();
  void chkConsole_Click();
  void chkIPX_Click();
  void chkDedicated_Click();
  void cmbMapList1_Click();
  void cmbMapList1_LostFocus();
  void cmbMaxPlayers_Change();
  void cmbMaxPlayers_Click();
  void cmbPort_Click();
  void cmbPort_LostFocus();
  void txtExtra1_Change();
  void txtExtra1_LostFocus();
  void cmdCommandOK_Click();
  void cmdStart_Click();
  void tmrStartWatch_Timer();

  // ---- Server configuration and welcome message -------------------------------------------
  void optServerFile_Click();
  void chkFriendlyFire_Click();
  void chkFootSteps_Click();
  void chkFlashlight_Click();
  void chkDeathMsgs_Click();
  void chkFallDamage_Click();
  void chkLAN_Click();
  void txtTeamLimit_Change();
  void txtMapTime_Change();
  void txtExtra2_Change();
  void txtHostName_Change();
  void cmdServerOK_Click();
  void optMotd_Click();
  void cmdSaveFile_Click();

  // ---- Map cycle and class limits ---------------------------------------------------------
  void optMapFile_Click();
  void lstMapList_Click();
  void lstMapList_DblClick();
  void cmdAddMap_Click();
  void cmdClearMapList_Click();
  void cmdMapOK_Click();
  void LoadWeaponClassTables();
  void LoadClassTypeTables();
  void LoadBritishAlliesTable();
  void LoadMapClassLimits();
  void BuildClassLimitLines();
  void cmdClassLimitOK_Click();
  void chkClassLimit_Click();
  void cmbClassAllies_Click();
  void cmbClassAxis_Click();
  void cmbLimitAllies_Click();
  void cmbLimitAxis_Click();

  // ---- Bot setup ----------------------------------------------------------------------------
  void optBotFile_Click();
  void chkSturmbotFF_Click();
  void chkSturmbotRank_Click();
  void chkSturmbotFSquad_Click();
  void chkSturmbotKnife_Click();
  void chkSturmbotPistol_Click();
  void chkSturmbotGrenade_Click();
  void cmbSturmbotBlood_Click();
  void txtSturmbotPasswd_Change();
  void txtExtra3_Change();
  void txtSturmbotMinBots_Change();
  void txtSturmbotMaxBots_Change();
  void txtSturmbotMinReaction_Change();
  void txtSturmbotMaxReaction_Change();
  void ClampBotCounts();
  void ClampReactionTimes();
  void cmdSturmbotOK_Click();
  void cmdMarinebotOK_Click();
  void cmdShrikebotOK_Click();
  void chkSturmbotFillserver_Click();
  void cmbSturmbotMapList_Click();
  void cmdSturmbotSave_Click();
  void cmdSturmbotDel_Click();
  void optSturmbotAllies1_Click();
  void optSturmbotAllies2_Click();
  void optSturmbotAxis1_Click();
  void cmbSturmbotClass_Click();
  void cmdSturmbotAdd_Click();
  void cmdSturmbotClear_Click();
  // Sets blnCountryKnown and blnAlliesBritish when the map's entities tell the country;
  // leaves them as they were otherwise.
  void DetectAlliesCountry(const std::string& map);

 private:
  // How long a wait for another program, or the watch of a server start, gives it.
  static constexpr std::int64_t kWaitLimitMilliseconds = 15000;

  platform::Platform& system_;
  bool settingsFailureReported_ = false;
  // Why the map's file, present at the last load of its class limits, could not be read;
  // empty when it could or was not there.
  std::string mapCfgReadError_;
  bool modSearchFailed_ = false;  // the next change of the executable box tries again
  // The runs of ripent.exe not yet seen to end, by the export they write: such an export may
  // be cut off until its run has ended.
  std::map<std::string, std::unique_ptr<platform::StartedProcess>> exportRuns_;
  // The last server start, watched by tmrStartWatch until it fails, ends or runs past its
  // deadline; `log` is the file its output goes to (empty while none is watched).
  struct WatchedStart {
    std::unique_ptr<platform::StartedProcess> process;
    std::string log;
    std::int64_t deadline = 0;
  };
  WatchedStart watchedStart_;

  void DesignControls();  // zarn_design.cpp
  void WireEvents();      // zarn_design.cpp
  void InitDefaults();

  // A file the program writes: each text followed by CR LF, replaced whole. A failure is
  // told in a "ZARN Alert!" box naming the file; the result says whether it was written.
  bool WriteTextFile(const std::string& path, std::initializer_list<std::string> texts,
                     platform::CodePage codePage = platform::CodePage::Ansi);
  bool WriteTextFileQuietly(const std::string& path, std::initializer_list<std::string> texts,
                            std::string& error, platform::CodePage codePage = platform::CodePage::Ansi);
  void AlertUnwritten(const std::string& path, const std::string& error);  // names the file and why
  // False, after an alert naming the file and the reason, when it could not be deleted.
  bool DeleteFileOrAlert(const std::string& path);
  void Alert(const std::string& text);
  void ShowStatus(const std::string& text, forms::Color colour);

  // Shared by the page views and saves.
  void ShowOnlyPage(forms::Frame* page);  // hides every other page frame; null hides all
  void LockPreview();                     // read-only text, Edit and Save disabled
  void PreviewFile(const std::string& caption, const std::string& text);
  void MarkStepSaved(forms::OptionButton& step, Integer& flag);
  // Writes a page's text into the mod folder (or a sub-folder of it) under the preview
  // caption; false, after an alert, when it could not be written.
  bool WritePageFile(const std::string& body, const std::string& subFolder = "");
  std::string ModPath(const std::string& tail) const;  // game folder, mod folder, tail
  // Present when a look-up of the path returns its bare name exactly, case and all.
  bool FileIsPresent(const std::string& path);

  // What `dir <path> /b` lists, for the searches; nothing, with a red status line naming
  // the folder as given, when it cannot be read.
  std::optional<std::vector<std::string>> ListFolder(const std::string& path, platform::Entries entries,
                                                     const std::string& folderName);
  // A batch file in `batchFolder` and the log in the temp folder that a run's output goes
  // to, under the first numbered names that can both be replaced: a server started earlier
  // may hold its pair (zarn.bat and zarn.log, else zarn2.bat and zarn2.log, and so on).
  // The batch's only line is `lineFor(log)`. Empty paths, after an alert and a red status
  // line, when no pair could be written.
  struct BatchFiles {
    std::string batch, log;
  };
  BatchFiles WriteBatchFiles(const std::string& batchFolder,
                             const std::function<std::string(const std::string& log)>& lineFor);
  // Hands `command` to the interpreter, hidden; null, with a red status line, when it
  // cannot be started.
  std::unique_ptr<platform::StartedProcess> StartCommand(const std::string& command);
  bool WaitUntil(const std::function<bool()>& done);  // within the usual wait limit
  bool WaitUntil(const std::function<bool()>& done, std::int64_t limitMilliseconds);
  // Has ripent.exe export the map's entities into `entPath`: true once the export is there
  // and the tool has ended, each within its bound. A missing tool ends the program.
  bool ExportEntities(const std::string& map, const std::string& entPath);
  // True when no run writing `entPath` is still going; an ended run is forgotten.
  bool ExportRunEnded(const std::string& entPath);
  // The same, once the run has ended within the wait limit.
  bool AwaitExportRun(const std::string& entPath);

  // Parts of Start Server.
  void ShowStartFailed(const std::string& log);
  void EndStartWatch();  // the process is left running

  // Parts of the choice of a mod.
  void ShowModTitle();   // from liblist.gam into lblModSupport
  void SetUpSturmbot();  // version, reaction defaults and class scheme

  // Parts of the Bot Setup page.
  void ShowSturmbotPage();
  void ShowBotText();       // the view, then its text shown in the preview
  bool SaveSturmbotFile();  // false, after an alert, when it could not be written
  void ShowMapStatus(const std::string& text, forms::Color colour);  // in the per-map panel
  void ShowTeamCaptions();  // by the detected country of the map's Allies
  void LoadClassList(std::initializer_list<const char*> classes);
  void ShowBotNotice(forms::Frame& page);  // the Marinebot or Shrikebot page
  void RebuildBotText();                   // after an input: the view, the text shown, Save offered
  void ConfirmBotStep(forms::Frame& page);

  // Parts of the Map Cycle page and its class-limit editor.
  void PreviewMapCycle();
  void PreviewMapCfg();  // the map's file as the editor's Save would write it
  void LockMapList(bool locked);  // the map list and the page's three buttons
  // Sets strMapCfgPath to the selected map's file; true when the file is there.
  bool FindMapCfg();
  void AlertUnreadableMapCfg();  // names the file and why, and that Save will not replace it
  // A pick in one of the editor's four combos: `onSlot` acts on the slot of the class shown.
  void ClassLimitPicked(const ClassSide& side, void (*onSlot)(const ClassSide& side, int slot));
};
