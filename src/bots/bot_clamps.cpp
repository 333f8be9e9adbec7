// The two clamps of the Sturmbot page: they keep the bot counts within the maximum players
// and each lower value below its upper one, and write both boxes back in the written-back
// form. A written-back box runs its change handler once more, which clamps again and finds
// nothing left to change.
#include "app/box_number.h"
#include "app/zarn.h"

void Zarn::ClampBotCounts() {
  const Integer maxPlayers = boxWholeNumber(cmbMaxPlayers.text());
  Integer lower = boxWholeNumber(txtSturmbotMinBots.text());
  Integer upper = boxWholeNumber(txtSturmbotMaxBots.text());
  if (lower > maxPlayers) lower = oneBelow(maxPlayers);
  if (upper > maxPlayers) upper = maxPlayers;
  if (upper < lower) lower = oneBelow(upper);
  if (lower < 0) lower = 0;
  // Nothing raises the upper: a negative one stays, with the lower at 0.
  txtSturmbotMinBots.setText(boxNumberText(lower));
  txtSturmbotMaxBots.setText(boxNumberText(upper));
}

void Zarn::ClampReactionTimes() {
  Integer lower = boxWholeNumber(txtSturmbotMinReaction.text());
  Integer upper = boxWholeNumber(txtSturmbotMaxReaction.text());
  if (lower >= upper) lower = oneBelow(upper);
  if (lower < 0) lower = 0;
  if (upper <= lower) upper = lower;
  txtSturmbotMinReaction.setText(boxNumberText(lower));
  txtSturmbotMaxReaction.setText(boxNumberText(upper));
}
