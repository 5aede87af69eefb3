// In-memory doubles of the platform ports, for the unit tests of portable logic.
#pragma once

#include <algorithm>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "Ports.h"
#include "Texte.h"

// Files and folders in memory. Paths compare case-insensitively (ASCII), as on Windows.
struct FichiersMémoire : Fichiers {
    struct Entrée {
        std::string octets;
        double date = 0;
        bool dossier = false;
        bool verrouillé = false;  // in use: cannot be deleted, replaced or written
    };
    std::map<std::string, Entrée> entrées;      // key: upper-cased path
    std::map<std::string, std::string> échecs;  // "Écrire:PATH" etc. -> error text to return
    std::map<std::string, int> occupés;         // key -> renames of it still failing in passing
    std::vector<std::string> journal;           // operations in order ("Copier A -> B")
    double dateSuivante = 36000;                // modification date given to written files

    // Paths compare without regard to letter case, accented letters included, as on Windows.
    static std::string Clé(const std::string& chemin) {
        std::string c = Majuscules(chemin);
        while (c.size() > 3 && c.back() == '\\') c.pop_back();
        return c;
    }
    void PoseFichier(const std::string& chemin, std::string octets, double date = 36000) {
        entrées[Clé(chemin)] = {std::move(octets), date, false, false};
    }
    void PoseDossier(const std::string& chemin) { entrées[Clé(chemin)] = {{}, 0, true, false}; }
    bool Existe(const std::string& chemin) const { return entrées.count(Clé(chemin)) > 0; }
    const std::string& Contenu(const std::string& chemin) const {
        return entrées.at(Clé(chemin)).octets;
    }
    // An error text registered for this operation and path, or "".
    std::string Échec(const std::string& op, const std::string& chemin) const {
        auto it = échecs.find(op + ":" + Clé(chemin));
        return it == échecs.end() ? std::string() : it->second;
    }

    std::optional<uint32_t> Attributs(const std::string& chemin) override {
        auto it = entrées.find(Clé(chemin));
        if (it == entrées.end()) return std::nullopt;
        return it->second.dossier ? Attr::Dossier : Attr::Archive;
    }
    Résultat<double> DateModification(const std::string& chemin) override {
        if (auto e = Échec("Date", chemin); !e.empty()) return Résultat<double>::Échec(e);
        auto it = entrées.find(Clé(chemin));
        if (it == entrées.end()) return Résultat<double>::Échec("Fichier introuvable.");
        return Résultat<double>::Réussi(it->second.date);
    }
    Résultat<uint64_t> Taille(const std::string& chemin) override {
        auto it = entrées.find(Clé(chemin));
        if (it == entrées.end()) return Résultat<uint64_t>::Échec("Fichier introuvable.");
        return Résultat<uint64_t>::Réussi(it->second.octets.size());
    }
    Résultat<std::string> Lire(const std::string& chemin) override {
        if (auto e = Échec("Lire", chemin); !e.empty()) return Résultat<std::string>::Échec(e);
        auto it = entrées.find(Clé(chemin));
        if (it == entrées.end() || it->second.dossier)
            return Résultat<std::string>::Échec("Fichier introuvable.");
        return Résultat<std::string>::Réussi(it->second.octets);
    }
    Statut Écrire(const std::string& chemin, const std::string& octets) override {
        journal.push_back("Écrire " + chemin);
        if (auto e = Échec("Écrire", chemin); !e.empty()) return Statut::Échec(e);
        auto& en = entrées[Clé(chemin)];
        if (en.verrouillé) return Statut::Échec("Accès refusé.", true);
        en.octets = octets;
        en.date = dateSuivante;
        return {};
    }
    Statut Ajouter(const std::string& chemin, const std::string& octets) override {
        journal.push_back("Ajouter " + chemin);
        if (auto e = Échec("Ajouter", chemin); !e.empty()) return Statut::Échec(e);
        entrées[Clé(chemin)].octets += octets;
        return {};
    }
    Statut Supprimer(const std::string& chemin) override {
        journal.push_back("Supprimer " + chemin);
        if (auto e = Échec("Supprimer", chemin); !e.empty()) return Statut::Échec(e);
        auto it = entrées.find(Clé(chemin));
        if (it == entrées.end()) return Statut::Échec("Fichier introuvable.");
        if (it->second.verrouillé) return Statut::Échec("Accès refusé.", true);
        entrées.erase(it);
        return {};
    }
    Statut Copier(const std::string& source, const std::string& destination) override {
        journal.push_back("Copier " + source + " -> " + destination);
        if (auto e = Échec("Copier", source); !e.empty()) return Statut::Échec(e);
        auto it = entrées.find(Clé(source));
        if (it == entrées.end()) return Statut::Échec("Fichier introuvable.");
        auto& d = entrées[Clé(destination)];
        if (d.verrouillé) return Statut::Échec("Accès refusé.", true);
        d = it->second;  // a copy keeps the source's modification date, as on Windows
        return {};
    }
    Statut Renommer(const std::string& source, const std::string& destination,
                    bool remplacer) override {
        journal.push_back("Renommer " + source + " -> " + destination);
        if (auto e = Échec("Renommer", source); !e.empty()) return Statut::Échec(e);
        if (occupés[Clé(source)]-- > 0) return Statut::Échec("Occupé.", true);
        auto it = entrées.find(Clé(source));
        if (it == entrées.end()) return Statut::Échec("Fichier introuvable.");
        if (it->second.verrouillé) return Statut::Échec("Accès refusé.", true);
        auto d = entrées.find(Clé(destination));
        if (d != entrées.end() && (!remplacer || d->second.verrouillé))
            return Statut::Échec("Accès refusé.", true);
        Entrée e = it->second;
        entrées.erase(it);
        entrées[Clé(destination)] = e;
        return {};
    }
};

// Message boxes answered from a script; every box shown is recorded.
struct DialoguesScript : Dialogues {
    struct Boîte {
        std::string texte, titre;
        unsigned drapeaux;
    };
    std::vector<Boîte> boîtes;
    std::deque<Réponse> réponses;  // next answers; Ok when empty
    struct Question {
        std::string invite, titre, défaut;
    };
    std::vector<Question> questions;
    std::deque<std::string> saisies;  // next typed answers; "" (cancel) when empty
    int bips = 0;

    Réponse Message(const std::string& texte, const std::string& titre,
                    unsigned drapeaux) override {
        boîtes.push_back({texte, titre, drapeaux});
        if (réponses.empty()) return Réponse::Ok;
        Réponse r = réponses.front();
        réponses.pop_front();
        return r;
    }
    std::string Saisie(const std::string& invite, const std::string& titre,
                       const std::string& défaut) override {
        questions.push_back({invite, titre, défaut});
        if (saisies.empty()) return "";
        std::string s = saisies.front();
        saisies.pop_front();
        return s;
    }
    void Bip() override { ++bips; }
};

struct HorlogeFixe : Horloge {
    double maintenant = 36136.5;  // 07.12.1998 12:00
    double Maintenant() override { return maintenant; }
};

// Records the programs started; fails when told to.
struct LanceurEnregistreur : Lanceur {
    struct Lancement {
        std::string ligne;
        int fenêtre;
    };
    std::vector<Lancement> lancements;
    std::string échec;  // non-empty: every start fails with this text
    Statut Lance(const std::string& ligne, int fenêtre) override {
        lancements.push_back({ligne, fenêtre});
        if (!échec.empty()) return Statut::Échec(échec);
        return {};
    }
};
