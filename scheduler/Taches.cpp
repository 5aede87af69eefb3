// Horlo's task table and catalogue: reading and writing Auto.dat and Autos.dat, the
// editor's list line and the open-window list.
#include "Taches.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>

#include "Champs.h"
#include "DateHeure.h"
#include "SautsDeLigne.h"
#include "Texte.h"
#include "Texte1252.h"
#include "Valeurs.h"

namespace {

constexpr double TrenteDécembre1999 = 36524;  // the "never fired" mark of older files

// A show-window code; 0 when the field is not a number that fits 16 bits.
int16_t LireFenêtre(std::string_view s) {
    const auto v = LireEntier(s);
    if (!v || *v < INT16_MIN || *v > INT16_MAX) return 0;
    return static_cast<int16_t>(*v);
}

// The files' dates and times; the readers allow blanks around them.
constexpr auto Date = LireDate;
constexpr auto Heure = LireHeure;

// Eight bytes at a time: every line of a load and of a save is tested.
bool EstAscii(std::string_view s) {
    std::size_t i = 0;
    for (uint64_t octets = 0; i + 8 <= s.size(); i += 8) {
        std::memcpy(&octets, s.data() + i, 8);
        if (octets & 0x8080808080808080u) return false;
    }
    for (; i < s.size(); ++i)
        if (static_cast<unsigned char>(s[i]) >= 0x80) return false;
    return true;
}

// Whether a field holds a tab or a line end, which no field can hold.
// Not find_first_of: with a set of characters it calls memchr once per character.
bool ContientSéparateur(std::string_view s) {
    return std::any_of(s.begin(), s.end(), EstSéparateur);
}

// Calls `ligne` with every line of the file's `octets`, in UTF-8 (the file read as
// DepuisFichierTexte decides). CR LF, a lone LF and a lone CR all end a line; a last line
// without a line end still counts, an empty tail after the last one does not. Lines of a
// UTF-8 file and lines in plain ASCII are passed without a copy.
template <class F>
void ParLignes(std::string_view octets, F&& ligne) {
    const auto utf8 = CommeUtf8(octets);
    if (utf8) octets = *utf8;
    std::string converti;
    const auto passe = [&](std::string_view l) {
        if (utf8 || EstAscii(l)) return ligne(l);
        converti = DepuisWindows1252(l);
        ligne(std::string_view(converti));
    };
    size_t début = 0;
    while (début < octets.size()) {
        size_t fin = début;
        while (fin < octets.size() && octets[fin] != '\r' && octets[fin] != '\n') ++fin;
        passe(octets.substr(début, fin - début));
        if (fin == octets.size()) return;
        début = fin + 1;
        if (octets[fin] == '\r' && début < octets.size() && octets[début] == '\n') ++début;
    }
}

// The file's bytes; nothing (and `statut` set) when it exists but cannot be read;
// "" when it does not exist.
std::optional<std::string> LireFichier(Fichiers& fichiers, const std::string& chemin,
                                       Statut& statut) {
    statut = Statut::Réussi();
    const auto attributs = fichiers.Attributs(chemin);
    if (!attributs || (*attributs & Attr::Dossier)) return std::string();
    auto octets = fichiers.Lire(chemin);
    if (!octets) {
        statut = Statut::Échec(octets.erreur);
        return std::nullopt;
    }
    return std::move(*octets.valeur);
}

// Whether a field must be quoted to read back as it is: it would lose its outer quotes
// (or, for the first field, be taken for a heading).
bool ÀProtéger(std::string_view texte, bool premier) {
    return EntreGuillemets(texte) || (premier && !texte.empty() && texte.front() == '[');
}

// Quoting only reads back intact when no two quotes touch.
bool Protégeable(std::string_view texte) {
    return texte.find("\"\"") == std::string_view::npos;
}

// Appends the field as written: between quotes with its inner quotes doubled when it needs
// and allows it, otherwise as it is (the form the file has always had); tabs and line ends,
// which no field can hold, as blanks.
void AjouteChamp(std::string& l, std::string_view texte, bool premier) {
    if (ContientSéparateur(texte))
        return AjouteChamp(l, SéparateursEnBlancs(std::string(texte)), premier);
    if (!ÀProtéger(texte, premier) || !Protégeable(texte)) {
        l += texte;
        return;
    }
    l += '"';
    for (char c : texte) {
        if (c == '"') l += '"';
        l += c;
    }
    l += '"';
}

// The "dd.mm.yyyy" and "hh:mm" or "hh:mm:ss" forms, as FormatDate writes them, appended
// in place: a save formats five of them per task.
char* DeuxChiffres(char* o, int n) {
    *o++ = static_cast<char>('0' + n / 10 % 10);
    *o++ = static_cast<char>('0' + n % 10);
    return o;
}

void AjouteDate(std::string& s, const PartiesDate& p) {
    char t[10];
    char* o = DeuxChiffres(t, p.jour);
    *o++ = '.';
    o = DeuxChiffres(o, p.mois);
    *o++ = '.';
    o = DeuxChiffres(DeuxChiffres(o, p.année / 100), p.année % 100);
    s.append(t, static_cast<size_t>(o - t));
}

void AjouteHeure(std::string& s, const PartiesDate& p, bool secondes) {
    char t[8];
    char* o = DeuxChiffres(t, p.heure);
    *o++ = ':';
    o = DeuxChiffres(o, p.minute);
    if (secondes) {
        *o++ = ':';
        o = DeuxChiffres(o, p.seconde);
    }
    s.append(t, static_cast<size_t>(o - t));
}

}  // namespace

