// What the money allows: the bet plates offered to the player and the
// step-down of the opponent's bet.
#pragma once

#include <array>

#include "common/actions.h"
#include "common/textes_jeu.h"
#include "rules/second_tour.h"

// The covers of the three plates, in the order $50, $20, $10, and whether
// the boards above them are covered too.
struct Plaques {
    std::array<bool, 3> couvertes{};
    bool tableauxCouverts = false;
};

// The plate values in the order of their covers.
inline constexpr std::array<int, 3> ValeursPlaques{50, 20, 10};

// A plate b is covered when the player cannot pay MiseCourante + b or the
// opponent could not pay b; the boards are covered when no plate is left.
// p and c are the player's and the opponent's money.
Plaques RegleDesPlaques(int miseCourante, int p, int c);

// What a bet that nobody can afford turns into, and how the opponent says it.
enum class SansMise {
    Passe,       // opening a betting turn: "PA", "I pass"
    PasseAussi,  // answering the player's pass: "PA", "I pass too"
    Verifie,     // answering the player's check: "CH", "I check"
};

// Steps a bet down until both sides can pay it: 50 to 20, 20 to 10, 10 to
// no bet. Any other code keeps its value and gets its sentence.
ParoleCowboy BaisseMise(const CodeAction& code, int c, int p, SansMise sansMise);
