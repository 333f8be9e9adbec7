#include "commands.h"

#include <cstdio>
#include <optional>

#include "bounded_wait.h"

namespace zarndrive {

namespace {

constexpr DWORD kExpectLimit = 10000;
constexpr DWORD kBoxLimit = 10000;
constexpr DWORD kEndLimit = 10000;

void requireCount(const Arguments& arguments, std::size_t count, const char* usage) {
  if (arguments.size() != count) throw Failure(std::string("usage: ") + usage);
}

std::string joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "\"" : " \"") + item + "\"";
  return "[" + text + "]";
}

void requireYesNo(const std::string& word) {
  if (word != "yes" && word != "no") throw Failure("expected yes or no, not " + word);
}

// A text or combo box's edit: where the operator clicks and types.
HWND editOf(HWND box, const std::string& name) {
  const std::string kind = className(box);
  if (kind == "Edit") return box;
  if (kind == "ComboBox")
    if (HWND edit = FindWindowExA(box, nullptr, "Edit", nullptr)) return edit;
  throw Failure(name + " is not a text or combo box");
}

void clickInto(const ZarnWindow& zarn, HWND edit) {
  zarn.deliver(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  zarn.deliver(edit, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

int indexOfItem(HWND list, const std::string& name, const std::string& item) {
  const std::vector<std::string> items = listItems(list);
  for (std::size_t index = 0; index < items.size(); ++index)
    if (items[index] == item) return static_cast<int>(index);
  throw Failure(name + " holds no item \"" + item + "\"; it holds " + joined(items));
}

// The middle of a list box's item, scrolled into sight.
LPARAM itemPoint(const ZarnWindow& zarn, HWND list, int index) {
  zarn.deliver(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
  RECT item{};
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item),
                           SMTO_NORMAL, kAnswerLimit, &result) ||
      result == static_cast<DWORD_PTR>(LB_ERR))
    throw Failure("cannot find where item " + std::to_string(index) + " is shown");
  return MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
}

// What a state of a control reads now, as words to compare and print.
std::vector<std::string> stateOf(HWND control, const std::string& state) {
  if (state == "text") return {windowText(control)};
  if (state == "enabled") return {IsWindowEnabled(control) ? "yes" : "no"};
  if (state == "visible") return {IsWindowVisible(control) ? "yes" : "no"};
  if (state == "items") return listItems(control);
  if (state == "checked") {
    DWORD_PTR check = 0;
    SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_NORMAL, kAnswerLimit, &check);
    return {check == BST_CHECKED ? "yes" : "no"};
  }
  throw Failure("unknown state " + state + " (text, enabled, visible, checked, items)");
}

// A script's text with each {enter} as `enter`: the Enter key, or a line end shown.
std::string withEnter(const std::string& text, const std::string& enter) {
  static const std::string kEnter = "{enter}";
  std::string result;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const bool isEnter = text.compare(at, kEnter.size(), kEnter) == 0;
    result += isEnter ? enter : std::string(1, text[at]);
    if (isEnter) at += kEnter.size() - 1;
  }
  return result;
}

// The keys that type `text`; nothing at all deletes what is selected.
std::vector<char> keysOf(const std::string& text) {
  const std::string keys = withEnter(text, "\r");
  return keys.empty() ? std::vector<char>{'\b'} : std::vector<char>(keys.begin(), keys.end());
}

void typeInto(ZarnWindow& zarn, const Arguments& a) {
  requireCount(a, 2, "type <box> <text>");
  HWND box = zarn.control(a[0]);
  zarn.requireOperable(box, a[0]);
  HWND edit = editOf(box, a[0]);
  clickInto(zarn, edit);
  zarn.deliver(edit, EM_SETSEL, 0, -1);
  const std::vector<char> keys = keysOf(a[1]);
  for (std::size_t typed = 1; typed <= keys.size(); ++typed) {
    zarn.deliver(edit, WM_CHAR, static_cast<unsigned char>(keys[typed - 1]), 1);
    // An operator cannot go on typing into the window while zarn shows a message box.
    if (typed == keys.size()) break;
    if (const auto shown = zarn.messageBox())
      throw Failure("message box \"" + shown->title + "\" (" + shown->text + ") showed after " +
                    std::to_string(typed) + " keys of " + std::to_string(keys.size()));
  }
}

