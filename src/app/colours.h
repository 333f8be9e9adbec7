// The colours the window paints its status texts and step buttons with (0x00BBGGRR).
#pragma once

#include "forms/control.h"

namespace colours {
constexpr forms::Color kPrompt = 0xFF1111;      // blue: prompts, confirmations, questions
constexpr forms::Color kError = 0x1111FF;       // red: errors and warnings
constexpr forms::Color kChecking = 0x111111;    // near black: a check in progress
constexpr forms::Color kStarted = 0x118811;     // green: the server has been started
constexpr forms::Color kStepPending = 0xC0C0FF; // pink
constexpr forms::Color kStepSaved = 0xC0FFC0;   // light green
}  // namespace colours
