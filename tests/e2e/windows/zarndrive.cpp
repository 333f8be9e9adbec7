// zarndrive.exe: drives a running zarn.exe through its native windows, as an operator
// would, and checks what its windows show. Used by the end-to-end tests under Wine.
//
//   zarndrive.exe <script>
//
// The script holds one command a line; blank lines and lines starting with # are skipped.
// Arguments are separated by blanks; one that holds blanks is written in double quotes,
// a quote inside it doubled (""). Backslashes are plain characters. Texts read back from
// the windows are compared in UTF-8, as the script is written. Controls and menu
// entries are named as in the program (txtExec, cmbModList, mnuExit).
//
//   launch <zarn.exe>            start zarn and wait until its window shows
//   attach                       use the zarn window that shows already
//   type <box> <text>            click into a text or combo box, select all and type the text
//                                key by key ({enter} is the Enter key; "" deletes all)
//   pick <combo|list> <item>     choose the item with that text (a combo box gets the
//                                keyboard first; a list box is clicked on the item)
//   dblclick <list> <item>       double-click the item with that text
//   click <control> [right|middle]
//                                click a command button, check box or option button (with
//                                the left mouse button, or the one named)
//   menu <entry>                 click a menu entry
//   answer <title> <Ok|Yes|No> <text>
//                                wait for zarn's message box with that title, check its text
//                                ({enter} is a line end), press the button
//   expect <control> <state> <value>...
//                                wait until the control shows that state; states:
//                                text <text> | enabled yes|no | visible yes|no |
//                                checked yes|no | items <item>... (all of them, in order)
//   print <control> <state>      print the state (text, enabled, visible, checked, items)
//   close                        close the window with its close box
//   ended                        wait until zarn has ended
//   geometry [<control>]         wait until the window is painted, print its place (or the
//                                control's) on the screen as WIDTHxHEIGHT+LEFT+TOP
//   repaint                      have the whole window drawn again
//   hold <file>                  open the file without sharing it, as another program that
//                                holds it does, until the driver ends
//   remove <file>                delete the file (a stand-in's marker)
//   timed <command> <argument>...
//                                run the command, wait until the window is painted and print
//                                the milliseconds that took (for the benchmark)
//
// Every command waits until zarn has handled what it did (or shows a message box); every
// wait is bounded. On the first failure it prints why, ends a zarn it started and exits 1.
#include <windows.h>

#include <cstdio>
#include <fstream>

#include "bounded_wait.h"
#include "commands.h"
#include "script_line.h"

namespace zarndrive {

namespace {

int run(const char* scriptPath) {
  std::ifstream script(scriptPath);
  if (!script) {
    std::fprintf(stderr, "zarndrive: cannot read %s\n", scriptPath);
    return 2;
  }
  ZarnWindow zarn;
  std::string line;
  for (int number = 1; std::getline(script, line); ++number) {
    try {
      Arguments words = splitLine(line);
      if (words.empty() || words[0][0] == '#') continue;
      const auto command = commands().find(words[0]);
      if (command == commands().end()) throw Failure("unknown command " + words[0]);
      command->second(zarn, Arguments(words.begin() + 1, words.end()));
    } catch (const Failure& failure) {
      std::fprintf(stderr, "zarndrive: %s:%d: %s\n  %s\n", scriptPath, number, line.c_str(), failure.what());
      zarn.stopLaunched();
      return 1;
    }
  }
  return 0;
}

}  // namespace

}  // namespace zarndrive

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zarndrive.exe <script>\n");
    return 2;
  }
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  return zarndrive::run(argv[1]);
}
