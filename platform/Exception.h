#pragma once
// The program's error: an exception that carries the message shown to the user.
// Qt-free, so the data core can raise it too.

#include <cstdarg>
#include <cstdio>
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// A silent abort: it ends what was under way, carries a message, and shows no box.
class EAbort : public Exception {
public:
  using Exception::Exception;
};

// printf-style formatting of a message text ("%s", "%d"), as the messages are given.
inline std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
inline std::string FormatText(const char* format, ...)
{
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
  if (length > 0)
    std::vsnprintf(text.data(), text.size() + 1, format, args);
  va_end(args);
  return text;
}

// An operation that the object's state does not allow (for example limits crossed).
class EInvalidOperation : public Exception {
public:
  using Exception::Exception;
};
