#pragma once
// The process's own command line, as the guard identifies and hands it over.

#include <cstdint>
#include <string>
#include <vector>

// The arguments as the process was started, program file first (UTF-8 bytes as given).
std::vector<std::string> ProcessArguments();
// All arguments in one line; an argument with blanks or quotes is quoted so that it splits back alike.
std::string JoinCommandLine(const std::vector<std::string>& arguments);
// Size in bytes (low 32 bits) of the file named by the first argument; when that
// name cannot be looked up (started through PATH), of the running program file.
uint32_t ProgramFileSize();
