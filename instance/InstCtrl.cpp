#include "instance/InstCtrl.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "instance/CommandLine.h"
#include "instance/FileLock.h"
#include "instance/HandOver.h"
#include "instance/MessageEndpoint.h"
#include "instance/SharedRecord.h"
#include "platform/Application.h"
#include "platform/Exception.h"
#include "platform/Form.h"

namespace {

using Clock = std::chrono::steady_clock;

std::atomic<int> g_liveGuards{0};

// The lock is held for microseconds; one held longer belongs to a stopped process.
constexpr auto GateTimeout = std::chrono::milliseconds(2000);
// A new copy waits this long: the layout's value would come only after construction.
constexpr auto NewCopyTimeout = std::chrono::milliseconds(3000);

// The instance record: endpoint id (4 bytes), limit (signed), hand-over count.
constexpr size_t RecordSize = 6;
constexpr size_t LimitOffset = 4;
constexpr size_t CountOffset = 5;

// Locks on bytes of the record itself, so that only the record's name and the
// user decide which copies meet. The running copy holds the owner byte for its
// whole run; look-up, creation and count changes happen under the gate byte;
// copies handing over hold the hand-over byte shared.
constexpr off_t OwnerByte = 0;
constexpr off_t GateByte = 1;
constexpr off_t HandOverByte = 2;

// An ending owner may remove the name while a new copy waits for the gate.
constexpr int OpenAttempts = 5;

uint32_t OwnId()
{
  return static_cast<uint32_t>(getpid());
}

}  // namespace

TOneInstance::LiveCount::LiveCount()
{
  ++g_liveGuards;
}

TOneInstance::LiveCount::~LiveCount()
{
  --g_liveGuards;
}

int TOneInstance::LiveCount::Value() const
{
  return g_liveGuards;
}

TOneInstance::TOneInstance(TComponent* AOwner) : TComponent(AOwner)
{
  if (!dynamic_cast<TForm*>(AOwner))
    throw Exception("AOwner must be TForm or descendant");
  if (liveCount_.Value() > 1)
    throw Exception(FormatText("Only one copy of %s can be used on one application", "TOneInstance"));
  recordName_ = FormatText("TOneInstance::%d", static_cast<int32_t>(ProgramFileSize()));
  std::string reason;
  for (int attempt = 0; attempt < OpenAttempts; ++attempt) {
    gate_.reset();
    record_ = SharedBlock::OpenOrCreate(recordName_, reason);
    if (!record_) {
      RunUnguarded(reason);
      return;
    }
    gate_ = std::make_unique<FileLock>(record_->Fd(), GateByte);
    // Past the deadline the owner byte alone decides; only the count may then race.
    gate_->LockUntil(Clock::now() + GateTimeout);
    if (record_->Linked())
      break;
  }
  ownerLock_ = std::make_unique<FileLock>(record_->Fd(), OwnerByte);
  switch (ownerLock_->TryLock()) {
  case LockResult::Taken:
    BecomeFirstCopy();
    gate_->Unlock();
    return;
  case LockResult::Unusable:
    RunUnguarded("the system refuses a lock on /" + recordName_);
    return;
  case LockResult::Held:
    break;
  }
  auto record = std::move(record_);
  ownerLock_.reset();
  if (!record->Map(RecordSize))
    _exit(0);  // a live copy without a usable record: turned away without hand-over
  TurnAway(*record);
}

TOneInstance::~TOneInstance()
{
  if (!record_)
    return;
  gate_->LockUntil(Clock::now() + GateTimeout);
  endpoint_.reset();
  SharedBlock::Remove(recordName_);  // copies waiting for the gate see it gone and open anew
  ownerLock_.reset();
  gate_.reset();
  record_.reset();
}

void TOneInstance::RunUnguarded(const std::string& reason)
{
  std::fprintf(stderr, "TOneInstance: %s; this copy runs without the single-instance guard\n", reason.c_str());
  gate_.reset();
  ownerLock_.reset();
  record_.reset();
}

// A record found here without an owner was left by a copy that is gone: it is reused.
void TOneInstance::BecomeFirstCopy()
{
  if (!record_->Resize(0) || !record_->Resize(RecordSize) || !record_->Map(RecordSize)) {
    record_->Unmap();  // still guarded by the owner byte, only without hand-over
    return;
  }
  uint32_t id = OwnId();
  try {
    endpoint_ = std::make_unique<MessageEndpoint>(
        id, [this](const TransportMessage& message, const auto& reply) { OnMessage(message, reply); });
  } catch (const Exception&) {
    id = 0;  // no endpoint: new copies find nobody to hand over to and end anyway
  }
  std::memcpy(record_->Data(), &id, sizeof(id));
  record_->Data()[LimitOffset] = static_cast<uint8_t>(maxNewInstances_);
  record_->Data()[CountOffset] = 0;
}

void TOneInstance::TurnAway(SharedBlock& record)
{
  uint8_t* data = record.Data();
  // Copies handing over hold this lock shared; if none does, a count above 0 was
  // left by a copy killed while handing over.
  FileLock handing(record.Fd(), HandOverByte);
  if (handing.TryLock() == LockResult::Taken)
    data[CountOffset] = 0;
  handing.Unlock();
  const int limit = static_cast<int8_t>(data[LimitOffset]);
  const int count = ++data[CountOffset];
  const bool handOver = limit < 0 || count <= limit;
  if (!handOver)
    --data[CountOffset];
  else
    handing.TryLock(LockKind::Shared);
  gate_->Unlock();
  if (handOver) {
    uint32_t endpointId;
    std::memcpy(&endpointId, data, sizeof(endpointId));
    SendCommandLine(endpointId, OwnId(), JoinCommandLine(ProcessArguments()), NewCopyTimeout);
    gate_->LockUntil(Clock::now() + GateTimeout);
    --data[CountOffset];
  }
  _exit(0);
}

void TOneInstance::OnMessage(const TransportMessage& message, const std::function<void(uint32_t)>& reply)
{
  if (message.Msg != WM_NEWINSTANCE || message.LParam != WM_NEWINSTANCE || !RecordData())
    return;
  const uint32_t h = message.WParam;
  TApplication::Guarded([&] {
    CommandLineSink deliver;
    if (OnNewInstanceLoad)
      deliver = [&](const std::u16string& text) { OnNewInstanceLoad(h, text.c_str()); };
    TakeCommandLine(h, reply, deliver);
  });
}

std::u16string TOneInstance::About() const
{
  return u"TOneInstance\r\n\r\n"
         u"Keeps a second copy of the program from running.\r\n"
         u"A new copy may hand its command line over to the running copy.";
}

int8_t TOneInstance::MaxNewInstances() const
{
  return RecordData() ? static_cast<int8_t>(RecordData()[LimitOffset]) : maxNewInstances_;
}

void TOneInstance::SetMaxNewInstances(int8_t value)
{
  maxNewInstances_ = value;
  if (RecordData())
    RecordData()[LimitOffset] = static_cast<uint8_t>(value);
}

uint8_t* TOneInstance::RecordData() const
{
  return record_ ? record_->Data() : nullptr;
}
