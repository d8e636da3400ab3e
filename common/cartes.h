// Cards, hands, the deck marks and the hand value scale.
#pragma once

#include <array>
#include <cstdint>

// One card: value 1..13 (1 Ace, 11 Jack, 12 Queen, 13 King), suit 1..4
// (1 hearts, 2 clubs, 3 diamonds, 4 spades).
struct Carte {
    int16_t valeur = 0;
    int16_t couleur = 0;
    friend bool operator==(const Carte&, const Carte&) = default;
};

// A hand of five cards, positions 0..4 for the cards 1..5 of the game.
using Main = std::array<Carte, 5>;

// Who holds a card in the current hand. A dealt card keeps its mark until
// the next deal, even after it is discarded.
enum class MarqueCarte : uint8_t { Libre, Player, Cowboy };

// The deck marks `Paquet`, indexed by value 1..13 and suit 1..4.
class MarquesPaquet {
public:
    MarqueCarte& operator()(int valeur, int couleur) { return marques_[valeur - 1][couleur - 1]; }
    MarqueCarte operator()(int valeur, int couleur) const { return marques_[valeur - 1][couleur - 1]; }
    void Vide() { for (auto& ligne : marques_) ligne.fill(MarqueCarte::Libre); }

private:
    std::array<std::array<MarqueCarte, 4>, 13> marques_{};
};

// The hand value scale shared by the evaluator, the opponent and the
// showdown. Flush and full house are one apart on purpose: the opponent's
// judgement is tuned to these exact numbers.
namespace Echelle {
inline constexpr double Rien = 0;
inline constexpr double Paire = 1;
inline constexpr double DeuxPaires = 9;
inline constexpr double Brelan = 19;
inline constexpr double Suite = 106;
inline constexpr double Couleur = 423;
inline constexpr double Full = 424;
inline constexpr double Carre = 1410;
inline constexpr double QuinteFlush = 42300;
}  // namespace Echelle

// Rank of a suit when ties are broken: spades, hearts, diamonds, clubs.
constexpr int RangCouleur(int couleur) {
    switch (couleur) {
    case 4: return 4;
    case 1: return 3;
    case 3: return 2;
    default: return 1;
    }
}
