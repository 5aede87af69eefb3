// Find in the note: the dialog and the keys over the search rule of note/Recherche.h.
#include "RechercheVud.h"

#include <iterator>
#include <string>

#include "Fenetre.h"
#include "Recherche.h"
#include "Utf16.h"

void RechercheVud::Attache(HWND propriétaire, HWND note) {
    propriétaire_ = propriétaire;
    note_ = note;
    notification_ = RegisterWindowMessageW(FINDMSGSTRING);
    fr_.lStructSize = sizeof fr_;
    fr_.hwndOwner = propriétaire;
    fr_.lpstrFindWhat = motif_;
    fr_.wFindWhatLen = std::size(motif_);
    fr_.Flags = FR_DOWN;
}

bool RechercheVud::Prétraite(MSG& msg) {
    const auto dedans = [&](HWND f) { return f && (msg.hwnd == f || IsChild(f, msg.hwnd)); };
    if (!dedans(propriétaire_) && !dedans(dialogue_)) return false;
    if (msg.message == WM_KEYDOWN && GetKeyState(VK_MENU) >= 0) {
        const bool ctrl = GetKeyState(VK_CONTROL) < 0;
        if (msg.wParam == 'F' && ctrl) {
            Ouvre();
            return true;
        }
        if (msg.wParam == VK_F3 && !ctrl) {
            Suivante(GetKeyState(VK_SHIFT) >= 0);
            return true;
        }
    }
    return dialogue_ && IsDialogMessageW(dialogue_, &msg);
}

bool RechercheVud::Notification(UINT msg, LPARAM lp) {
    if (msg != notification_ || !notification_) return false;
    const auto* fr = reinterpret_cast<const FINDREPLACEW*>(lp);
    if (fr->Flags & FR_DIALOGTERM)
        dialogue_ = nullptr;
    else if (fr->Flags & FR_FINDNEXT)
        Suivante((fr->Flags & FR_DOWN) != 0);
    return true;
}

void RechercheVud::Ouvre() {
    if (dialogue_) {
        SetActiveWindow(dialogue_);
        return;
    }
    // The last text, direction and case stay from one opening to the next.
    fr_.Flags = (fr_.Flags & (FR_DOWN | FR_MATCHCASE)) | FR_HIDEWHOLEWORD;
    dialogue_ = FindTextW(&fr_);
}

void RechercheVud::Suivante(bool versLeBas) {
    if (!motif_[0]) {
        Ouvre();
        return;
    }
    DWORD début = 0, fin = 0;
    SendMessageW(note_, EM_GETSEL, reinterpret_cast<WPARAM>(&début),
                 reinterpret_cast<LPARAM>(&fin));
    const std::wstring t = TexteDeFenêtreW(note_);
    const std::wstring_view m = motif_;
    const auto trouvé =
        Cherche(std::u16string(t.begin(), t.end()), std::u16string(m.begin(), m.end()),
                {début, fin}, {versLeBas, (fr_.Flags & FR_MATCHCASE) != 0});
    if (!trouvé) {
        RechercheÉchoue(dialogues_, DepuisUtf16(m));
        return;
    }
    SendMessageW(note_, EM_SETSEL, trouvé->début, trouvé->fin);
    SendMessageW(note_, EM_SCROLLCARET, 0, 0);
}
