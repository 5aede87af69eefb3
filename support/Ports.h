// The platform services that portable logic uses, as small interfaces passed in by the
// caller. The Win32 layer (support/win32) implements them; tests use in-memory doubles.
// Text is UTF-8 everywhere; paths are Windows paths ("C:\Vud\Auto.dat").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Resultat.h"

// Message box flags and answers, with the platform's own values so that the Win32
// layer passes them through unchanged.
namespace Mb {
inline constexpr unsigned Ok = 0x0;
inline constexpr unsigned OuiNonAnnuler = 0x3;
inline constexpr unsigned OuiNon = 0x4;
inline constexpr unsigned IcôneStop = 0x10;
inline constexpr unsigned IcôneQuestion = 0x20;
inline constexpr unsigned IcôneExclamation = 0x30;
inline constexpr unsigned IcôneInformation = 0x40;
inline constexpr unsigned DéfautBouton1 = 0x0;
inline constexpr unsigned DéfautBouton2 = 0x100;
}  // namespace Mb

enum class Réponse : int { Ok = 1, Annuler = 2, Oui = 6, Non = 7 };

// Message boxes, the one-line input box and the beep.
struct Dialogues {
    virtual ~Dialogues() = default;
    // Shows a modal message box; `drapeaux` combines the Mb constants.
    virtual Réponse Message(const std::string& texte, const std::string& titre,
                            unsigned drapeaux) = 0;
    // Asks for one line of text; returns "" when the user cancels.
    virtual std::string Saisie(const std::string& invite, const std::string& titre,
                               const std::string& défaut) = 0;
    virtual void Bip() = 0;
};

// The current moment, as an OLE Automation date in local time.
struct Horloge {
    virtual ~Horloge() = default;
    virtual double Maintenant() = 0;
};

// File attributes of the platform (the bits the suite looks at).
namespace Attr {
inline constexpr uint32_t LectureSeule = 0x1;
inline constexpr uint32_t Caché = 0x2;
inline constexpr uint32_t Système = 0x4;
inline constexpr uint32_t Dossier = 0x10;
inline constexpr uint32_t Archive = 0x20;
inline constexpr uint32_t PointDAnalyse = 0x400;  // link, junction or mount point
}  // namespace Attr

// Whole-file operations. Every failure carries the platform's error text.
struct Fichiers {
    virtual ~Fichiers() = default;
    // Attributes of a file or folder; nothing when the path cannot be examined.
    virtual std::optional<uint32_t> Attributs(const std::string& chemin) = 0;
    // Last modification, local time, to the second, as an OLE Automation date.
    virtual Résultat<double> DateModification(const std::string& chemin) = 0;
    virtual Résultat<uint64_t> Taille(const std::string& chemin) = 0;
    // The file's bytes, unconverted.
    virtual Résultat<std::string> Lire(const std::string& chemin) = 0;
    // Replaces the file's contents atomically: written to a temporary file in the same
    // folder, flushed, then put in place. A failure leaves the previous file whole.
    virtual Statut Écrire(const std::string& chemin, const std::string& octets) = 0;
    // Appends bytes to a file, creating it when missing (logs).
    virtual Statut Ajouter(const std::string& chemin, const std::string& octets) = 0;
    virtual Statut Supprimer(const std::string& chemin) = 0;
    // Copies a file, replacing the destination when it exists.
    virtual Statut Copier(const std::string& source, const std::string& destination) = 0;
    // Renames (moves) a file; with `remplacer` an existing destination is replaced.
    virtual Statut Renommer(const std::string& source, const std::string& destination,
                            bool remplacer) = 0;
};

// Starting a program from a command line, without waiting for it.
struct Lanceur {
    virtual ~Lanceur() = default;
    // `fenêtre` is a show-window code (1 normal with focus, 2 minimised, 3 maximised,
    // 4 normal without focus, 6 minimised without focus, 0 hidden).
    virtual Statut Lance(const std::string& ligneDeCommande, int fenêtre) = 0;
};

// A list control as the list search sees it: its kind, its entries' texts and data.
enum class GenreListe { ListBox, ComboBox, FileListBox, DirListBox, Autre };

struct Liste {
    virtual ~Liste() = default;
    virtual GenreListe Genre() const = 0;
    // The control's type name, for the message about unsuitable controls ("TextBox").
    virtual std::string NomDeType() const = 0;
    virtual int32_t Nombre() const = 0;
    virtual std::string Texte(int32_t i) const = 0;  // i from 0
    virtual int32_t Donnée(int32_t i) const = 0;     // the entry's 32-bit data
};

// How a process's rights are raised: without a split token (UAC off, a standard user:
// Ordinaire), with an administrator's full rights (Complète) or with the restricted rights
// an administrator's programs get by default (Restreinte).
enum class Élévation { Ordinaire, Complète, Restreinte };

// The rights this program runs with, and the user's desktop shell, which starts programs
// with its own rights whatever the caller's.
struct Droits {
    virtual ~Droits() = default;
    virtual Élévation DuProcessus() = 0;
    // The desktop shell's process; nothing when there is no shell or its rights cannot be read.
    virtual std::optional<Élévation> DuBureau() = 0;
    // Asks the shell to start `programme` with `paramètres` in `dossier`, without waiting;
    // false when the shell could not be asked.
    virtual bool LanceParLeBureau(const std::string& programme, const std::string& paramètres,
                                  const std::string& dossier) = 0;
};
