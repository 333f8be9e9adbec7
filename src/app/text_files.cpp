#include "app/text_lines.h"
#include "app/zarn.h"

bool Zarn::WriteTextFileQuietly(const std::string& path, std::initializer_list<std::string> texts, std::string& error,
                                platform::CodePage codePage) {
  std::string body;
  for (const std::string& text : texts) body += text + "\r\n";
  const platform::Outcome outcome = system_.writeTextFile(path, body, codePage);
  error = outcome.error;
  return outcome.ok();
}

bool Zarn::WriteTextFile(const std::string& path, std::initializer_list<std::string> texts,
                         platform::CodePage codePage) {
  std::string error;
  if (WriteTextFileQuietly(path, texts, error, codePage)) return true;
  AlertUnwritten(path, error);
  return false;
}

void Zarn::AlertUnwritten(const std::string& path, const std::string& error) {
  Alert("Cannot write " + path + ": " + error);
}

bool Zarn::DeleteFileOrAlert(const std::string& path) {
  const platform::Outcome outcome = system_.deleteFile(path);
  if (outcome.ok()) return true;
  Alert("Cannot delete " + path + ": " + outcome.error);
  return false;
}

void Zarn::Alert(const std::string& text) {
  system_.messageBox(text, "ZARN Alert!", platform::MessageStyle::Exclamation, platform::MessageButtons::Ok);
}

std::string Zarn::ModPath(const std::string& tail) const { return strHalfLifeDir + cmbModList.text() + tail; }

bool Zarn::FileIsPresent(const std::string& path) {
  const std::string name = bareName(path);
  return !name.empty() && system_.lookUp(path) == name;
}
