// The program icon, drawn from code: two opposed arrows (the two sides of a bet) on a rounded
// green square. Free of any platform header so the build machine can run it.
#pragma once

#include <cstdint>
#include <vector>

namespace corvanta::icon {

// Square RGBA image, rows top to bottom, straight (not premultiplied) alpha.
struct Image {
  int size = 0;
  std::vector<std::uint8_t> rgba;
};

// The sizes the icon resource holds, largest first.
inline constexpr int kSizes[] = {128, 64, 48, 32, 16};

// Draws the icon at one size; each size has its own layout so that 16 px stays crisp.
Image draw_icon(int size);

// A complete .ico file: one 32-bit DIB entry (with its AND mask) per image, in the given order.
std::vector<std::uint8_t> encode_ico(const std::vector<Image>& images);

// Every size of kSizes drawn and encoded.
std::vector<std::uint8_t> make_icon_file();

}  // namespace corvanta::icon
