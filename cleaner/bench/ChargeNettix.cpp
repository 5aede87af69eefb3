// Nettix under load, under the real system. The census of a tree where nothing matches,
// over a quarter, a half and the whole of it (a million entries in tools/bench): its time
// per entry and the process's peak memory. Then the census of a tree where every file
// matches, in the real main window, over a quarter, a half and the whole of it (100,000
// files): the time to fill the list, per file. A time per entry that grows with the tree is
// worse than linear. Last, the deletion of 10,000 to 40,000 listed files. Each tree holds
// the folders q0, q1, q2 and q3.
// Usage: nettix_charge.exe NO_MATCH_TREE MATCH_TREE
#include <windows.h>
// psapi.h needs the types of windows.h.
#include <psapi.h>

#include <cstdio>
#include <string>

#include "Banc.h"
#include "DialoguesWin32.h"
#include "F_Main.h"
#include "FichiersWin32.h"
#include "IdsNettix.h"
#include "ListeurWin32.h"
#include "RegistreWin32.h"
#include "Utf16.h"

namespace {

double MoMémoire(bool pic) {
    PROCESS_MEMORY_COUNTERS c{};
    c.cb = sizeof c;
    GetProcessMemoryInfo(GetCurrentProcess(), &c, sizeof c);
    return static_cast<double>(pic ? c.PeakWorkingSetSize : c.WorkingSetSize) / (1024.0 * 1024.0);
}

// The drives of a census: the first `quarts` quarters of the tree.
ParamètresNettix Paramètres(const std::wstring& arbre, int quarts) {
    std::vector<std::string> dossiers;
    for (int q = 0; q < quarts; ++q)
        dossiers.push_back(DepuisUtf16(arbre) + "\\q" + std::to_string(q));
    return ParamètresBanc(dossiers);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: nettix_charge NO_MATCH_TREE MATCH_TREE\n");
        return 2;
    }
    FichiersWin32 fichiers;
    ListeurWin32 listeur;
    std::printf("memory before the first census: %.1f MiB\n", MoMémoire(false));
    std::printf("%-28s %-10s %-12s %-14s %s\n", "census, nothing matches", "entries", "time",
                "per entry", "peak memory");
    for (int quarts : {1, 2, 4}) {
        ParamètresNettix p = Paramètres(argv[1], quarts);
        uint64_t entrées = 0;
        Mesure m;
        for (int essai = 0; essai < 2; ++essai) {
            Chronomètre(m, [&] {
                struct Compteur : ListeurDossiers {
                    ListeurWin32& l;
                    uint64_t& n;
                    Compteur(ListeurWin32& x, uint64_t& c) : l(x), n(c) {}
                    bool Liste(const std::string& rep, VisiteurDossier& v) override {
                        struct Compte : VisiteurDossier {
                            VisiteurDossier& v;
                            uint64_t& n;
                            Compte(VisiteurDossier& x, uint64_t& c) : v(x), n(c) {}
                            bool Entrée(const EntréeDossier& e) override {
                                return ++n, v.Entrée(e);
                            }
                        } c(v, n);
                        return l.Liste(rep, c);
                    }
                    bool LienCaché(const std::string& c, bool d) override {
                        return l.LienCaché(c, d);
                    }
                    void Commence(const std::string& r) override { l.Commence(r); }
                } compteur(listeur, entrées);
                entrées = 0;
                VueBanc vue;
                Nettix n(p, compteur, fichiers, vue);
                n.Recenser();
                if (!vue.fin || !n.Trouvés().empty()) std::fprintf(stderr, "census found files\n");
            });
        }
        std::printf("%-28d %-10llu %-12s %-14s %.1f MiB\n", quarts,
                    static_cast<unsigned long long>(entrées),
                    (std::to_string(static_cast<long long>(m.réel)) + " ms").c_str(),
                    (std::to_string(m.réel * 1e6 / static_cast<double>(entrées ? entrées : 1))
                         .substr(0, 6) +
                     " ns")
                        .c_str(),
                    MoMémoire(true));
        std::fflush(stdout);
    }

