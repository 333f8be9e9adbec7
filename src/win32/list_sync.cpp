#include "win32/list_sync.h"

#include "win32/ansi.h"

namespace win32 {

namespace {

// Suspends drawing while a list is filled: under Wine a list that draws updates its scroll
// bar on every item. Not for a list hidden itself, since drawing turned back on shows it.
class QuietList {
 public:
  explicit QuietList(HWND list) : list_(list), quiet_(GetWindowLongPtrA(list, GWL_STYLE) & WS_VISIBLE) {
    if (quiet_) SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  }
  ~QuietList() {
    if (!quiet_) return;
    SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
  }
  QuietList(const QuietList&) = delete;
  QuietList& operator=(const QuietList&) = delete;

 private:
  HWND list_;
  bool quiet_;
};

}  // namespace

bool ListSync::update(const forms::ItemList& model, bool inSight) {
  using Kind = forms::ItemChange::Kind;
  if (!inSight) {
    behind_ = true;
    return false;
  }
  const std::vector<std::string>& items = model.items();
  const forms::ItemChange& change = model.lastChange();
  const auto index = static_cast<std::size_t>(change.index);
  if (!behind_ && change.kind == Kind::Added && items.size() == shown_ + 1 && index == shown_) {
    add(items.back());
    return false;
  }
  if (!behind_ && change.kind == Kind::Removed && items.size() + 1 == shown_ && index < shown_) {
    remove(index);
    return false;
  }
  refill(items);
  return true;
}

bool ListSync::catchUp(const forms::ItemList& model) {
  if (!behind_) return false;
  refill(model.items());
  return true;
}

void ListSync::refill(const std::vector<std::string>& items) {
  QuietList quiet(list_);
  SendMessageA(list_, combo_ ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
  shown_ = 0;
  if (items.size() > 1)
    SendMessageA(list_, combo_ ? CB_INITSTORAGE : LB_INITSTORAGE, static_cast<WPARAM>(items.size()),
                 static_cast<LPARAM>(items.size() * 16));
  for (const std::string& item : items) add(item);
  behind_ = false;
}

void ListSync::add(const std::string& item) {
  SendMessageA(list_, combo_ ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toAnsi(item).c_str()));
  ++shown_;
}

void ListSync::remove(std::size_t index) {
  SendMessageA(list_, combo_ ? CB_DELETESTRING : LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  --shown_;
}

}  // namespace win32
