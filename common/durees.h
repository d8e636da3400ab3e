// Every fixed duration of the game, and the names of its timed waits. The
// three delays the player sets (the options, the settings file) and the
// pressed button's, which nothing changes, live in Reglages; whatever else
// lasts a set time is written here, once.
#pragma once

#include <cstdint>

#include "common/hasard.h"

struct Reglages;

// What a timed wait waits: one of the delay settings, or a fixed pause
// between two frames of the face.
enum class Delai : uint8_t {
    Card,            // DelayCard: between two cards
    Turn,            // DelayTurn: between two turns
    Bill,            // DelayBill: between two bills
    Bouton,          // DelayBouton: the pressed look of a button
    PlisseMexicain,  // between the Mexican's two squint frames
    YeuxCarte,       // between the frames of the cowboy's weak-hand tell
    YeuxAnime,       // between the frames of the cowboy's strong-hand tell
    MexDent,         // the Mexican's grin before his rest face
};
inline constexpr Delai kDelais[] = {Delai::Card,      Delai::Turn,           Delai::Bill,
                                    Delai::Bouton,    Delai::PlisseMexicain, Delai::YeuxCarte,
                                    Delai::YeuxAnime, Delai::MexDent};

// The milliseconds of a fixed pause; 0 for a delay setting.
constexpr int16_t PauseFixe(Delai d) {
    switch (d) {
    case Delai::PlisseMexicain: return 200;
    case Delai::YeuxCarte: return 150;
    case Delai::YeuxAnime: return 100;
    case Delai::MexDent: return 100;
    default: return 0;
    }
}

// The milliseconds of `d` with the settings `r`.
int16_t Millisecondes(Delai d, const Reglages& r);
// "DelayCard", ..., or the fixed pause's name ("PlisseMexicain", ...).
const char* NomDelai(Delai d);

// The speech bubble stays up one DelayTurn, after a pause of one DelayTurn
// when the opponent speaks first in a hand; the closing sentence of a game
// stays one DelayTurn before what follows.
inline constexpr Delai kDureeBulle = Delai::Turn;
inline constexpr Delai kPauseAvantParole = Delai::Turn;

// ---- Intervals of the face timers, in milliseconds.

// An interval drawn as Int(Rnd x etendue) + plusBas.
struct Plage {
    int etendue;
    int plusBas;
};
inline int TirageDans(Plage p) { return Tirage(p.etendue, p.plusBas); }

// The blink: the first one of a game, how long the eyes stay closed, then
// one time in four a quick second blink, otherwise the next one.
inline constexpr Plage kPremierClin{1500, 1500};
inline constexpr int16_t kYeuxFermes = 150;
inline constexpr int kUnSecondClinSur = 4;
inline constexpr Plage kSecondClin{1000, 100};
inline constexpr Plage kClinSuivant{5000, 500};
// The mouth, the squint: the first tick and every next one.
inline constexpr Plage kBouche{8000, 1000};
inline constexpr Plage kPlisse{10000, 5000};
// The Mexican's cigar: after it is lit (its first frame), between two
// puffs, and at rest before the next cycle (also at a game's start).
inline constexpr Plage kCigareAllume{3000, 1000};
inline constexpr Plage kCigareBouffee{800, 300};
inline constexpr Plage kCigareRepos{10000, 5000};
// The Mexican's drop of sweat runs down a frame at a time.
inline constexpr int16_t kGoutteFrame = 100;

// A tell comes Int(Rnd x 5000) + 1000 ms after its arming, lengthened by
// Int(Rnd x 20000) x self-control / 100.
inline constexpr Plage kDelaiTell{5000, 1000};
inline constexpr int kAllongeTell = 20000;

// ---- The dialogs' animations, in milliseconds.

// The set-up dialog's portrait zoom was designed for a 1 ms timer that
// really ticked every 16 ms or so; this keeps it at the speed it was meant
// to have.
inline constexpr int kPasZoom = 16;
// The language dialog's flags: their five frames at this pace make one
// gentle wave in under half a second.
inline constexpr int kIntervalleDrapeaux = 85;

// ---- The settings file.

// A save lasts milliseconds, seconds on a disk kept very busy: a temporary
// file of a save older than this is a leftover, whatever game runs.
inline constexpr int kAgeTemporaireINI = 60;  // seconds
// Tries, kPauseVerrouINI apart, of a save waiting for another game's
// start-up to finish clearing leftovers from the folder.
inline constexpr int kEssaisVerrouINI = 200;
inline constexpr int kPauseVerrouINI = 1;  // milliseconds
