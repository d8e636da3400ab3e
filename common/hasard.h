// The one source of randomness of the game.
//
// Every draw of the game comes from one uniform generator of values in
// [0, 1), seeded once at start-up. The order and number of draws are part of
// the game's behaviour, so tests replace the source by a scripted list.
#pragma once

#include <cstdint>

class SourceHasard {
public:
    virtual ~SourceHasard() = default;
    // A value in [0, 1), never 1.0.
    virtual double Rnd() = 0;
};

// The generator of a run: xoshiro256** (small, fast, and ample for cards;
// the opponent's keep choice alone draws 64 values), 53-bit values.
class HasardHorloge final : public SourceHasard {
public:
    explicit HasardHorloge(uint64_t graine);
    double Rnd() override;

private:
    uint64_t etat_[4];
};

// The source in use. Until SemeHasard or InstalleHasard is called it is a
// generator with a fixed seed.
SourceHasard& Hasard();

// Seeds the run's generator from the system's entropy mixed with the clock
// and makes it the source in use.
void SemeHasard();

// Makes `source` the source in use (nullptr restores the run's generator).
// The caller keeps ownership.
void InstalleHasard(SourceHasard* source);

inline double Rnd() { return Hasard().Rnd(); }

// An integer draw in a range of n values: the integer part of a value times
// n, plus the lowest value.
inline int Tirage(int n, int plusBas = 0) { return static_cast<int>(Rnd() * n) + plusBas; }

// A whole number 0..99, as every bluff and risk test draws it.
inline int Tirage100() { return Tirage(100); }