Récurrence::Récurrence(std::string_view texte) {
    if (texte.size() == 1 && std::string_view("UJOSALlPD").find(texte[0]) != texte.npos)
        lettre_ = texte[0];
    else
        inconnu_ = texte;
}

Récurrence Récurrence::Lue(std::string_view champ) {
    return Majuscules(champ);
}

std::string LigneAuto(const Tâche& t) {
    const bool retard = t.Répétition.AuDémarrage();
    const PartiesDate prochaine = PartiesDepuisDate(t.Prochaine);
    const PartiesDate dernière = PartiesDepuisDate(t.DernièreExécution);
    std::string l;
    l.reserve(t.Programme.size() + t.Paramètres.size() + 64);
    AjouteChamp(l, t.Programme, true);
    l += '\t';
    AjouteChamp(l, t.Paramètres, false);
    l += '\t';
    l += std::to_string(t.Fenêtre);
    l += '\t';
    if (const char c = t.Répétition.lettre())  // one upper-case letter: "l" is written "L"
        l += t.Répétition.AuDémarrage() ? 'L' : c;
    else
        AjouteChamp(l, Majuscules(t.Répétition.Texte()), false);
    l += t.Actif ? "\t-1\t" : "\t0\t";
    if (t.Actif && !retard) AjouteDate(l, prochaine);
    l += '\t';
    if (t.Actif) AjouteHeure(l, prochaine, retard);
    l += '\t';
    AjouteDate(l, dernière);
    l += '\t';
    AjouteHeure(l, dernière, false);
    l += '\t';
    AjouteHeure(l, PartiesDepuisDate(t.DélaiMax), false);
    return l;
}

namespace {

// Reads one non-heading line of Auto.dat; nothing for a blank program (a deleted task).
std::optional<Tâche> TâcheDepuisLigne(std::string_view reste) {
    Tâche t;
    t.Programme = ChampSuivant(reste);
    if (Supprimée(t)) return std::nullopt;
    t.Paramètres = ChampSuivant(reste);
    t.Fenêtre = LireFenêtre(ChampSuivant(reste));
    t.Répétition = Récurrence::Lue(ChampSuivant(reste));
    t.Actif = LireEntier(ChampSuivant(reste)).value_or(0) != 0;
    const std::string date = ChampSuivant(reste);
    const std::string heure = ChampSuivant(reste);
    if (t.Actif) {
        std::optional<double> prochaine;
        if (t.Répétition.AuDémarrage()) {
            prochaine = Heure(heure);
        } else {
            const auto d = Date(date);
            const auto h = Heure(heure);
            if (d && h) prochaine = DateAvecHeure(*d, *h);
        }
        // A due moment that cannot be read would fire at once (or over and over, catching
        // up from 1899): the task is kept but switched off until the user corrects it.
        if (prochaine) {
            t.Prochaine = *prochaine;
        } else {
            t.Actif = false;
        }
    }
    const std::string dateDernière = ChampSuivant(reste);
    const std::string heureDernière = ChampSuivant(reste);
    if (const auto d = Date(dateDernière))
        t.DernièreExécution = DateAvecHeure(*d, Heure(heureDernière).value_or(0));
    if (!EstBlanc(reste)) t.DélaiMax = Heure(ChampSuivant(reste)).value_or(0);
    return t;
}

}  // namespace

std::string CheminAuto(const Horlo& h) {
    return h.programme.DossierLocal() + "Auto.dat";
}
std::string CheminAutos(const Horlo& h) {
    return h.programme.DossierLocal() + "Autos.dat";
}

bool EstMessage(const std::string& programme) {
    return !programme.empty() && programme.front() == '"';
}

bool Supprimée(const Tâche& t) {
    return EstBlanc(t.Programme);
}

// Auto.dat's and Autos.dat's fields: unlike the settings' lists, a quoted field also
// reduces its doubled quotes, so that its own quotes read back.
std::string ChampSuivant(std::string_view& reste) {
    const auto tab = reste.find('\t');
    const std::string_view brut = reste.substr(0, tab);
    reste = tab == std::string_view::npos ? std::string_view() : reste.substr(tab + 1);
    std::string champ(SansGuillemets(brut));
    if (champ.size() < brut.size())
        champ.erase(std::unique(champ.begin(), champ.end(),
                                [](char a, char b) { return a == '"' && b == '"'; }),
                    champ.end());
    return champ;
}

