#pragma once
// Test helpers: a temporary skin directory with generated options files and
// pictures, and the source and build folders CTest passes in.

#include <QColor>
#include <QImage>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const fs::path& Path() const { return path_; }
  std::string Str() const { return path_.string() + "/"; }

private:
  fs::path path_;
};

void WriteText(const fs::path& path, const std::string& text);
void WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadBytes(const fs::path& path);

// A picture filled with `fill`; `format` is "BMP", "PNG" or "JPG".
QImage Filled(int width, int height, QColor fill, QImage::Format format = QImage::Format_RGB32);
void SavePicture(const QImage& image, const fs::path& path);

// The repository and build folders (from CTest's environment, else guessed).
fs::path SourceDir();
fs::path BuildDir();
