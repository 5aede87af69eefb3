// F_Auto's layout as data: each control's kind, id, text, style, place in twips and panel,
// in creation order, which is also the tab order. F_Auto creates them in one loop.
#pragma once

#include <windows.h>

#include <span>

#include "Placement.h"

namespace DispositionAuto {

// The client area; both panels start at its top left corner.
inline constexpr double LargeurClient = 7800, HauteurClient = 6300;

// fSelect (the list) and FSaisie (the entry); the controls inside the frame "Répétition"
// belong to FSaisie and are also enabled and disabled together.
enum class Panneau { Liste, Saisie, Répétition };

// A kind gives the window class and the style bits every control of that kind has.
enum class Genre { Liste, Combo, Champ, Bouton, Case, Option, Encadré, Étiquette };

struct Contrôle {
    Genre genre;
    int id;
    const char* texte;
    DWORD style;  // added to WS_CHILD | WS_CLIPSIBLINGS and the kind's own style
    Cadre place;  // in twips
    Panneau panneau;
};

struct Sorte {
    const wchar_t* classe;
    DWORD style, exStyle;
};
Sorte SorteDe(Genre g);

// Every control of the window, in creation order.
std::span<const Contrôle> Contrôles();

}  // namespace DispositionAuto
