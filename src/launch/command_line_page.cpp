#include "app/zarn.h"

void Zarn::optCommandLine_Click() {}  // STUB: not built yet
void Zarn::optCommandLine_MouseDown() {}  // STUB: not built yet
void Zarn::chkConsole_Click() {}  // STUB: not built yet
void Zarn::chkIPX_Click() {}  // STUB: not built yet
void Zarn::chkDedicated_Click() {}  // STUB: not built yet
void Zarn::cmbMapList1_Click() {}  // STUB: not built yet
void Zarn::cmbMapList1_LostFocus() {}  // STUB: not built yet
void Zarn::cmbMaxPlayers_Change() {}  // STUB: not built yet
void Zarn::cmbMaxPlayers_Click() {}  // STUB: not built yet
void Zarn::cmbPort_Click() {}  // STUB: not built yet
void Zarn::cmbPort_LostFocus() {}  // STUB: not built yet
void Zarn::txtExtra1_Change() {}  // STUB: not built yet
void Zarn::txtExtra1_LostFocus() {}  // STUB: not built yet
void Zarn::cmdCommandOK_Click() {}  // STUB: not built yet
