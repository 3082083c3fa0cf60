#pragma once
// Twip arithmetic (1/1440 inch). Pure: the caller supplies the screen's logical DPI.

namespace ui {

// Nearest whole number, halves to the even neighbour.
long RoundHalfEven(double value);

int TwipsToPixels(double twips, int dpi);
double PixelsToTwips(int pixels, int dpi);

// A length on a drawing surface: 15 to the device pixel at every scaling, so that a "15" step
// is one pixel. Not the screen's twips (plain numbers, 1/1440 inch, as many pixels as the
// display's dots per inch make): a type of its own, so that neither passes for the other.
struct DrawTwips {
  double value = 0;
  constexpr DrawTwips operator-(DrawTwips other) const { return {value - other.value}; }
  constexpr bool operator==(const DrawTwips&) const = default;
};
inline constexpr DrawTwips kDrawPixel{15};

}  // namespace ui
