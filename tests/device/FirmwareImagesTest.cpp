#include "device/FirmwareImages.h"

#include <gtest/gtest.h>

#include "device/ImageChecksum.h"

namespace corvane {
namespace {

struct HeaderExpectation {
  std::uint16_t version;
  std::uint8_t kind;
};

void ExpectValidHeader(std::span<const std::uint8_t> image, std::size_t offset, HeaderExpectation e) {
  const auto h = ReadImageHeader(image, offset);
  ASSERT_TRUE(h.has_value());
  EXPECT_EQ(h->CS(), ImageChecksum(image));
  EXPECT_EQ(h->Word(ImageHeader::kOffsetWord4), 0x6674);
  EXPECT_EQ(h->Word(ImageHeader::kOffsetWord6), e.version);
  EXPECT_EQ(h->Dword(ImageHeader::kOffsetDword8), image.size());
  EXPECT_EQ(h->bytes[ImageHeader::kOffsetByte12], e.kind);
  EXPECT_EQ(h->Word(ImageHeader::kOffsetWord14), 0xA55A);
}

TEST(FirmwareImages, SyntheticImagesHaveValidHeaders) {
  const auto app = SyntheticApplicationImage();
  ASSERT_EQ(app.size(), 101568u);  // 793 blocks of 128 bytes and a 64-byte tail
  ExpectValidHeader(app, 0, {0x0201, 1});

  // The loader's header lies inside the checksummed bytes; its CS still matches.
  const auto loader = SyntheticLoaderImage();
  ASSERT_EQ(loader.size(), 0x2B000u);
  ExpectValidHeader(loader, 0x3730, {0x0100, 2});

  // Pinned so that stored simulator states and traces stay comparable between builds.
  EXPECT_EQ(ReadImageHeader(app, 0)->CS(), 0x99D94296u);
  EXPECT_EQ(ReadImageHeader(loader, 0x3730)->CS(), 0x1C97D404u);
}

TEST(FirmwareImages, OtherVersionsDifferInContent) {
  const auto carried = SyntheticApplicationImage();
  const auto older = SyntheticApplicationImage(0x0105);
  ExpectValidHeader(older, 0, {0x0105, 1});
  EXPECT_NE(ImageChecksum(older), ImageChecksum(carried));
  std::size_t sameBlocks = 0;
  for (std::size_t at = 128; at + 128 <= carried.size(); at += 128)
    sameBlocks += std::equal(carried.begin() + at, carried.begin() + at + 128, older.begin() + at);
  EXPECT_EQ(sameBlocks, 0u);

  const auto shortApp = SyntheticApplicationImage(0x0201, 4096);
  ExpectValidHeader(shortApp, 0, {0x0201, 1});
}

TEST(FirmwareImages, CarriedImagesLoad) {
  const auto loaded = LoadFirmwareImages(ApplicationImage(), LoaderImage());
  EXPECT_TRUE(loaded.CanUpdate());
  EXPECT_EQ(loaded.ApplicationHeader.CS(), ImageChecksum(ApplicationImage()));
  if (CarriedImagesAreSynthetic()) {
    EXPECT_TRUE(std::ranges::equal(ApplicationImage(), SyntheticApplicationImage()));
    EXPECT_TRUE(std::ranges::equal(LoaderImage(), SyntheticLoaderImage()));
    EXPECT_TRUE(loaded.CanProgramLoader());
    EXPECT_EQ(loaded.LoaderHeader.CS(), ImageChecksum(LoaderImage()));
  }
}

TEST(FirmwareImages, SizeChecksOfLoading) {
  const auto atLimit = SyntheticApplicationImage(0x0201, kApplicationImageLimit);
  const auto overLimit = SyntheticApplicationImage(0x0201, kApplicationImageLimit + 1);
  const auto headerOnly = SyntheticApplicationImage(0x0201, 16);
  const std::vector<std::uint8_t> tooShort(15, 0);
  auto damaged = SyntheticApplicationImage();
  damaged[5000] ^= 0x01;
  const std::vector<std::uint8_t> empty;
  const std::vector<std::uint8_t> loaderAtLimit(kLoaderImageLimit, 0xFF);
  const std::vector<std::uint8_t> loaderOverLimit(kLoaderImageLimit + 1, 0xFF);
  const std::vector<std::uint8_t> loaderShort(kLoaderAreaSize - 1, 0xFF);
  const auto loader = SyntheticLoaderImage();

  struct Case {
    const char* what;
    std::span<const std::uint8_t> app;
    std::span<const std::uint8_t> loader;
    bool appError;
    bool loaderLoaded;
    bool canProgramLoader;
  };
  const Case cases[] = {
      {"application at its limit", atLimit, loader, false, true, true},
      {"application over its limit", overLimit, loader, true, true, true},
      {"application missing", empty, loader, true, true, true},
      {"application without header", tooShort, loader, true, true, true},
      {"application of its header alone", headerOnly, loader, false, true, true},
      {"application damaged", damaged, loader, true, true, true},
      {"loader at its limit", atLimit, loaderAtLimit, false, true, true},
      {"loader over its limit", atLimit, loaderOverLimit, false, false, false},
      {"loader short of the loader area", atLimit, loaderShort, false, true, false},
      {"loader missing", atLimit, empty, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto r = LoadFirmwareImages(c.app, c.loader);
    EXPECT_EQ(r.ApplicationError, c.appError);
    EXPECT_EQ(r.CanUpdate(), !c.appError);
    EXPECT_EQ(r.Application.size(), c.appError ? 0u : c.app.size());
    EXPECT_EQ(r.Loader.size(), c.loaderLoaded ? c.loader.size() : 0u);
    EXPECT_EQ(r.CanProgramLoader(), c.canProgramLoader);
  }
  EXPECT_EQ(kAppFileErrorText, u"App File is Error!");
}

TEST(FirmwareImages, HeaderNeedsSixteenBytesAtItsOffset) {
  const std::vector<std::uint8_t> image(0x3740, 0);
  EXPECT_TRUE(ReadImageHeader(image, 0x3730).has_value());
  EXPECT_FALSE(ReadImageHeader(image, 0x3731).has_value());
  EXPECT_FALSE(ReadImageHeader(image, 0x10000).has_value());
}

}  // namespace
}  // namespace corvane
