// One side of the class-limit tables: the window state and the controls that show it.
#pragma once

#include <string>

#include "app/zarn.h"

struct ClassSide {
  forms::Label& caption;
  std::string& prefix;
  Slots<std::string, 20>& classes;
  Slots<std::string, 20>& limits;
  Integer& count;
  forms::ComboBox& classList;
  forms::ComboBox& limitList;
};

ClassSide alliesSide(Zarn& z);
ClassSide axisSide(Zarn& z);

// The slot, 1 to the side's count, whose class is named exactly `className`; 0 for none.
int slotOf(const ClassSide& side, const std::string& className);
