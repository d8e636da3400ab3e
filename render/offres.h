// What the table offers the player where the flow waits for him: each
// layout of available actions is laid out by one function, so that the
// flow, the showdown reveal, the tests and the tools name the same ones.
// Reading back which one the table shows is table/offre.h's.
#pragma once

class Form1;

enum class Offre {
    Rien,         // nothing: the hand being dealt, or the game over
    Ouverture,    // Pass and the plates the money allows, Bet board, Call covered
    Check,        // Check and the plates the money allows, Bet board, Fold covered
    ReponseMise,  // Call, Fold and the plates as raises, Raise board
    Tirage,       // Draw and the five cards in their frame; Call and the plates covered
    OK,           // the showdown's OK, in Draw's place; everything else covered
};
inline constexpr Offre kOffres[] = {Offre::Rien,        Offre::Ouverture, Offre::Check,
                                    Offre::ReponseMise, Offre::Tirage,    Offre::OK};

// "nothing", "opening", "check", "answer to a bet", "draw", "OK".
const char* NomOffre(Offre o);

// The covers of the plates ($50, $20, $10) and of the Bet and Raise boards
// above them, as indices of Form1::TramePlaque.
inline constexpr int kTramesPlaques[] = {0, 1, 2, 6, 7};

// Leaves the offer `o` on the table: the plates by the plate rule for the
// money and the amount to call of the run's state. Each control is set
// once, to where it ends, so that nothing is painted twice; what the offer
// does not name (the buttons that share the pass and fold place and the
// two boards at the draw, the covers of hidden buttons) keeps its state.
void PoseOffre(Form1& f, Offre o);

// Covers the three plates and both boards.
void CouvrePlaques(Form1& f);
