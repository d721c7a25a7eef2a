// JPEG decoding with libjpeg; libjpeg's errors come back through longjmp.
#include "skin/core/JpegReader.h"

#include "skin/core/PictureLimits.h"

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// Progressive files may hold any number of scans; a hostile one with thousands of
// them would keep the decoder busy for minutes.
constexpr int MaxScans = 256;

struct ErrorManager {
  jpeg_error_mgr Base;
  jmp_buf Return;
  char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnError(j_common_ptr info)
{
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  info->err->format_message(info, manager->Message);
  std::longjmp(manager->Return, 1);
}

// Warnings are quiet, except a file cut short: libjpeg would pad it with grey.
void OnMessage(j_common_ptr info, int level)
{
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
    OnError(info);
}

void OnProgress(j_common_ptr info)
{
  auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->input_scan_number > MaxScans) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    std::snprintf(manager->Message, sizeof(manager->Message), "more than %d scans", MaxScans);
    std::longjmp(manager->Return, 1);
  }
}

// One decompression; releases libjpeg's memory however decoding ends.
struct Session {
  jpeg_decompress_struct Info{};
  ErrorManager Errors{};
  jpeg_progress_mgr Progress{};

  Session()
  {
    Info.err = jpeg_std_error(&Errors.Base);
    Errors.Base.error_exit = OnError;
    Errors.Base.emit_message = OnMessage;
    Progress.progress_monitor = OnProgress;
  }
  ~Session() { jpeg_destroy_decompress(&Info); }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  [[noreturn]] void Fail() const
  {
    throw Exception(FormatText("Cannot load image. Invalid or unexpected %s image format. (%s)", "JPEG",
                               Errors.Message));
  }
};

// The functions that may longjmp hold no object with a destructor.
bool ReadHeader(Session& session, const uint8_t* data, size_t size)
{
  if (setjmp(session.Errors.Return))
    return false;
  jpeg_create_decompress(&session.Info);
  session.Info.mem->max_memory_to_use = long(MaxPictureBytes);
  session.Info.progress = &session.Progress;
  jpeg_mem_src(&session.Info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&session.Info, TRUE);
  session.Info.out_color_space = JCS_EXT_BGRA;
  return true;
}

bool ReadPixels(Session& session, TBitmap32& picture)
{
  jpeg_decompress_struct& info = session.Info;
  if (setjmp(session.Errors.Return))
    return false;
  jpeg_start_decompress(&info);  // reads all scans of a progressive file: allocate after it
  if (info.output_width != info.image_width || info.output_height != info.image_height ||
      info.output_components != 4) {
    std::snprintf(session.Errors.Message, sizeof(session.Errors.Message), "unexpected output layout");
    return false;
  }
  // Rows are added as they decode, so damaged data stops before the whole picture is touched.
  const size_t rowBytes = size_t(info.output_width) * 4;
  picture.Width = int(info.output_width);
  picture.Height = int(info.output_height);
  picture.Pixels.reserve(rowBytes * info.output_height);
  while (info.output_scanline < info.output_height) {
    picture.Pixels.resize(rowBytes * (info.output_scanline + 1));
    JSAMPROW row = picture.Scanline(int(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

bool IsJpegSignature(const uint8_t* data, size_t size)
{
  return size >= 2 && data[0] == 0xFF && data[1] == 0xD8;
}

TBitmap32 ReadJpeg(const uint8_t* data, size_t size)
{
  Session session;
  if (!ReadHeader(session, data, size))
    session.Fail();
  CheckPictureSize(session.Info.image_width, session.Info.image_height, "JPEG");
  TBitmap32 picture;
  if (!ReadPixels(session, picture))
    session.Fail();
  return picture;
}
