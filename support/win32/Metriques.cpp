// Screen resolution and twips/pixels conversions (see Metriques.h).
#include "Metriques.h"

#include <windows.h>

#include "Placement.h"
#include "Possession.h"

Dpi DpiÉcran() {
    Dpi dpi;
    if (const ContexteFenêtre écran(nullptr); écran.get()) {
        dpi.x = GetDeviceCaps(écran.get(), LOGPIXELSX);
        dpi.y = GetDeviceCaps(écran.get(), LOGPIXELSY);
    }
    if (dpi.x <= 0) dpi.x = 96;
    if (dpi.y <= 0) dpi.y = 96;
    return dpi;
}

int TwipsEnPixels(double twips, int dpi) {
    return MulDiv(static_cast<int>(twips), dpi, 1440);
}

double PixelsEnTwips(int pixels, int dpi) {
    return pixels * 1440.0 / dpi;
}

namespace {

Cadre EnTwips(int gauche, int haut, int largeur, int hauteur) {
    const Dpi dpi = DpiÉcran();
    return {PixelsEnTwipsX(gauche, dpi), PixelsEnTwipsY(haut, dpi), PixelsEnTwipsX(largeur, dpi),
            PixelsEnTwipsY(hauteur, dpi)};
}

}  // namespace

Cadre ÉcranTwips() {
    return EnTwips(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

Cadre BureauTwips() {
    return EnTwips(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                   GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
}
