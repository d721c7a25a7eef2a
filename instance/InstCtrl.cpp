#include "instance/InstCtrl.h"

#include <atomic>
#include <chrono>
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

std::string LockPath(const std::string& recordName, const char* role)
{
  return FileLock::Folder() + "/" + recordName + "." + std::to_string(geteuid()) + "." + role + ".lock";
}

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
  gate_ = std::make_unique<FileLock>(LockPath(recordName_, "gate"));
  ownerLock_ = std::make_unique<FileLock>(LockPath(recordName_, "owner"));
  // Past the deadline the owner lock alone decides; only the count may then race.
  gate_->LockUntil(Clock::now() + GateTimeout);
  if (ownerLock_->TryLock()) {
    BecomeFirstCopy();
    gate_->Unlock();
    return;
  }
  auto record = SharedBlock::Open(recordName_);
  if (!record || !record->Map(RecordSize))
    _exit(0);  // a live copy without a record: turned away without hand-over
  TurnAway(*record);
}

TOneInstance::~TOneInstance()
{
  if (!gate_)
    return;
  gate_->LockUntil(Clock::now() + GateTimeout);
  endpoint_.reset();
  record_.reset();
  ownerLock_.reset();
  gate_->Unlock();
}

// Any record found here was left by a copy that is gone: it is replaced.
void TOneInstance::BecomeFirstCopy()
{
  record_ = SharedBlock::Create(recordName_, RecordSize);
  if (record_ && !record_->Map(RecordSize))
    record_.reset();
  uint32_t id = OwnId();
  try {
    endpoint_ = std::make_unique<MessageEndpoint>(
        id, [this](const TransportMessage& message, const auto& reply) { OnMessage(message, reply); });
  } catch (const Exception&) {
    id = 0;  // no endpoint: new copies find nobody to hand over to and end anyway
  }
  if (!record_)
    return;  // still guarded by the owner lock, only without hand-over
  std::memcpy(record_->Data(), &id, sizeof(id));
  record_->Data()[LimitOffset] = static_cast<uint8_t>(maxNewInstances_);
  record_->Data()[CountOffset] = 0;
}

void TOneInstance::TurnAway(SharedBlock& record)
{
  uint8_t* data = record.Data();
  // Copies handing over hold this lock shared; if none does, a count above 0 was
  // left by a copy killed while handing over.
  FileLock handing(LockPath(recordName_, "handover"));
  if (handing.TryLock())
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
  if (message.Msg != WM_NEWINSTANCE || message.LParam != WM_NEWINSTANCE || !record_)
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
  return record_ ? static_cast<int8_t>(record_->Data()[LimitOffset]) : maxNewInstances_;
}

void TOneInstance::SetMaxNewInstances(int8_t value)
{
  maxNewInstances_ = value;
  if (record_)
    record_->Data()[LimitOffset] = static_cast<uint8_t>(value);
}
