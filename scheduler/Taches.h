// Horlo's task table and catalogue, their files Auto.dat and Autos.dat, the display line
// of a task and the list of open windows.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Ports.h"
#include "Programme.h"
#include "Resultat.h"

// A task's repeat code, decoded once: every decision reads its letter. A text that is none
// of the codes (only a hand-edited Auto.dat holds one) is kept and written back as it is.
class Récurrence {
  public:
    // The letters; Lancée, in memory only, is an "L" task that fired in this run.
    using Lettre = char;
    static constexpr Lettre Inconnue = 0, UneFois = 'U', ChaqueJour = 'J', Ouvrables = 'O',
                            ChaqueSemaine = 'S', Arrêt = 'A', Lancement = 'L', Lancée = 'l',
                            Premier = 'P', Dernier = 'D';
    Récurrence() = default;
    Récurrence(Lettre l) : lettre_(l) {}
    // The code of a text as it stands, case included; of a file's field, in any case.
    Récurrence(std::string_view texte);
    Récurrence(const std::string& texte) : Récurrence(std::string_view(texte)) {}
    Récurrence(const char* texte) : Récurrence(std::string_view(texte)) {}
    static Récurrence Lue(std::string_view champ);
    Lettre lettre() const { return lettre_; }
    // "L" or "l": the moment is a delay after the program's start.
    bool AuDémarrage() const { return lettre_ == Lancement || lettre_ == Lancée; }
    // U J O S P D: due at a date and time.
    bool ParDate() const { return lettre_ != Inconnue && lettre_ != Arrêt && !AuDémarrage(); }
    std::string Texte() const { return lettre_ ? std::string(1, lettre_) : inconnu_; }
    bool operator==(const Récurrence&) const = default;

  private:
    Lettre lettre_ = Inconnue;
    std::string inconnu_;  // the text of an unknown code
};

// The captions of the editor's repeat options (oRépet 0 to 6) and of the labels that complete
// two of them; the journal names a task's repeat with the same words.
inline constexpr const char* LibellésRépétition[] = {
    "Une seule fois",
    "Chaque jour",
    "Chaque semaine",
    "A chaque arrêt de Windows",
    "A chaque lancement de Windows après un délai de",
    "Le premier",
    "Le dernier"};
inline constexpr const char* LibelléSaufFériés = "sauf les jours fériés";
inline constexpr const char* LibelléOuvrableDuMois = "jour ouvrable du mois";

// One scheduled task.
struct Tâche {
    // Program path as typed; a first character '"' makes the rest a message to show.
    // Blank (trimmed) marks a deleted entry: it is neither listed nor written.
    std::string Programme;
    std::string Paramètres;
    int16_t Fenêtre = 0;  // show-window code: 1, 2, 3, 4, 6 (0: hidden)
    Récurrence Répétition;
    double Prochaine = 0;          // next due moment; the delay (below 1) for L and l
    double DernièreExécution = 0;  // 0 = never fired
    bool Actif = false;
    double DélaiMax = 0;  // how late it may still fire; 0 = no limit
    // Given by the table when the task is added, never reused within a run: the editor
    // tags its lines with it, so a line keeps designating its task when entries before
    // it are removed. Not stored in Auto.dat.
    uint64_t Identité = 0;
};

// A program text beginning with a double quote is a message to show.
bool EstMessage(const std::string& programme);
// A blank program marks a deleted entry: neither listed, fired nor written.
bool Supprimée(const Tâche& t);

// A ready-made task of the catalogue.
struct Modèle {
    std::string Libellé;
    std::string Programme;
    std::string Paramètres;
    std::string Répétition;  // as written in the file, any case
    int16_t Fenêtre = 0;
    double Heure = 0;  // read and kept, used by nothing
    double DélaiMax = 0;
};

// A table indexed from 1 to Dernier(); entry 0 always exists and holds nothing.
template <class T>
class TableDepuisUn {
  public:
    TableDepuisUn() : entrées_(1) {}
    // Index of the last entry, 0 when the table is empty.
    size_t Dernier() const { return entrées_.size() - 1; }
    bool Vide() const { return entrées_.size() == 1; }
    T& operator[](size_t i) { return entrées_.at(i); }
    const T& operator[](size_t i) const { return entrées_.at(i); }
    // Appends an entry and returns its index. An entry with an identity gets a new one.
    size_t Ajoute(T e) {
        if constexpr (requires { e.Identité; }) e.Identité = ++dernièreIdentité_;
        entrées_.push_back(std::move(e));
        return Dernier();
    }
    // Index of the entry with the given identity, 0 when none has it (removed meanwhile).
    size_t IndexDe(uint64_t identité) const requires requires(T e) { e.Identité; }
    {
        if (identité == 0) return 0;
        for (size_t i = 1; i < entrées_.size(); ++i)
            if (entrées_[i].Identité == identité) return i;
        return 0;
    }
    // Removes entry i (1..Dernier()); the later entries move down by one index.
    void Retire(size_t i) {
        if (i >= 1 && i < entrées_.size())
            entrées_.erase(entrées_.begin() + static_cast<std::ptrdiff_t>(i));
    }
    // Removes every entry for which `retirer` holds, keeping the order of the others.
    template <class P>
    void RetireSi(P retirer) {
        entrées_.erase(std::remove_if(entrées_.begin() + 1, entrées_.end(), retirer),
                       entrées_.end());
    }
    void Efface() { entrées_.resize(1); }  // identities already given are not reused
    void Réserve(size_t n) { entrées_.reserve(n + 1); }

