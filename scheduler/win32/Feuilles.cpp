// The Open dialog of Horlo's windows and the positions they keep in the settings.
#include "Feuilles.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "Fenetre.h"
#include "Utf16.h"
#include "Valeurs.h"

namespace {
// The Open dialog's options: an existing file in an existing folder, shortcuts chosen as
// themselves, no read-only box, no Network button, no test file created, no read-only
// file returned; the old-style no-long-names flag is ignored by this Explorer dialog.
constexpr DWORD OptionsOuvrir = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST |
                                OFN_NOREADONLYRETURN | OFN_NOTESTFILECREATE | OFN_NONETWORKBUTTON |
                                OFN_NOLONGNAMES | OFN_EXPLORER | OFN_NODEREFERENCELINKS;
static_assert(OptionsOuvrir == 0x1F9804);
}  // namespace

std::string FichierChoisir(HWND propriétaire, const std::optional<std::string>& titre,
                           const std::optional<std::string>& fichier,
                           const std::optional<std::string>& filtre) {
    // One dialog for the run: what a call leaves out stays as the call before left it.
    static std::wstring titreW, filtreW = std::wstring(L"Tous les fichiers\0*.*\0\0", 24);
    static std::vector<wchar_t> nom(32768, L'\0');
    if (titre) titreW = VersUtf16(*titre);
    if (filtre) {
        filtreW = VersUtf16(*filtre);
        for (wchar_t& w : filtreW)
            if (w == L'|') w = L'\0';
        filtreW.append(2, L'\0');
    }
    if (fichier) {
        const std::wstring f = VersUtf16(*fichier).substr(0, nom.size() - 1);
        std::fill(nom.begin(), nom.end(), L'\0');
        std::copy(f.begin(), f.end(), nom.begin());
    }
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = propriétaire;
    ofn.lpstrFilter = filtreW.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = nom.data();
    ofn.nMaxFile = static_cast<DWORD>(nom.size());
    ofn.lpstrTitle = titreW.empty() ? nullptr : titreW.c_str();
    ofn.Flags = OptionsOuvrir;
    if (!GetOpenFileNameW(&ofn)) return "";
    return DepuisUtf16(nom.data());
}

void PositionSauve(HWND feuille, const std::string& nom, Registre& registre) {
    if (IsWindow(feuille)) registre.ParamProgEcrit(nom, PositionTexte(GéométrieTwips(feuille)));
}

void PositionRestaure(HWND feuille, const std::string& nom, Registre& registre) {
    const Cadre g = GéométrieTwips(feuille);
    // Only a place within reach on today's desktop: its values then fit in pixels.
    const auto place = PositionDepuisTexte(TexteDe(registre.ParamProgLit(nom)), g.largeur,
                                           g.hauteur, BureauTwips());
    if (!place) return FeuilleCentre(feuille);
    const Dpi dpi = DpiÉcran();  // a place on the desktop, as GéométrieTwips stores it
    SetWindowPos(feuille, nullptr, TwipsEnPixelsX(place->gauche, dpi),
                 TwipsEnPixelsY(place->haut, dpi), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
