// The hand evaluator and its helpers.
//
// Given five cards, EvalueMain classifies the hand on the value scale.
// Given fewer (the cards the opponent thinks of keeping) it estimates how
// likely and how valuable the draw is. It reads the deck marks only to count
// the cards the opponent has not seen; it never looks at the player's hand.
#pragma once

#include <array>
#include <cstdint>

#include "common/cartes.h"
#include "common/etat.h"

// High-card term of one card: (value - 1) / 130, and 0.1 for an Ace.
double PoidsHauteur(int valeur);

// Values 1..13 of suit `CoulMaCarte` not marked "Cowboy".
int16_t MemeCoul(const MarquesPaquet& paquet, int CoulMaCarte);
// Suits 1..4 of value `NumMaCarte` not marked "Cowboy".
int16_t Soeur(const MarquesPaquet& paquet, int NumMaCarte);

// Straight bounds of the first NbVal values: the Ace is high beside 10..K
// only, low otherwise; no wrap-around.
double Maxi(const int16_t* TabVal, int NbVal);
double Mini(const int16_t* TabVal, int NbVal);

// The unseen cards of every value and of every suit, counted once when many
// keeps of the same hand are judged.
struct CartesInvisibles {
    std::array<int16_t, 14> soeur{};    // Soeur, by value 1..13
    std::array<int16_t, 5> memeCoul{};  // MemeCoul, by suit 1..4
};
CartesInvisibles CompteInvisibles(const MarquesPaquet& paquet);

// Evaluates the first NbGardees cards of ValEval/CoulEval into
// CategorieMain and PoidsMain. A count outside 0..5 leaves both at 0.
void EvalueMain(Evaluation& ev, const MarquesPaquet& paquet, int NbGardees);
// The same with the unseen cards already counted.
void EvalueMain(Evaluation& ev, const CartesInvisibles& invisibles, int NbGardees);

// Copies a whole hand into ValEval/CoulEval and evaluates it: afterwards
// CategorieMain is its exact value on the scale.
void EvalueMainComplete(Evaluation& ev, const MarquesPaquet& paquet, const Main& main);
