// The .ico the icon maker writes, read back byte by byte the way Windows reads it.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "icon_art.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

unsigned u16(const Bytes& b, std::size_t at) { return b.at(at) | (b.at(at + 1) << 8); }
std::uint32_t u32(const Bytes& b, std::size_t at) { return u16(b, at) | (u16(b, at + 2) << 16); }
std::int32_t s32(const Bytes& b, std::size_t at) { return static_cast<std::int32_t>(u32(b, at)); }

struct Pixel {
  std::uint8_t b, g, r, a;
  bool masked;  // AND mask bit: 1 = transparent
};

// Pixel (x, y), y counted from the top, of the DIB at `dib` (bottom-up rows, then the mask).
Pixel pixel_at(const Bytes& ico, std::size_t dib, int size, int x, int y) {
  const std::size_t row = static_cast<std::size_t>(size - 1 - y);
  const std::size_t colour = dib + 40 + (row * size + x) * 4;
  const std::size_t mask_row = (static_cast<std::size_t>(size) + 31) / 32 * 4;
  const std::size_t mask = dib + 40 + static_cast<std::size_t>(size) * size * 4 + row * mask_row;
  return {ico.at(colour), ico.at(colour + 1), ico.at(colour + 2), ico.at(colour + 3),
          ((ico.at(mask + x / 8) >> (7 - x % 8)) & 1) != 0};
}

TEST(IconMaker, FileHoldsFiveThirtyTwoBitImagesThatParseBack) {
  const Bytes ico = corvanta::icon::make_icon_file();
  ASSERT_GE(ico.size(), 6u);
  EXPECT_EQ(u16(ico, 0), 0u);  // reserved
  EXPECT_EQ(u16(ico, 2), 1u);  // icon, not cursor
  ASSERT_EQ(u16(ico, 4), 5u);

  std::set<int> sizes;
  std::size_t expected_offset = 6 + 16 * 5;
  for (int i = 0; i < 5; ++i) {
    const std::size_t e = 6 + 16 * static_cast<std::size_t>(i);
    const int size = ico.at(e) == 0 ? 256 : ico.at(e);
    SCOPED_TRACE("entry of " + std::to_string(size) + " px");
    sizes.insert(size);
    EXPECT_EQ(ico.at(e + 1), ico.at(e)) << "square";
    EXPECT_EQ(u16(ico, e + 4), 1u) << "planes";
    EXPECT_EQ(u16(ico, e + 6), 32u) << "bits per pixel";
    const std::uint32_t bytes = u32(ico, e + 8);
    const std::uint32_t offset = u32(ico, e + 12);
    // Entries are packed one after another, each wholly inside the file.
    EXPECT_EQ(offset, expected_offset);
    ASSERT_LE(std::size_t{offset} + bytes, ico.size());
    expected_offset = std::size_t{offset} + bytes;

    const std::size_t mask_row = (static_cast<std::size_t>(size) + 31) / 32 * 4;
    EXPECT_EQ(bytes, 40 + size * size * 4 + mask_row * size);
    EXPECT_EQ(u32(ico, offset), 40u) << "BITMAPINFOHEADER";
    EXPECT_EQ(s32(ico, offset + 4), size);
    EXPECT_EQ(s32(ico, offset + 8), 2 * size) << "height counts the mask too";
    EXPECT_EQ(u16(ico, offset + 12), 1u);
    EXPECT_EQ(u16(ico, offset + 14), 32u);
    EXPECT_EQ(u32(ico, offset + 16), 0u) << "BI_RGB";

    for (auto [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}}) {
      const Pixel p = pixel_at(ico, offset, size, x, y);
      EXPECT_EQ(p.a, 0) << "corner " << x << "," << y << " shows through the rounded square";
      EXPECT_TRUE(p.masked) << "corner " << x << "," << y;
    }
    const Pixel centre = pixel_at(ico, offset, size, size / 2, size / 2);
    EXPECT_EQ(centre.a, 255);
    EXPECT_FALSE(centre.masked);
  }
  EXPECT_EQ(expected_offset, ico.size()) << "no trailing bytes";
  EXPECT_EQ(sizes, (std::set<int>{16, 32, 48, 64, 128}));
}

// The two arrows must survive at every size, 16 px included: a white one and an amber one,
// each a solid run of pixels, standing out from the dark green background.
TEST(IconMaker, BothArrowsAreDrawnSolidAtEverySize) {
  for (int size : corvanta::icon::kSizes) {
    SCOPED_TRACE(std::to_string(size) + " px");
    const corvanta::icon::Image img = corvanta::icon::draw_icon(size);
    ASSERT_EQ(img.size, size);
    ASSERT_EQ(img.rgba.size(), static_cast<std::size_t>(size) * size * 4);
    int white = 0, amber = 0, dark = 0;
    for (std::size_t i = 0; i < img.rgba.size(); i += 4) {
      const int r = img.rgba[i], g = img.rgba[i + 1], b = img.rgba[i + 2], a = img.rgba[i + 3];
      if (a != 255) continue;
      if (r == 255 && g == 255 && b == 255) ++white;
      else if (r == 255 && g > 150 && b < 100) ++amber;
      else if (r < 60 && g > r && g < 160) ++dark;
    }
    // At 16 px each shaft alone is 2 px thick and several px long.
    const int min_arrow = size * size / 32;
    EXPECT_GE(white, min_arrow);
    EXPECT_GE(amber, min_arrow);
    EXPECT_GE(dark, size * size / 3);
  }
}

}  // namespace
