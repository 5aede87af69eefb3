// One engine pass over 32,767 tasks of which none is due, through real files (the pass
// looks at Auto.dat's last-write time and size first), against a bare loop over the same
// table that compares every task's next moment with the clock.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "Doubles.h"
#include "FichiersPosix.h"
#include "Moteur.h"
#include "Muets.h"

namespace {

struct BancMoteur {
    std::filesystem::path dossier;
    FichiersPosix fichiers;
    HorlogeFixe horloge;
    Horlo h;
    LanceurMuet lanceur;
    AlarmesMuettes alarmes;
    PortsMoteur ports{lanceur, alarmes, nullptr};

    BancMoteur()
        : dossier(std::filesystem::temp_directory_path() / "horlo-bench-moteur"),
          fichiers(dossier),
          h(fichiers, horloge, Programme::DepuisChemin("C:\\Vud\\Horlo.exe")) {
        std::filesystem::create_directories(fichiers.Hôte("C:\\Vud"));
        const char* codes[] = {"U", "J", "O", "S", "A", "L", "P", "D"};
        h.Démarrage = 36136.5 - 1.0 / 24;
        for (size_t i = 0; i < 32767; ++i) {
            Tâche t;
            t.Programme = "C:\\Outil\\prog" + std::to_string(i) + ".exe";
            t.Répétition = codes[i % 8];
            t.Actif = i % 7 != 0;
            // In the future; L delays longer than the time since the start.
            t.Prochaine = t.Répétition == "L" ? 0.5 : 36137.0 + static_cast<double>(i) / 97.0;
            t.Fenêtre = 1;
            h.Tâches.Ajoute(std::move(t));
        }
        if (!TâchesEnregistre(h)) std::abort();
    }
    ~BancMoteur() {
        std::error_code e;
        std::filesystem::remove_all(dossier, e);
    }
};

BancMoteur& LeBanc() {
    static BancMoteur banc;
    return banc;
}

void TâchesExécute_(benchmark::State& état) {
    BancMoteur& b = LeBanc();
    for (auto _ : état) {
        TâchesExécute(b.h, b.ports);
        if (b.h.Tâches.Dernier() != 32767) état.SkipWithError("une tâche a été retirée");
    }
    if (b.lanceur.lancés != 0 || b.alarmes.montrées != 0)
        état.SkipWithError("une tâche est partie");
}

void TâchesExécute_Base(benchmark::State& état) {
    BancMoteur& b = LeBanc();
    for (auto _ : état) {
        size_t dues = 0;
        for (size_t i = 1; i <= b.h.Tâches.Dernier(); ++i)
            dues += b.h.Tâches[i].Actif && b.h.Tâches[i].Prochaine <= b.horloge.Maintenant();
        benchmark::DoNotOptimize(dues);
    }
}

// A pass where all of N tasks are due (daily tasks, or one-shot tasks that are then
// removed): the time per task must not grow with N.

void ToutesDues(benchmark::State& état, const char* code) {
    const auto n = static_cast<size_t>(état.range(0));
    BancMoteur& b = LeBanc();
    LanceurMuet lanceur;
    PortsMoteur ports{lanceur, b.alarmes, nullptr};
    Horlo h(b.fichiers, b.horloge, Programme::DepuisChemin("C:\\Dues\\Horlo.exe"));
    std::filesystem::create_directories(b.fichiers.Hôte("C:\\Dues"));
    h.Démarrage = b.h.Démarrage;
    for (auto _ : état) {
        état.PauseTiming();
        h.Tâches.Efface();
        for (size_t i = 0; i < n; ++i) {
            Tâche t;
            t.Programme = "C:\\Outil\\prog" + std::to_string(i) + ".exe";
            t.Répétition = code;
            t.Actif = true;
            t.Prochaine = 36136.5 - 1.0 / 1440;
            t.Fenêtre = 1;
            h.Tâches.Ajoute(std::move(t));
        }
        état.ResumeTiming();
        TâchesExécute(h, ports);
    }
    état.SetItemsProcessed(static_cast<int64_t>(état.iterations() * n));
}

}  // namespace

BENCHMARK_CAPTURE(ToutesDues, journalières, "J")
    ->Name("TâchesExécute/toutes dues J")
    ->RangeMultiplier(2)
    ->Range(8192, 32768)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ToutesDues, uniques, "U")
    ->Name("TâchesExécute/toutes dues U")
    ->RangeMultiplier(2)
    ->Range(8192, 32768)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(TâchesExécute_)->Name("TâchesExécute")->Unit(benchmark::kMillisecond);
BENCHMARK(TâchesExécute_Base)->Name("TâchesExécute_Base")->Unit(benchmark::kMillisecond);
