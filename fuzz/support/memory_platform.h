// The operating system for the fuzz targets, held in memory so that one input costs no
// disk: files by path (looked up regardless of letter case, answered as stored, as Windows
// does), a clock that only the waits move, and folder listings that give fixed names.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

class MemoryPlatform : public platform::Platform {
 public:
  // A file as another program left it, and a file's text as it stands (empty when absent):
  // the targets' own access, apart from what the window asks of its system.
  void put(const std::string& path, const std::string& text);
  std::string fileText(const std::string& path) const;

  // The names every folder listing gives, in this order.
  std::vector<std::string> listing;

  std::string windowsDirectory() override { return "C:\\WINDOWS"; }
  std::string tempDirectory() override { return "C:\\TEMP\\"; }
  std::string lookUp(const std::string& path) override;
  platform::FolderListing listFolder(const std::string&, platform::Entries) override;
  std::optional<std::string> readTextFile(const std::string& path, std::string& why) override;
  platform::Outcome writeTextFile(const std::string& path, const std::string& text, platform::CodePage) override;
  platform::Outcome deleteFile(const std::string& path) override;
  // Folders are not kept: only the waits make and remove one, and each making moves the
  // clock, so that every bounded wait ends.
  bool createFolder(const std::string&) override;
  bool removeFolder(const std::string&) override { return true; }
  std::unique_ptr<platform::StartedProcess> startHidden(const std::string& commandLine) override;
  std::int64_t monotonicMilliseconds() override { return clock_; }
  // Every question is answered Yes (go on), every notice Ok.
  platform::Answer messageBox(const std::string& text, const std::string& title, platform::MessageStyle style,
                              platform::MessageButtons buttons) override;
  void beep() override {}
  void setBusy(bool) override {}
  std::shared_ptr<const forms::Picture> loadPicture(const std::string&) override { return nullptr; }
  // Reading outside text must never end the program: a fuzz target reports it as a fault.
  [[noreturn]] void endProgram() override;

 private:
  struct IgnoringCase {
    bool operator()(const std::string& a, const std::string& b) const;
  };
  std::map<std::string, std::string, IgnoringCase> files_;  // text by path as stored
  std::int64_t clock_ = 0;
};
