#include "support/fake_platform.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "app/text_lines.h"
#include "support/bsp_file.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> components(const std::string& windowsPath) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : windowsPath.substr(2)) {
    if (c == '\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

// Splits a command line into words; double quotes group blanks and are dropped.
std::vector<std::string> words(const std::string& line) {
  std::vector<std::string> result;
  std::string word;
  bool quoted = false, any = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if (c == ' ' && !quoted) {
      if (any) result.push_back(word);
      word.clear();
      any = false;
    } else {
      word += c;
      any = true;
    }
  }
  if (any) result.push_back(word);
  return result;
}

// One command as the interpreter runs it: the program's command line as it hands it on,
// and the file its output goes to.
struct Command {
  std::string line, output;
};

// In a batch file, %% is a % and %name% a variable, none of which is set here; a lone %
// goes. On the interpreter's own command line an unset %name% stays as it is.
std::string expandVariables(const std::string& line) {
  std::string expanded;
  for (std::size_t at = 0; at < line.size(); ++at) {
    if (line[at] != '%') {
      expanded += line[at];
    } else if (at + 1 < line.size() && line[at + 1] == '%') {
      expanded += '%';
      ++at;
    } else {
      const std::size_t close = line.find('%', at + 1);
      if (close != std::string::npos) at = close;
    }
  }
  return expanded;
}

// Outside double quotes a caret takes the next character as it is, & and | end a command,
// and > sends the command's output into the file named after it.
std::vector<Command> interpreterCommands(const std::string& line, bool batchFile) {
  const std::string text = batchFile ? expandVariables(line) : line;
  std::vector<Command> commands;
  std::string command, output;
  bool quoted = false, redirected = false;
  auto finish = [&] {
    const std::size_t first = command.find_first_not_of(' ');
    if (first != std::string::npos) {
      command.erase(0, first);
      if (redirected) command.erase(command.find_last_not_of(' ') + 1);
      const std::vector<std::string> target = words(output);
      commands.push_back({command, target.empty() ? "" : target[0]});
    }
    command.clear();
    output.clear();
    redirected = false;
  };
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    std::string& into = redirected ? output : command;
    if (c == '"') quoted = !quoted;
    if (quoted || c == '"') {
      into += c;
    } else if (c == '^' && at + 1 < text.size()) {
      into += text[++at];
    } else if (c == '&' || c == '|') {
      finish();
    } else if (c == '>') {
      redirected = true;
    } else {
      into += c;
    }
  }
  finish();
  return commands;
}

// The upper-cased extension that a name's generated short name would carry ("x.bspx" is
// "X~1.BSP"): the first three characters of the last extension, when it is longer than
// three and so needs a short name at all.
std::string shortExtension(const std::string& name) {
  const std::size_t dot = name.find_last_of('.');
  if (dot == std::string::npos || name.size() - dot - 1 <= 3) return "";
  return lowerCase(name.substr(dot + 1, 3));
}

// Only the patterns the program uses: "*" and "*.ext", matched as the file system matches
// them, against the long name and the short one.
bool matchesPattern(const std::string& name, const std::string& pattern) {
  if (pattern == "*") return true;
  const std::string extension = lowerCase(pattern.substr(2));
  const std::string tail = "." + extension;
  const std::string lower = lowerCase(name);
  return (lower.size() >= tail.size() && lower.compare(lower.size() - tail.size(), tail.size(), tail) == 0) ||
         shortExtension(name) == extension;
}

// The order in which NTFS keeps names: compared upper-cased, character by character.
bool fileSystemOrder(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(x))) <
           static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(y)));
  });
}

// Whether the path is among `paths`, which are held in lower case as Windows compares them.
bool isListed(const std::vector<std::string>& paths, const std::string& path) {
  return std::find(paths.begin(), paths.end(), lowerCase(path)) != paths.end();
}

std::string readWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}
}  // namespace

class FakePlatform::Process : public platform::StartedProcess {
 public:
  Process(FakePlatform& owner, std::shared_ptr<Job> job) : owner_(owner), job_(std::move(job)) {}
  bool hasEnded() override {
    owner_.runDueJobs();
    return job_->done && owner_.folderCreations_ >= job_->endsAt;
  }
  bool hasFailed() override { return hasEnded() && job_->failed; }

 private:
  FakePlatform& owner_;
  std::shared_ptr<Job> job_;
};

