// The program's needs met by the Windows API and the command interpreter.
#pragma once

#include <windows.h>

#include "platform/platform.h"

namespace win32 {

class Win32Platform final : public platform::Platform {
 public:
  std::string windowsDirectory() override;
  std::string tempDirectory() override;
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
  std::int64_t monotonicMilliseconds() override;
  platform::Answer messageBox(const std::string& text, const std::string& title, platform::MessageStyle style,
                              platform::MessageButtons buttons) override;
  void beep() override;
  void setBusy(bool busy) override;
  std::shared_ptr<const forms::Picture> loadPicture(const std::string& path) override;
  [[noreturn]] void endProgram() override;

  // Message boxes belong to the main window once it exists.
  void setOwner(HWND owner) { owner_ = owner; }
  // The view keeps the hourglass up while this holds.
  bool busy() const { return busy_; }

 private:
  HWND owner_ = nullptr;
  bool busy_ = false;
};

}  // namespace win32
