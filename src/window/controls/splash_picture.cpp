// The splash panel's picture, drawn here pixel by pixel so that it needs no image file.
#include "window/controls/splash_picture.h"

#include <cstddef>
#include <cstdint>
#include <utility>

namespace vt {
namespace {

constexpr int kWidth = 44;
constexpr int kHeight = 30;

constexpr std::uint32_t kBackground = 0xFFFFFF;
constexpr std::uint32_t kBorder = 0x4060A0;
constexpr std::uint32_t kSheetEdge = 0x606060;
constexpr std::uint32_t kInputPaper = 0xFFF8DC;
constexpr std::uint32_t kOutputPaper = 0xE8F0FF;
constexpr std::uint32_t kText = 0x808080;
constexpr std::uint32_t kFirstColumn = 0x3050A0;
constexpr std::uint32_t kSecondColumn = 0x30A050;
constexpr std::uint32_t kArrow = 0xC04030;

class Canvas {
 public:
  Canvas() { picture_.pixels.assign(static_cast<std::size_t>(kWidth * kHeight), kBackground); }

  // Fills the pixels from (left, top) to (right, bottom), both included.
  void Fill(int left, int top, int right, int bottom, std::uint32_t colour) {
    for (int y = top; y <= bottom; ++y) {
      for (int x = left; x <= right; ++x) Set(x, y, colour);
    }
  }
  void Frame(int left, int top, int right, int bottom, std::uint32_t colour) {
    Fill(left, top, right, top, colour);
    Fill(left, bottom, right, bottom, colour);
    Fill(left, top, left, bottom, colour);
    Fill(right, top, right, bottom, colour);
  }
  tk::Picture Take() { return std::move(picture_); }

 private:
  void Set(int x, int y, std::uint32_t colour) {
    if (x < 0 || x >= kWidth || y < 0 || y >= kHeight) return;
    picture_.pixels[static_cast<std::size_t>(y * kWidth + x)] = colour;
  }

  tk::Picture picture_{kWidth, kHeight, {}};
};

}  // namespace

tk::Picture SplashPicture() {
  Canvas canvas;
  canvas.Frame(0, 0, kWidth - 1, kHeight - 1, kBorder);

  // The input: lines of every length.
  canvas.Fill(4, 4, 15, 25, kInputPaper);
  canvas.Frame(4, 4, 15, 25, kSheetEdge);
  constexpr int kLineEnds[] = {13, 10, 12, 8, 13, 11};
  for (int i = 0; i < 6; ++i) canvas.Fill(6, 7 + 3 * i, kLineEnds[i], 7 + 3 * i, kText);

  // The arrow between them.
  canvas.Fill(18, 14, 22, 16, kArrow);
  for (int i = 0; i < 4; ++i) canvas.Fill(23 + i, 12 + i, 23 + i, 18 - i, kArrow);

  // The output: every line cut into the same two columns.
  canvas.Fill(28, 4, 39, 25, kOutputPaper);
  canvas.Frame(28, 4, 39, 25, kSheetEdge);
  for (int i = 0; i < 6; ++i) {
    const int y = 7 + 3 * i;
    canvas.Fill(30, y, 33, y, kFirstColumn);
    canvas.Fill(35, y, 37, y, kSecondColumn);
  }
  return canvas.Take();
}

}  // namespace vt
