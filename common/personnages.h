// One sheet per character of the opponent: its pictures, where it stands,
// its face and its tells, its medallions, its remark on a fold, its
// personality in the tournament and what unlocks it for training. The
// table, the flow, the set-up dialog and the tools all read it; the band
// of the tournament is met in the order of the sheets.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "common/bilingue.h"
#include "common/disposition.h"
#include "common/durees.h"

// The characters are numbered 1 (cowboy) to kNbPersos (the girl, last of
// the band); PersoBandeBattue (common/etat.h) follows the last.
inline constexpr int kNbPersos = 3;

// The ten face timers of the table window, in the order of
// Form1::TimersVisage.
enum class MinuterieVisage : uint8_t {
    Cligne,
    Dent,
    YeuxPlisses,
    YeuxCarte,
    YeuxAnime,
    MexCigare,
    MexDent,
    MexGoutte,
    FilleTicBouche,
    FilleTicYeux,
};
inline constexpr int kNbMinuteriesVisage = 10;
// "TimerCligne", ..., the timer's name on the table window.
const char* NomMinuterie(MinuterieVisage m);

// A frame of the face: the picture, the mask of the part it changes, and
// the pause before the next frame of the same tick, if any.
struct Cadre {
    const char* image;
    const char* masque;
    std::optional<Delai> pause = std::nullopt;
};

// The idle face: the picture whose size is the face window's, the eyes for
// the blink, the squint, and the mouth (none: no mouth animation).
struct Visage {
    const char* taille;
    Cadre yeuxOuverts, yeuxFermes;
    std::span<const Cadre> plisse;
    std::optional<Cadre> boucheOuverte, boucheFermee;
};

// An idle timer started with the body, and the range of its first interval.
struct Lancement {
    MinuterieVisage minuterie;
    Plage plage;
};

// A tell, played once by its own timer: its frames, and whether it is lost
// when it falls while the eyes are closed.
struct Tell {
    MinuterieVisage minuterie;
    std::span<const Cadre> cadres;
    bool yeuxOuvertsSeulement;
};

// A step of the cigar, by `FrameCigare`: the frame, the range of the next
// interval, and the next step.
struct PasCigare {
    Cadre cadre;
    Plage prochain;
    int16_t suivant;
};

// A medallion in its three states: still to meet (also the locked
// portrait of the set-up dialog), the current opponent (or selectable),
// beaten.
struct Medailles {
    const char* aVenir;
    const char* actuel;
    const char* battu;
};

struct Personnalite {
    int Skill, Emotion, Bluff;
    int16_t Risk;
};

struct Personnage {
    // The body and the hands, each drawn through its mask.
    const char* corps;
    const char* corpsMask;
    const char* mains;
    const char* mainsMask;
    // Where the body, the hands window and the face window stand.
    GeoPerso Disposition::*geo;
    Visage visage;
    // The idle timers the body starts, in this order.
    std::span<const Lancement> ralenti;
    // A weak hand's tell and a strong hand's.
    Tell faible, fort;
    // The cigar's cycle (only the Mexican smokes).
    std::span<const PasCigare> cigare;
    Medailles medailles;
    // Said when the opponent takes the pot after the player's fold.
    const Bilingue* remarque;
    // The opponent's personality in the tournament.
    Personnalite bande;
    // The unlock marker that lets the training choose it (0: always), and
    // that a win against it writes.
    int16_t marqueur;
};

// Whether `perso` names a character; its sheet, or none.
bool PersoValide(int perso);
const Personnage* FichePerso(int perso);
// The sheet of `perso`, the last of the band standing in for any value
// that names no one, where something must be drawn or said.
const Personnage& FicheOuDerniere(int perso);

// The tell of `perso` that this timer plays; none when `perso` names no
// one or has no such tell. Characters may share a kind of tell (its timer),
// each with frames of its own.
const Tell* TellDe(int perso, MinuterieVisage m);
// The cigar's cycle of `perso`; empty when it does not smoke.
std::span<const PasCigare> Cigare(int perso);

// Whether the training may choose `perso` with the unlock marker
// `progression`, and the marker once the player has beaten `perso`: it
// only rises (beating the Mexican again keeps the girl unlocked).
bool Deverrouille(int perso, int16_t progression);
int16_t ProgressionApresVictoire(int perso, int16_t progression);
