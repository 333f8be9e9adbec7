#pragma once

#include "platform/platform.h"

// The hourglass for as long as it lives, the arrow again on every way out.
class BusyPointer {
 public:
  explicit BusyPointer(platform::Platform& system) : system_(system) { system_.setBusy(true); }
  ~BusyPointer() { system_.setBusy(false); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  platform::Platform& system_;
};
