// The addbot lines of per-map mode: a team option loads its classes, a class pick offers
// Add Bot, which appends one line for the bot as entered; Clear Bots empties them.
#include "app/text_lines.h"
#include "app/zarn.h"

namespace {
// "addbot <team> <class> <skill> <name>": the fields as they stand, an empty one leaving
// its blank.
std::string addBotLine(const Zarn& z, const char* team) {
  return std::string("addbot ") + team + " " + firstCharacter(z.cmbSturmbotClass.text()) + " " +
         z.cmbSturmbotSkill.text() + " " + z.txtSturmbotName.text();
}

void append(std::string& lines, const std::string& line) { lines += (lines.empty() ? "" : "\r\n") + line; }
}  // namespace

void Zarn::optSturmbotAllies1_Click() {
  LoadClassList({"1-Rifleman", "2-Staff Sergeant", "3-Master Sergeant", "4-Sergeant", "5-Sniper",
                 "6-Support Infantry", "7-Machine Gunner"});
}

void Zarn::optSturmbotAllies2_Click() {
  LoadClassList({"1-Rifleman", "2-Sergeant Major", "3-Marksman", "4-Gunner"});
}

void Zarn::optSturmbotAxis1_Click() {
  LoadClassList({"1-Grenadier", "2-Stosstruppe", "3-Unteroffizier", "4-Sturmtruppe", "5-Scharfsch\u00fctze",
                 "6-MG34-Sch\u00fctze", "7-MG42-Sch\u00fctze"});
}

// Picks no class and leaves Add Bot as it is: the class box keeps its text.
void Zarn::LoadClassList(std::initializer_list<const char*> classes) {
  cmbSturmbotClass.clear();
  if (lowerCase(cmbModList.text()) != "dod") return;
  for (const char* item : classes) cmbSturmbotClass.addItem(item);
}

void Zarn::cmbSturmbotClass_Click() { cmdSturmbotAdd.setEnabled(true); }

void Zarn::cmdSturmbotAdd_Click() {
  // Both Allies options are team 1, the British one too; with no option selected no line.
  if (optSturmbotAllies1.value() || optSturmbotAllies2.value()) append(strAddBotLines, addBotLine(*this, "1"));
  if (optSturmbotAxis1.value()) append(strAddBotLines, addBotLine(*this, "2"));
  ShowBotText();
  cmdSturmbotClear.setEnabled(true);
  cmdSturmbotSave.setEnabled(true);
}

void Zarn::cmdSturmbotClear_Click() {
  strAddBotLines = "";
  RebuildBotText();
}
