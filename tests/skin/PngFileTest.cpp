// The skin reads plain eight-bit PNGs itself, without Qt's image reader (which loads every
// image-format plugin the first time): whatever kind of PNG it takes, the pixels must be the
// ones Qt's reader gives, and what it leaves to that reader it must refuse as a whole.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QImageReader>

#include "skin/PngFile.h"
#include "support/EncodedPicture.h"

namespace corvane::testing {
namespace {

// 16 x 16 pixels that run through every alpha value and many colours.
QImage Ramp(QImage::Format format) {
  QImage img(16, 16, QImage::Format_ARGB32);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) img.setPixel(x, y, qRgba(x * 17, y * 16, (x * y) % 256, y * 16 + x));
  return img.convertToFormat(format);
}

// A palette picture whose colours include a transparent and a half-transparent one.
QImage PaletteWithTransparency() {
  QImage img(4, 2, QImage::Format_Indexed8);
  img.setColorTable({qRgba(0, 0, 0, 0), qRgba(255, 0, 0, 128), qRgb(0, 200, 50), qRgba(10, 20, 30, 255)});
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) img.setPixel(x, y, static_cast<uint>((x + y) % 4));
  return img;
}

QImage ReadByQt(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  return QImageReader(&buffer, "png").read();
}

TEST(PngFileTest, DecodesPlainPngsToTheReadersPixels) {
  struct Case {
    const char* name;
    QImage picture;
    QImage::Format decoded;  // three bytes a pixel without transparency, four with it
  };
  const Case cases[] = {
      {"opaque colour", Ramp(QImage::Format_RGB32), QImage::Format_RGB888},
      {"alpha channel", Ramp(QImage::Format_ARGB32), QImage::Format_RGBA8888},
      {"grey", Ramp(QImage::Format_Grayscale8), QImage::Format_RGB888},
      {"one bit", Ramp(QImage::Format_RGB32).convertToFormat(QImage::Format_Mono), QImage::Format_RGB888},
      {"palette with transparency", PaletteWithTransparency(), QImage::Format_RGBA8888},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QByteArray bytes = QByteArray::fromStdString(EncodedPicture(c.picture));
    const QImage decoded = DecodePng(bytes);
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.format(), c.decoded);
    // As the skinned controls draw them: premultiplied, where a rounding or a channel
    // order that differs from the reader's shows.
    const QImage expected = ReadByQt(bytes).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied), expected);
  }
}

TEST(PngFileTest, LeavesWhatItDoesNotReadAsTheReaderDoesToThatReader) {
  const std::string plain = EncodedPicture(Ramp(QImage::Format_ARGB32));
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      // Sixteen-bit channels: the library would take them for linear light.
      {"sixteen bits a channel", EncodedPicture(Ramp(QImage::Format_RGBA64))},
      {"cut short", plain.substr(0, plain.size() / 2)},
      {"not a png", "BM and then nothing"},
      {"empty", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_TRUE(DecodePng(QByteArray::fromStdString(c.bytes)).isNull());
  }
}

}  // namespace
}  // namespace corvane::testing
