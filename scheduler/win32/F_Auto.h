// F_Auto, Horlo's task editor: the list of tasks (fSelect) and the entry panel (FSaisie)
// in the same place. The window only reads and sets its controls; what they mean, the
// check and the saving rules are in Editeur.h.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "Feuilles.h"
#include "Moteur.h"
#include "Ports.h"
#include "Registre.h"
#include "Taches.h"

struct ContexteÉditeur {
    Horlo& horlo;
    Registre& registre;
    Dialogues& dialogues;
    HINSTANCE instance;
    // Called when the window closes (the "/o" start ends the program then).
    std::function<void()> àLaFermeture;
};

class F_Auto;

// Opens F_Auto (or brings it to the front when already open), enters "F_Auto" in
// FeuillesOuvertes while it is open; returns the window, which is also the engine's
// VueÉditeur while it is open (nullptr once closed, or when the window cannot be made).
// The window handles its own keys (Tab, Esc): the caller's message loop needs nothing.
F_Auto* F_AutoOuvre(const ContexteÉditeur& c);
// The open editor, nullptr when closed.
VueÉditeur* F_AutoVue();
// The open editor's window handle, nullptr when closed.
HWND F_AutoFenêtre();