FakePlatform::FakePlatform() {
  std::string pattern = (fs::temp_directory_path() / "zarn-fake-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
  root_ = pattern;
  fs::create_directories(root_ / "C" / "WINDOWS");
  fs::create_directories(root_ / "C" / "TEMP");
}

FakePlatform::~FakePlatform() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

fs::path FakePlatform::hostPath(const std::string& windowsPath) const {
  if (windowsPath.size() < 2 || windowsPath[1] != ':') return root_ / "unreachable";
  fs::path path = root_ / std::string(1, static_cast<char>(std::toupper(windowsPath[0])));
  for (const std::string& part : components(windowsPath)) {
    fs::path next = path / part;
    std::error_code error;
    if (!fs::exists(next, error) && fs::is_directory(path, error)) {
      for (const auto& entry : fs::directory_iterator(path, error))
        if (lowerCase(entry.path().filename().string()) == lowerCase(part)) {
          next = entry.path();
          break;
        }
    }
    path = next;
  }
  return path;
}

void FakePlatform::writeFile(const std::string& windowsPath, const std::string& content) {
  const fs::path path = hostPath(windowsPath);
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << content;
}

void FakePlatform::makeFolder(const std::string& windowsPath) { fs::create_directories(hostPath(windowsPath)); }

std::string FakePlatform::fileContent(const std::string& windowsPath) const {
  const fs::path path = hostPath(windowsPath);
  return fs::is_regular_file(path) ? readWhole(path) : std::string();
}

bool FakePlatform::exists(const std::string& windowsPath) const { return fs::exists(hostPath(windowsPath)); }

void FakePlatform::refuseWritesTo(const std::string& windowsPath) { refused_.push_back(lowerCase(windowsPath)); }

void FakePlatform::refuseReadsOf(const std::string& windowsPath) { unreadable_.push_back(lowerCase(windowsPath)); }

void FakePlatform::holdOpen(const std::string& windowsPath) { held_.push_back(lowerCase(windowsPath)); }

bool FakePlatform::isHeld(const std::string& path) const {
  const std::string name = lowerCase(path);
  if (std::find(held_.begin(), held_.end(), name) != held_.end()) return true;
  return std::any_of(jobs_.begin(), jobs_.end(), [&](const std::shared_ptr<Job>& job) {
    return job->done && !job->failed && folderCreations_ < job->endsAt && lowerCase(job->redirectTo) == name;
  });
}

void FakePlatform::hide(const std::string& windowsPath) { hidden_.push_back(hostPath(windowsPath)); }

std::string FakePlatform::lookUp(const std::string& path) {
  runDueJobs();
  if (path.empty() || path.back() == '\\') return "";
  const fs::path host = hostPath(path);
  return fs::exists(host) ? host.filename().string() : std::string();
}

platform::FolderListing FakePlatform::listFolder(const std::string& path, platform::Entries entries) {
  ++listings;
  const std::size_t slash = path.find_last_of('\\');
  const std::string folder = path.substr(0, slash + 1);
  const std::string pattern = slash + 1 < path.size() ? path.substr(slash + 1) : "*";
  platform::FolderListing listing;
  if (!unlistableFolder.empty() && lowerCase(folder) == lowerCase(unlistableFolder)) {
    listing.error = "Access is denied.";
    return listing;
  }
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(hostPath(folder), error)) {
    const std::string name = entry.path().filename().string();
    const bool hidden = std::find(hidden_.begin(), hidden_.end(), entry.path()) != hidden_.end();
    if (entries == platform::Entries::Folders ? entry.is_directory() : !hidden && matchesPattern(name, pattern))
      listing.names.push_back(name);
  }
  std::sort(listing.names.begin(), listing.names.end(), fileSystemOrder);
  return listing;
}

std::optional<std::string> FakePlatform::readTextFile(const std::string& path, std::string& why) {
  runDueJobs();
  const fs::path host = hostPath(path);
  if (isListed(unreadable_, path)) {
    why = "The process cannot access the file because it is being used by another process.";
    return std::nullopt;
  }
  if (!fs::is_regular_file(host)) {
    why = "The system cannot find the file specified.";
    return std::nullopt;
  }
  return readWhole(host);
}

