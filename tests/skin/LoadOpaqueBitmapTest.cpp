// Frame bitmaps and the main background are shown opaque: a picture with transparency is
// laid over black, one without is taken as it is, whatever format the file holds.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>

#include "skin/SkinImage.h"
#include "support/TempDataFolder.h"

namespace corvane::testing {
namespace {

std::string Encoded(const QImage& img, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  img.save(&buffer, format);
  return bytes.toStdString();
}

// Two pixels: an opaque one and a half-transparent one where the picture has alpha.
QImage TwoPixels(QImage::Format format) {
  QImage img(2, 1, format);
  img.setPixelColor(0, 0, QColor(200, 100, 50));
  img.setPixelColor(1, 0, img.hasAlphaChannel() ? QColor(200, 100, 50, 128) : QColor(10, 20, 30));
  return img;
}

TEST(LoadOpaqueBitmapTest, TransparencyGoesOverBlackAndOpaquePicturesStayAsTheyAre) {
  struct Case {
    const char* file;
    QImage::Format format;
    const char* encoding;
    QColor second;
  };
  const Case cases[] = {
      {"alpha.png", QImage::Format_ARGB32, "PNG", QColor(100, 50, 25)},
      {"rgb.png", QImage::Format_RGB32, "PNG", QColor(10, 20, 30)},
      {"frame.bmp", QImage::Format_RGB32, "BMP", QColor(10, 20, 30)},
  };
  TempDataFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    folder.PutBytes(c.file, Encoded(TwoPixels(c.format), c.encoding));
    const QImage img = LoadOpaqueBitmap(folder.Path(c.file));
    ASSERT_EQ(img.format(), QImage::Format_RGB32);
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
