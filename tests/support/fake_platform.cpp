#include "support/fake_platform.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/bsp_file.h"

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kFolderCreationMilliseconds = 5;
constexpr std::int64_t kWaitMilliseconds = 80 * kFolderCreationMilliseconds;  // a wait makes 80 folders

// A command line as the interpreter reads it: before an unquoted '>' the command, split
// into words (double quotes group blanks and are dropped), after it the file that gets the
// command's output.
struct Command {
  std::string line, output;
  std::vector<std::string> words;
};

Command parse(const std::string& line) {
  Command command{line, "", {}};
  std::string word;
  bool quoted = false, any = false, redirected = false;
  for (std::size_t at = 0; at <= line.size(); ++at) {
    const char c = at < line.size() ? line[at] : ' ';
    if (c == '"') quoted = !quoted;
    if ((c == ' ' || c == '>') && !quoted) {
      if (any && !redirected) command.words.push_back(word);
      if (any && redirected && command.output.empty()) command.output = word;
      if (c == '>' && !redirected) command.line = line.substr(0, line.find_last_not_of(' ', at - 1) + 1);
      redirected = redirected || c == '>';
      word.clear();
      any = false;
    } else {
      if (c != '"') word += c;
      any = true;
    }
  }
  return command;
}

// "*" or "*.ext", matched as the file system matches it, against the long name and the
// short one, whose extension is the first three characters of the long one's ("x.bspx" is
// "X~1.BSP").
bool matchesPattern(const std::string& name, const std::string& pattern) {
  if (pattern == "*") return true;
  const std::size_t dot = name.find_last_of('.');
  return dot != std::string::npos && caseFolded(name.substr(dot + 1)).starts_with(caseFolded(pattern.substr(2)));
}

// The order in which NTFS keeps names: compared upper-cased, character by character.
bool fileSystemOrder(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) < std::toupper(static_cast<unsigned char>(y));
  });
}

bool isListed(const std::vector<std::string>& paths, const std::string& path) {
  return std::find(paths.begin(), paths.end(), caseFolded(path)) != paths.end();
}

// The lower-case partner of a letter, as the file system's case table pairs them: ASCII,
// Latin-1, Latin Extended-A, Greek and Cyrillic.
char32_t lowerPartner(char32_t c) {
  const auto inPairs = [c](char32_t first, char32_t last) { return c >= first && c <= last && (c - first) % 2 == 0; };
  if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3A9) ||
      (c >= 0x410 && c <= 0x42F))
    return c + 0x20;
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  if (c == 0x178) return 0xFF;
  if (inPairs(0x100, 0x136) || inPairs(0x139, 0x147) || inPairs(0x14A, 0x176) || inPairs(0x179, 0x17D)) return c + 1;
  return c;
}

const char* const kInUse = "The process cannot access the file because it is being used by another process.";
}  // namespace

std::string caseFolded(std::string_view text) {
  std::string folded;
  for (std::size_t at = 0; at < text.size();) {
    const auto byte = static_cast<unsigned char>(text[at]);
    const std::size_t length = byte < 0xC0 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    if (length == 1 || length == 4 || at + length > text.size()) {  // ASCII, or beyond the table
      folded += length == 1 ? static_cast<char>(lowerPartner(byte)) : text[at];
      ++at;
      continue;
    }
    char32_t c = byte & (length == 2 ? 0x1F : 0x0F);
    for (std::size_t next = 1; next < length; ++next) c = c << 6 | (static_cast<unsigned char>(text[at + next]) & 0x3F);
    c = lowerPartner(c);
    if (length == 2) {
      folded += static_cast<char>(0xC0 | c >> 6);
    } else {
      folded += static_cast<char>(0xE0 | c >> 12);
      folded += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    }
    folded += static_cast<char>(0x80 | (c & 0x3F));
    at += length;
  }
  return folded;
}

