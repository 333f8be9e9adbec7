#include "app/zarn.h"

void Zarn::optServerFile_Click() {}  // STUB: not built yet
void Zarn::chkFriendlyFire_Click() {}  // STUB: not built yet
void Zarn::chkFootSteps_Click() {}  // STUB: not built yet
void Zarn::chkFlashlight_Click() {}  // STUB: not built yet
void Zarn::chkDeathMsgs_Click() {}  // STUB: not built yet
void Zarn::chkFallDamage_Click() {}  // STUB: not built yet
void Zarn::chkLAN_Click() {}  // STUB: not built yet
void Zarn::txtTeamLimit_Change() {}  // STUB: not built yet
void Zarn::txtMapTime_Change() {}  // STUB: not built yet
void Zarn::txtExtra2_Change() {}  // STUB: not built yet
void Zarn::txtHostName_Change() {}  // STUB: not built yet
void Zarn::cmdServerOK_Click() {}  // STUB: not built yet
