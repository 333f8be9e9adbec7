// Brings the items of a native list box or combo box to the model's. The model adds and
// removes one item at a time, thousands of them in a row, and tells which: each change
// costs one native call, whatever the length of the list, and none while it is out of
// sight.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "forms/control.h"

namespace win32 {

class ListSync {
 public:
  ListSync(HWND list, bool isComboBox) : list_(list), combo_(isComboBox) {}
  // Follows the model's last change while the list is in sight. Out of sight it only notes
  // that it is behind; it catches up the next time it is in sight, in one refill. True when
  // the list was emptied and filled anew.
  bool update(const forms::ItemList& model, bool inSight);
  bool catchUp(const forms::ItemList& model);  // true when it was behind

 private:
  void refill(const std::vector<std::string>& items);
  void add(const std::string& item);
  void remove(std::size_t index);

  HWND list_;
  bool combo_;
  std::size_t shown_ = 0;  // how many items the native list holds
  bool behind_ = false;
};

}  // namespace win32
