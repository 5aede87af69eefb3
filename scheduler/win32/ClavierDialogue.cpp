// The keyboard hook that gives a plain window the dialog keys.
#include "ClavierDialogue.h"

namespace {
// The hook procedure has no parameter of its own: it finds its window here.
thread_local ClavierDialogue* actif = nullptr;
}  // namespace

ClavierDialogue::ClavierDialogue(HWND fenêtre, HWND liste)
    : fenêtre_(fenêtre),
      liste_(liste),
      crochet_(SetWindowsHookExW(WH_GETMESSAGE, Filtre, nullptr, GetCurrentThreadId())) {
    actif = this;
}

ClavierDialogue::~ClavierDialogue() {
    if (actif == this) actif = nullptr;
}

LRESULT CALLBACK ClavierDialogue::Filtre(int code, WPARAM wp, LPARAM lp) {
    auto* msg = reinterpret_cast<MSG*>(lp);
    const ClavierDialogue* c = actif;
    if (code == HC_ACTION && wp == PM_REMOVE && c && msg->hwnd &&
        (msg->hwnd == c->fenêtre_ || IsChild(c->fenêtre_, msg->hwnd)) &&
        msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
        // An open drop-down list keeps Esc and Enter for itself.
        const bool listeOuverte = SendMessageW(c->liste_, CB_GETDROPPEDSTATE, 0, 0) != 0;
        // The key may close the window, and this object with it: nothing of it is read after.
        if (!listeOuverte && IsDialogMessageW(c->fenêtre_, msg)) msg->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}
