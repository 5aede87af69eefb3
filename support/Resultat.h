// Outcome of an operation that may fail: the failure travels as a value carrying
// the platform's error text, so the caller decides what the user is told.
#pragma once

#include <optional>
#include <string>
#include <utility>

// Success, or failure with the platform's description of it.
struct Statut {
    bool ok = true;
    std::string erreur;  // the platform's error text when !ok
    // The failure may clear by itself within moments: the file is in use or locked by
    // another process, or access is refused (an antivirus scanning a freshly written file).
    bool passager = false;

    static Statut Réussi() { return {}; }
    static Statut Échec(std::string texte, bool passager = false) {
        return {false, std::move(texte), passager};
    }
    explicit operator bool() const { return ok; }
};

// A value, or the error text of the failure that prevented it.
template <class T>
struct Résultat {
    std::optional<T> valeur;
    std::string erreur;

    static Résultat Réussi(T v) { return {std::move(v), {}}; }
    static Résultat Échec(std::string texte) { return {std::nullopt, std::move(texte)}; }
    explicit operator bool() const { return valeur.has_value(); }
    const T& operator*() const { return *valeur; }
    const T* operator->() const { return &*valeur; }
};
