#include "app/batch_text.h"

namespace {
constexpr std::string_view kNeedQuotes = " \t&()[]{}^=;!'+,`~|<>";
constexpr std::string_view kTakeCaret = "&|<>^";
}  // namespace

std::string quotedIfSpecial(std::string_view path) {
  if (path.find_first_of(kNeedQuotes) == std::string_view::npos) return std::string(path);
  return '"' + std::string(path) + '"';
}

std::string literalOutsideQuotes(std::string_view line) {
  std::string written;
  written.reserve(line.size());
  bool quoted = false;
  for (char c : line) {
    if (c == '"') quoted = !quoted;
    if (!quoted && kTakeCaret.find(c) != std::string_view::npos) written += '^';
    written += c;
  }
  return written;
}

std::string batchFileLine(std::string_view line) {
  std::string written;
  written.reserve(line.size());
  for (char c : line) {
    if (c == '%') written += '%';
    written += c == '\r' || c == '\n' ? ' ' : c;
  }
  return written;
}

std::string interpreterCommand(std::string_view command) {
  std::string written;
  written.reserve(command.size());
  for (char c : command) {
    written += c;
    if (c == '%') written += "\"\"";
  }
  return written;
}
