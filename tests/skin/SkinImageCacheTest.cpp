// Skin pictures decoded once and shared: slots of the same file share one pixel buffer,
// a file rewritten on disk is decoded again, and pictures no slot holds are let go.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>

#include "skin/SkinImage.h"
#include "skin/SkinImageCache.h"
#include "support/EncodedPicture.h"
#include "support/TempDataFolder.h"

namespace corvane::testing {
namespace {

TEST(SkinImageCacheTest, SlotsOfOneFileShareThePixels) {
  TempDataFolder folder;
  folder.PutBytes("a.png", PngBytes(4, 3, Qt::red));
  SkinImage first, second;
  ASSERT_TRUE(first.Load(folder.Path("a.png")));
  ASSERT_TRUE(second.Load(folder.Path("a.png")));
  EXPECT_EQ(first.Image().constBits(), second.Image().constBits());
  EXPECT_EQ(first.Image().format(), QImage::Format_ARGB32_Premultiplied);
  EXPECT_EQ(second.Image().pixelColor(1, 1), QColor(Qt::red));
}

TEST(SkinImageCacheTest, FileRewrittenOnDiskIsDecodedAgain) {
  TempDataFolder folder;
  folder.PutBytes("b.png", PngBytes(4, 3, Qt::red));
  SkinImage before, after;
  ASSERT_TRUE(before.Load(folder.Path("b.png")));
  folder.PutBytes("b.png", PngBytes(6, 2, Qt::blue));
  ASSERT_TRUE(after.Load(folder.Path("b.png")));
  EXPECT_EQ(after.Width(), 6);
  EXPECT_EQ(after.Image().pixelColor(0, 0), QColor(Qt::blue));
  // A slot that already shows the old picture keeps it intact.
  EXPECT_EQ(before.Width(), 4);
  EXPECT_EQ(before.Image().pixelColor(0, 0), QColor(Qt::red));
}

TEST(SkinImageCacheTest, UnreadableFilesFillTheSlotWithNothingToDraw) {
  TempDataFolder folder;
  folder.PutBytes("empty.png", "");
  folder.PutBytes("garbage.png", std::string("\x89PNG\r\n\x1a\n garbage", 17));
  for (const char* name : {"missing.png", "empty.png", "garbage.png"}) {
    SkinImage slot;
    EXPECT_FALSE(slot.Load(folder.Path(name))) << name;
    EXPECT_TRUE(slot.HasSlot()) << name;
    EXPECT_FALSE(slot.IsDrawable()) << name;
  }
  // Once written properly, the same name decodes: a failure is not remembered.
  folder.PutBytes("empty.png", PngBytes(2, 2, Qt::green));
  SkinImage slot;
  EXPECT_TRUE(slot.Load(folder.Path("empty.png")));
}

TEST(SkinImageCacheTest, PicturesNoSlotHoldsAreLetGo) {
  TempDataFolder folder;
  folder.PutBytes("c.png", PngBytes(8, 8, Qt::red));
  folder.PutBytes("d.png", PngBytes(8, 8, Qt::blue));
  auto& cache = SkinImageCache::Instance();
  std::size_t held = 0;
  {
    SkinImage c;
    ASSERT_TRUE(c.Load(folder.Path("c.png")));
    held = cache.Size();
    c.Release();
  }
  SkinImage d;
  ASSERT_TRUE(d.Load(folder.Path("d.png")));
  EXPECT_EQ(cache.Size(), held);
  // Drawing from a shared picture never changes what another slot shows.
  SkinImage e;
  ASSERT_TRUE(e.Load(folder.Path("d.png")));
  QImage copy = e.Image();
  copy.fill(Qt::black);
  EXPECT_EQ(d.Image().pixelColor(0, 0), QColor(Qt::blue));
}

}  // namespace
}  // namespace corvane::testing
