#pragma once
// The station list file: records of three lines (address and two kept lines),
// read byte for byte. Qt-free, so it is tested without a display.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One station: the stream address and two lines kept but not used.
class TPrg {
public:
  std::string Address;
  std::string Line2;
  std::string Line3;
};

// Slot 0 is never filled; slots 1..N+1 hold the records in file order.
using TStationArray = std::vector<std::unique_ptr<TPrg>>;

// Splits at CR, LF or CR LF; a final line end adds no empty line; a NUL ends the content.
std::vector<std::string> SplitStationLines(std::string_view content);

// Fills the array from the lines. Throws Exception("List index out of bounds (%d)")
// at the first missing line, leaving the records made so far in place.
void FillStations(const std::vector<std::string>& lines, TStationArray& stations);

// Reads the file at path into the array. Throws Exception("Cannot open file ...")
// with the system's reason when it cannot be read; the array is then untouched.
void LoadStationsFromFile(const std::string& path, TStationArray& stations);
