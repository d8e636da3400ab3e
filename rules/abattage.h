// The showdown: who wins, the opponent's hand against the player's.
#pragma once

#include <string>

#include "common/cartes.h"
#include "common/etat.h"

// The cowboy's two tells that watch the cards; the showdown ends them for the
// rest of the hand. The table window provides them.
class YeuxCowboy {
public:
    virtual ~YeuxCowboy() = default;
    virtual void ArreteYeuxAnime() = 0;  // the moving eyes
    virtual void ArreteYeuxCarte() = 0;  // the glance at the cards
};

// "Player" or "Cowboy": first the category, then the category's tie rule;
// what no rule separates goes to the opponent. Stops both tells first (when
// given), and leaves the evaluator's variables holding the player's hand.
std::string QuiGagne(Evaluation& ev, const MarquesPaquet& paquet, const Main& CartesCowboy,
                     const Main& CartesPlayer, YeuxCowboy* yeux);
