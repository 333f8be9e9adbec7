// The file system half of Win32Platform.
#include <algorithm>
#include <cwchar>

#include "win32/ansi.h"
#include "win32/system_error.h"
#include "win32/win32_platform.h"

namespace win32 {

namespace {

// Closes a file handle on every way out.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() { close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  bool close() {
    if (!valid()) return true;
    const BOOL closed = CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

bool writeWhole(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

// What `dir /b` shows of an entry: never "." and "..", and with /ad every folder, without
// it nothing hidden or system.
bool isListed(const WIN32_FIND_DATAW& found, platform::Entries entries) {
  if (std::wcscmp(found.cFileName, L".") == 0 || std::wcscmp(found.cFileName, L"..") == 0) return false;
  if (entries == platform::Entries::Folders) return found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
  return !(found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

}  // namespace

std::string Win32Platform::lookUp(const std::string& path) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(toWide(path).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return "";
  FindClose(search);
  return fromWide(found.cFileName);
}

// The same calls as `dir`, so the file system selects by the same rules, short names and all.
platform::FolderListing Win32Platform::listFolder(const std::string& path, platform::Entries entries) {
  platform::FolderListing listing;
  const std::string pattern = !path.empty() && path.back() == '\\' ? path + "*" : path;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(toWide(pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    // Nothing matches, or there is no such folder: `dir` lists nothing either.
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) listing.error = systemErrorText(error);
    return listing;
  }
  do {
    if (isListed(found, entries)) listing.names.push_back(fromWide(found.cFileName));
  } while (FindNextFileW(search, &found));
  const DWORD error = GetLastError();
  FindClose(search);
  if (error != ERROR_NO_MORE_FILES) {
    listing.names.clear();
    listing.error = systemErrorText(error);
  }
  return listing;
}

std::optional<std::string> Win32Platform::readTextFile(const std::string& path, std::string& why) {
  // Others may still hold the file open for writing (a program's output redirected into it).
  FileHandle file(CreateFileW(toWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.valid()) {
    std::string bytes;
    char buffer[64 * 1024];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) {
      if (read == 0) return fromAnsi(bytes);
      bytes.append(buffer, read);
    }
  }
  why = systemErrorText(GetLastError());
  return std::nullopt;
}

platform::Outcome Win32Platform::writeTextFile(const std::string& path, const std::string& text,
                                               platform::CodePage codePage) {
  const std::wstring target = toWide(path);
  const std::wstring fresh = target + L".new";
  DWORD error = ERROR_SUCCESS;
  {
    FileHandle file(CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return {systemErrorText(GetLastError())};
    const std::string bytes = codePage == platform::CodePage::Oem ? toOem(text) : toAnsi(text);
    if (!writeWhole(file.get(), bytes) || !FlushFileBuffers(file.get()) || !file.close())
      error = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
  }
  if (error == ERROR_SUCCESS &&
      !MoveFileExW(fresh.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    error = GetLastError();
  if (error == ERROR_SUCCESS) return {};
  DeleteFileW(fresh.c_str());
  return {systemErrorText(error)};
}

platform::Outcome Win32Platform::deleteFile(const std::string& path) {
  if (DeleteFileW(toWide(path).c_str())) return {};
  return {systemErrorText(GetLastError())};
}

bool Win32Platform::createFolder(const std::string& path) { return CreateDirectoryW(toWide(path).c_str(), nullptr); }

bool Win32Platform::removeFolder(const std::string& path) { return RemoveDirectoryW(toWide(path).c_str()); }

}  // namespace win32