platform::Outcome FakePlatform::writeTextFile(const std::string& path, const std::string& text,
                                              platform::CodePage codePage) {
  runDueJobs();
  const std::string name = lowerCase(path);
  if (std::any_of(refused_.begin(), refused_.end(), [&name](const std::string& refused) {
        return name == refused || (refused.back() == '\\' && name.starts_with(refused));
      }))
    return {"Access is denied."};
  if (isHeld(path)) return {"The process cannot access the file because it is being used by another process."};
  codePages[path] = codePage;
  const fs::path host = hostPath(path);
  if (!fs::is_directory(host.parent_path())) return {"The system cannot find the path specified."};
  const fs::path fresh = host.string() + ".new";
  std::ofstream(fresh, std::ios::binary) << text;
  fs::rename(fresh, host);
  return {};
}

platform::Outcome FakePlatform::deleteFile(const std::string& path) {
  runDueJobs();
  if (undeletable || isHeld(path)) return {"The process cannot access the file because it is being used by another process."};
  std::error_code error;
  if (!fs::remove(hostPath(path), error)) return {"The system cannot find the file specified."};
  return {};
}

bool FakePlatform::createFolder(const std::string& path) {
  ++folderCreations_;
  runDueJobs();
  std::error_code error;
  return fs::create_directory(hostPath(path), error);
}

bool FakePlatform::removeFolder(const std::string& path) {
  std::error_code error;
  const fs::path host = hostPath(path);
  return fs::is_directory(host) && fs::remove(host, error);
}

std::unique_ptr<platform::StartedProcess> FakePlatform::startHidden(const std::string& commandLine) {
  startedCommands.push_back(commandLine);
  if (startsFail) return nullptr;
  const std::vector<Command> commands = interpreterCommands(commandLine, false);
  if (commands.empty() || commandsNeverRun) return std::make_unique<Process>(*this, std::make_shared<Job>());
  auto job = std::make_shared<Job>();
  const std::optional<std::string> batch = readTextFile(words(commands[0].line)[0]);
  if (batch) {
    std::istringstream lines(*batch);
    for (std::string line; std::getline(lines, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty()) job->lines.push_back(line);
    }
  }
  job->redirectTo = commands[0].output;
  job->dueAt = folderCreations_ + 80LL * outputDelayWaits;
  job->endsAt = job->dueAt + 80LL * endDelayWaits;
  jobs_.push_back(job);
  runDueJobs();
  return std::make_unique<Process>(*this, job);
}

void FakePlatform::runDueJobs() {
  for (const auto& job : jobs_) {
    if (job->done || folderCreations_ < job->dueAt) continue;
    interpret(*job);
    job->done = true;
  }
}

// The interpreter cannot send output into a file another process holds: the command
// fails, and nothing of it runs.
bool FakePlatform::redirect(const std::string& file, const std::string& output) {
  if (file.empty()) return true;
  if (isHeld(file)) return false;
  writeFile(file, output);
  return true;
}

void FakePlatform::interpret(Job& job) {
  job.failed = !redirect(job.redirectTo, "");
  if (job.failed) return;
  for (const std::string& line : job.lines) {
    for (const Command& command : interpreterCommands(line, true)) {
      const std::vector<std::string> parts = words(command.line);
      if (parts.empty()) continue;
      if (!redirect(command.output, "")) {
        job.failed = true;
        continue;
      }
      programsRun.push_back(command.line);
      if (!fs::is_regular_file(hostPath(parts[0])))
        job.failed = true;
      else if (parts.size() >= 3 && parts[1] == "-export" &&
               lowerCase(parts[0].substr(parts[0].find_last_of('\\') + 1)) == "ripent.exe")
        exportEntities(parts[0], parts[2]);
    }
  }
}

// What ripent.exe does: the map's entity lump as text into <map>.ent beside it; nothing
// for a file that is no map.
void FakePlatform::exportEntities(const std::string& tool, const std::string& bsp) {
  if (!exists(tool) || exportsNothing || bsp.size() < 4) return;
  const std::optional<std::string> entities = entityLumpOf(fileContent(bsp));
  if (entities) writeFile(bsp.substr(0, bsp.size() - 4) + ".ent", *entities);
}

platform::Answer FakePlatform::messageBox(const std::string& text, const std::string& title,
                                          platform::MessageStyle style, platform::MessageButtons buttons) {
  messages.push_back({text, title, style, buttons});
  if (!answers.empty()) {
    const platform::Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return buttons == platform::MessageButtons::Ok ? platform::Answer::Ok : platform::Answer::No;
}

std::shared_ptr<const forms::Picture> FakePlatform::loadPicture(const std::string& path) {
  const std::optional<std::string> content = readTextFile(path);
  if (!content || content->rfind("BM", 0) != 0) return nullptr;
  return std::make_shared<FakePicture>(path);
}
