#pragma once
// How a subject tells the benchmark when something happened: one line
// "<what> <CLOCK_MONOTONIC in ns>" on stdout, written at once. Safe on any thread.

#include <cstdio>
#include <ctime>
#include <unistd.h>

inline void Stamp(const char* what)
{
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  char line[64];
  const int size = std::snprintf(line, sizeof line, "%s %lld\n", what, now.tv_sec * 1000000000LL + now.tv_nsec);
  if (size > 0 && write(STDOUT_FILENO, line, static_cast<size_t>(size)) < 0)
    return;
}
