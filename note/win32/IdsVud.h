// Identifiers of Pensil's window, fixed so that tests (and accessibility tools) find it
// and its controls. No <windows.h> here: the tests of other processes include it too.
#pragma once

namespace IdsVud {
inline constexpr const wchar_t* Classe = L"Orvan98.F_Vud";  // window class of F_Vud
inline constexpr int T = 100;                               // the note (multi-line EDIT)
inline constexpr int bOk = 101;                             // "&Ok" (BUTTON)
}  // namespace IdsVud
