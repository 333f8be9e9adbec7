// Brings the items of a native list box or combo box to the model's. The model adds and
// removes one item at a time, thousands of them in a row, so only the part that differs
// from what the list shows is touched.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace win32 {

class ListSync {
 public:
  ListSync(HWND list, bool isComboBox) : list_(list), combo_(isComboBox) {}
  // True when the list was emptied and filled anew, which empties a combo box's edit too.
  bool update(const std::vector<std::string>& items);

 private:
  void rebuild(const std::vector<std::string>& items);  // emptied and filled anew
  void replace(std::size_t at, std::size_t removed, const std::vector<std::string>& items, std::size_t inserted);
  void insert(std::size_t at, const std::string& item);

  HWND list_;
  bool combo_;
  std::vector<std::string> shown_;  // what the native list holds, as the model wrote it
};

}  // namespace win32