    RegistreWin32 brut;
    Registre registre = RegistreDuProgramme(brut, "Nettix");
    DialoguesWin32 dialogues;
    // Under Wine every listed file is also opened once to find host links, which Windows
    // needs not: the second table leaves that check out, to show the list's own cost.
    struct SansLiens : ListeurDossiers {
        ListeurWin32& l;
        explicit SansLiens(ListeurWin32& x) : l(x) {}
        bool Liste(const std::string& rep, VisiteurDossier& v) override { return l.Liste(rep, v); }
    } sansLiens(listeur);
    for (ListeurDossiers* lequel :
         {static_cast<ListeurDossiers*>(&listeur), static_cast<ListeurDossiers*>(&sansLiens)}) {
        std::printf("%-28s %-10s %-12s %-14s %s\n",
                    lequel == &listeur ? "census, every file listed" : "listed, no link check",
                    "files", "time", "per file", "peak memory");
        for (int quarts : {1, 2, 4}) {
            ParamètresNettix p = Paramètres(argv[2], quarts);
            Mesure m;
            size_t lignes = 0, trouvés = 0;
            for (int essai = 0; essai < 2; ++essai) {
                {
                    F_Main fenêtre(
                        {p, registre, fichiers, dialogues, *lequel, "", "(Nettix banc)"});
                    if (!fenêtre.Crée(GetModuleHandleW(nullptr))) return 1;
                    fenêtre.ListesRemplit();
                    fenêtre.Affiche(SW_SHOWNOACTIVATE);
                    Chronomètre(m, [&] {
                        fenêtre.bGo_Click();
                        UpdateWindow(fenêtre.Handle());
                    });
                    lignes = static_cast<size_t>(SendMessageW(
                        GetDlgItem(fenêtre.Handle(), IdsNettix::lDel), LB_GETCOUNT, 0, 0));
                    trouvés = fenêtre.Trouvés();
                }
                // The window's end posted WM_QUIT: taken out, so that the next pump goes on.
                MSG msg;
                while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                }
            }
            if (lignes != trouvés)
                std::fprintf(stderr, "%zu lines for %zu files\n", lignes, trouvés);
            std::printf("%-28d %-10zu %-12s %-14s %.1f MiB\n", quarts, trouvés,
                        (std::to_string(static_cast<long long>(m.réel)) + " ms").c_str(),
                        (std::to_string(m.réel * 1e3 / static_cast<double>(lignes ? lignes : 1))
                             .substr(0, 6) +
                         " us")
                            .c_str(),
                        MoMémoire(true));
            std::fflush(stdout);
        }
    }

    // The deletion of every listed file but one read-only file (so that the window stays):
    // files made for each run in a folder of their own.
    std::printf("%-28s %-10s %-12s %-14s %s\n", "deletion", "files", "time", "per file",
                "peak memory");
    const std::wstring dossier = std::wstring(argv[2]) + L"\\effacer";
    for (int n : {10000, 20000, 40000}) {
        CreateDirectoryW(dossier.c_str(), nullptr);
        for (int i = 0; i < n; ++i) {
            const std::wstring f = dossier + L"\\f" + std::to_wstring(i) + L".tmp";
            CloseHandle(CreateFileW(f.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    i == n / 2 ? FILE_ATTRIBUTE_READONLY : 0, nullptr));
        }
        ParamètresNettix p = ParamètresBanc({DepuisUtf16(dossier)}, {"tmp"});
        Mesure m;
        size_t restent = 0;
        {
            F_Main fenêtre({p, registre, fichiers, dialogues, sansLiens, "", "(Nettix banc)"});
            if (!fenêtre.Crée(GetModuleHandleW(nullptr))) return 1;
            fenêtre.ListesRemplit();
            fenêtre.Affiche(SW_SHOWNOACTIVATE);
            fenêtre.bGo_Click();
            Chronomètre(m, [&] { fenêtre.bEffacer_Click(); });
            restent = fenêtre.Trouvés();
        }
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        const std::wstring seul = dossier + L"\\f" + std::to_wstring(n / 2) + L".tmp";
        SetFileAttributesW(seul.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(seul.c_str());
        RemoveDirectoryW(dossier.c_str());
        std::printf("%-28s %-10d %-12s %-14s %.1f MiB%s\n", "", n,
                    (std::to_string(static_cast<long long>(m.réel)) + " ms").c_str(),
                    (std::to_string(m.réel * 1e3 / n).substr(0, 6) + " us").c_str(),
                    MoMémoire(true), restent == 1 ? "" : "  (not one file left)");
        std::fflush(stdout);
    }
    return 0;
}
