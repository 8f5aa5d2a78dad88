// Skin pictures are read at load and decoded later (on the decode thread or where first
// drawn): the size is known before the pixels, a file that does not decode draws nothing
// and is read again next time, and threads loading the same files share one decode.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <future>
#include <thread>
#include <vector>

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>

#include "skin/SkinDecodeThread.h"
#include "skin/SkinImage.h"
#include "skin/SkinImageCache.h"
#include "support/EncodedPicture.h"
#include "support/TempDataFolder.h"

namespace corvane::testing {
namespace {

// Everything up to the start of the pixel data: the header a reader takes the size from,
// and no pixels after it.
std::string HeaderOnly(int width, int height) {
  const std::string bytes = PngBytes(width, height, Qt::red);
  return bytes.substr(0, bytes.find("IDAT") + 4);
}

// A whole PNG whose pixel data is damaged (same length, so the same size on disk).
std::string DamagedPixels(int width, int height, QColor color) {
  std::string bytes = PngBytes(width, height, color);
  const auto idat = bytes.find("IDAT");
  for (std::size_t i = idat + 4; i < bytes.size() - 16; ++i) bytes[i] = static_cast<char>(bytes[i] ^ 0x5A);
  return bytes;
}

// Keeps the program's decode thread busy, so that what a test loads waits to be decoded
// where it is first used.
class DecodeThreadHeld {
 public:
  DecodeThreadHeld() {
    SkinDecodeThread::Instance().Post([released = release_.get_future().share()] { released.wait(); });
  }
  ~DecodeThreadHeld() { release_.set_value(); }

 private:
  std::promise<void> release_;
};

// What a slot paints over a white canvas.
QImage Painted(const SkinImage& slot) {
  QImage canvas(8, 8, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::white);
  QPainter p(&canvas);
  slot.Draw(p, QRectF(0, 0, 8, 8));
  slot.DrawFrame(p, QRectF(0, 0, 8, 8), 0, 2);
  p.end();
  return canvas;
}

TEST(SkinPictureTest, FilesThatDoNotDecodeDrawNothing) {
  struct Case {
    const char* name;
    std::string bytes;  // not written when the file is to be missing
    bool holdsPicture;  // what Load says: a header with a size was read
    int declaredWidth;  // known before the pixels
  };
  const Case cases[] = {
      {"missing.png", "", false, 0},
      {"empty.png", "", false, 0},
      {"signature.png", std::string("\x89PNG\r\n\x1a\n", 8), false, 0},
      {"text.png", "not a picture at all", false, 0},
      {"header-only.png", HeaderOnly(7, 5), true, 7},
      {"damaged-pixels.png", DamagedPixels(6, 4, Qt::blue), true, 6},
  };
  TempDataFolder folder;
  const QImage white = Painted(SkinImage());
  const DecodeThreadHeld held;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (std::string_view(c.name) != "missing.png") folder.PutBytes(c.name, c.bytes);
    SkinImage slot;
    EXPECT_EQ(slot.Load(folder.Path(c.name)), c.holdsPicture);
    EXPECT_TRUE(slot.HasSlot());
    EXPECT_EQ(slot.Width(), c.declaredWidth);
    EXPECT_FALSE(slot.IsDrawable());
    EXPECT_TRUE(slot.Image().isNull());
    EXPECT_EQ(Painted(slot), white);
    // Once the pixels are known not to come, the slot has nothing of any size.
    EXPECT_EQ(slot.Width(), 0);
    EXPECT_EQ(slot.Height(), 0);
  }
}

TEST(SkinPictureTest, SizeIsKnownBeforeThePixelsAndMatchesThem) {
  TempDataFolder folder;
  folder.PutBytes("wide.png", PngBytes(9, 3, Qt::green));
  const DecodeThreadHeld held;
  SkinImage slot;
  ASSERT_TRUE(slot.Load(folder.Path("wide.png")));
  EXPECT_EQ(slot.Width(), 9);
  EXPECT_EQ(slot.Height(), 3);
  EXPECT_EQ(slot.Image().size(), QSize(9, 3));
  EXPECT_EQ(slot.Image().pixelColor(8, 2), QColor(Qt::green));
}

TEST(SkinPictureTest, FailedDecodeIsNotRememberedEvenWhenTheFileLooksTheSame) {
  TempDataFolder folder;
  const auto path = folder.Path("same.png");
  folder.PutBytes("same.png", DamagedPixels(5, 5, Qt::red));
  const auto time = std::filesystem::last_write_time(path);
  SkinImage failed;  // still held, so the cache keeps its entry
  ASSERT_TRUE(failed.Load(path));
  EXPECT_FALSE(failed.IsDrawable());
  // Repaired in place: same length, and the time put back, so only the failure says
  // that the cached picture is no good.
  folder.PutBytes("same.png", PngBytes(5, 5, Qt::red));
  std::filesystem::last_write_time(path, time);
  SkinImage slot;
  ASSERT_TRUE(slot.Load(path));
  EXPECT_TRUE(slot.IsDrawable());
  EXPECT_EQ(slot.Image().pixelColor(2, 2), QColor(Qt::red));
  EXPECT_FALSE(failed.IsDrawable());
}

TEST(SkinPictureTest, ThreadsLoadingTheSameFilesShareOneDecode) {
  constexpr int kFiles = 6, kThreads = 4;
  const QColor colors[kFiles] = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::yellow};
  TempDataFolder folder;
  for (int f = 0; f < kFiles; ++f)
    folder.PutBytes("t" + std::to_string(f) + ".png", PngBytes(16 + f, 8, colors[f]));
  std::vector<std::vector<SkinImage>> loaded(kThreads, std::vector<SkinImage>(kFiles));
  std::atomic<int> ready{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      ++ready;
      while (ready.load() < kThreads) std::this_thread::yield();
      // Each thread in another order, drawing half of what it loads at once.
      for (int i = 0; i < kFiles; ++i) {
        const int f = (i + t) % kFiles;
        auto& slot = loaded[static_cast<std::size_t>(t)][static_cast<std::size_t>(f)];
        slot.Load(folder.Path("t" + std::to_string(f) + ".png"));
        if (i % 2 == 0) (void)slot.Image();
      }
    });
  }
  for (auto& th : threads) th.join();
  for (int f = 0; f < kFiles; ++f) {
    SCOPED_TRACE(f);
    const auto& first = loaded[0][static_cast<std::size_t>(f)];
    ASSERT_TRUE(first.IsDrawable());
    EXPECT_EQ(first.Width(), 16 + f);
    EXPECT_EQ(first.Image().pixelColor(3, 3), colors[f]);
    for (int t = 1; t < kThreads; ++t)
      EXPECT_EQ(loaded[static_cast<std::size_t>(t)][static_cast<std::size_t>(f)].Image().constBits(),
                first.Image().constBits());
  }
}

TEST(SkinPictureTest, StoppedDecodeThreadDropsWhatItHasNotBegun) {
  SkinDecodeThread thread;
  std::atomic<bool> queued{false}, first{false}, later{false};
  // The first task stops the thread while the second waits in the queue.
  ASSERT_TRUE(thread.Post([&] {
    while (!queued.load()) std::this_thread::yield();
    thread.Stop();
    first = true;
  }));
  const bool posted = thread.Post([&] { later = true; });
  queued = true;
  ASSERT_TRUE(posted);
  while (!first.load()) std::this_thread::yield();
  thread.Stop();
  EXPECT_FALSE(later.load());
  EXPECT_FALSE(thread.Post([&] { later = true; }));
  EXPECT_FALSE(later.load());
}

}  // namespace
}  // namespace corvane::testing
