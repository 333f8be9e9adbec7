#include "support/fake_platform.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "app/text_lines.h"

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

std::optional<std::string> FakePlatform::readTextFile(const std::string& path) {
  runDueJobs();
  const fs::path host = hostPath(path);
  if (!fs::is_regular_file(host)) return std::nullopt;
  return readWhole(host);
}

platform::Outcome FakePlatform::writeTextFile(const std::string& path, const std::string& text) {
  if (std::find(refused_.begin(), refused_.end(), lowerCase(path)) != refused_.end()) return {"Access is denied."};
  const fs::path host = hostPath(path);
  if (!fs::is_directory(host.parent_path())) return {"The system cannot find the path specified."};
  const fs::path fresh = host.string() + ".new";
  std::ofstream(fresh, std::ios::binary) << text;
  fs::rename(fresh, host);
  return {};
}

bool FakePlatform::deleteFile(const std::string& path) {
  std::error_code error;
  return !undeletable && fs::remove(hostPath(path), error);
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
  const std::vector<std::string> parts = words(commandLine);
  if (parts.empty() || commandsNeverRun) return std::make_unique<Process>(*this, std::make_shared<Job>(Job{{}, "", 0, 0, false}));
  auto job = std::make_shared<Job>();
  const std::optional<std::string> batch = readTextFile(parts[0]);
  if (batch) {
    std::istringstream lines(*batch);
    for (std::string line; std::getline(lines, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty()) job->lines.push_back(line);
    }
  }
  if (parts.size() >= 3 && parts[1] == ">") job->redirectTo = parts[2];
  job->dueAt = folderCreations_ + 80LL * outputDelayWaits;
  job->endsAt = job->dueAt + 80LL * endDelayWaits;
  jobs_.push_back(job);
  runDueJobs();
  return std::make_unique<Process>(*this, job);
}

void FakePlatform::runDueJobs() {
  for (const auto& job : jobs_) {
    if (job->done || folderCreations_ < job->dueAt) continue;
    job->done = true;
    interpret(*job);
  }
}

void FakePlatform::interpret(const Job& job) {
  if (!job.redirectTo.empty()) writeFile(job.redirectTo, "");
  for (const std::string& line : job.lines) programsRun.push_back(line);
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
