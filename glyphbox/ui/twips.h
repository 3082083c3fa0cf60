#pragma once
// Twip arithmetic (1/1440 inch). Pure: the caller supplies the screen's logical DPI.

namespace ui {

// Nearest whole number, halves to the even neighbour.
long RoundHalfEven(double value);

int TwipsToPixels(double twips, int dpi);
double PixelsToTwips(int pixels, int dpi);

}  // namespace ui
