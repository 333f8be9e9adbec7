#include "zarn_window.h"

#include "bounded_wait.h"

namespace zarndrive {

namespace {

constexpr char kCaption[] = "Tamsel's Brenvik";
constexpr DWORD kStartLimit = 60000;   // start-up lists the mods through the command interpreter
constexpr DWORD kFindLimit = 10000;
constexpr DWORD kBusyLimit = 60000;    // a search may run for a while before zarn answers
constexpr DWORD kPaintLimit = 5000;
constexpr DWORD kScreenGrace = 300;    // for the painted window to reach the X display

// Texts read back are compared in UTF-8, as the scripts hold them.
std::string utf8(const std::wstring& wide) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length, nullptr, nullptr);
  return text;
}

HWND shownZarnWindow(DWORD process) {
  HWND window = FindWindowA(nullptr, kCaption);
  if (!window || !IsWindowVisible(window)) return nullptr;
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  return process == 0 || owner == process ? window : nullptr;
}

struct Search {
  int id;
  HWND found;
};

BOOL CALLBACK matchControl(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  // The parent check keeps out the inner windows of combo boxes, whose ids are their own.
  const std::string parent = className(GetParent(window));
  if (GetDlgCtrlID(window) != search->id || (parent != "ZarnPanel" && parent != "ZarnWindow")) return TRUE;
  search->found = window;
  return FALSE;
}

struct BoxSearch {
  HWND owner;
  std::optional<MessageBoxShown> box;
};

BOOL CALLBACK collectText(HWND window, LPARAM parameter) {
  auto* text = reinterpret_cast<std::string*>(parameter);
  if (className(window) == "Static" && !(GetWindowLongA(window, GWL_STYLE) & SS_ICON)) {
    const std::string piece = windowText(window);
    if (!piece.empty()) *text += text->empty() ? piece : "\n" + piece;
  }
  return TRUE;
}

BOOL CALLBACK matchBox(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<BoxSearch*>(parameter);
  if (!IsWindowVisible(window) || GetWindow(window, GW_OWNER) != search->owner || className(window) != "#32770")
    return TRUE;
  MessageBoxShown box{window, windowText(window), ""};
  EnumChildWindows(window, collectText, reinterpret_cast<LPARAM>(&box.text));
  search->box = box;
  return FALSE;
}

}  // namespace

ZarnWindow::~ZarnWindow() {
  if (process_) CloseHandle(process_);
}

void ZarnWindow::launch(const std::string& program) {
  if (shownZarnWindow(0)) throw Failure("a zarn window is open already");
  std::string line = "\"" + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  // Detached: zarn outlives the driver and must not hold the driver's output open, or
  // whoever reads that output to its end would wait for zarn too.
  if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr,
                      &startup, &started))
    throw Failure("cannot start " + program + " (error " + std::to_string(GetLastError()) + ")");
  CloseHandle(started.hThread);
  process_ = started.hProcess;
  launched_ = true;
  HWND window = nullptr;
  const bool shown = waitUntil(
      [&] {
        window = shownZarnWindow(started.dwProcessId);
        return window || WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
      },
      kStartLimit, poll_);
  if (!window)
    throw Failure(shown ? "zarn ended before its window showed" : "zarn's window did not show within " + seconds(kStartLimit));
  main_ = window;
  settle();
}

void ZarnWindow::attach() {
  HWND window = nullptr;
  if (!waitUntil([&] { return (window = shownZarnWindow(0)) != nullptr; }, kFindLimit))
    throw Failure("no zarn window showed within " + seconds(kFindLimit));
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  process_ = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, process);
  if (!process_) throw Failure("cannot open zarn's process (error " + std::to_string(GetLastError()) + ")");
  main_ = window;
}

HWND ZarnWindow::main() const {
  if (!main_) throw Failure("no zarn window: launch or attach first");
  return main_;
}

// Zarn's main window holds a property "zarn:<name>" with the id of each control and menu
// entry, named as in the program.
int ZarnWindow::idOf(const std::string& name) const {
  return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(main(), ("zarn:" + name).c_str())));
}

