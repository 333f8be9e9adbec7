#include "app/zarn.h"

void Zarn::LoadWeaponClassTables() {}  // STUB: not built yet
void Zarn::LoadClassTypeTables() {}  // STUB: not built yet
void Zarn::LoadBritishAlliesTable() {}  // STUB: not built yet
