#include "app/zarn.h"

void Zarn::optMapFile_Click() {}  // STUB: not built yet
void Zarn::lstMapList_Click() {}  // STUB: not built yet
void Zarn::lstMapList_DblClick() {}  // STUB: not built yet
void Zarn::cmdAddMap_Click() {}  // STUB: not built yet
void Zarn::cmdClearMapList_Click() {}  // STUB: not built yet
void Zarn::cmdMapOK_Click() {}  // STUB: not built yet
