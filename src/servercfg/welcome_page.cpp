#include "app/zarn.h"

void Zarn::optMotd_Click() {}  // STUB: not built yet
void Zarn::cmdSaveFile_Click() {}  // STUB: not built yet
