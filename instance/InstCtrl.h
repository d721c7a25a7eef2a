#pragma once
// TOneInstance: keeps a second copy of the program from running. Constructed on
// the main window during its construction; in a process that finds a live copy
// of the same program (same program file size) it ends the process with exit
// code 0, after handing its command line over if the running copy allows it.
//
// Between copies: the instance record "TOneInstance::<size>" (6 bytes: endpoint
// id, limit, hand-over count) and two hand-over blocks in shared memory, and the
// hand-over message to the running copy's endpoint. Locks on bytes of the record
// itself keep look-up, creation and count changes atomic, tell a live owner from
// a record left behind by a crash, and let a count left by a killed copy be
// repaired. A record that cannot be used (another user's, or refused by the
// system) is never taken for a running copy: the program then runs unguarded and
// says why on standard error.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/Component.h"

class FileLock;
class MessageEndpoint;
class SharedBlock;
struct TransportMessage;

// Raised in the running copy, on its user-interface thread, for each command
// line handed over; the text lives for the duration of the call.
using TPOnNewInstanceLoad = std::function<void(uint32_t NewAppHandle, const char16_t* NewCommandLineW)>;

class TOneInstance : public TComponent {
public:
  // AOwner must be a form; one guard per process. Ends the process here when another copy runs.
  explicit TOneInstance(TComponent* AOwner);
  ~TOneInstance() override;

  std::u16string About() const;
  void SetAbout(const std::u16string&) {}  // read-only: writing has no effect
  // Negative: any number of new copies may hand over at once; 0: none.
  int8_t MaxNewInstances() const;
  void SetMaxNewInstances(int8_t value);
  uint32_t MsgTransportTimeout() const { return msgTransportTimeout_; }
  void SetMsgTransportTimeout(uint32_t value) { msgTransportTimeout_ = value; }
  TPOnNewInstanceLoad OnNewInstanceLoad;

  const std::string& RecordName() const { return recordName_; }

private:
  // Keeps the process-wide count of guards right also when the constructor throws.
  struct LiveCount {
    LiveCount();
    ~LiveCount();
    int Value() const;
  };

  void BecomeFirstCopy();
  void RunUnguarded(const std::string& reason);
  uint8_t* RecordData() const;
  [[noreturn]] void TurnAway(SharedBlock& record);
  void OnMessage(const TransportMessage& message, const std::function<void(uint32_t)>& reply);

  LiveCount liveCount_;
  std::string recordName_;
  std::unique_ptr<FileLock> gate_;
  std::unique_ptr<FileLock> ownerLock_;
  std::unique_ptr<SharedBlock> record_;
  std::unique_ptr<MessageEndpoint> endpoint_;
  int8_t maxNewInstances_ = 0;
  uint32_t msgTransportTimeout_ = 3000;
};