Statut TâchesCharge(Horlo& h) {
    h.Tâches.Efface();
    h.AutoIllisible = false;
    Statut statut;
    const auto texte = LireFichier(h.fichiers, CheminAuto(h), statut);
    if (!texte) {
        h.AutoIllisible = true;
        return statut;
    }
    h.Tâches.Réserve(static_cast<size_t>(std::count(texte->begin(), texte->end(), '\n')) + 1);
    ParLignes(*texte, [&](std::string_view ligne) {
        if (EstBlanc(ligne) || ligne.front() == '[') return;
        if (auto t = TâcheDepuisLigne(ligne)) h.Tâches.Ajoute(std::move(*t));
    });
    AutoNote(h);
    return statut;
}

std::string TâchesTexte(const TableTâches& tâches) {
    std::string octets;
    octets.reserve(tâches.Dernier() * 96);
    for (size_t i = 1; i <= tâches.Dernier(); ++i) {
        const Tâche& t = tâches[i];
        if (Supprimée(t)) continue;
        const std::string ligne = LigneAuto(t);
        octets += EstAscii(ligne) ? ligne : VersWindows1252Approché(ligne);
        octets += FinDeLigne;
    }
    return octets;
}

bool ChampRelisible(std::string_view texte, bool premier) {
    if (ContientSéparateur(texte) || !VersWindows1252(texte)) return false;
    return !ÀProtéger(texte, premier) || Protégeable(texte);
}

Statut TâchesEnregistre(Horlo& h) {
    if (h.AutoIllisible)
        return Statut::Échec(
            "Auto.dat n'a pas pu être lu au démarrage : il n'est pas remplacé, "
            "pour ne pas perdre les tâches qu'il contient.");
    auto statut = h.fichiers.Écrire(CheminAuto(h), TâchesTexte(h.Tâches));
    if (statut) AutoNote(h);
    return statut;
}

void AutoNote(Horlo& h) {
    const auto date = h.fichiers.DateModification(CheminAuto(h));
    const auto taille = h.fichiers.Taille(CheminAuto(h));
    h.EmpreinteAuto.connue = date && taille;
    h.EmpreinteAuto.date = date ? *date : 0;
    h.EmpreinteAuto.taille = taille ? *taille : 0;
    h.RéférenceAuto.clear();
    for (size_t i = 1; i <= h.Tâches.Dernier(); ++i)
        if (!Supprimée(h.Tâches[i])) h.RéférenceAuto.push_back(h.Tâches[i]);
}

Statut ModèlesCharge(Horlo& h) {
    h.Modèles.Efface();
    Statut statut;
    const auto texte = LireFichier(h.fichiers, CheminAutos(h), statut);
    if (!texte) return statut;
    ParLignes(*texte, [&](std::string_view reste) {
        Modèle m;
        m.Libellé = ChampSuivant(reste);
        m.Programme = ChampSuivant(reste);
        m.Paramètres = ChampSuivant(reste);
        m.Répétition = ChampSuivant(reste);
        m.Fenêtre = LireFenêtre(ChampSuivant(reste));
        m.DélaiMax = Heure(ChampSuivant(reste)).value_or(0);
        m.Heure = Heure(ChampSuivant(reste)).value_or(0);
        h.Modèles.Ajoute(std::move(m));
    });
    return statut;
}

std::string LigneTâche(const Tâche& t) {
    std::string ligne;
    if (!t.Actif)
        ligne = "(inactivé)    ";
    else if (t.Répétition.lettre() == Récurrence::Arrêt)
        ligne = "(avant arrêt) ";
    else if (t.Répétition.AuDémarrage())
        ligne = "Déb.+" + FormatDate(t.Prochaine, "hh:mm:ss");
    else
        ligne = FormatDate(t.Prochaine, "dd.mm.yy hh:mm");
    ligne += ' ';
    ligne += t.Programme;
    if (t.DernièreExécution != 0 && t.DernièreExécution != TrenteDécembre1999)
        ligne += " (" + FormatDate(t.DernièreExécution, "d.m.yy h:mm") + ")";
    return ligne;
}

std::string LigneTâche(const Horlo& h, size_t i) {
    return LigneTâche(h.Tâches[i]);
}

size_t FeuillePosition(const ListeFeuilles& l, const std::string& nom) {
    const auto it = std::lower_bound(l.noms.begin(), l.noms.end(), nom);
    if (it == l.noms.end() || *it != nom) return 0;
    return static_cast<size_t>(it - l.noms.begin()) + 1;
}

void FeuilleOuverte(ListeFeuilles& l, const std::string& feuille, bool ouverte) {
    const auto it = std::lower_bound(l.noms.begin(), l.noms.end(), feuille);
    const bool présente = it != l.noms.end() && *it == feuille;
    if (ouverte && !présente) l.noms.insert(it, feuille);
    if (!ouverte && présente) l.noms.erase(it);
}

bool FeuilleEstOuverte(const ListeFeuilles& l, const std::string& nom) {
    return FeuillePosition(l, nom) != 0;
}
