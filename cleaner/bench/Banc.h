// What the census benchmarks share: the window's side of the census without a window,
// and a stopwatch keeping the best wall and CPU times of several runs.
#pragma once

#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "Nettix.h"

// Census parameters over folders taken as drives, all selected, and extensions, all
// selected (by default the built-in list of a first start).
inline ParamètresNettix ParamètresBanc(const std::vector<std::string>& dossiers,
                                       std::initializer_list<const char*> extensions = {
                                           "tmp", "syd", "$$$", "old", "chk"}) {
    ParamètresNettix p;
    for (const auto& d : dossiers) p.unités.Ajoute(d, 3);
    p.unités.ChoisitTout(true);
    for (const char* e : extensions) p.extensions.Ajoute(e);
    p.extensions.ChoisitTout(true);
    return p;
}

// The window's side of the census as F_Main does it: a message pump on a 25 ms timer,
// the clock read every 8 entries.
struct VueBanc : VueNettix {
    ULONGLONG dernière = 0;
    unsigned appels = 0;
    bool fin = false;
    void État(ÉtatFenêtre) override {}
    void Statut(const std::string&) override {}
    void Total(const std::string&) override {}
    void ListeAjoute(const std::string&) override {}
    void ListeRetire(int32_t) override {}
    void ListeVide() override {}
    void ListeSélectionne(int32_t) override {}
    void ConserverPermis(bool) override {}
    void Mode(bool) override {}
    void Cède() override {
        if (++appels % 8 != 0) return;
        const ULONGLONG t = GetTickCount64();
        if (t - dernière < 25) return;
        dernière = t;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    void Bip() override {}
    void Termine(bool) override { fin = true; }
};

struct Mesure {
    double réel = 1e300, cpu = 1e300;  // ms, the best of the runs
};

inline double CpuMs() {
    FILETIME a, b, noyau, utilisateur;
    GetProcessTimes(GetCurrentProcess(), &a, &b, &noyau, &utilisateur);
    const auto ms = [](FILETIME f) {
        return static_cast<double>((static_cast<uint64_t>(f.dwHighDateTime) << 32) |
                                   f.dwLowDateTime) /
               1e4;
    };
    return ms(noyau) + ms(utilisateur);
}

template <class F>
void Chronomètre(Mesure& m, F&& f) {
    LARGE_INTEGER fréquence, début, fin;
    QueryPerformanceFrequency(&fréquence);
    const double cpu = CpuMs();
    QueryPerformanceCounter(&début);
    f();
    QueryPerformanceCounter(&fin);
    m.réel = std::min(m.réel, static_cast<double>(fin.QuadPart - début.QuadPart) * 1000.0 /
                                  static_cast<double>(fréquence.QuadPart));
    m.cpu = std::min(m.cpu, CpuMs() - cpu);
}
