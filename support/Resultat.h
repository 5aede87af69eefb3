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

    static Statut Réussi() { return {}; }
    static Statut Échec(std::string texte) { return {false, std::move(texte)}; }
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
