#include "skin/core/PackedSkin.h"

#include "platform/Exception.h"
#include "skin/core/SkinIni.h"

#include <zlib.h>

#include <cstring>

namespace {

const char kNotPacked[] = "Loaded data is not a packed skin file";
constexpr size_t kMaxDeflateRatio = 1032;

[[noreturn]] void Damaged(const char* what)
{
  throw Exception(FormatText("Packed skin file is damaged: %s", what));
}

class TacByteReader {
public:
  explicit TacByteReader(const std::vector<uint8_t>& data) : data_(data) {}

  size_t Remaining() const { return data_.size() - position_; }

  // A non-negative 32-bit value.
  size_t ReadSize(const char* what)
  {
    if (Remaining() < 4)
      Damaged(what);
    const uint8_t* p = data_.data() + position_;
    const int32_t value = static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
    position_ += 4;
    if (value < 0)
      Damaged(what);
    return static_cast<size_t>(value);
  }

  std::string ReadText(size_t length)
  {
    std::string text(reinterpret_cast<const char*>(data_.data() + position_), length);
    position_ += length;
    return text;
  }

  std::vector<uint8_t> Inflate(size_t size);

private:
  const std::vector<uint8_t>& data_;
  size_t position_ = 0;
};

// Inflates one zlib stream into exactly `size` bytes, consuming input up to the
// stream's end. Output beyond `size` is discarded, but only as much as the limit allows.
std::vector<uint8_t> TacByteReader::Inflate(size_t size)
{
  std::vector<uint8_t> out(size);
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK)
    Damaged("inflate failed to start");
  stream.next_in = const_cast<Bytef*>(data_.data() + position_);
  stream.avail_in = static_cast<uInt>(Remaining());
  stream.next_out = out.data();
  stream.avail_out = static_cast<uInt>(size);
  uint8_t spill[4096];
  size_t spilled = 0;
  int result = Z_OK;
  while (result == Z_OK) {
    if (stream.avail_out == 0) {
      if (spilled > kMaxPackedEntrySize)
        break;
      spilled += sizeof(spill);
      stream.next_out = spill;
      stream.avail_out = sizeof(spill);
    }
    result = inflate(&stream, Z_NO_FLUSH);
  }
  const bool complete = result == Z_STREAM_END && stream.total_out >= size;
  position_ += stream.total_in;
  inflateEnd(&stream);
  if (!complete)
    Damaged("an entry's data is cut short or corrupt");
  return out;
}

bool HasBitmapExtension(const std::string& name)
{
  return name.size() >= 4 && UpperCase(name.substr(name.size() - 4)) == ".BMP";
}

}  // namespace

const TacPackedEntry* TacPackedSkin::Find(std::string_view name) const
{
  const std::string wanted = UpperCase(name);
  for (const TacPackedEntry& entry : Pictures)
    if (UpperCase(entry.Name) == wanted)
      return &entry;
  return nullptr;
}

TacPackedSkin ReadPackedSkin(const std::vector<uint8_t>& data)
{
  if (data.size() < 8 || std::memcmp(data.data(), "ASzf", 4) != 0)
    throw Exception(kNotPacked);
  TacByteReader reader(data);
  reader.ReadText(4);
  const size_t count = reader.ReadSize("no entry count");
  if (count > kMaxPackedEntries)
    Damaged("too many entries");
  TacPackedSkin skin;
  size_t total = 0;
  for (size_t i = 0; i < count; ++i) {
    const size_t nameLength = reader.ReadSize("bad name length");
    if (nameLength > kMaxPackedNameLength || nameLength > reader.Remaining())
      Damaged("bad name length");
    TacPackedEntry entry;
    entry.Name = reader.ReadText(nameLength);
    const size_t size = reader.ReadSize("bad entry size");
    total += size;
    if (size > kMaxPackedEntrySize || total > kMaxPackedTotalSize)
      Damaged("an entry is too large");
    // Deflate cannot expand more than about 1032:1; a larger claim is a lie.
    if (size / kMaxDeflateRatio > reader.Remaining())
      Damaged("an entry's data is cut short or corrupt");
    entry.Data = reader.Inflate(size);
    if (UpperCase(entry.Name) == UpperCase(kOptionsFileName)) {
      skin.Options.assign(entry.Data.begin(), entry.Data.end());
      continue;
    }
    entry.IsBitmap = HasBitmapExtension(entry.Name);
    skin.Pictures.push_back(std::move(entry));
  }
  return skin;
}

namespace {

void WriteInt(std::vector<uint8_t>& out, size_t value)
{
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<uint8_t>(value >> shift));
}

}  // namespace

std::vector<uint8_t> WritePackedSkin(const std::vector<TacPackedEntry>& entries)
{
  if (entries.size() > kMaxPackedEntries)
    throw Exception("Too many files for a packed skin");
  std::vector<uint8_t> out{'A', 'S', 'z', 'f'};
  WriteInt(out, entries.size());
  for (const TacPackedEntry& entry : entries) {
    if (entry.Name.size() > kMaxPackedNameLength || entry.Data.size() > kMaxPackedEntrySize)
      throw Exception(FormatText("File too large for a packed skin: %s", entry.Name.c_str()));
    WriteInt(out, entry.Name.size());
    out.insert(out.end(), entry.Name.begin(), entry.Name.end());
    WriteInt(out, entry.Data.size());
    uLongf packedSize = compressBound(entry.Data.size());
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, entry.Data.data(), entry.Data.size(), Z_BEST_COMPRESSION) != Z_OK)
      throw Exception(FormatText("Cannot compress %s", entry.Name.c_str()));
    out.insert(out.end(), packed.begin(), packed.begin() + packedSize);
  }
  return out;
}
