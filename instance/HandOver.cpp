#include "instance/HandOver.h"

#include <QString>
#include <algorithm>
#include <cstring>

#include "instance/MessageEndpoint.h"
#include "instance/SharedRecord.h"
#include "platform/Exception.h"

namespace {

constexpr char ShareStrMapName[] = "TOneInstance::ShareStrMapName";

uint32_t ReadU32(const uint8_t* at)
{
  uint32_t value;
  std::memcpy(&value, at, sizeof(value));
  return value;
}

void WriteU32(uint8_t* at, uint32_t value)
{
  std::memcpy(at, &value, sizeof(value));
}

// Both texts are cut at their first zero byte, as the reader of the blocks does.
std::u16string DecodeText(const uint8_t* block, uint32_t blockSize)
{
  const uint32_t n = std::min(ReadU32(block), blockSize - 4);
  const auto* text = reinterpret_cast<const char*>(block + 4);
  return QString::fromUtf8(text, static_cast<qsizetype>(strnlen(text, n))).toStdU16String();
}

}  // namespace

std::string SizeBlockName(uint32_t h)
{
  return FormatText("%s::%d", ShareStrMapName, static_cast<int32_t>(h));
}

std::string TextBlockName(uint32_t h)
{
  return FormatText("%s::%d::%d", ShareStrMapName, static_cast<int32_t>(h), static_cast<int32_t>(h));
}

std::optional<uint32_t> SendCommandLine(uint32_t endpointId, uint32_t h, const std::string& commandLineUtf8,
                     std::chrono::milliseconds timeout)
{
  const uint32_t n = static_cast<uint32_t>(commandLineUtf8.size() + 1);
  const uint32_t s = n + 4;
  auto sizeBlock = SharedBlock::Create(SizeBlockName(h), 4);
  auto textBlock = SharedBlock::Create(TextBlockName(h), s);
  if (!sizeBlock || !textBlock || !sizeBlock->Map(4) || !textBlock->Map(s))
    return std::nullopt;
  WriteU32(sizeBlock->Data(), s);
  WriteU32(textBlock->Data(), n);
  std::memcpy(textBlock->Data() + 4, commandLineUtf8.c_str(), n);
  sizeBlock->Unmap();
  textBlock->Unmap();
  return MessageEndpoint::Send(endpointId, {WM_NEWINSTANCE, h, WM_NEWINSTANCE}, timeout);
}

void TakeCommandLine(uint32_t h, const std::function<void(uint32_t)>& reply, const CommandLineSink& deliver)
{
  auto sizeBlock = SharedBlock::Open(SizeBlockName(h));
  auto textBlock = SharedBlock::Open(TextBlockName(h));
  reply(1);  // the sender may go now: the open blocks keep their memory
  // The names go with their last user, also when the sender was killed.
  SharedBlock::Remove(SizeBlockName(h));
  SharedBlock::Remove(TextBlockName(h));
  if (!sizeBlock || !textBlock || !sizeBlock->Map(4))
    return;
  const uint32_t s = ReadU32(sizeBlock->Data());
  sizeBlock.reset();
  if (s < 5 || !textBlock->Map(s))
    return;
  if (deliver)
    deliver(DecodeText(textBlock->Data(), s));
}
