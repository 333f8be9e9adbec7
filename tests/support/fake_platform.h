// The operating system as the tests see it: drive C: is a temporary folder on the host,
// names are looked up case-insensitively and returned as stored, folders are listed as
// `dir /b` lists them, message boxes answer from a script, and a started batch file runs
// its lines: each program it names is noted, ripent.exe exports a map's entity lump
// (support/bsp_file.h), and a '>' sends output into a file, optionally only after a number
// of waits. Carets, variables, & and | are left to the end-to-end test's real interpreter.
#pragma once

#include <deque>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/text_lines.h"
#include "platform/platform.h"

struct MessageShown {
  std::string text, title;
  platform::MessageStyle style;
  platform::MessageButtons buttons;
  bool busy;  // the hourglass was up while it showed
};

// The text with every letter in lower case, non-ASCII ones included, as the file system
// compares names.
std::string caseFolded(std::string_view text);

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
  void remove(const std::string& windowsPath);  // a file or a whole folder
  std::string fileContent(const std::string& windowsPath) const;  // empty when absent
  bool exists(const std::string& windowsPath) const;
  // Writes there fail, as to a read-only file; a path that ends in a backslash is a folder.
  void refuseWritesTo(const std::string& windowsPath) { refused_.push_back(caseFolded(windowsPath)); }
  void allowWrites() { refused_.clear(); }
  void refuseReadsOf(const std::string& windowsPath) { unreadable_.push_back(caseFolded(windowsPath)); }
  // Another process holds the file open: it can be neither replaced nor deleted. A started
  // command holds the file its output goes to until it ends.
  void holdOpen(const std::string& windowsPath) { held_.push_back(caseFolded(windowsPath)); }
  void hide(const std::string& windowsPath) { hidden_.push_back(hostPath(windowsPath)); }  // `dir` passes it over
  std::string unlistableFolder;  // listing it fails, as without the right to read it
  std::deque<platform::Answer> answers;  // next message-box answers
  // A wait lasts 400 ms of the fake's time; a started command runs after this many waits'
  // time and ends this many waits' time after that.
  int outputDelayWaits = 0;
  int endDelayWaits = 0;
  bool startsFail = false;   // startHidden gives null, as when no process can be created
  bool undeletable = false;  // deleteFile fails, as for a file another process holds open

  // ---- What the program did ------------------------------------------------------------
  std::vector<std::string> startedCommands;  // command lines given to startHidden
  std::vector<std::string> programsRun;      // the batch files' command lines, as run
  int commandsFailed = 0;                    // started commands that ended with a failure
  std::map<std::string, platform::CodePage> codePages;  // of each file written, by its path
  int listings = 0;                                      // calls of listFolder
  std::vector<MessageShown> messages;
  int beeps = 0;
  bool busy = false;
  int hourglasses = 0;  // times the hourglass went up
  int waits() const { return static_cast<int>(folderCreations_ / 80); }
  // Time passes without the program waiting, as between two ticks of a timer.
  void passTime(std::int64_t milliseconds) { now_ += milliseconds; }

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
  std::int64_t monotonicMilliseconds() override { return now_; }
  platform::Answer messageBox(const std::string& text, const std::string& title, platform::MessageStyle style,
                              platform::MessageButtons buttons) override;
  void beep() override { ++beeps; }
  void setBusy(bool isBusy) override {
    if (isBusy && !busy) ++hourglasses;
    busy = isBusy;
  }
  std::shared_ptr<const forms::Picture> loadPicture(const std::string& path) override;
  [[noreturn]] void endProgram() override { throw ProgramEnded{}; }

 private:
  struct Job {
    std::vector<std::string> lines;  // of the batch file
    std::string output;              // where the start command sends its output, if anywhere
    std::int64_t dueAt = 0, endsAt = 0;  // the fake's time
    bool done = false, failed = false;
  };
  class Process;

  void runDueJobs();
  void interpret(Job& job);
  bool isHeld(const std::string& path) const;
  bool redirect(const std::string& file);

  std::filesystem::path root_;
  std::vector<std::string> refused_, unreadable_, held_;
  std::vector<std::filesystem::path> hidden_;
  std::vector<std::shared_ptr<Job>> jobs_;
  long long folderCreations_ = 0;
  std::int64_t now_ = 0;  // milliseconds
};

// A picture the fake "loads": any file that begins with "BM".
struct FakePicture : forms::Picture {
  explicit FakePicture(std::string path) : path(std::move(path)) {}
  std::string path;
};
