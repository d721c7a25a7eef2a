// The station list reader on arbitrary bytes: an error or records, never a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/StationList.h"
#include "platform/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  TStationArray stations;
  try {
    FillStations(SplitStationLines(std::string_view(reinterpret_cast<const char*>(data), size)), stations);
  } catch (const Exception&) {
  }
  return 0;
}
