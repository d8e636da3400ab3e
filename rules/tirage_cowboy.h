// The opponent's draw: which cards it keeps, whether it bluffs for the rest
// of the hand, what it says, and the new cards it takes from the deck.
#pragma once

#include <string>

#include "common/actions.h"
#include "common/etat.h"
#include "common/textes_jeu.h"
#include "rules/decisions.h"

// The keep pattern followed: the one of the best weight or of the best chance.
enum class ModeGarde { Proba, Poids };

// The outcome of the mode and bluff decision, before the corrections.
struct DecisionMode {
    bool bluff = false;
    ModeGarde mode = ModeGarde::Proba;
};

// Mode and bluff decision from the first keep choice: C the exact category,
// MP the best blurred weight, N the cards the player changed (read only when
// the opponent draws after the player). Reads CowboyBluffe, changes nothing.
DecisionMode DecideModeTirage(double C, double MP, bool ApresJoueur, int N, const Decideur& d,
                              const Mises& mises);

// The corrections to the decision, with the patterns of the first keep
// choice and the money on the table. Applies them to `dm` and CowboyBluffe
// and returns whether the opponent stands pat.
bool CorrigeDecision(DecisionMode& dm, bool ApresJoueur, const MotifGarde& gardeProba,
                     const MotifGarde& gardePoids, const Argent& argent, const Decideur& d, Mises& mises);

// What the opponent does at its draw.
struct TirageDecide {
    MotifGarde garde;  // the cards it keeps
    Bilingue phrase;     // what it says
};

// The whole choice: first keep choice, mode and bluff decision, corrections
// with the player's money p, and the keep pattern with its sentence. Sets
// or clears CowboyBluffe; leaves GardeCowboy and the hand to the caller.
TirageDecide ChoixTirageCowboy(Etat& etat, const Argent& argent, bool ApresJoueur);

// "I keep all", "I want 1 card", "I want N cards" for a pattern of K cards.
Bilingue PhraseGarde(int K);

// Fills the positions that the pattern does not keep, in ascending order,
// with new cards from the deck, each marked "Cowboy".
void TireNouvellesCartes(Donne& donne, const MotifGarde& garde);
