// The class-limit editor of the Map Cycle page: it opens over the selected map's own file,
// and every pick of a class or a limit rebuilds the file's text in the preview.
#include "app/zarn.h"
#include "maps/class_side.h"

namespace {
void showLimitOfClass(const ClassSide& side, int slot) { side.limitList.setText(side.limits[slot]); }
void storeLimitOfClass(const ClassSide& side, int slot) { side.limits[slot] = side.limitList.text(); }
}  // namespace

void Zarn::chkClassLimit_Click() {
  const bool open = chkClassLimit.checked();
  frmMapSetup.setWidth(open ? intFrameWidthWide : intFrameWidth);
  LockMapList(open);
  frmClassLimit.setVisible(open);
  if (!open) {
    // Closing writes nothing: the edits stay in the tables only.
    PreviewMapCycle();
    return;
  }
  cmdClassLimitOK.setEnabled(true);
  LoadMapClassLimits();
  BuildClassLimitLines();
  PreviewMapCfg();
}

void Zarn::cmbClassAllies_Click() { ClassLimitPicked(alliesSide(*this), showLimitOfClass); }
void Zarn::cmbClassAxis_Click() { ClassLimitPicked(axisSide(*this), showLimitOfClass); }
void Zarn::cmbLimitAllies_Click() { ClassLimitPicked(alliesSide(*this), storeLimitOfClass); }
void Zarn::cmbLimitAxis_Click() { ClassLimitPicked(axisSide(*this), storeLimitOfClass); }

// A class typed that the table does not have changes nothing, yet the text is rebuilt.
void Zarn::ClassLimitPicked(const ClassSide& side, void (*onSlot)(const ClassSide& side, int slot)) {
  LockMapList(true);
  if (const int slot = slotOf(side, side.classList.text())) onSlot(side, slot);
  BuildClassLimitLines();
  PreviewMapCfg();
  cmdClassLimitOK.setEnabled(true);
}

void Zarn::PreviewMapCfg() { PreviewFile(lstMapList.text() + ".cfg", strOtherCfgLines + "\r\n" + strClassLimitLines); }

void Zarn::LockMapList(bool locked) {
  for (forms::Control* control : std::initializer_list<forms::Control*>{&lstMapList, &cmdClearMapList, &cmdAddMap, &cmdMapOK})
    control->setEnabled(!locked);
}
