// The operating system as the tests see it: drive C: is a temporary folder on the host,
// names are looked up case-insensitively and returned as stored, folders are listed as
// `dir /b` lists them, message boxes answer from a script, and the command interpreter
// reads the lines the program writes into its batch files as cmd.exe does (variables,
// carets, quotes, & | and >), runs ripent.exe (when the drive holds it, exporting a map's
// entity lump, support/bsp_file.h) and notes every other program it starts, optionally
// only after a number of waits.
#pragma once

#include <deque>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

struct MessageShown {
  std::string text, title;
  platform::MessageStyle style;
  platform::MessageButtons buttons;
};

// Thrown by endProgram so that nothing after it runs.
struct ProgramEnded {};

class FakePlatform : public platform::Platform {
 public:
  FakePlatform();
  ~FakePlatform() override;

  // ---- Test set-up --------------------------------------------------------------------
  std::string windowsDir = "C:\\WINDOWS";
  std::string tempDir = "C:\\TEMP\\";
  std::filesystem::path hostPath(const std::string& windowsPath) const;  // as the fake resolves it
  void writeFile(const std::string& windowsPath, const std::string& content);  // makes folders
  void makeFolder(const std::string& windowsPath);
  std::string fileContent(const std::string& windowsPath) const;  // empty when absent
  bool exists(const std::string& windowsPath) const;
  // Writes there fail, as read-only; a path that ends in a backslash is a whole folder.
  void refuseWritesTo(const std::string& windowsPath);
  void refuseReadsOf(const std::string& windowsPath);  // reads fail, as for a locked file
  void hide(const std::string& windowsPath);            // hidden (or system): `dir` passes it over
  std::deque<platform::Answer> answers;                 // next message-box answers
  int outputDelayWaits = 0;  // a started command writes its output after this many waits
  int endDelayWaits = 0;     // ... and ends this many waits after that
  bool commandsNeverRun = false;
  bool startsFail = false;   // startHidden gives null, as when no process can be created
  bool undeletable = false;  // deleteFile fails, as for a file another process holds open
  bool exportsNothing = false;  // ripent.exe runs but writes no export
  // Another process holds the file open: it can be neither replaced nor deleted. A started
  // command holds the file its output goes to until it ends.
  void holdOpen(const std::string& windowsPath);
  std::string unlistableFolder;  // listing it fails, as without the right to read it

  // ---- What the program did ------------------------------------------------------------
  std::vector<std::string> startedCommands;  // command lines given to startHidden
  // Command lines of the batch files as the programs they started received them; a
  // program that does not exist ends its command with a failure.
  std::vector<std::string> programsRun;
  std::map<std::string, platform::CodePage> codePages;  // of each file written, by its path
  int listings = 0;                                      // calls of listFolder
  std::vector<MessageShown> messages;
  int beeps = 0;
  bool busy = false;
  int busyCalls = 0;
  int waits() const { return folderCreations_ / 80; }

  // ---- Platform ---------------------------------------------------------------------------
  std::string windowsDirectory() override { return windowsDir; }
  std::string tempDirectory() override { return tempDir; }
  std::string lookUp(const std::string& path) override;
  platform::FolderListing listFolder(const std::string& path, platform::Entries entries) override;
  using platform::Platform::readTextFile;
  std::optional<std::string> readTextFile(const std::string& path, std::string& why) override;
  platform::Outcome writeTextFile(const std::string& path, const std::string& text,
                                  platform::CodePage codePage) override;
  platform::Outcome deleteFile(const std::string& path) override;
  bool createFolder(const std::string& path) override;
  bool removeFolder(const std::string& path) override;
  std::unique_ptr<platform::StartedProcess> startHidden(const std::string& commandLine) override;
  // Each folder creation of a wait takes 5 ms of fake time: a wait lasts 400 ms.
  std::int64_t monotonicMilliseconds() override { return folderCreations_ * 5; }
  platform::Answer messageBox(const std::string& text, const std::string& title, platform::MessageStyle style,
                              platform::MessageButtons buttons) override;
  void beep() override { ++beeps; }
  void setBusy(bool isBusy) override {
    busy = isBusy;
    ++busyCalls;
  }
  std::shared_ptr<const forms::Picture> loadPicture(const std::string& path) override;
  [[noreturn]] void endProgram() override { throw ProgramEnded{}; }

 private:
  struct Job {
    std::vector<std::string> lines;  // batch lines to interpret
    std::string redirectTo;          // the start command's own redirection, if any
    long long dueAt = 0;             // folder creations
    long long endsAt = 0;
    bool done = false;
    bool failed = false;
  };
  class Process;

  void runDueJobs();
  void interpret(Job& job);
  bool isHeld(const std::string& path) const;
  bool redirect(const std::string& file, const std::string& output);
  void exportEntities(const std::string& tool, const std::string& bsp);

  std::filesystem::path root_;
  std::vector<std::string> refused_, unreadable_, held_;
  std::vector<std::filesystem::path> hidden_;
  std::vector<std::shared_ptr<Job>> jobs_;
  long long folderCreations_ = 0;
};

// A picture the fake "loads": any file that begins with "BM".
struct FakePicture : forms::Picture {
  explicit FakePicture(std::string path) : path(std::move(path)) {}
  std::string path;
};
