#include "icon_art.h"

#include <algorithm>
#include <cmath>

namespace corvanta::icon {
namespace {

struct Rgb {
  double r, g, b;
};

constexpr Rgb kTop{0x23, 0x8f, 0x66};     // background, top
constexpr Rgb kBottom{0x0d, 0x4a, 0x37};  // background, bottom
constexpr Rgb kRim{0x08, 0x33, 0x26};     // outline of the large sizes
constexpr Rgb kWhite{0xff, 0xff, 0xff};   // upper arrow, pointing right
constexpr Rgb kAmber{0xff, 0xc1, 0x2e};   // lower arrow, pointing left

// Geometry in pixels of the image being drawn. Small sizes use whole-pixel edges and
// thicker strokes; large ones are finer and get an outline.
struct Layout {
  double inset, radius, rim;
  double shaft;       // shaft thickness
  double head_half;   // half the height of an arrow head
  double head_len;    // length of an arrow head
  double upper_y, lower_y;  // centre lines of the two shafts
  double left, right;       // the arrows' outer ends
};

Layout layout_for(int size) {
  const double s = size;
  if (size <= 32) {
    // Designed on a 16-pixel grid (32 is the same grid doubled): shafts on whole pixels, heads
    // at 45 degrees, and a corner radius that leaves the corner pixels fully transparent.
    const double k = s / 16.0;
    return {0.0, 3.5 * k, 0.0, 2.0 * k, 3.0 * k, 3.0 * k, 6.0 * k, 10.0 * k, 2.0 * k, 14.0 * k};
  }
  return {s / 32.0, s * 0.19, std::max(1.0, s / 48.0), s * 0.10, s * 0.17, s * 0.21,
          s * 0.37, s * 0.63, s * 0.17, s * 0.83};
}

bool in_rounded_square(double x, double y, double lo, double hi, double r) {
  if (x < lo || y < lo || x > hi || y > hi) return false;
  const double cx = std::clamp(x, lo + r, hi - r);
  const double cy = std::clamp(y, lo + r, hi - r);
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

// An arrow along the horizontal line cy from tail to tip (tip may be left of tail).
bool in_arrow(double x, double y, double cy, double tail, double tip, const Layout& l) {
  const double dir = tip > tail ? 1.0 : -1.0;
  const double along = (x - tail) * dir;          // distance from the tail towards the tip
  const double length = (tip - tail) * dir;
  const double base = length - l.head_len;        // where the head starts
  if (along < 0 || along > length) return false;
  if (along < base) return std::abs(y - cy) <= l.shaft / 2;
  const double half = l.head_half * (length - along) / l.head_len;
  return std::abs(y - cy) <= half;
}

// Colour and coverage of one sample point.
bool sample(double x, double y, int size, const Layout& l, Rgb& out) {
  const double lo = l.inset, hi = size - l.inset;
  if (!in_rounded_square(x, y, lo, hi, l.radius)) return false;
  const double t = (y - lo) / (hi - lo);
  out = {kTop.r + (kBottom.r - kTop.r) * t, kTop.g + (kBottom.g - kTop.g) * t,
         kTop.b + (kBottom.b - kTop.b) * t};
  if (l.rim > 0 && !in_rounded_square(x, y, lo + l.rim, hi - l.rim, l.radius - l.rim)) {
    out = kRim;
  }
  if (in_arrow(x, y, l.upper_y, l.left, l.right, l)) out = kWhite;
  if (in_arrow(x, y, l.lower_y, l.right, l.left, l)) out = kAmber;
  return true;
}

std::uint8_t to_byte(double v) {
  return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

void put16(std::vector<std::uint8_t>& b, unsigned v) {
  b.push_back(static_cast<std::uint8_t>(v & 0xff));
  b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}

void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  put16(b, v & 0xffff);
  put16(b, v >> 16);
}

std::size_t mask_row_bytes(int size) { return (static_cast<std::size_t>(size) + 31) / 32 * 4; }

std::size_t dib_bytes(int size) {
  const auto n = static_cast<std::size_t>(size);
  return 40 + n * n * 4 + mask_row_bytes(size) * n;
}

// BITMAPINFOHEADER, bottom-up BGRA pixels, then the 1-bit AND mask (1 = transparent).
void append_dib(std::vector<std::uint8_t>& b, const Image& img) {
  const int s = img.size;
  put32(b, 40);
  put32(b, static_cast<std::uint32_t>(s));
  put32(b, static_cast<std::uint32_t>(2 * s));  // colour rows plus mask rows
  put16(b, 1);
  put16(b, 32);
  put32(b, 0);  // BI_RGB
  put32(b, static_cast<std::uint32_t>(dib_bytes(s) - 40));
  for (int i = 0; i < 4; ++i) put32(b, 0);
  for (int y = s - 1; y >= 0; --y) {
    for (int x = 0; x < s; ++x) {
      const std::uint8_t* p = &img.rgba[(static_cast<std::size_t>(y) * s + x) * 4];
      b.insert(b.end(), {p[2], p[1], p[0], p[3]});
    }
  }
  // Programs that ignore alpha fall back on the mask, so mostly-transparent edges count as out.
  for (int y = s - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(mask_row_bytes(s), 0);
    for (int x = 0; x < s; ++x) {
      if (img.rgba[(static_cast<std::size_t>(y) * s + x) * 4 + 3] < 128) {
        row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
    }
    b.insert(b.end(), row.begin(), row.end());
  }
}

}  // namespace

Image draw_icon(int size) {
  constexpr int kGrid = 8;  // 8 x 8 samples per pixel for the anti-aliasing
  const Layout l = layout_for(size);
  Image img{size, std::vector<std::uint8_t>(static_cast<std::size_t>(size) * size * 4, 0)};
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      double r = 0, g = 0, b = 0;
      int covered = 0;
      for (int sy = 0; sy < kGrid; ++sy) {
        for (int sx = 0; sx < kGrid; ++sx) {
          Rgb c{};
          if (sample(px + (sx + 0.5) / kGrid, py + (sy + 0.5) / kGrid, size, l, c)) {
            r += c.r;
            g += c.g;
            b += c.b;
            ++covered;
          }
        }
      }
      if (covered == 0) continue;
      std::uint8_t* p = &img.rgba[(static_cast<std::size_t>(py) * size + px) * 4];
      // Averaging only the covered samples gives straight (unpremultiplied) colour.
      p[0] = to_byte(r / covered);
      p[1] = to_byte(g / covered);
      p[2] = to_byte(b / covered);
      p[3] = to_byte(255.0 * covered / (kGrid * kGrid));
    }
  }
  return img;
}

std::vector<std::uint8_t> encode_ico(const std::vector<Image>& images) {
  std::vector<std::uint8_t> b;
  put16(b, 0);  // reserved
  put16(b, 1);  // type: icon
  put16(b, static_cast<unsigned>(images.size()));
  std::size_t offset = 6 + 16 * images.size();
  for (const Image& img : images) {
    b.push_back(static_cast<std::uint8_t>(img.size >= 256 ? 0 : img.size));  // 0 means 256
    b.push_back(static_cast<std::uint8_t>(img.size >= 256 ? 0 : img.size));
    b.push_back(0);  // no palette
    b.push_back(0);
    put16(b, 1);   // planes
    put16(b, 32);  // bits per pixel
    put32(b, static_cast<std::uint32_t>(dib_bytes(img.size)));
    put32(b, static_cast<std::uint32_t>(offset));
    offset += dib_bytes(img.size);
  }
  for (const Image& img : images) append_dib(b, img);
  return b;
}

std::vector<std::uint8_t> make_icon_file() {
  std::vector<Image> images;
  for (int s : kSizes) images.push_back(draw_icon(s));
  return encode_ico(images);
}

}  // namespace corvanta::icon
