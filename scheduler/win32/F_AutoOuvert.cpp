// The one open editor: opening F_Auto, or bringing it to the front when it is open, and
// reaching it while it is open (the engine's VueÉditeur, the tests' window).
#include <memory>

#include "F_Auto.h"

namespace {
F_Auto* ouvert = nullptr;  // the open editor
}  // namespace

F_Auto* F_AutoOuvre(const ContexteÉditeur& c) {
    if (ouvert) {
        if (IsIconic(ouvert->Handle())) ShowWindow(ouvert->Handle(), SW_RESTORE);
        SetForegroundWindow(ouvert->Handle());
        return ouvert;
    }
    // Once the window has closed and its object is gone, the engine sees no editor.
    ContexteÉditeur contexte = c;
    contexte.àLaFermeture = [suite = c.àLaFermeture] {
        ouvert = nullptr;
        if (suite) suite();
    };
    auto f = std::make_unique<F_Auto>(contexte);
    ouvert = f.get();
    if (!f->Crée()) {
        ouvert = nullptr;
        FeuilleOuverte(c.horlo.FeuillesOuvertes, F_Auto::NomFeuille, false);
        return nullptr;
    }
    return f.release();
}

VueÉditeur* F_AutoVue() {
    return ouvert;
}

HWND F_AutoFenêtre() {
    return ouvert ? ouvert->Handle() : nullptr;
}
