// A stand-in for the game's hl.exe and hlds.exe: it notes the command line it was started
// with as one line of started.txt beside itself, so that a test can check what zarn started.
// While a file hold.txt lies beside it, it keeps running (at most a minute), as a server
// does. With a file fails.txt beside it, it then ends with exit code 1, as a server that
// fails.
#include <windows.h>

#include <string>

namespace {
constexpr int kMostHeldSteps = 600;
constexpr DWORD kHeldStepMilliseconds = 100;
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char program[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
  std::string folder(program, length);
  folder = folder.substr(0, folder.find_last_of('\\') + 1);
  HANDLE file = CreateFileA((folder + "started.txt").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  const std::string line = std::string(GetCommandLineA()) + "\r\n";
  DWORD written = 0;
  const BOOL ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
  const std::string hold = folder + "hold.txt";
  for (int step = 0; step < kMostHeldSteps && GetFileAttributesA(hold.c_str()) != INVALID_FILE_ATTRIBUTES; ++step)
    Sleep(kHeldStepMilliseconds);
  const bool fails = GetFileAttributesA((folder + "fails.txt").c_str()) != INVALID_FILE_ATTRIBUTES;
  return ok && !fails ? 0 : 1;
}
