// Horlo's journal, Horlo.log beside the program: one line per run of a task, per occurrence
// passed over, per failed start and per order received, each "dd.mm.yy hh:mm <quoi> : <tâche>"
// in Windows-1252 with CR LF, kept to its newest lines by the bounded log (JournalBorne.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "Resultat.h"
#include "Taches.h"

std::string CheminJournal(const Horlo& h);  // ...\Horlo.log (program name + ".log")

// One line of text, whatever the platform's error texts hold (they often end in CR LF):
// tabs and line ends as blanks, no blanks at either end.
std::string SurUneLigne(std::string s);

// A journal line in UTF-8, without its line end: the moment, a blank, then "quoi : tâche",
// each field on one line.
std::string LigneJournal(double moment, std::string_view quoi, std::string_view tâche);

// How a line names a task: its command line (program, a blank, its parameters, without
// trailing blanks), or for a message its first CaractèresMessage characters without the
// leading quote (never cut inside a character).
inline constexpr size_t CaractèresMessage = 60;
std::string TâcheDésignée(const Tâche& t);

// A task's repeat in the editor's words ("Chaque jour sauf les jours fériés", "Le premier
// jour ouvrable du mois", "A chaque lancement de Windows après un délai de 00:05:00"); an
// unknown code as it is written.
std::string MotRépétition(const Tâche& t);

// Whether the engine runs an occurrence due at `prochaine` late, at `moment`: later than the
// minute after its due minute. A pass comes every tenth of a second, so an occurrence that
// fires that late was due while the computer was off or Horlo was not running.
bool Rattrapage(double prochaine, double moment);

// What an engine run adds after "Programme démarré" or "Message affiché": the repeat in
// parentheses, and for a late occurrence ", rattrapage, prévue le dd.mm.yy hh:mm". Tasks run
// after the start ("L") or at the session's end ("A") are never late.
std::string SuiteExécution(const Tâche& t, double moment);
// The line's "quoi" for an occurrence passed over because it came after its maximum delay.
std::string QuoiNonExécutée(const Tâche& t);

// The lines of one pass, appended to the journal in one go: one append and at most one
// rewrite, however many tasks fired. Whatever is left is written when the lot goes (also
// when the pass is cut short by an exception). A journal that cannot be written is ignored:
// it never stops the engine.
class LotJournal {
  public:
    explicit LotJournal(Horlo& h) : h_(h) {}
    LotJournal(const LotJournal&) = delete;
    LotJournal& operator=(const LotJournal&) = delete;
    ~LotJournal();
    void Ajoute(double moment, std::string_view quoi, std::string_view tâche);
    Statut Écrit();

  private:
    Horlo& h_;
    std::string octets_;
};

// Appends one line now: `texte` "!" records an order received ("Ordre reçu : " + détail);
// any other `texte` records a failure (texte + " : " + détail). Characters Windows-1252 lacks
// are written as '?'. The caller may ignore the status.
Statut Journal(Horlo& h, const std::string& texte, const std::string& détail);
