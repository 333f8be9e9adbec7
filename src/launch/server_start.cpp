#include "app/zarn.h"

void Zarn::cmdStart_Click() {}  // STUB: not built yet
