#include "device/FirmwareImages.h"

#include <algorithm>

#include "device/ImageChecksum.h"

namespace corvane {
namespace {

std::uint32_t LoadLe32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
         (std::uint32_t{p[3]} << 24);
}

void StoreLe(std::uint8_t* p, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) p[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

struct SyntheticSpec {
  std::size_t Size;
  std::size_t HeaderOffset;
  std::uint32_t Seed;
  std::uint16_t Word4;    // product the image is meant for
  std::uint16_t Version;  // word 6
  std::uint8_t Kind;      // byte 12: 1 application, 2 loader
};

constexpr std::uint16_t kSyntheticProduct = 0x6674;  // the cable mouse
constexpr std::uint16_t kSyntheticMarker = 0xA55A;
constexpr std::uint8_t kKindApplication = 1;
constexpr std::uint8_t kKindLoader = 2;
constexpr std::uint16_t kSyntheticLoaderVersion = 0x0100;

// Sets the last four bytes so that the checksum of the whole image comes out as
// target. The register after four more bytes no longer depends on where it started,
// so the table entries to use follow from the target alone, top byte first.
void ForgeTail(std::vector<std::uint8_t>& image, std::uint32_t target) {
  std::array<std::uint8_t, 256> indexOfTop{};
  for (int i = 0; i < 256; ++i)
    indexOfTop[ImageChecksumTableEntry(static_cast<std::uint8_t>(i)) >> 24] = static_cast<std::uint8_t>(i);
  std::array<std::uint8_t, 4> indices{};
  std::uint32_t reg = target;
  for (int k = 3; k >= 0; --k) {
    const std::uint8_t idx = indexOfTop[reg >> 24];
    indices[static_cast<std::size_t>(k)] = idx;
    reg = (reg ^ ImageChecksumTableEntry(idx)) << 8;
  }
  const std::size_t tail = image.size() - 4;
  std::uint32_t state = UpdateImageChecksum(
      kImageChecksumSeed, std::span<const std::uint8_t>(image).subspan(kImageChecksumStart,
                                                                        tail - kImageChecksumStart));
  for (std::size_t k = 0; k < 4; ++k) {
    image[tail + k] = static_cast<std::uint8_t>((state ^ indices[k]) & 0xFF);
    state = (state >> 8) ^ ImageChecksumTableEntry(indices[k]);
  }
}

std::vector<std::uint8_t> BuildSyntheticImage(const SyntheticSpec& spec) {
  std::vector<std::uint8_t> image(spec.Size);
  std::uint32_t x = spec.Seed ? spec.Seed : 1;
  for (auto& b : image) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    b = static_cast<std::uint8_t>(x >> 24);
  }
  const std::size_t headerEnd = spec.HeaderOffset + ImageHeader::kSize;
  // A header inside the checksummed bytes needs four free bytes at the end to balance it.
  const bool headerInside = spec.HeaderOffset >= kImageChecksumStart;
  if (image.size() < headerEnd + (headerInside ? 4 : 0)) return image;

  std::uint8_t* h = image.data() + spec.HeaderOffset;
  StoreLe(h + ImageHeader::kOffsetCS, 0, 4);
  StoreLe(h + ImageHeader::kOffsetWord4, spec.Word4, 2);
  StoreLe(h + ImageHeader::kOffsetWord6, spec.Version, 2);
  StoreLe(h + ImageHeader::kOffsetDword8, static_cast<std::uint32_t>(spec.Size), 4);
  h[ImageHeader::kOffsetByte12] = spec.Kind;
  h[ImageHeader::kOffsetByte13] = 0;
  StoreLe(h + ImageHeader::kOffsetWord14, kSyntheticMarker, 2);

  const std::uint32_t cs = ImageChecksum(image);
  StoreLe(h + ImageHeader::kOffsetCS, cs, 4);
  if (headerInside) ForgeTail(image, cs);
  return image;
}

}  // namespace

std::uint32_t ImageHeader::CS() const { return Dword(kOffsetCS); }

std::uint16_t ImageHeader::Word(std::size_t offset) const {
  return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

std::uint32_t ImageHeader::Dword(std::size_t offset) const { return LoadLe32(bytes.data() + offset); }

std::optional<ImageHeader> ReadImageHeader(std::span<const std::uint8_t> image, std::size_t offset) {
  if (offset > image.size() || image.size() - offset < ImageHeader::kSize) return std::nullopt;
  ImageHeader h;
  std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(offset), ImageHeader::kSize, h.bytes.begin());
  return h;
}

LoadedImages LoadFirmwareImages(std::span<const std::uint8_t> application,
                                std::span<const std::uint8_t> loader) {
  LoadedImages r;
  const auto appHeader = ReadImageHeader(application, kApplicationHeaderOffset);
  // A damaged image would be flashed, fail its read-back check and leave the mouse with
  // an erased application, so it is refused like a missing one.
  if (application.size() > kApplicationImageLimit || !appHeader ||
      appHeader->CS() != ImageChecksum(application)) {
    r.ApplicationError = true;
  } else {
    r.Application = application;
    r.ApplicationHeader = *appHeader;
  }
  if (loader.size() <= kLoaderImageLimit) {
    r.Loader = loader;
    if (const auto h = ReadImageHeader(loader, kLoaderHeaderOffset)) r.LoaderHeader = *h;
  }
  return r;
}

std::vector<std::uint8_t> SyntheticApplicationImage(std::uint16_t version, std::size_t size) {
  return BuildSyntheticImage({size, kApplicationHeaderOffset, 0x41505000u ^ version, kSyntheticProduct,
                              version, kKindApplication});
}

std::vector<std::uint8_t> SyntheticLoaderImage() {
  return BuildSyntheticImage({kLoaderAreaSize, kLoaderHeaderOffset, 0x4C445200u ^ kSyntheticLoaderVersion,
                              kSyntheticProduct, kSyntheticLoaderVersion, kKindLoader});
}

}  // namespace corvane
