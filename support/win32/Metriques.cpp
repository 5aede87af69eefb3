// Screen resolution and twips/pixels conversions (see Metriques.h).
#include "Metriques.h"

#include <windows.h>

Dpi DpiÉcran() {
    Dpi dpi;
    if (HDC écran = GetDC(nullptr)) {
        dpi.x = GetDeviceCaps(écran, LOGPIXELSX);
        dpi.y = GetDeviceCaps(écran, LOGPIXELSY);
        ReleaseDC(nullptr, écran);
    }
    if (dpi.x <= 0) dpi.x = 96;
    if (dpi.y <= 0) dpi.y = 96;
    return dpi;
}

int TwipsEnPixels(double twips, int dpi) { return MulDiv(static_cast<int>(twips), dpi, 1440); }

double PixelsEnTwips(int pixels, int dpi) { return pixels * 1440.0 / dpi; }
