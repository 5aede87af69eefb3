// The census of a generated tree where nothing matches (so the cleaner would end right
// after it) against a bare FindFirstFileExW walk of the same tree, both timed in the same
// run under the same system. Prints its results in Google Benchmark's JSON form, to the
// file given with --benchmark_out=, so that tools/bench prints the ratio: X_Base is the
// baseline of X. Usage: nettix_bench.exe FOLDER [--benchmark_out=FILE]
// With --effacer=EXT it is instead the bare program that an unattended clean-up is timed
// against, as a whole process: the same walk, deleting every file named *.EXT.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "Banc.h"
#include "ListeurWin32.h"
#include "Recensement.h"
#include "Utf16.h"

namespace {

// The bare walk: every folder listed whole, then its sub-folders, as the census does. With
// a suffix (".tmp"), the bare clean-up: every file whose name ends with it is deleted.
uint64_t Parcours(const std::wstring& rep, const std::wstring& effacer = L"") {
    uint64_t n = 0;
    std::vector<std::wstring> sous;
    WIN32_FIND_DATAW d;
    HANDLE h = FindFirstFileExW((rep + L"*").c_str(), FindExInfoBasic, &d, FindExSearchNameMatch,
                                nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (h == INVALID_HANDLE_VALUE) return 0;
    do {
        if (d.cFileName[0] == L'.') continue;
        ++n;
        const std::wstring nom = d.cFileName;
        if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            sous.push_back(nom);
        else if (!effacer.empty() && nom.size() > effacer.size() &&
                 _wcsicmp(nom.c_str() + nom.size() - effacer.size(), effacer.c_str()) == 0)
            DeleteFileW((rep + nom).c_str());
    } while (FindNextFileW(h, &d));
    FindClose(h);
    for (const auto& s : sous) n += Parcours(rep + s + L"\\", effacer);
    return n;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: nettix_bench FOLDER [--benchmark_out=FILE]\n");
        return 2;
    }
    std::wstring racine = argv[1];
    if (racine.back() != L'\\') racine += L"\\";
    std::wstring sortie;
    for (int i = 2; i < argc; ++i) {
        if (wcsncmp(argv[i], L"--benchmark_out=", 16) == 0) sortie = argv[i] + 16;
        if (wcsncmp(argv[i], L"--effacer=", 10) == 0) {
            const uint64_t n = Parcours(racine, std::wstring(L".") + (argv[i] + 10));
            std::printf("%llu entries walked\n", static_cast<unsigned long long>(n));
            return 0;
        }
    }

    ParamètresNettix p = ParamètresBanc({DepuisUtf16(racine.substr(0, racine.size() - 1))});

    Mesure base, recensement;
    uint64_t entrées = Parcours(racine);  // warms the caches for both
    for (int essai = 0; essai < 5; ++essai) {
        Chronomètre(base, [&] { entrées = Parcours(racine); });
        Chronomètre(recensement, [&] {
            ListeurWin32 listeur;
            VueBanc vue;
            struct SansFichiers : Fichiers {
                std::optional<uint32_t> Attributs(const std::string&) override { return {}; }
                Résultat<double> DateModification(const std::string&) override { return {}; }
                Résultat<uint64_t> Taille(const std::string&) override { return {}; }
                Résultat<std::string> Lire(const std::string&) override { return {}; }
                Statut Écrire(const std::string&, const std::string&) override { return {}; }
                Statut Ajouter(const std::string&, const std::string&) override { return {}; }
                Statut Supprimer(const std::string&) override { return Statut::Échec("banc"); }
                Statut Copier(const std::string&, const std::string&) override { return {}; }
                Statut Renommer(const std::string&, const std::string&, bool) override {
                    return {};
                }
            } fichiers;
            Nettix n(p, listeur, fichiers, vue);
            n.Recenser();
            if (!vue.fin || !n.Trouvés().empty()) std::fprintf(stderr, "census found files\n");
        });
    }

    char json[1024];
    std::snprintf(json, sizeof json,
                  "{\"context\": {\"entries\": %llu},\n\"benchmarks\": [\n"
                  "{\"name\": \"Nettoyer\", \"run_type\": \"iteration\", \"real_time\": %.3f, "
                  "\"cpu_time\": %.3f, \"time_unit\": \"ms\"},\n"
                  "{\"name\": \"Nettoyer_Base\", \"run_type\": \"iteration\", \"real_time\": %.3f, "
                  "\"cpu_time\": %.3f, \"time_unit\": \"ms\"}\n]}\n",
                  static_cast<unsigned long long>(entrées), recensement.réel, recensement.cpu,
                  base.réel, base.cpu);
    std::fputs(json, stdout);
    if (!sortie.empty()) {
        if (FILE* f = _wfopen(sortie.c_str(), L"w")) {
            std::fputs(json, f);
            std::fclose(f);
        }
    }
    return 0;
}
