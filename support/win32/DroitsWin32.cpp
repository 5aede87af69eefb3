// A process token's elevation type, and a program started by the desktop shell.
#include "DroitsWin32.h"

#include <windows.h>
// After windows.h:
#include <exdisp.h>
#include <shldisp.h>
#include <shlobj.h>

#include "Possession.h"
#include "Utf16.h"

namespace {

std::optional<Élévation> ÉlévationDe(HANDLE processus) {
    HANDLE h = nullptr;
    if (!OpenProcessToken(processus, TOKEN_QUERY, &h)) return std::nullopt;
    const PoignéeNoyau jeton(h);
    TOKEN_ELEVATION_TYPE type{};
    DWORD taille = 0;
    if (!GetTokenInformation(jeton.get(), TokenElevationType, &type, sizeof type, &taille))
        return std::nullopt;
    switch (type) {
        case TokenElevationTypeFull:
            return Élévation::Complète;
        case TokenElevationTypeLimited:
            return Élévation::Restreinte;
        default:
            return Élévation::Ordinaire;
    }
}

template <class T>
Interface<T> Demande(IUnknown* objet) {
    T* p = nullptr;
    if (!objet || FAILED(objet->QueryInterface(__uuidof(T), reinterpret_cast<void**>(&p))))
        return {};
    return Interface<T>(p);
}

// The shell's own automation object: the desktop's folder view's Application.
Interface<IShellDispatch2> ShellDuBureau() {
    IShellWindows* fenêtres = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER,
                                IID_PPV_ARGS(&fenêtres))))
        return {};
    const Interface<IShellWindows> shell(fenêtres);
    VARIANT bureau{};
    bureau.vt = VT_I4;
    bureau.lVal = CSIDL_DESKTOP;
    VARIANT vide{};
    long hwnd = 0;
    IDispatch* d = nullptr;
    if (shell.get()->FindWindowSW(&bureau, &vide, SWC_DESKTOP, &hwnd, SWFO_NEEDDISPATCH, &d) !=
            S_OK ||
        !d)
        return {};
    const Interface<IDispatch> fenêtre(d);
    const auto service = Demande<IServiceProvider>(fenêtre.get());
    if (!service) return {};
    IShellBrowser* b = nullptr;
    if (FAILED(service.get()->QueryService(SID_STopLevelBrowser, IID_PPV_ARGS(&b)))) return {};
    const Interface<IShellBrowser> navigateur(b);
    IShellView* v = nullptr;
    if (FAILED(navigateur.get()->QueryActiveShellView(&v))) return {};
    const Interface<IShellView> vue(v);
    IDispatch* fond = nullptr;
    if (FAILED(vue.get()->GetItemObject(SVGIO_BACKGROUND, IID_PPV_ARGS(&fond)))) return {};
    const Interface<IDispatch> arrièrePlan(fond);
    const auto dossier = Demande<IShellFolderViewDual>(arrièrePlan.get());
    if (!dossier) return {};
    IDispatch* a = nullptr;
    if (FAILED(dossier.get()->get_Application(&a))) return {};
    const Interface<IDispatch> application(a);
    return Demande<IShellDispatch2>(application.get());
}

// A VARIANT holding a BSTR copy of `texte`, cleared with the object.
struct Chaîne {
    explicit Chaîne(const std::string& texte) {
        VariantInit(&v);
        v.vt = VT_BSTR;
        v.bstrVal = SysAllocString(VersUtf16(texte).c_str());
    }
    ~Chaîne() { VariantClear(&v); }
    Chaîne(const Chaîne&) = delete;
    Chaîne& operator=(const Chaîne&) = delete;
    VARIANT v;
};

}  // namespace

Élévation DroitsWin32::DuProcessus() {
    return ÉlévationDe(GetCurrentProcess()).value_or(Élévation::Ordinaire);
}

std::optional<Élévation> DroitsWin32::DuBureau() {
    DWORD pid = 0;
    const HWND bureau = GetShellWindow();
    if (!bureau || !GetWindowThreadProcessId(bureau, &pid) || pid == 0) return std::nullopt;
    const PoignéeNoyau processus(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    if (!processus) return std::nullopt;
    return ÉlévationDe(processus.get());
}

bool DroitsWin32::LanceParLeBureau(const std::string& programme, const std::string& paramètres,
                                   const std::string& dossier) {
    const AppartementCom com;  // without COM, the shell's objects are not found: false
    const auto shell = ShellDuBureau();
    if (!shell) return false;
    const Chaîne fichier(programme), arguments(paramètres), où(dossier), verbe("");
    VARIANT normale{};
    normale.vt = VT_I4;
    normale.lVal = SW_SHOWNORMAL;
    return shell.get()->ShellExecute(fichier.v.bstrVal, arguments.v, où.v, verbe.v, normale) ==
           S_OK;
}
