#include "platform/SessionBus.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sstream>

namespace {

using Clock = std::chrono::steady_clock;

// Long enough for a daemon on a loaded machine; a hung one costs the start this once.
constexpr std::chrono::milliseconds kAnswerLimit{2000};
// Where a hung bus is pointed: not a socket, so every connection is refused at once.
constexpr const char* kNoBus = "unix:path=/dev/null";

struct SocketName {
  std::string name;
  bool abstract = false;
};

// The value of `key` in "transport:key=value,key=value", its %XX escapes undone.
std::optional<std::string> Value(const std::string& entry, const std::string& key)
{
  std::istringstream pairs(entry.substr(entry.find(':') + 1));
  for (std::string pair; std::getline(pairs, pair, ',');) {
    if (pair.compare(0, key.size() + 1, key + "=") != 0)
      continue;
    std::string value;
    for (size_t i = key.size() + 1; i < pair.size(); ++i) {
      if (pair[i] == '%' && i + 2 < pair.size()) {
        value += static_cast<char>(std::strtol(pair.substr(i + 1, 2).c_str(), nullptr, 16));
        i += 2;
      } else {
        value += pair[i];
      }
    }
    return value;
  }
  return std::nullopt;
}

// The socket a client entry names; nothing for transports this check does not try.
std::optional<SocketName> ClientSocket(const std::string& entry)
{
  if (entry.compare(0, 5, "unix:") != 0)
    return std::nullopt;
  if (auto path = Value(entry, "path"))
    return SocketName{*path, false};
  if (auto name = Value(entry, "abstract"))
    return SocketName{*name, true};
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (Value(entry, "runtime") == "yes" && runtime)
    return SocketName{std::string(runtime) + "/bus", false};
  return std::nullopt;
}

bool WaitFor(int fd, short events, Clock::time_point deadline)
{
  for (;;) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    pollfd entry{fd, events, 0};
    const int ready = poll(&entry, 1, static_cast<int>(std::max<long long>(left.count(), 0)));
    if (ready > 0)
      return true;
    if (ready == 0 || errno != EINTR)
      return false;
  }
}

enum class Outcome { Refused, Answered, Silent };

Outcome Greet(const SocketName& socketName, Clock::time_point deadline)
{
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const size_t offset = socketName.abstract ? 1 : 0;  // an abstract name starts with a NUL
  if (socketName.name.size() + offset >= sizeof(address.sun_path))
    return Outcome::Refused;
  std::memcpy(address.sun_path + offset, socketName.name.data(), socketName.name.size());
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + socketName.name.size() +
                                             (socketName.abstract ? 0 : 1));
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0)
    return Outcome::Refused;
  Outcome outcome = Outcome::Refused;
  // A full backlog leaves the connection pending: a daemon that does not accept is silent too.
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0 ||
      (errno == EAGAIN && WaitFor(fd, POLLOUT, deadline))) {
    // The greeting every client opens with: a NUL byte, then the EXTERNAL mechanism with the uid.
    std::string hexUid;
    for (char digit : std::to_string(getuid())) {
      char pair[3];
      std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned char>(digit));
      hexUid += pair;
    }
    const std::string greeting = std::string(1, '\0') + "AUTH EXTERNAL " + hexUid + "\r\n";
    const bool sent = send(fd, greeting.data(), greeting.size(), MSG_NOSIGNAL) == ssize_t(greeting.size());
    // Any reply, or a closed connection, is an answer: the bus's users then go on.
    outcome = !sent || WaitFor(fd, POLLIN, deadline) ? Outcome::Answered : Outcome::Silent;
  }
  close(fd);
  return outcome;
}

}  // namespace

bool SessionBusHangs(const std::string& address, std::chrono::milliseconds limit)
{
  const Clock::time_point deadline = Clock::now() + limit;
  std::istringstream entries(address);
  for (std::string entry; std::getline(entries, entry, ';');) {
    const auto socketName = ClientSocket(entry);
    if (!socketName)
      return false;
    const Outcome outcome = Greet(*socketName, deadline);
    if (outcome != Outcome::Refused)
      return outcome == Outcome::Silent;
  }
  return false;
}

void GuardSessionBus()
{
  const char* set = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  // Without an address the D-Bus library takes the user's bus in the runtime directory.
  if (!SessionBusHangs(set ? set : "unix:runtime=yes", kAnswerLimit))
    return;
  setenv("DBUS_SESSION_BUS_ADDRESS", kNoBus, 1);
  std::fprintf(stderr, "The session bus does not answer; the program goes on without it.\n");
}
