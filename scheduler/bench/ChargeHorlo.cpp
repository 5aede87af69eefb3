// Horlo under load, under the real system: for growing tables, the times of loading
// Auto.dat, opening the editor (its list filled), an engine pass with the editor open where
// every task is due (every line rewritten), a pass where every task is a one-shot that fires
// (every entry and line removed), and saving one task from the editor. Each time is also
// printed per task: a per-task time that grows with the table is worse than linear. Then
// the journal window opened on a full Horlo.log, against the same window on an empty one.
// Usage: horlo_charge.exe FOLDER [MAX]   (MAX tasks at most, 32767 by default)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>

#include "DialoguesWin32.h"
#include "Editeur.h"
#include "F_Auto.h"
#include "F_Journal.h"
#include "FichiersWin32.h"
#include "HorlogeWin32.h"
#include "IdsAuto.h"
#include "Journal.h"
#include "Moteur.h"
#include "Muets.h"
#include "RegistreWin32.h"
#include "Utf16.h"

namespace {

double Ms(LARGE_INTEGER a, LARGE_INTEGER b) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(b.QuadPart - a.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

template <class F>
double Chrono(F&& f) {
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    f();
    QueryPerformanceCounter(&b);
    return Ms(a, b);
}

void Pompe() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

// An Auto.dat of n tasks with the given repeat code, all due a minute ago.
void Écrit(Horlo& h, size_t n, const char* code) {
    h.Tâches.Efface();
    const double avant = h.horloge.Maintenant() - 1.0 / 1440;
    for (size_t i = 0; i < n; ++i) {
        Tâche t;
        t.Programme = "C:\\Outils\\prog" + std::to_string(i) + ".exe";
        t.Paramètres = "/a fichier" + std::to_string(i) + ".txt";
        t.Fenêtre = 1;
        t.Répétition = code;
        t.Actif = true;
        t.Prochaine = avant;
        h.Tâches.Ajoute(std::move(t));
    }
    if (!TâchesEnregistre(h)) std::fprintf(stderr, "Auto.dat not written\n");
}

// The journal window opened (its list shown) on a Horlo.log of JournalLignesMax lines of
// every kind, against the same opening on an empty journal: the best of five each.
void JournalMesure(const std::string& dossier, Fichiers& fichiers, Horloge& horloge,
                   Registre& registre) {
    Horlo h(fichiers, horloge, Programme::DepuisChemin(dossier + "\\Horlo.exe"));
    const std::string chemin = CheminJournal(h);
    const char* const sortes[] = {
        " Programme d\xE9marr\xE9 (Chaque jour) : C:\\Outils\\prog.exe /a fichier.txt",
        " Message affich\xE9 (Une fois) : R\xE9union de l'\xE9quipe : salle 2",
        " Fichier introuvable : Shell (\"C:\\Outils\\absent.exe\", 1)",
        " Occurrence non ex\xE9"
        "cut\xE9"
        "e, d\xE9lai maximal d\xE9pass\xE9, pr\xE9vue le 08.12.26 "
        "10:00 : b.bat"};
    std::string plein;
    for (size_t i = 0; i < JournalLignesMax; ++i)
        plein += std::string("09.12.26 10:00") + sortes[i % 4] + "\r\n";
    const auto ouvre = [&](const std::string& octets) {
        fichiers.Écrire(chemin, octets);
        double meilleur = 1e300;
        for (int tour = 0; tour < 5; ++tour) {
            HWND f = nullptr;
            meilleur = std::min(meilleur, Chrono([&] {
                                    f = F_JournalOuvre({h, registre, GetModuleHandleW(nullptr)});
                                    Pompe();
                                }));
            DestroyWindow(f);
            Pompe();
        }
        return meilleur;
    };
    const double vide = ouvre(""), rempli = ouvre(plein);
    double lecture = 1e300;
    for (int tour = 0; tour < 5; ++tour)
        lecture = std::min(lecture, Chrono([&] { JournalLu(*fichiers.Lire(chemin)); }));
    std::printf(
        "journal window, %zu lines: %.1f ms; empty journal (baseline) %.1f ms, ratio "
        "x%.2f; reading and cutting the lines alone %.2f ms\n",
        JournalLignesMax, rempli, vide, rempli / vide, lecture);
    DeleteFileW(VersUtf16(chemin).c_str());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: horlo_charge FOLDER [MAX]\n");
        return 2;
    }
    const std::string dossier = DepuisUtf16(argv[1]);
    const size_t max = argc > 2 ? static_cast<size_t>(_wtoi(argv[2])) : 32767;

    FichiersWin32 fichiers;
    HorlogeWin32 horloge;
    RegistreWin32 brut;
    Registre registre = RegistreDuProgramme(brut, "Horlo");
    DialoguesWin32 dialogues;
    LanceurMuet lanceur;
    AlarmesMuettes alarmes;

    std::printf("%-8s %-22s %-22s %-22s %-22s %-22s\n", "tasks", "load Auto.dat", "open editor",
                "pass, all due", "pass, all removed", "save one");
    // A first round of 1,024 tasks warms the caches and is not printed; each size is run
    // three times, and the best time of each step is printed.
    const size_t tailles[] = {1024, max / 4, max / 2, max};
    double meilleur[5] = {};
    for (size_t tour = 0; tour < 10; ++tour) {
        const size_t n = tailles[(tour + 2) / 3];
        if (tour % 3 == 1) std::fill(std::begin(meilleur), std::end(meilleur), 1e300);
        Horlo h(fichiers, horloge, Programme::DepuisChemin(dossier + "\\Horlo.exe"));
        h.Démarrage = horloge.Maintenant();
        Écrit(h, n, "J");
        h.Tâches.Efface();
        const double charge = Chrono([&] { TâchesCharge(h); });
        double ouvre = 0;
        ouvre = Chrono([&] {
            F_AutoOuvre(
                {h, registre, dialogues, lanceur, alarmes, GetModuleHandleW(nullptr), [] {}});
            Pompe();
        });
        const auto lignes = [] {
            return SendMessageW(GetDlgItem(F_AutoFenêtre(), IdsAuto::lAutom), LB_GETCOUNT, 0, 0);
        };
        const bool listée = lignes() == static_cast<LRESULT>(n);
        PortsMoteur ports{lanceur, alarmes, F_AutoVue()};
        lanceur.lancés = 0;
        const double dues = Chrono([&] {
            TâchesExécute(h, ports);
            Pompe();
        });
        const bool toutes = lanceur.lancés == n;
        // The same table, one-shot: every task fires and goes, with its line.
        Écrit(h, n, "U");
        TâchesSynchronise(h);
        const double retirées = Chrono([&] {
            TâchesExécute(h, ports);
            Pompe();
        });
        const bool vide = h.Tâches.Dernier() == 0 && lignes() == 0;
        // One new task saved from the editor's entry panel, into a full table again.
        Écrit(h, n, "J");
        TâchesSynchronise(h);
        ChampsSaisie c;
        NouvelleVersChamps(horloge.Maintenant(), c);
        c.programme = "C:\\Outils\\nouveau.exe";
        const double enregistre =
            Chrono([&] { TâcheEnregistre(h, 0, EntréeLue(c, horloge.Maintenant())); });
        DestroyWindow(F_AutoFenêtre());
        Pompe();
        const double temps[5] = {charge, ouvre, dues, retirées, enregistre};
        for (int k = 0; k < 5; ++k) meilleur[k] = std::min(meilleur[k], temps[k]);
        if (tour % 3 != 0 || tour == 0) continue;
        auto cellule = [n](double ms) {
            char s[64];
            std::snprintf(s, sizeof s, "%.0f ms (%.1f us/task)", ms,
                          ms * 1000.0 / static_cast<double>(n));
            return std::string(s);
        };
        std::printf("%-8zu %-22s %-22s %-22s %-22s %-22s%s%s%s\n", n, cellule(meilleur[0]).c_str(),
                    cellule(meilleur[1]).c_str(), cellule(meilleur[2]).c_str(),
                    cellule(meilleur[3]).c_str(), cellule(meilleur[4]).c_str(),
                    toutes ? "" : "  (not every task started)", vide ? "" : "  (entries left)",
                    listée ? "" : "  (not every task listed)");
        std::fflush(stdout);
    }
    DeleteFileW(VersUtf16(dossier + "\\Auto.dat").c_str());
    JournalMesure(dossier, fichiers, horloge, registre);
    return 0;
}