HWND ZarnWindow::control(const std::string& name) const {
  Search search{idOf(name), nullptr};
  if (search.id != 0) EnumChildWindows(main_, matchControl, reinterpret_cast<LPARAM>(&search));
  if (!search.found) throw Failure("zarn has no control window named " + name);
  return search.found;
}

int ZarnWindow::menuCommand(const std::string& name) const {
  const int id = idOf(name);
  if (id == 0) throw Failure("zarn has no menu entry named " + name);
  return id;
}

void ZarnWindow::requireOperable(HWND control, const std::string& name) const {
  if (!IsWindowVisible(control)) throw Failure(name + " is not visible");
  if (!IsWindowEnabled(control)) throw Failure(name + " is disabled");
}

void ZarnWindow::deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
  if (!SendNotifyMessageA(window, message, wParam, lParam))
    throw Failure("cannot send to zarn (error " + std::to_string(GetLastError()) + ")");
  settle();
}

// Zarn handles messages sent to it in the order they come, and also while a message box
// of its own waits for an answer: when this one is answered, the earlier ones are done.
void ZarnWindow::settle() const {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutA(main(), WM_NULL, 0, 0, SMTO_NORMAL, kBusyLimit, &result) || !IsWindow(main_)) return;
  throw Failure("zarn did not answer within " + seconds(kBusyLimit));
}

void ZarnWindow::waitUntilPainted() const {
  settle();
  auto nothingToPaint = [this] {
    if (GetUpdateRect(main_, nullptr, FALSE)) return false;
    bool clean = true;
    EnumChildWindows(
        main_,
        [](HWND window, LPARAM parameter) -> BOOL {
          if (!IsWindowVisible(window) || !GetUpdateRect(window, nullptr, FALSE)) return TRUE;
          *reinterpret_cast<bool*>(parameter) = false;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&clean));
    return clean;
  };
  if (!waitUntil(nothingToPaint, kPaintLimit, poll_)) throw Failure("zarn did not paint within " + seconds(kPaintLimit));
}

void ZarnWindow::settlePainting() const {
  waitUntilPainted();
  Sleep(kScreenGrace);
}

std::optional<MessageBoxShown> ZarnWindow::messageBox() const {
  BoxSearch search{main(), std::nullopt};
  EnumWindows(matchBox, reinterpret_cast<LPARAM>(&search));
  return search.box;
}

bool ZarnWindow::hasEnded(DWORD limitMilliseconds) const {
  if (!process_) throw Failure("no zarn process: launch or attach first");
  return WaitForSingleObject(process_, limitMilliseconds) == WAIT_OBJECT_0;
}

void ZarnWindow::stopLaunched() const {
  if (launched_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
}

std::string windowText(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kAnswerLimit, &length);
  std::wstring text(length + 1, L'\0');
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL,
                           kAnswerLimit, &length))
    length = 0;
  text.resize(length);
  return utf8(text);
}

std::string className(HWND window) {
  char name[64] = {};
  return std::string(name, static_cast<std::size_t>(GetClassNameA(window, name, sizeof name)));
}

// The wide calls: Wine hands items of another process's lists to the ANSI calls unconverted.
std::vector<std::string> listItems(HWND list) {
  const bool combo = className(list) == "ComboBox";
  DWORD_PTR count = 0;
  SendMessageTimeoutW(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0, SMTO_NORMAL, kAnswerLimit, &count);
  std::vector<std::string> items;
  for (WPARAM index = 0; index < count; ++index) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(list, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, index, 0, SMTO_NORMAL, kAnswerLimit, &length);
    std::wstring item(length + 1, L'\0');
    if (!SendMessageTimeoutW(list, combo ? CB_GETLBTEXT : LB_GETTEXT, index, reinterpret_cast<LPARAM>(item.data()),
                             SMTO_NORMAL, kAnswerLimit, &length))
      length = 0;
    item.resize(length);
    items.push_back(utf8(item));
  }
  return items;
}

}  // namespace zarndrive
