#include "win32/list_sync.h"

#include <algorithm>
#include <optional>

#include "win32/ansi.h"

namespace win32 {

namespace {

// Suspends drawing while a list changes a lot. Only while the window is shown: turning
// drawing back on would show a hidden one.
class QuietList {
 public:
  explicit QuietList(HWND list) : list_(list), quiet_(IsWindowVisible(list)) {
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

bool ListSync::update(const std::vector<std::string>& items) {
  const std::size_t common = std::min(shown_.size(), items.size());
  const std::size_t prefix = static_cast<std::size_t>(
      std::mismatch(shown_.begin(), shown_.begin() + static_cast<std::ptrdiff_t>(common), items.begin()).first -
      shown_.begin());
  std::size_t suffix = 0;
  while (prefix + suffix < common && shown_[shown_.size() - 1 - suffix] == items[items.size() - 1 - suffix]) ++suffix;
  const std::size_t removed = shown_.size() - prefix - suffix;
  const std::size_t inserted = items.size() - prefix - suffix;
  if (removed + inserted <= items.size()) {
    replace(prefix, removed, items, inserted);
    return false;
  }
  rebuild(items);
  return true;
}

void ListSync::rebuild(const std::vector<std::string>& items) {
  SendMessageA(list_, combo_ ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
  shown_.clear();
  replace(0, 0, items, items.size());
}

void ListSync::replace(std::size_t at, std::size_t removed, const std::vector<std::string>& items,
                       std::size_t inserted) {
  std::optional<QuietList> quiet;
  if (removed + inserted > 1) quiet.emplace(list_);
  for (std::size_t n = 0; n < removed; ++n)
    SendMessageA(list_, combo_ ? CB_DELETESTRING : LB_DELETESTRING, static_cast<WPARAM>(at), 0);
  shown_.erase(shown_.begin() + static_cast<std::ptrdiff_t>(at),
               shown_.begin() + static_cast<std::ptrdiff_t>(at + removed));
  if (inserted > 1)
    SendMessageA(list_, combo_ ? CB_INITSTORAGE : LB_INITSTORAGE, static_cast<WPARAM>(inserted),
                 static_cast<LPARAM>(inserted * 16));
  for (std::size_t n = 0; n < inserted; ++n) insert(at + n, items[at + n]);
}

void ListSync::insert(std::size_t at, const std::string& item) {
  const std::string text = toAnsi(item);
  // Adding at the end is the common case.
  const bool atEnd = at == shown_.size();
  const UINT message = combo_ ? (atEnd ? CB_ADDSTRING : CB_INSERTSTRING) : (atEnd ? LB_ADDSTRING : LB_INSERTSTRING);
  SendMessageA(list_, message, atEnd ? 0 : static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(text.c_str()));
  shown_.insert(shown_.begin() + static_cast<std::ptrdiff_t>(at), item);
}

}  // namespace win32
