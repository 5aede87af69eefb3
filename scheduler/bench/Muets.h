// Ports of the engine that start and show nothing, only count, for the benchmarks and the
// editor's test host.
#pragma once

#include <string>

#include "Moteur.h"

struct LanceurMuet : Lanceur {
    unsigned lancés = 0;
    Statut Lance(const std::string&, int) override {
        ++lancés;
        return {};
    }
};

struct AlarmesMuettes : Alarmes {
    unsigned montrées = 0;
    void Montre(const std::string&, bool) override { ++montrées; }
};
