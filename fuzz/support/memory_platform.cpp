#include "support/memory_platform.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
struct EndedProcess : platform::StartedProcess {
  bool hasEnded() override { return true; }
  bool hasFailed() override { return false; }
};

std::string bareName(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

char folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool MemoryPlatform::IgnoringCase::operator()(const std::string& a, const std::string& b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return folded(x) < folded(y); });
}

void MemoryPlatform::put(const std::string& path, const std::string& text) {
  writeTextFile(path, text, platform::CodePage::Ansi);
}

std::string MemoryPlatform::fileText(const std::string& path) const {
  const auto file = files_.find(path);
  return file == files_.end() ? std::string() : file->second;
}

std::string MemoryPlatform::lookUp(const std::string& path) {
  const auto file = files_.find(path);
  return file == files_.end() ? std::string() : bareName(file->first);
}

platform::FolderListing MemoryPlatform::listFolder(const std::string&, platform::Entries) {
  platform::FolderListing folder;
  folder.names = listing;
  return folder;
}

std::optional<std::string> MemoryPlatform::readTextFile(const std::string& path, std::string& why) {
  const auto file = files_.find(path);
  if (file == files_.end()) {
    why = "The system cannot find the file specified.";
    return std::nullopt;
  }
  return file->second;
}

platform::Outcome MemoryPlatform::writeTextFile(const std::string& path, const std::string& text, platform::CodePage) {
  // A replaced file keeps its stored name, as on Windows.
  const auto [file, added] = files_.try_emplace(path, text);
  if (!added) file->second = text;
  return {};
}

platform::Outcome MemoryPlatform::deleteFile(const std::string& path) {
  if (files_.erase(path) == 0) return {"The system cannot find the file specified."};
  return {};
}

bool MemoryPlatform::createFolder(const std::string&) {
  clock_ += 5;
  return true;
}

std::unique_ptr<platform::StartedProcess> MemoryPlatform::startHidden(const std::string&) {
  return std::make_unique<EndedProcess>();
}

platform::Answer MemoryPlatform::messageBox(const std::string&, const std::string&, platform::MessageStyle,
                                            platform::MessageButtons buttons) {
  return buttons == platform::MessageButtons::YesNo ? platform::Answer::Yes : platform::Answer::Ok;
}

void MemoryPlatform::endProgram() {
  std::fputs("The program ended itself while reading the input\n", stderr);
  std::abort();
}
