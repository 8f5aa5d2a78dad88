// Frame bitmaps and the main background are shown opaque: a picture with transparency is
// laid over black, one without is taken as it is, whatever format the file holds.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>

#include "skin/SkinImage.h"
#include "support/EncodedPicture.h"
#include "support/TempDataFolder.h"

namespace corvane::testing {
namespace {

// Two pixels: an opaque one and a half-transparent one where the picture has alpha.
QImage TwoPixels(QImage::Format format) {
  QImage img(2, 1, format);
  img.setPixelColor(0, 0, QColor(200, 100, 50));
  img.setPixelColor(1, 0, img.hasAlphaChannel() ? QColor(200, 100, 50, 128) : QColor(10, 20, 30));
  return img;
}

// A PNG chunk with its CRC, for files that carry one the encoder does not write.
QByteArray Chunk(const char* type, const QByteArray& data) {
  const auto bigEndian = [](std::uint32_t v) {
    const char bytes[4] = {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
                           static_cast<char>(v)};
    return QByteArray(bytes, 4);
  };
  const QByteArray body = QByteArray(type, 4) + data;
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const char ch : body) {
    crc ^= static_cast<unsigned char>(ch);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return bigEndian(static_cast<std::uint32_t>(data.size())) + body + bigEndian(crc ^ 0xFFFFFFFFu);
}

// The encoded PNG with a gamma chunk put right after its header chunk.
std::string WithGamma(const std::string& encoded) {
  constexpr int kAfterHeader = 8 + 12 + 13;
  const QByteArray png = QByteArray::fromStdString(encoded);
  return (png.left(kAfterHeader) + Chunk("gAMA", QByteArray("\x00\x00\xB1\x8F", 4)) + png.mid(kAfterHeader))
      .toStdString();
}

TEST(LoadOpaqueBitmapTest, TransparencyGoesOverBlackAndOpaquePicturesStayAsTheyAre) {
  struct Case {
    const char* file;
    QImage::Format format;
    const char* encoding;
    bool gamma;
    QColor second;
    QImage::Format read;  // an opaque PNG keeps its three bytes a pixel
  };
  const Case cases[] = {
      {"alpha.png", QImage::Format_ARGB32, "PNG", false, QColor(100, 50, 25), QImage::Format_RGB32},
      {"rgb.png", QImage::Format_RGB32, "PNG", false, QColor(10, 20, 30), QImage::Format_RGB888},
      {"gamma.png", QImage::Format_RGB32, "PNG", true, QColor(10, 20, 30), QImage::Format_RGB32},
      {"frame.bmp", QImage::Format_RGB32, "BMP", false, QColor(10, 20, 30), QImage::Format_RGB32},
  };
  TempDataFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string bytes = EncodedPicture(TwoPixels(c.format), c.encoding);
    folder.PutBytes(c.file, c.gamma ? WithGamma(bytes) : bytes);
    const QImage img = LoadOpaqueBitmap(folder.Path(c.file));
    ASSERT_EQ(img.format(), c.read);
    EXPECT_EQ(img.pixelColor(0, 0), QColor(200, 100, 50));
    const QColor second = img.pixelColor(1, 0);
    EXPECT_NEAR(second.red(), c.second.red(), 1);
    EXPECT_NEAR(second.green(), c.second.green(), 1);
    EXPECT_NEAR(second.blue(), c.second.blue(), 1);
  }
}

TEST(LoadOpaqueBitmapTest, MissingOrUndecodableFileGivesANullImage) {
  TempDataFolder folder;
  folder.PutBytes("garbage.png", "not a picture");
  EXPECT_TRUE(LoadOpaqueBitmap(folder.Path("garbage.png")).isNull());
  EXPECT_TRUE(LoadOpaqueBitmap(folder.Path("missing.bmp")).isNull());
}

}  // namespace
}  // namespace corvane::testing