class FakePlatform::Process : public platform::StartedProcess {
 public:
  Process(FakePlatform& owner, std::shared_ptr<Job> job) : owner_(owner), job_(std::move(job)) {}
  bool hasEnded() override {
    owner_.runDueJobs();
    // A command that fails ends there: the interpreter runs one line.
    return job_->done && (job_->failed || owner_.now_ >= job_->endsAt);
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
  std::istringstream parts(windowsPath.substr(2));
  for (std::string part; std::getline(parts, part, '\\');) {
    if (part.empty()) continue;
    fs::path next = path / part;
    std::error_code error;
    if (!fs::exists(next, error) && fs::is_directory(path, error))
      for (const auto& entry : fs::directory_iterator(path, error))
        if (caseFolded(entry.path().filename().string()) == caseFolded(part)) next = entry.path();
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

void FakePlatform::remove(const std::string& windowsPath) { fs::remove_all(hostPath(windowsPath)); }

std::string FakePlatform::fileContent(const std::string& windowsPath) const {
  std::ifstream in(hostPath(windowsPath), std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

bool FakePlatform::exists(const std::string& windowsPath) const { return fs::exists(hostPath(windowsPath)); }

bool FakePlatform::isHeld(const std::string& path) const {
  return isListed(held_, path) || std::any_of(jobs_.begin(), jobs_.end(), [&](const std::shared_ptr<Job>& job) {
           return job->done && !job->failed && now_ < job->endsAt && caseFolded(job->output) == caseFolded(path);
         });
}

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
  platform::FolderListing listing;
  if (!unlistableFolder.empty() && caseFolded(folder) == caseFolded(unlistableFolder)) {
    listing.error = "Access is denied.";
    return listing;
  }
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(hostPath(folder), error)) {
    const bool hidden = std::find(hidden_.begin(), hidden_.end(), entry.path()) != hidden_.end();
    const std::string name = entry.path().filename().string();
    if (entries == platform::Entries::Folders ? entry.is_directory()
                                              : !hidden && matchesPattern(name, path.substr(slash + 1)))
      listing.names.push_back(name);
  }
  std::sort(listing.names.begin(), listing.names.end(), fileSystemOrder);
  return listing;
}

std::optional<std::string> FakePlatform::readTextFile(const std::string& path, std::string& why) {
  runDueJobs();
  if (isListed(unreadable_, path)) {
    why = kInUse;
    return std::nullopt;
  }
  if (!fs::is_regular_file(hostPath(path))) {
    why = "The system cannot find the file specified.";
    return std::nullopt;
  }
  return fileContent(path);
}

platform::Outcome FakePlatform::writeTextFile(const std::string& path, const std::string& text,
                                              platform::CodePage codePage) {
  runDueJobs();
  const std::string name = caseFolded(path);
  if (std::any_of(refused_.begin(), refused_.end(), [&name](const std::string& refused) {
        return name == refused || (refused.back() == '\\' && name.starts_with(refused));
      }))
    return {"Access is denied."};
  if (isHeld(path)) return {kInUse};
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
  if (undeletable || isHeld(path)) return {kInUse};
  std::error_code error;
  if (!fs::remove(hostPath(path), error)) return {"The system cannot find the file specified."};
  return {};
}

bool FakePlatform::createFolder(const std::string& path) {
  ++folderCreations_;
  now_ += kFolderCreationMilliseconds;
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
  auto job = std::make_shared<Job>();
  const Command command = parse(commandLine);
  if (!command.words.empty())
    if (const std::optional<std::string> text = readTextFile(command.words[0])) job->lines = splitLines(*text);
  job->output = command.output;
  job->dueAt = now_ + kWaitMilliseconds * outputDelayWaits;
  job->endsAt = job->dueAt + kWaitMilliseconds * endDelayWaits;
  jobs_.push_back(job);
  runDueJobs();
  return std::make_unique<Process>(*this, job);
}

void FakePlatform::runDueJobs() {
  for (const auto& job : jobs_) {
    if (job->done || now_ < job->dueAt) continue;
    interpret(*job);
    job->done = true;
    if (job->failed) ++commandsFailed;
  }
}

// The interpreter cannot send output into a file another process holds: the command
// fails, and nothing of it runs.
bool FakePlatform::redirect(const std::string& file) {
  if (file.empty()) return true;
  if (isHeld(file)) return false;
  writeFile(file, "");
  return true;
}

void FakePlatform::interpret(Job& job) {
  job.failed = !redirect(job.output);
  if (job.failed) return;
  for (const std::string& line : job.lines) {
    const Command command = parse(line);
    const std::vector<std::string>& parts = command.words;
    if (parts.empty()) continue;
    if (!redirect(command.output)) {
      job.failed = true;
      continue;
    }
    programsRun.push_back(command.line);
    if (!fs::is_regular_file(hostPath(parts[0]))) {
      job.failed = true;
    } else if (bareName(caseFolded(parts[0])) == "ripent.exe" && parts.size() == 3 && parts[1] == "-export") {
      // The map's entity lump as text into <map>.ent beside it; nothing for a file that is no map.
      const std::string& bsp = parts[2];
      if (const std::optional<std::string> entities = entityLumpOf(fileContent(bsp)))
        writeFile(bsp.substr(0, bsp.find_last_of('.')) + ".ent", *entities);
    }
  }
}

platform::Answer FakePlatform::messageBox(const std::string& text, const std::string& title,
                                          platform::MessageStyle style, platform::MessageButtons buttons) {
  messages.push_back({text, title, style, buttons, busy});
  if (answers.empty()) return buttons == platform::MessageButtons::Ok ? platform::Answer::Ok : platform::Answer::No;
  const platform::Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::shared_ptr<const forms::Picture> FakePlatform::loadPicture(const std::string& path) {
  const std::optional<std::string> content = readTextFile(path);
  if (!content || !content->starts_with("BM")) return nullptr;
  return std::make_shared<FakePicture>(path);
}