  private:
    std::vector<T> entrées_;
    uint64_t dernièreIdentité_ = 0;
};

using TableTâches = TableDepuisUn<Tâche>;
using TableModèles = TableDepuisUn<Modèle>;

// Names of the scheduler's open windows ("F_Auto"), kept in ascending order.
struct ListeFeuilles {
    std::vector<std::string> noms;
};

// Horlo's program-wide state, built once by start-up (tests build their own) and passed
// to the engine, the editor and the routines below.
struct Horlo {
    Horlo(Fichiers& f, Horloge& h, ::Programme p)
        : fichiers(f), horloge(h), programme(std::move(p)) {}

    Fichiers& fichiers;
    Horloge& horloge;
    ::Programme programme;  // name and folder of the running executable

    double Démarrage = 0;  // when the program started; L delays count from it
    TableTâches Tâches;
    TableModèles Modèles;
    ListeFeuilles FeuillesOuvertes;
    // Set when Auto.dat exists but could not be read: saving would replace the tasks the
    // user still has on disk with a partial table, so TâchesEnregistre refuses to.
    bool AutoIllisible = false;
    // The last save failed: the table holds changes that Auto.dat lacks.
    bool EnregistrementEnAttente = false;
    // Auto.dat as this program last read or wrote it: last-write time and size, and the
    // tasks it then held, so that the changes another instance made since can be told
    // apart from this program's own (TâchesSynchronise in Moteur.h).
    struct {
        bool connue = false;
        double date = 0;
        uint64_t taille = 0;
    } EmpreinteAuto;
    std::vector<Tâche> RéférenceAuto;
};

// Notes Auto.dat's current last-write time and size and the table as the file holds it.
void AutoNote(Horlo& h);

// Paths of the files beside the program.
std::string CheminAuto(const Horlo& h);   // ...\Auto.dat
std::string CheminAutos(const Horlo& h);  // ...\Autos.dat

// Cuts the next tab-separated field off `reste` and returns it. A field of two characters
// or more that begins and ends with '"' loses both quotes, and every run of quotes within
// it shrinks to a single one. Empty `reste`: returns "" and leaves it empty.
std::string ChampSuivant(std::string_view& reste);

// Empties Tâches and loads it from Auto.dat, read as UTF-8 or Windows-1252 as
// DepuisFichierTexte decides. A missing file leaves the table empty and succeeds; a file
// that exists but cannot be read fails with the platform's text. A line whose due date or
// time cannot be read loads as an inactive task, so that it is kept (and listed) but
// never fires; an unreadable last-run date or maximum delay reads 0.
Statut TâchesCharge(Horlo& h);

// The bytes of Auto.dat for the current table (Windows-1252, CR LF, tab-separated). One
// task's text never keeps the table from being written: a field that cannot read back
// as it is goes in its nearest form ('?' for a character Windows-1252 lacks, a blank for
// a tab or line break, unquoted when no quoting reads back as it is).
std::string TâchesTexte(const TableTâches& tâches);
// Whether a program (`premier`) or parameter field reads back from Auto.dat exactly as
// given: the editor refuses text that would not.
bool ChampRelisible(std::string_view texte, bool premier);

// One line of Auto.dat in UTF-8, without its line end (fields in their nearest form, as
// TâchesTexte writes them).
std::string LigneAuto(const Tâche& t);

// Writes every non-deleted task to Auto.dat, replacing the file atomically. On failure
// (the file could not be written, or was unreadable at load) nothing is written, the
// previous file stays whole and the reason is returned.
Statut TâchesEnregistre(Horlo& h);

// Empties Modèles and loads it from Autos.dat (UTF-8 or Windows-1252, as Auto.dat):
// one entry per line, empty lines included; values that do not convert read 0. A missing
// file leaves the catalogue empty.
Statut ModèlesCharge(Horlo& h);

// The editor's list line of a task: a 14-character column (13 for "Déb.+hh:mm:ss"),
// a blank, the program, and the last run in parentheses when there is one.
std::string LigneTâche(const Tâche& t);
std::string LigneTâche(const Horlo& h, size_t i);

// 1-based position of `nom` in the list, 0 when absent.
size_t FeuillePosition(const ListeFeuilles& l, const std::string& nom);
// Enters (ouverte) or removes (!ouverte) a window's name, keeping the order, without
// double entries.
void FeuilleOuverte(ListeFeuilles& l, const std::string& feuille, bool ouverte);
bool FeuilleEstOuverte(const ListeFeuilles& l, const std::string& nom);
