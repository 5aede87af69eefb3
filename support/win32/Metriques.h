// Screen resolution and the conversions between twips (1/1440 inch), in which the
// programs lay out and store their windows, and pixels.
#pragma once

// The screen's logical resolution in dots per inch; 96 where the screen does not say.
struct Dpi {
    int x = 96, y = 96;
};
Dpi DpiÉcran();

// Twips to pixels at `dpi` dots per inch (truncated towards zero, as the system's MulDiv
// rounds), and back. Horizontal sizes use the horizontal resolution, vertical sizes
// the vertical one.
int TwipsEnPixels(double twips, int dpi);
double PixelsEnTwips(int pixels, int dpi);
inline int TwipsEnPixelsX(double twips, const Dpi& d) {
    return TwipsEnPixels(twips, d.x);
}
inline int TwipsEnPixelsY(double twips, const Dpi& d) {
    return TwipsEnPixels(twips, d.y);
}
inline double PixelsEnTwipsX(int pixels, const Dpi& d) {
    return PixelsEnTwips(pixels, d.x);
}
inline double PixelsEnTwipsY(int pixels, const Dpi& d) {
    return PixelsEnTwips(pixels, d.y);
}

struct Cadre;
// The primary screen, where windows are centred, and the desktop over all monitors, where a
// stored position must lie, in twips.
Cadre ÉcranTwips();
Cadre BureauTwips();
