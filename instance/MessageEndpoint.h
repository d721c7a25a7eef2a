#pragma once
// The running copy's message endpoint: a datagram socket in the abstract Unix
// namespace, named after a 32-bit id. Messages are received on the
// user-interface thread; each gets one 32-bit reply, which the handler may send
// early so that the sender is released before the handler's work is done.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QSocketNotifier;

struct TransportMessage {
  uint32_t Msg = 0;
  uint32_t WParam = 0;
  uint32_t LParam = 0;
};

class MessageEndpoint {
public:
  using Reply = std::function<void(uint32_t result)>;
  // A message not answered by the handler is answered with 0 when the handler returns.
  using Handler = std::function<void(const TransportMessage& message, const Reply& reply)>;

  // Throws Exception when the endpoint cannot be made (the id is taken).
  MessageEndpoint(uint32_t id, Handler handler);
  ~MessageEndpoint();
  MessageEndpoint(const MessageEndpoint&) = delete;
  MessageEndpoint& operator=(const MessageEndpoint&) = delete;

  // Sends to the endpoint id and waits at most timeout for its reply; none if it did not come.
  static std::optional<uint32_t> Send(uint32_t id, const TransportMessage& message,
                                      std::chrono::milliseconds timeout);

private:
  void ReceiveAll();

  int fd_;
  std::unique_ptr<QSocketNotifier> notifier_;
  Handler handler_;
};
