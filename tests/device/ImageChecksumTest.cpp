#include "device/ImageChecksum.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace corvane {
namespace {

// An image whose checksummed part (from byte 16) is body; the header bytes are filled
// with a pattern, since they must not count.
std::vector<std::uint8_t> Image(std::string_view body, std::uint8_t headerFill = 0xA5) {
  std::vector<std::uint8_t> image(kImageChecksumStart, headerFill);
  image.insert(image.end(), body.begin(), body.end());
  return image;
}

TEST(ImageChecksum, GoldenValues) {
  struct Case {
    std::vector<std::uint8_t> image;
    std::uint32_t checksum;
  };
  std::vector<std::uint8_t> ramp;
  for (int i = 0; i < 512; ++i) ramp.push_back(static_cast<std::uint8_t>(i));
  const Case cases[] = {
      {{}, 0xFFFFFFFF},
      {std::vector<std::uint8_t>(16, 0x55), 0xFFFFFFFF},
      {Image(std::string_view("\0", 1)), 0x2DFD1072},
      {Image("123456789"), 0x340BC6D9},
      {Image("123456789", 0x00), 0x340BC6D9},
      {Image("The quick brown fox jumps over the lazy dog"), 0xBEB05CC6},
      {Image(std::string_view(reinterpret_cast<const char*>(ramp.data()), ramp.size())), 0xE39ECA89},
  };
  for (const auto& c : cases) EXPECT_EQ(ImageChecksum(c.image), c.checksum) << c.image.size();
}

TEST(ImageChecksum, RunsOnInPieces) {
  const auto image = Image("The quick brown fox jumps over the lazy dog");
  const std::span<const std::uint8_t> body = std::span(image).subspan(kImageChecksumStart);
  const std::uint32_t first = UpdateImageChecksum(kImageChecksumSeed, body.first(10));
  EXPECT_EQ(UpdateImageChecksum(first, body.subspan(10)), ImageChecksum(image));
}

}  // namespace
}  // namespace corvane
