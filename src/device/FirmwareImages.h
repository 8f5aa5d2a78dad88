#pragma once
// The two firmware images the program carries (application and loader), their 16-byte
// headers, the size checks applied when they are loaded, and the deterministic images
// built when no maker's image files are embedded.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace corvane {

// The carried images, compiled in at build time (generated, or the maker's files).
std::span<const std::uint8_t> ApplicationImage();
std::span<const std::uint8_t> LoaderImage();
// Whether both carried images are the deterministic stand-ins below.
bool CarriedImagesAreSynthetic();

constexpr std::size_t kApplicationImageLimit = 159616;
constexpr std::size_t kLoaderImageLimit = 0x52000;
// The loader occupies flash 0x00000..0x2AFFF; the application starts at 0x52000.
constexpr std::size_t kLoaderAreaSize = 0x2B000;
constexpr std::uint32_t kApplicationFlashAddress = 0x52000;
// Where the device keeps the header of the application it runs.
constexpr std::uint32_t kDeviceApplicationHeaderAddress = 0x2B070;

constexpr std::size_t kApplicationHeaderOffset = 0;
constexpr std::size_t kLoaderHeaderOffset = 0x3730;

// 16 bytes, little-endian. Only CS means something to the program; the rest is the
// firmware's own business and is kept as it is.
struct ImageHeader {
  static constexpr std::size_t kSize = 16;
  static constexpr std::size_t kOffsetCS = 0;        // u32: checksum of the image from byte 16
  static constexpr std::size_t kOffsetWord4 = 4;     // u16
  static constexpr std::size_t kOffsetWord6 = 6;     // u16
  static constexpr std::size_t kOffsetDword8 = 8;    // u32
  static constexpr std::size_t kOffsetByte12 = 12;   // u8
  static constexpr std::size_t kOffsetByte13 = 13;   // u8
  static constexpr std::size_t kOffsetWord14 = 14;   // u16

  std::array<std::uint8_t, kSize> bytes{};

  std::uint32_t CS() const;
  std::uint16_t Word(std::size_t offset) const;
  std::uint32_t Dword(std::size_t offset) const;
};
static_assert(sizeof(ImageHeader) == ImageHeader::kSize);

// The header at offset; none when the image is too short to hold it.
std::optional<ImageHeader> ReadImageHeader(std::span<const std::uint8_t> image, std::size_t offset);

constexpr std::u16string_view kAppFileErrorText = u"App File is Error!";

// What the firmware dialog loads from the carried images.
struct LoadedImages {
  std::span<const std::uint8_t> Application;  // empty when refused
  std::span<const std::uint8_t> Loader;       // empty when refused
  bool ApplicationError = false;              // show kAppFileErrorText; nothing may be flashed
  ImageHeader ApplicationHeader;              // zero when refused
  ImageHeader LoaderHeader;                   // zero when absent; read but not used

  // An update needs an application image; programming the loader needs one that
  // covers the whole loader area.
  bool CanUpdate() const { return !ApplicationError; }
  bool CanProgramLoader() const { return Loader.size() >= kLoaderAreaSize; }
};

// Size checks of loading: an application image that is missing, larger than the limit,
// too short for its header, or whose header checksum does not match its content is an
// error and nothing is loaded; a loader larger than its limit is left out silently.
LoadedImages LoadFirmwareImages(std::span<const std::uint8_t> application,
                                std::span<const std::uint8_t> loader);

// Deterministic stand-in images with a valid header (its CS is the image checksum),
// used when no maker's images are embedded. A different version gives different
// content, so tests and the simulated mouse can hold an older application.
constexpr std::uint16_t kSyntheticApplicationVersion = 0x0201;
constexpr std::size_t kSyntheticApplicationSize = 101568;

std::vector<std::uint8_t> SyntheticApplicationImage(std::uint16_t version = kSyntheticApplicationVersion,
                                                    std::size_t size = kSyntheticApplicationSize);
std::vector<std::uint8_t> SyntheticLoaderImage();

}  // namespace corvane
