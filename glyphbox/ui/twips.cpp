#include "ui/twips.h"

#include <cmath>

namespace ui {

long RoundHalfEven(double value) { return static_cast<long>(std::nearbyint(value)); }

int TwipsToPixels(double twips, int dpi) { return static_cast<int>(RoundHalfEven(twips * dpi / 1440.0)); }

double PixelsToTwips(int pixels, int dpi) { return pixels * 1440.0 / dpi; }

}  // namespace ui
