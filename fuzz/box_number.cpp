// Numbers typed into the boxes: the first byte picks a box, the rest is its text. The text
// goes through the box's change handler, as an edit does, and the clamps write it back; a
// box number read and written back reads the same again. The same bytes spelt in the
// characters of a number are read as the C library reads them.
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>

#include "app/box_number.h"
#include "support/fuzz_window.h"

namespace {
// Each byte as one of the pieces a decimal number is written with; runs of digits too, so
// that numbers beyond a double's range, either way, are a few bytes away.
std::string numberSpelling(std::string_view bytes) {
  static const std::string kZeros(64, '0'), kNines(64, '9');
  static const std::string_view kPieces[] = {" ", "0", "1", "2", "3", "4", "5", "6", "7", "8",
                                             "9", ".", "e", "E", "+", "-", kZeros, kNines};
  std::string text;
  for (char c : bytes) text += kPieces[static_cast<unsigned char>(c) % std::size(kPieces)];
  return text;
}

// Within a double's range the reading is strtod's, to far more digits than a box shows (the
// last digit of a long number may round either way); a number too small for a double reads
// as a tiny one or 0. One too large for it is left open: how it is read is the reader's.
void requireReadAsStrtod(const std::string& text) {
  errno = 0;
  const double expected = std::strtod(text.c_str(), nullptr);
  const bool overflow = errno == ERANGE && std::fabs(expected) > 1;
  const double read = leadingNumber(text);
  if (std::fabs(expected) < DBL_MIN) {
    require(std::fabs(read) < DBL_MIN, "a number too small for a double reads as a tiny one");
  } else if (!overflow) {
    require(std::fabs(read - expected) <= std::fabs(expected) * 1e-12,
            "a number within a double's range reads as the C library reads it");
  }
}

// Puts the boxes back to where the choice of dod leaves them; every input starts from there.
void resetBoxes(Zarn& z) {
  z.cmbMaxPlayers.setText("8");
  z.txtSturmbotMaxBots.setText(" 0");  // the lower follows down to 0
  z.txtSturmbotMaxReaction.setText(" 500");
  z.txtSturmbotMinReaction.setText(" 300");
}

bool readsTheSameAgain(const std::string& boxText) {
  const std::int16_t whole = boxWholeNumber(boxText);
  return boxNumberText(whole) == boxText;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  FuzzWindow& window = FuzzWindow::instance();
  Zarn& z = window.zarn;
  window.keepModChosen("dod");

  const std::string text = inputText(data + 1, size - 1);
  requireReadAsStrtod(numberSpelling(text));
  const std::int16_t whole = boxWholeNumber(text);
  const std::string written = boxNumberText(whole);
  require(boxWholeNumber(written) == whole && leadingNumber(written) == whole, "a written-back number reads the same");

  resetBoxes(z);
  switch (data[0] % 5) {
    case 0: z.txtSturmbotMinBots.setText(text); break;
    case 1: z.txtSturmbotMaxBots.setText(text); break;
    case 2: z.txtSturmbotMinReaction.setText(text); break;
    case 3: z.txtSturmbotMaxReaction.setText(text); break;
    default: z.cmbMaxPlayers.setText(text); break;
  }
  const double players = leadingNumber(z.cmbMaxPlayers.text());
  require(players >= 1 && players <= 32, "the maximum players stay within 1 to 32");
  if (data[0] % 5 < 4) {
    for (const forms::TextBox* box : {&z.txtSturmbotMinBots, &z.txtSturmbotMaxBots, &z.txtSturmbotMinReaction,
                                      &z.txtSturmbotMaxReaction})
      require(readsTheSameAgain(box->text()), "a clamped box holds a number that reads the same again");
  }
  return 0;
}
