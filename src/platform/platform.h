// Everything the program asks of the operating system, and nothing more. Paths are
// Windows paths ("C:\Sierra\Half-Life\hl.exe"); texts and names are UTF-8 inside the
// program. The implementation converts them: file contents to and from the system's ANSI
// code page (batch files: the OEM code page), names on disk to and from wide characters.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/control.h"

namespace platform {

enum class MessageStyle { Information, Question, Exclamation, Critical };
enum class MessageButtons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

// A process started without waiting; it only answers whether it has ended, and how.
// Dropping it leaves the process running.
class StartedProcess {
 public:
  virtual ~StartedProcess() = default;
  virtual bool hasEnded() = 0;
  // Has ended with an exit code other than 0 (the interpreter's, when it could not run a
  // program or open a file to redirect into).
  virtual bool hasFailed() = 0;
};

// The code page a text file is written in: the system's ANSI code page for the files the
// game and the program read, the OEM code page for a batch file, since the command
// interpreter reads a batch file in the code page of its console, which is that one.
enum class CodePage { Ansi, Oem };

// Empty `error` means success; otherwise it says why, in the operator's words.
struct Outcome {
  std::string error;
  bool ok() const { return error.empty(); }
};

// Which entries of a folder a listing gives, as the command interpreter's `dir /b` selects
// them.
enum class Entries {
  // `dir /ad`: every sub-folder; /a replaces dir's own selection, so hidden and system
  // folders are listed too.
  Folders,
  // `dir` without /a: files and folders, neither hidden nor system.
  Shown,
};

struct FolderListing : Outcome {
  std::vector<std::string> names;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // The Windows folder without, and the temp folder with, a trailing backslash.
  virtual std::string windowsDirectory() = 0;
  virtual std::string tempDirectory() = 0;

  // The bare name of `path` as it is stored on disk, or empty when it is absent.
  virtual std::string lookUp(const std::string& path) = 0;

  // The bare names that `dir <path> /b` lists: `path` is a folder ending in a backslash, or
  // a folder and a name pattern such as "*.bsp", which the file system also matches against
  // the short names ("x.bspx" is "X~1.BSP"). In the order the file system gives them,
  // without "." and "..". A folder that does not exist lists nothing; one that cannot be
  // read is an error.
  virtual FolderListing listFolder(const std::string& path, Entries entries) = 0;

  // The whole file as text; nothing when it cannot be read, and then `why` in the
  // operator's words.
  virtual std::optional<std::string> readTextFile(const std::string& path, std::string& why) = 0;
  std::optional<std::string> readTextFile(const std::string& path) {
    std::string why;
    return readTextFile(path, why);
  }
  // Replaces the file whole with `text` (line ends already in it) in `codePage`: a new
  // file is written beside it and then put in its place, so a failure leaves the old one.
  virtual Outcome writeTextFile(const std::string& path, const std::string& text, CodePage codePage) = 0;
  virtual Outcome deleteFile(const std::string& path) = 0;
  virtual bool createFolder(const std::string& path) = 0;
  virtual bool removeFolder(const std::string& path) = 0;

  // Runs `commandLine` through the command interpreter with its window hidden and
  // returns at once; null when it could not be started. The interpreter runs no commands
  // of its own set-up and reads no !...! as a variable.
  virtual std::unique_ptr<StartedProcess> startHidden(const std::string& commandLine) = 0;

  // Milliseconds from an arbitrary start, never going back; bounds every wait.
  virtual std::int64_t monotonicMilliseconds() = 0;

  virtual Answer messageBox(const std::string& text, const std::string& title, MessageStyle style,
                            MessageButtons buttons) = 0;
  virtual void beep() = 0;
  // The hourglass while busy. Becoming busy first paints the window as it stands: the one
  // thread paints nothing more until the work is done.
  virtual void setBusy(bool busy) = 0;
  // Null when the file is not a picture that can be shown.
  virtual std::shared_ptr<const forms::Picture> loadPicture(const std::string& path) = 0;
  // Ends the program at once: no further handler runs.
  [[noreturn]] virtual void endProgram() = 0;
};

}  // namespace platform
