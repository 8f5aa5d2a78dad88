#include "skin/PngFile.h"

#include <png.h>

#include <cstdint>
#include <cstring>

namespace corvane {
namespace {

constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
constexpr qsizetype kSignatureSize = sizeof kSignature - 1;

// Chunk lengths and header fields are big-endian 32-bit numbers.
std::uint32_t WordAt(const QByteArray& bytes, qsizetype at) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

// Colour-management chunks ahead of the pixels: the library would correct the pixels for
// them and Qt's decoder does not, so such a file goes the general way and looks the same.
bool HasColourChunks(const QByteArray& bytes) {
  for (qsizetype at = kSignatureSize; at + 8 <= bytes.size();) {
    const std::uint32_t length = WordAt(bytes, at);
    const char* type = bytes.constData() + at + 4;
    if (std::memcmp(type, "IDAT", 4) == 0) return false;
    for (const char* colour : {"gAMA", "cHRM", "sRGB", "iCCP"})
      if (std::memcmp(type, colour, 4) == 0) return true;
    at += 12 + static_cast<qsizetype>(length);
  }
  return false;
}

}  // namespace

bool IsPng(const QByteArray& bytes) { return bytes.startsWith(QByteArrayView(kSignature, kSignatureSize)); }

QSize PngHeaderSize(const QByteArray& bytes) {
  if (!IsPng(bytes) || bytes.size() < 24 || bytes.mid(12, 4) != "IHDR") return QSize();
  const std::uint32_t width = WordAt(bytes, 16), height = WordAt(bytes, 20);
  if (width == 0 || height == 0 || width > 32767 || height > 32767) return QSize();
  return QSize(static_cast<int>(width), static_cast<int>(height));
}

QImage DecodePng(const QByteArray& bytes) {
  if (!PngHeaderSize(bytes).isValid() || HasColourChunks(bytes)) return QImage();
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, bytes.constData(), static_cast<png_size_t>(bytes.size())))
    return QImage();
  // Sixteen-bit channels the library takes for linear light and would re-encode; Qt's
  // reader only scales them, so such a file goes the general way and looks the same.
  if ((png.format & PNG_FORMAT_FLAG_LINEAR) != 0) {
    png_image_free(&png);
    return QImage();
  }
  const bool alpha = (png.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  png.format = alpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
  QImage out(static_cast<int>(png.width), static_cast<int>(png.height),
             alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
  if (out.isNull()) {
    png_image_free(&png);
    return QImage();
  }
  // QImage lines are padded to four bytes; the library is told the stride in components,
  // which for eight-bit channels is bytes.
  if (!png_image_finish_read(&png, nullptr, out.bits(), static_cast<png_int_32>(out.bytesPerLine()), nullptr)) {
    png_image_free(&png);
    return QImage();
  }
  return out;
}

}  // namespace corvane
