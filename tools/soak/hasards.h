// Random sources for games played without a person. Each installs itself
// as the game's source (common/hasard.h) while it lives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "common/hasard.h"

// Scripted values first, then a seeded generator for whatever follows.
class HasardSuite final : public SourceHasard {
public:
    explicit HasardSuite(std::vector<double> debut = {}, uint64_t graine = 1);
    ~HasardSuite() override;
    HasardSuite(const HasardSuite&) = delete;
    HasardSuite& operator=(const HasardSuite&) = delete;
    double Rnd() override;
    // Scripted values not drawn yet, and all values drawn.
    std::size_t Restants() const { return debut_.size() - suivant_; }
    std::size_t Tires() const { return tires_; }

private:
    std::vector<double> debut_;
    std::size_t suivant_ = 0;
    std::size_t tires_ = 0;
    HasardHorloge generateur_;
};

// The soak's source: a seeded generator for the game. Draws made during a
// face timer's tick come from a second generator, so that what the game
// draws depends on the seed alone and not on when the clock lets a face
// move. Every value handed to the game can be written to `journal`, one a
// line: the values file of a replay.
class HasardGraine final : public SourceHasard {
public:
    explicit HasardGraine(uint64_t graine, std::ostream* journal = nullptr);
    ~HasardGraine() override;
    HasardGraine(const HasardGraine&) = delete;
    HasardGraine& operator=(const HasardGraine&) = delete;
    double Rnd() override;
    std::size_t Tires() const { return tires_; }

private:
    HasardHorloge jeu_, tics_;
    std::ostream* journal_;
    std::size_t tires_ = 0;
};

// A replay's source: the values of a text file, in order. Running out is an
// error, noted in Erreur(); the game then gets values of a fixed generator so
// that the handler running can end.
class HasardFichier final : public SourceHasard {
public:
    // Reads the values; Erreur() tells a line that is not a value in [0, 1).
    explicit HasardFichier(std::istream& valeurs);
    ~HasardFichier() override;
    HasardFichier(const HasardFichier&) = delete;
    HasardFichier& operator=(const HasardFichier&) = delete;
    double Rnd() override;
    const std::string& Erreur() const { return erreur_; }
    std::size_t Tires() const { return suivant_; }
    std::size_t Restants() const { return suivant_ < valeurs_.size() ? valeurs_.size() - suivant_ : 0; }

private:
    std::vector<double> valeurs_;
    std::size_t suivant_ = 0;
    std::string erreur_;
    HasardHorloge secours_;
};

// A value as the values file holds it: the shortest text that reads back
// as the same double.
std::string TexteValeur(double v);
