#include "Subject.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

// Fields of /proc/<pid>/stat after the command name: state is field 3.
std::vector<std::string> StatFields(pid_t pid)
{
  std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  std::getline(file, line);
  const auto close = line.rfind(')');
  std::vector<std::string> fields;
  if (close == std::string::npos)
    return fields;
  std::istringstream rest(line.substr(close + 2));
  for (std::string field; rest >> field;)
    fields.push_back(field);
  return fields;
}

// Sum of the "<key>: <n> kB" lines of a /proc file.
double SumKiB(const std::string& path, const std::string& key)
{
  std::ifstream file(path);
  double sum = 0;
  for (std::string line; std::getline(file, line);) {
    if (line.rfind(key + ":", 0) == 0)
      sum += std::atof(line.c_str() + key.size() + 1);
  }
  return sum;
}

}  // namespace

long long MonotonicNs()
{
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

Subject::Subject(const std::vector<std::string>& argv, const std::string& dir, const std::vector<std::string>& env)
{
  int pipe[2];
  if (pipe2(pipe, O_CLOEXEC) != 0)
    throw std::runtime_error("pipe failed");
  pid_ = fork();
  if (pid_ == 0) {
    dup2(pipe[1], STDOUT_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDERR_FILENO);
    if (chdir(dir.c_str()) != 0)
      _exit(126);
    for (const auto& entry : env)
      putenv(const_cast<char*>(entry.c_str()));
    std::vector<char*> args;
    for (const auto& arg : argv)
      args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  close(pipe[1]);
  out_ = pipe[0];
  if (pid_ < 0)
    throw std::runtime_error("fork failed");
}

Subject::~Subject()
{
  const auto tree = Tree();
  for (pid_t pid : tree)
    kill(pid, SIGTERM);
  for (int i = 0; i < 500 && Running(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  for (pid_t pid : Tree())
    kill(pid, SIGKILL);
  waitpid(pid_, nullptr, 0);
  // Let the last helper processes of the tree go before the next subject starts.
  for (pid_t pid : tree) {
    for (int i = 0; i < 200 && kill(pid, 0) == 0; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  close(out_);
}

bool Subject::Running()
{
  return waitpid(pid_, nullptr, WNOHANG) == 0;
}

std::optional<long long> Subject::WaitFor(const std::string& word, std::chrono::milliseconds timeout)
{
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    for (auto end = buffer_.find('\n'); end != std::string::npos; end = buffer_.find('\n')) {
      const std::string line = buffer_.substr(0, end);
      buffer_.erase(0, end + 1);
      if (line.rfind(word + " ", 0) == 0)
        return std::atoll(line.c_str() + word.size() + 1);
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0)
      return std::nullopt;
    pollfd entry{out_, POLLIN, 0};
    if (poll(&entry, 1, static_cast<int>(left.count())) <= 0)
      continue;
    char chunk[512];
    const ssize_t got = read(out_, chunk, sizeof chunk);
    if (got <= 0)
      return std::nullopt;
    buffer_.append(chunk, static_cast<size_t>(got));
  }
}

std::vector<pid_t> Subject::Tree() const
{
  std::vector<std::pair<pid_t, pid_t>> parents;  // (pid, parent)
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename();
    if (name.find_first_not_of("0123456789") != std::string::npos)
      continue;
    const auto fields = StatFields(std::atoi(name.c_str()));
    if (fields.size() > 1 && fields[0] != "Z")
      parents.emplace_back(std::atoi(name.c_str()), std::atoi(fields[1].c_str()));
  }
  std::vector<pid_t> tree{pid_};
  for (size_t i = 0; i < tree.size(); ++i) {
    for (const auto& [pid, parent] : parents) {
      if (parent == tree[i])
        tree.push_back(pid);
    }
  }
  return tree;
}

double Subject::CpuSeconds() const
{
  double ticks = 0;
  for (pid_t pid : Tree()) {
    const auto fields = StatFields(pid);
    // utime, stime, cutime, cstime are fields 14 to 17 of the whole line.
    for (size_t field = 11; field <= 14 && field < fields.size(); ++field)
      ticks += std::atof(fields[field].c_str());
  }
  return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

TreeMemory Subject::Memory() const
{
  TreeMemory memory;
  for (pid_t pid : Tree()) {
    const std::string dir = "/proc/" + std::to_string(pid);
    memory.rssMiB += SumKiB(dir + "/status", "VmRSS") / 1024;
    memory.pssMiB += SumKiB(dir + "/smaps_rollup", "Pss") / 1024;
    ++memory.processes;
  }
  return memory;
}

double Subject::MappedMiB(const std::string& part) const
{
  std::ifstream file("/proc/" + std::to_string(pid_) + "/smaps");
  bool counting = false;
  double kib = 0;
  for (std::string line; std::getline(file, line);) {
    const bool header = !line.empty() && std::isxdigit(static_cast<unsigned char>(line[0])) &&
                        line.find(':') > line.find(' ');
    if (header)
      counting = line.find(part) != std::string::npos;
    else if (counting && line.rfind("Rss:", 0) == 0)
      kib += std::atof(line.c_str() + 4);
  }
  return kib / 1024;
}
