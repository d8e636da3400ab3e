// The opponent in the second betting turn: its answer to the player's bet or
// raise, the step-down of a raise that someone cannot afford, and its
// opening when it drew first.
#pragma once

#include "common/actions.h"
#include "common/etat.h"
#include "common/textes_jeu.h"
#include "rules/decisions.h"

// An answer as the opponent says it: the final code and its sentence.
struct ParoleCowboy {
    CodeAction code;
    Bilingue phrase;
};

// Answer to the player's bet or raise after the draw: "RA10", "RA20",
// "RA50", "CA" or "FO". P is the exact category of the opponent's hand, K the
// cards it kept at its draw, n the cards the player changed.
CodeAction DecideApresDraw2(double P, int K, int n, const Decideur& d, Mises& mises);

// The same on a real table: evaluates the opponent's hand first.
CodeAction ActionCowboyApresDraw2(Etat& etat, const Argent& argent);

// Steps a raise down to what both sides can afford: the opponent must pay
// MiseCourante + the raise, the player must be able to call the raise, and a
// call the opponent cannot pay becomes a fold. `miseCourante` is the player's
// amount just put in; c and p are the opponent's and the player's money.
ParoleCowboy BaisseRelance(const CodeAction& code, int miseCourante, int c, int p);

// Opening of the second betting turn by the opponent that drew first:
// "BE10", "BE20", "BE50" or "PA". C is the exact category of its hand, K the
// cards it kept, N the cards the player changed.
CodeAction DecideApresDraw(double C, int K, int N, const Decideur& d, Mises& mises);

// The same on a real table: evaluates the opponent's hand first.
CodeAction ActionCowboyApresDraw(Etat& etat, const Argent& argent);
