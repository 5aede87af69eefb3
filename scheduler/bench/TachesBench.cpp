// Loading and saving a full Auto.dat (32,767 tasks) through real files, each against a
// baseline measured in the same run: the same bytes read or written with plain streams.
// A benchmark named X_Base is the baseline of X (tools/bench prints the ratios).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "Doubles.h"
#include "FichiersPosix.h"
#include "Taches.h"

namespace {

constexpr size_t NombreDeTâches = 32767;

// A new folder of this run under the temporary folder: parallel runs never share one.
std::filesystem::path DossierNeuf() {
    std::string modèle = (std::filesystem::temp_directory_path() / "horlo-bench.XXXXXX").string();
    if (!mkdtemp(modèle.data())) std::abort();
    return modèle;
}

// A folder holding Auto.dat with NombreDeTâches tasks of every kind, made once and
// removed at exit.
struct Banc {
    std::filesystem::path dossier;
    FichiersPosix fichiers;
    HorlogeFixe horloge;
    Horlo h;

    Banc()
        : dossier(DossierNeuf()),
          fichiers(dossier),
          h(fichiers, horloge, Programme::DepuisChemin("C:\\Vud\\Horlo.exe")) {
        std::filesystem::create_directories(fichiers.Hôte("C:\\Vud"));
        const char* codes[] = {"U", "J", "O", "S", "A", "L", "P", "D"};
        for (size_t i = 0; i < NombreDeTâches; ++i) {
            Tâche t;
            t.Programme = i % 10 == 0
                              ? "\"Réunion n° " + std::to_string(i)
                              : "C:\\Program Files\\Outil\\prog" + std::to_string(i) + ".exe";
            t.Paramètres = i % 3 == 0 ? "" : "/a /b:fichier" + std::to_string(i) + ".txt";
            t.Fenêtre = static_cast<int16_t>(1 + i % 4);
            t.Répétition = codes[i % 8];
            t.Actif = i % 7 != 0;
            t.Prochaine =
                t.Répétition == "L" ? 0.00381944 : 36136.0 + static_cast<double>(i) / 97.0;
            t.DernièreExécution = i % 5 == 0 ? 0 : 36000.25 + static_cast<double>(i) / 89.0;
            t.DélaiMax = i % 4 == 0 ? 0 : 1.0 / 24;
            h.Tâches.Ajoute(std::move(t));
        }
        if (!TâchesEnregistre(h)) std::abort();
    }
    ~Banc() {
        std::error_code e;
        std::filesystem::remove_all(dossier, e);
    }
    std::string Auto() const { return fichiers.Hôte(CheminAuto(h)).string(); }
};

Banc& LeBanc() {
    static Banc banc;
    return banc;
}

void TâchesCharge_(benchmark::State& état) {
    Banc& b = LeBanc();
    for (auto _ : état) {
        if (!TâchesCharge(b.h) || b.h.Tâches.Dernier() != NombreDeTâches) {
            état.SkipWithError("chargement incomplet");
            break;
        }
    }
}

void TâchesCharge_Base(benchmark::State& état) {
    const std::string chemin = LeBanc().Auto();
    for (auto _ : état) {
        std::ifstream f(chemin, std::ios::binary);
        std::string octets{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
        benchmark::DoNotOptimize(octets);
    }
}

void TâchesEnregistre_(benchmark::State& état) {
    Banc& b = LeBanc();
    if (!TâchesCharge(b.h)) état.SkipWithError("chargement impossible");
    for (auto _ : état) {
        if (!TâchesEnregistre(b.h)) {
            état.SkipWithError("enregistrement impossible");
            break;
        }
    }
}

void TâchesEnregistre_Base(benchmark::State& état) {
    Banc& b = LeBanc();
    const std::string octets = *b.fichiers.Lire(CheminAuto(b.h));
    const std::string chemin = b.Auto() + ".base";
    for (auto _ : état) {
        std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
        f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
    }
}

// The text of the file alone, without writing it: how much of a save is formatting.
void TâchesTexte_(benchmark::State& état) {
    Banc& b = LeBanc();
    if (!TâchesCharge(b.h)) état.SkipWithError("chargement impossible");
    for (auto _ : état) benchmark::DoNotOptimize(TâchesTexte(b.h.Tâches));
}

}  // namespace

BENCHMARK(TâchesCharge_)->Name("TâchesCharge")->Unit(benchmark::kMillisecond);
BENCHMARK(TâchesCharge_Base)->Name("TâchesCharge_Base")->Unit(benchmark::kMillisecond);
BENCHMARK(TâchesEnregistre_)->Name("TâchesEnregistre")->Unit(benchmark::kMillisecond);
BENCHMARK(TâchesEnregistre_Base)->Name("TâchesEnregistre_Base")->Unit(benchmark::kMillisecond);
BENCHMARK(TâchesTexte_)->Name("TâchesTexte")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
