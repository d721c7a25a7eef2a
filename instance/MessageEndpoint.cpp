#include "instance/MessageEndpoint.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

#include "platform/Exception.h"

namespace {

using Clock = std::chrono::steady_clock;

// The abstract address of endpoint id (leading NUL, no file behind it).
socklen_t EndpointAddress(uint32_t id, sockaddr_un& address)
{
  const std::string name = "TOneInstance::Endpoint::" + std::to_string(id);
  std::memset(&address, 0, sizeof(address));
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path + 1, name.data(), name.size());
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
}

void SetTimeout(int fd, int option, Clock::duration left)
{
  const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(left).count();
  timeval value{static_cast<time_t>(micros / 1000000), static_cast<suseconds_t>(micros % 1000000)};
  if (value.tv_sec == 0 && value.tv_usec == 0)
    value.tv_usec = 1;  // zero would mean no time-out at all
  setsockopt(fd, SOL_SOCKET, option, &value, sizeof(value));
}

// Sends on a connected socket and reads the reply, both before the deadline.
std::optional<uint32_t> Exchange(int fd, const TransportMessage& message, Clock::time_point deadline)
{
  SetTimeout(fd, SO_SNDTIMEO, deadline - Clock::now());
  if (send(fd, &message, sizeof(message), 0) != static_cast<ssize_t>(sizeof(message)))
    return std::nullopt;
  uint32_t result = 0;
  for (;;) {
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero())
      return std::nullopt;
    SetTimeout(fd, SO_RCVTIMEO, left);
    const ssize_t got = recv(fd, &result, sizeof(result), 0);
    if (got == static_cast<ssize_t>(sizeof(result)))
      return result;
    if (got < 0 && errno != EINTR)
      return std::nullopt;
  }
}

// Receives one message with its sender's credentials; false when none is waiting.
bool ReceiveOne(int fd, TransportMessage& message, sockaddr_un& sender, socklen_t& senderLength, uid_t& senderUid)
{
  iovec data{&message, sizeof(message)};
  alignas(cmsghdr) char control[CMSG_SPACE(sizeof(ucred))];
  msghdr header{};
  header.msg_name = &sender;
  header.msg_namelen = sizeof(sender);
  header.msg_iov = &data;
  header.msg_iovlen = 1;
  header.msg_control = control;
  header.msg_controllen = sizeof(control);
  if (recvmsg(fd, &header, 0) != static_cast<ssize_t>(sizeof(message)))
    return false;
  senderLength = header.msg_namelen;
  senderUid = static_cast<uid_t>(-1);  // no credentials: nobody
  for (cmsghdr* item = CMSG_FIRSTHDR(&header); item; item = CMSG_NXTHDR(&header, item))
    if (item->cmsg_level == SOL_SOCKET && item->cmsg_type == SCM_CREDENTIALS) {
      ucred credentials;
      std::memcpy(&credentials, CMSG_DATA(item), sizeof(credentials));
      senderUid = credentials.uid;
    }
  return true;
}

}  // namespace

MessageEndpoint::MessageEndpoint(uint32_t id, Handler handler)
    : fd_(socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)), handler_(std::move(handler))
{
  sockaddr_un address;
  const socklen_t length = EndpointAddress(id, address);
  const int passCredentials = 1;
  // The kernel then tells who sent each message: only this user's own copies are heard.
  if (fd_ < 0 || setsockopt(fd_, SOL_SOCKET, SO_PASSCRED, &passCredentials, sizeof(passCredentials)) != 0 ||
      bind(fd_, reinterpret_cast<sockaddr*>(&address), length) != 0) {
    const std::string reason = std::strerror(errno);
    if (fd_ >= 0)
      close(fd_);
    throw Exception("TOneInstance: no message endpoint " + std::to_string(id) + ": " + reason);
  }
  notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { ReceiveAll(); });
}

MessageEndpoint::~MessageEndpoint()
{
  notifier_.reset();
  close(fd_);
}

void MessageEndpoint::ReceiveAll()
{
  TransportMessage message;
  sockaddr_un sender;
  socklen_t senderLength = 0;
  uid_t senderUid;
  while (ReceiveOne(fd_, message, sender, senderLength, senderUid)) {
    if (senderUid != geteuid())
      continue;  // another user's message is dropped unanswered
    bool replied = false;
    const Reply reply = [&](uint32_t result) {
      if (!std::exchange(replied, true))
        sendto(fd_, &result, sizeof(result), MSG_DONTWAIT, reinterpret_cast<sockaddr*>(&sender), senderLength);
    };
    handler_(message, reply);
    reply(0);
  }
}

std::optional<uint32_t> MessageEndpoint::Send(uint32_t id, const TransportMessage& message,
                                              std::chrono::milliseconds timeout)
{
  const auto deadline = Clock::now() + timeout;
  const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0)
    return std::nullopt;
  sockaddr_un self{};
  self.sun_family = AF_UNIX;  // binding the family alone gives the socket an address of its own for the reply
  sockaddr_un peer;
  const socklen_t peerLength = EndpointAddress(id, peer);
  std::optional<uint32_t> result;
  if (bind(fd, reinterpret_cast<sockaddr*>(&self), sizeof(sa_family_t)) == 0 &&
      connect(fd, reinterpret_cast<sockaddr*>(&peer), peerLength) == 0)
    result = Exchange(fd, message, deadline);
  close(fd);
  return result;
}