void pick(ZarnWindow& zarn, const Arguments& a) {
  requireCount(a, 2, "pick <combo|list> <item>");
  HWND list = zarn.control(a[0]);
  zarn.requireOperable(list, a[0]);
  const int index = indexOfItem(list, a[0], a[1]);
  if (className(list) == "ComboBox") {
    // As the operator opens the list and clicks the item.
    clickInto(zarn, editOf(list, a[0]));
    zarn.deliver(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    zarn.deliver(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    return;
  }
  const LPARAM point = itemPoint(zarn, list, index);
  zarn.deliver(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
  zarn.deliver(list, WM_LBUTTONUP, 0, point);
}

void doubleClick(ZarnWindow& zarn, const Arguments& a) {
  requireCount(a, 2, "dblclick <list> <item>");
  HWND list = zarn.control(a[0]);
  zarn.requireOperable(list, a[0]);
  const LPARAM point = itemPoint(zarn, list, indexOfItem(list, a[0], a[1]));
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    zarn.deliver(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, point);
}

void click(ZarnWindow& zarn, const Arguments& a) {
  if (a.empty() || a.size() > 2) throw Failure("usage: click <control> [right|middle]");
  HWND button = zarn.control(a[0]);
  zarn.requireOperable(button, a[0]);
  if (className(button) != "Button") throw Failure(a[0] + " is not a button, check box or option button");
  if (a.size() == 1) {
    zarn.deliver(button, BM_CLICK, 0, 0);
    return;
  }
  const std::map<std::string, std::pair<UINT, WPARAM>> presses = {{"right", {WM_RBUTTONDOWN, MK_RBUTTON}},
                                                                   {"middle", {WM_MBUTTONDOWN, MK_MBUTTON}}};
  const auto press = presses.find(a[1]);
  if (press == presses.end()) throw Failure("the mouse button is right or middle, not " + a[1]);
  // Down, then up: WM_RBUTTONUP and WM_MBUTTONUP follow their down message by one.
  zarn.deliver(button, press->second.first, press->second.second, MAKELPARAM(2, 2));
  zarn.deliver(button, press->second.first + 1, 0, MAKELPARAM(2, 2));
}

void menu(ZarnWindow& zarn, const Arguments& a) {
  requireCount(a, 1, "menu <entry>");
  zarn.deliver(zarn.main(), WM_COMMAND, MAKEWPARAM(zarn.menuCommand(a[0]), 0), 0);
}

void answer(ZarnWindow& zarn, const Arguments& a) {
  requireCount(a, 3, "answer <title> <Ok|Yes|No> <text>");
  const std::map<std::string, int> buttons = {{"Ok", IDOK}, {"Yes", IDYES}, {"No", IDNO}};
  const auto button = buttons.find(a[1]);
  if (button == buttons.end()) throw Failure("the button is Ok, Yes or No, not " + a[1]);
  std::optional<MessageBoxShown> box;
  if (!waitUntil([&] { return (box = zarn.messageBox()).has_value(); }, kBoxLimit))
    throw Failure("no message box showed within " + seconds(kBoxLimit) + " (awaited \"" + a[0] + "\")");
  if (box->title != a[0] || box->text != withEnter(a[2], "\r\n"))
    throw Failure("the message box shows \"" + box->title + "\": \"" + box->text + "\", awaited \"" + a[0] + "\": \"" +
                  a[2] + "\"");
  HWND pressed = GetDlgItem(box->window, button->second);
  if (!pressed) throw Failure("the message box has no " + a[1] + " button");
  PostMessageA(box->window, WM_COMMAND, MAKEWPARAM(button->second, BN_CLICKED), reinterpret_cast<LPARAM>(pressed));
  if (!waitUntil([&] { return !IsWindow(box->window); }, kBoxLimit))
    throw Failure("the message box stayed after " + a[1] + " was pressed");
  zarn.settle();
}

void expect(ZarnWindow& zarn, const Arguments& a) {
  if (a.size() < 2) throw Failure("usage: expect <control> <state> <value>...");
  HWND control = zarn.control(a[0]);
  const Arguments wanted(a.begin() + 2, a.end());
  if (a[1] != "items" && wanted.size() != 1) throw Failure("expect " + a[1] + " takes one value");
  if (a[1] == "enabled" || a[1] == "visible" || a[1] == "checked") requireYesNo(wanted[0]);
  std::vector<std::string> actual;
  if (waitUntil([&] { return (actual = stateOf(control, a[1])) == wanted; }, kExpectLimit)) return;
  std::string message = a[0] + " " + a[1] + " is " + joined(actual) + ", expected " + joined(wanted) + " (waited " +
                        seconds(kExpectLimit) + ")";
  if (const auto box = zarn.messageBox()) message += "; a message box shows \"" + box->title + "\": " + box->text;
  throw Failure(message);
}

void print(ZarnWindow& zarn, const Arguments& a) {
  requireCount(a, 2, "print <control> <state>");
  for (const std::string& line : stateOf(zarn.control(a[0]), a[1])) std::printf("%s\n", line.c_str());
}

void ended(ZarnWindow& zarn, const Arguments& a) {
  requireCount(a, 0, "ended");
  if (!zarn.hasEnded(kEndLimit)) throw Failure("zarn is still running after " + seconds(kEndLimit));
}

void geometry(ZarnWindow& zarn, const Arguments& a) {
  if (a.size() > 1) throw Failure("usage: geometry [<control>]");
  zarn.settlePainting();
  RECT place{};
  GetWindowRect(a.empty() ? zarn.main() : zarn.control(a[0]), &place);
  std::printf("%ldx%ld+%ld+%ld\n", place.right - place.left, place.bottom - place.top, place.left, place.top);
}

void repaint(ZarnWindow& zarn, const Arguments& a) {
  requireCount(a, 0, "repaint");
  RedrawWindow(zarn.main(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

std::wstring widePath(const std::string& utf8) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
  std::wstring path(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, path.data(), length);
  return path;
}

// Another program's handle on the file, shared with no one, kept until the driver ends.
void hold(ZarnWindow&, const Arguments& a) {
  requireCount(a, 1, "hold <file>");
  if (CreateFileW(widePath(a[0]).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr) ==
      INVALID_HANDLE_VALUE)
    throw Failure("cannot open " + a[0] + " (error " + std::to_string(GetLastError()) + ")");
}

// A stand-in runs on while its marker file lies beside it; taking it away lets it end.
void removeFile(ZarnWindow&, const Arguments& a) {
  requireCount(a, 1, "remove <file>");
  if (!DeleteFileW(widePath(a[0]).c_str()))
    throw Failure("cannot delete " + a[0] + " (error " + std::to_string(GetLastError()) + ")");
}

void timed(ZarnWindow& zarn, const Arguments& a) {
  if (a.empty() || a[0] == "timed") throw Failure("usage: timed <command> <argument>...");
  const auto command = commands().find(a[0]);
  if (command == commands().end()) throw Failure("unknown command " + a[0]);
  LARGE_INTEGER frequency{}, start{}, end{};
  QueryPerformanceFrequency(&frequency);
  zarn.setPolling(kClosePollMilliseconds);
  QueryPerformanceCounter(&start);
  command->second(zarn, Arguments(a.begin() + 1, a.end()));
  zarn.waitUntilPainted();
  QueryPerformanceCounter(&end);
  zarn.setPolling(kPollMilliseconds);
  std::printf("%.1f\n", 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
}

}  // namespace

const std::map<std::string, Command>& commands() {
  static const std::map<std::string, Command> table = {
      {"launch", [](ZarnWindow& z, const Arguments& a) { requireCount(a, 1, "launch <zarn.exe>"); z.launch(a[0]); }},
      {"attach", [](ZarnWindow& z, const Arguments& a) { requireCount(a, 0, "attach"); z.attach(); }},
      {"close", [](ZarnWindow& z, const Arguments& a) { requireCount(a, 0, "close"); z.deliver(z.main(), WM_CLOSE, 0, 0); }},
      {"type", typeInto}, {"pick", pick}, {"dblclick", doubleClick}, {"click", click},
      {"menu", menu}, {"answer", answer}, {"expect", expect}, {"print", print}, {"ended", ended},
      {"geometry", geometry}, {"repaint", repaint}, {"hold", hold}, {"remove", removeFile},
      {"timed", timed},
  };
  return table;
}

}  // namespace zarndrive
