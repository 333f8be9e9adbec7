#include "win32/win32_platform.h"

#include "win32/ansi.h"
#include "win32/bitmap_picture.h"

namespace win32 {

namespace {

// The system calls fill a buffer of this size and answer the length of the name.
constexpr DWORD kFolderBuffer = 255;

std::string folderName(const wchar_t* buffer, DWORD length) {
  return length == 0 || length >= kFolderBuffer ? std::string() : fromWide(buffer);
}

class HiddenProcess final : public platform::StartedProcess {
 public:
  explicit HiddenProcess(HANDLE process) : process_(process) {}
  ~HiddenProcess() override { CloseHandle(process_); }
  HiddenProcess(const HiddenProcess&) = delete;
  HiddenProcess& operator=(const HiddenProcess&) = delete;
  bool hasEnded() override { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }
  bool hasFailed() override {
    DWORD code = 0;
    return hasEnded() && GetExitCodeProcess(process_, &code) && code != 0;
  }

 private:
  HANDLE process_;
};

UINT iconOf(platform::MessageStyle style) {
  switch (style) {
    case platform::MessageStyle::Information: return MB_ICONINFORMATION;
    case platform::MessageStyle::Question: return MB_ICONQUESTION;
    case platform::MessageStyle::Exclamation: return MB_ICONEXCLAMATION;
    case platform::MessageStyle::Critical: return MB_ICONERROR;
  }
  return 0;
}

}  // namespace

std::string Win32Platform::windowsDirectory() {
  wchar_t buffer[kFolderBuffer + 1] = {};
  std::string folder = folderName(buffer, GetWindowsDirectoryW(buffer, kFolderBuffer));
  if (folder.empty()) return "C:\\WINDOWS";
  if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  return folder;
}

std::string Win32Platform::tempDirectory() {
  wchar_t buffer[kFolderBuffer + 1] = {};
  std::string folder = folderName(buffer, GetTempPathW(kFolderBuffer, buffer));
  if (folder.empty()) return windowsDirectory() + "\\TEMP\\";
  if (folder.back() != '\\') folder += '\\';
  return folder;
}

std::unique_ptr<platform::StartedProcess> Win32Platform::startHidden(const std::string& commandLine) {
  char system[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(system, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::string interpreter = std::string(system, length) + "\\cmd.exe";
  // /d: no AutoRun commands of the system's set-up run first; /v:off: a ! stays a !;
  // /s takes the outer quotes off and keeps the quotes the caller put round paths.
  std::string line = "\"" + interpreter + "\" /d /v:off /s /c \"" + toAnsi(commandLine) + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(interpreter.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                      &startup, &started))
    return nullptr;
  CloseHandle(started.hThread);
  return std::make_unique<HiddenProcess>(started.hProcess);
}

std::int64_t Win32Platform::monotonicMilliseconds() { return static_cast<std::int64_t>(GetTickCount64()); }

platform::Answer Win32Platform::messageBox(const std::string& text, const std::string& title,
                                           platform::MessageStyle style, platform::MessageButtons buttons) {
  const UINT kind = buttons == platform::MessageButtons::YesNo ? MB_YESNO : MB_OK;
  const int answer = MessageBoxA(owner_, toAnsi(text).c_str(), toAnsi(title).c_str(), kind | iconOf(style));
  if (answer == IDYES) return platform::Answer::Yes;
  if (answer == IDNO) return platform::Answer::No;
  return platform::Answer::Ok;
}

void Win32Platform::beep() {
  if (!MessageBeep(MB_OK)) Beep(750, 100);
}

void Win32Platform::setBusy(bool busy) {
  busy_ = busy;
  SetCursor(LoadCursorA(nullptr, busy ? IDC_WAIT : IDC_ARROW));
  if (busy && owner_) RedrawWindow(owner_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

std::shared_ptr<const forms::Picture> Win32Platform::loadPicture(const std::string& path) {
  HANDLE bitmap = LoadImageW(nullptr, toWide(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  if (!bitmap) return nullptr;
  return std::make_shared<BitmapPicture>(static_cast<HBITMAP>(bitmap));
}

void Win32Platform::endProgram() { ExitProcess(0); }

}  // namespace win32
