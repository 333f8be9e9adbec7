#include "app/zarn.h"

void Zarn::cmbModList_Click() {}  // STUB: not built yet
