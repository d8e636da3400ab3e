// The opponent's decisions of the first betting turn and its answer to the
// player's check.
//
// Each decision is split in two: the public action, which judges the hand
// (keep choice or exact evaluation) and then walks a decision tree, and the
// tree itself, which takes the hand's figures so that it can be driven on
// its own. Trees draw their random numbers as they go; a draw that a
// condition does not reach is not made.
#pragma once

#include <functional>

#include "common/actions.h"
#include "common/cartes.h"
#include "common/etat.h"

// What a decision tree reads besides the hand's figures.
struct Decideur {
    int Bluff = 0;
    int Risk = 0;
    int M = 0;    // the opponent's money
    int pot = 0;  // the pot's money
    // The big-pair test: every call makes its own draws, so two calls on
    // the same cards may disagree.
    std::function<bool()> TireGrossePaire;

    // The bluff and risk tests, each on a fresh 0..99 draw.
    bool TireBluff() const;
    bool TireRisque() const;
};

// The tree inputs of a real table: personality from the settings, the big-pair
// test on the opponent's own cards and money.
Decideur DecideurDe(const Etat& etat, const Argent& argent);

// Opening of the first betting turn: "BE10", "BE20", "BE50" or "PA".
// C is the exact category of the opponent's five cards, MP its best blurred
// weight from the keep choice.
CodeAction DecideAvantDraw(double C, double MP, const Decideur& d, Mises& mises);

// Answer to the player's bet or raise before the draw, with MiseCourante
// already the player's amount: "RA10", "RA20", "RA50", "CA" or "FO".
CodeAction DecideAvantDraw2(double C, double MP, const Decideur& d, Mises& mises);

// Answer to the player's check: "BE10", "BE20" or "CH". K is the number of
// cards the opponent kept at its draw.
CodeAction DecideCheckBet(double C, int K, const Decideur& d, Mises& mises);

// The same decisions on a real table: the first two run the keep choice on
// the opponent's hand, the third evaluates it. They may set CowboyBluffe and
// overwrite the evaluation variables; none checks what anyone can afford.
CodeAction ActionCowboyAvantDraw(Etat& etat, const Argent& argent);
CodeAction ActionCowboyAvantDraw2(Etat& etat, const Argent& argent);
CodeAction ActionCowboyCheckBet(Etat& etat, const Argent& argent);
