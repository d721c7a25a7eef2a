#include "SkinFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

TempDir::TempDir()
{
  std::random_device random;
  path_ = fs::temp_directory_path() / ("zz_skin_" + std::to_string(random()) + std::to_string(random()));
  fs::create_directories(path_);
}

TempDir::~TempDir()
{
  std::error_code error;
  fs::remove_all(path_, error);
}

void WriteText(const fs::path& path, const std::string& text)
{
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

void WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes)
{
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::vector<uint8_t> ReadBytes(const fs::path& path)
{
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

QImage Filled(int width, int height, QColor fill, QImage::Format format)
{
  QImage image(width, height, format);
  image.fill(fill);
  return image;
}

void SavePicture(const QImage& image, const fs::path& path)
{
  fs::create_directories(path.parent_path());
  ASSERT_TRUE(image.save(QString::fromStdString(path.string()))) << path;
}

fs::path SourceDir()
{
  const char* dir = std::getenv("ZZ_SOURCE_DIR");
  return dir ? fs::path(dir) : fs::path(__FILE__).parent_path().parent_path().parent_path();
}

fs::path BuildDir()
{
  const char* dir = std::getenv("ZZ_BUILD_DIR");
  return dir ? fs::path(dir) : fs::current_path().parent_path();
}
