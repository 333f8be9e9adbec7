// The one rule for texts that go to the command interpreter, cmd.exe: what is written into
// a batch file and what is handed to the interpreter as its command. Texts without any of
// the characters named here come out unchanged.
#pragma once

#include <string>
#include <string_view>

// A path as one word of a command: in double quotes when it holds a blank or any character
// that the interpreter treats specially (the ones its own help lists, and | < >), else as
// it is.
std::string quotedIfSpecial(std::string_view path);

// A command line as a program is to receive it, written so that the interpreter hands it
// on unchanged: & | < > ^ outside double quotes take a caret. Quotes are counted as the
// interpreter counts them, so what stands inside the operator's own quotes is left alone.
std::string literalOutsideQuotes(std::string_view line);

// A line as a batch file holds it: % doubled, since the interpreter reads %...% in a batch
// file as a variable; a line break, which would end the line early, becomes a blank.
std::string batchFileLine(std::string_view line);

// A command handed to the interpreter directly: two double quotes after every %, so that
// no %...% can name a variable (no variable's name begins with a quote), while the words
// stay the same.
std::string interpreterCommand(std::string_view command);
