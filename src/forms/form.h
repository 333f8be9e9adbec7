// The window that holds the controls: its caption, size and the controls in creation
// order (front to back, and the tab order), so a view can build itself from it.
#pragma once

#include <string>
#include <vector>

#include "forms/control.h"

namespace forms {

struct Form {
  std::string caption;
  int clientWidth = 0;   // twips
  int clientHeight = 0;
  Color backColor = 0;
  std::vector<Control*> controls;  // every control, containers before their content
  std::vector<MenuEntry*> menu;    // top-level menu entries, left to right

  template <typename... C>
  void add(C&... control) { (controls.push_back(&control), ...); }
};

}  // namespace forms
