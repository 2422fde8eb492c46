// fontscale.h - enlarging the application font on high-DPI screens.
#ifndef FONTSCALE_H
#define FONTSCALE_H

// The factor for a screen of the given logical DPI. The ratio to the 96 dpi reference is taken in
// single precision and compared against double thresholds, so 134.4 dpi (ratio just below 1.4 as a
// float) still gives 1.25 and 105.6 dpi (just above 1.1) gives 1.25.
float fontScaleForDpi(double logicalDpi);

// The point size after scaling, truncated toward zero (9 pt at 1.25 gives 11 pt).
int scaledPointSize(int pointSize, float fontScale);

// Scales the application font by the first screen's DPI; leaves it alone when there is no screen.
void applyFontScale();

#endif // FONTSCALE_H
