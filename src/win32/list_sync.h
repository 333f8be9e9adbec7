// Brings the items of a native list box or combo box to the model's. The model adds and
// removes one item at a time, thousands of them in a row, and tells which: each change
// costs one native call, whatever the length of the list.
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
  // Follows the model's last change, or fills the list anew when it is not in step (the
  // first time, or after the model was emptied). True when it was emptied and filled anew,
  // which empties a combo box's edit too.
  bool update(const forms::ItemList& model);

 private:
  void refill(const std::vector<std::string>& items);
  void add(const std::string& item);
  void remove(std::size_t index);

  HWND list_;
  bool combo_;
  std::size_t shown_ = 0;  // how many items the native list holds
};

}  // namespace win32
