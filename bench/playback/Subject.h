#pragma once
// A process the benchmark starts and watches from outside: its output lines, and
// the CPU time and memory of its whole process tree read from /proc.

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

long long MonotonicNs();

struct TreeMemory {
  double rssMiB = 0;  // sum of the processes' resident sets (shared pages counted in each)
  double pssMiB = 0;  // proportional: shared pages split between the processes that map them
  int processes = 0;
};

class Subject {
public:
  // Starts `argv` in `dir` with `env` added; its stdout is read by WaitFor, stderr is dropped.
  Subject(const std::vector<std::string>& argv, const std::string& dir, const std::vector<std::string>& env);
  // Ends the whole process tree (SIGTERM, then SIGKILL after 5 s) and reaps the process.
  ~Subject();
  Subject(const Subject&) = delete;
  Subject& operator=(const Subject&) = delete;

  pid_t Pid() const { return pid_; }
  bool Running();
  // The number after the first line "<word> <number>" that arrives within `timeout`.
  std::optional<long long> WaitFor(const std::string& word, std::chrono::milliseconds timeout);

  // The process and all its descendants that are alive now.
  std::vector<pid_t> Tree() const;
  // CPU time (user + system, including reaped children) of the tree, in seconds.
  double CpuSeconds() const;
  TreeMemory Memory() const;
  // Resident memory of the main process's mappings whose file name contains `part`.
  double MappedMiB(const std::string& part) const;

private:
  pid_t pid_ = -1;
  int out_ = -1;
  std::string buffer_;
};
