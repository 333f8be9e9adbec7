#include "script_line.h"

#include "bounded_wait.h"

namespace zarndrive {

std::vector<std::string> splitLine(const std::string& line) {
  std::vector<std::string> words;
  std::size_t at = 0;
  for (;;) {
    at = line.find_first_not_of(" \t\r", at);
    if (at == std::string::npos) return words;
    std::string word;
    if (line[at] != '"') {
      const std::size_t end = line.find_first_of(" \t\r", at);
      word = line.substr(at, end - at);
      at = end;
    } else {
      for (++at;; ++at) {
        if (at >= line.size()) throw Failure("a quote is not closed");
        if (line[at] == '"' && (at + 1 >= line.size() || line[at + 1] != '"')) break;
        if (line[at] == '"') ++at;
        word += line[at];
      }
      ++at;
    }
    words.push_back(word);
  }
}

}  // namespace zarndrive
