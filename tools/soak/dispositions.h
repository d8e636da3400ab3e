// The layouts the table leaves where the flow waits for the player, and
// which of them it shows now, read from what a click can reach.
#pragma once

#include <string>

class Form1;
struct Etat;

enum class Disposition3 {
    Rien,         // no game, or the game is over: nothing but the menus
    Ouverture,    // Pass and the plates the money allows, Bet board, Call covered
    Check,        // Check and the plates the money allows, Fold covered
    ReponseMise,  // Call, Fold and the plates as raises, Raise board
    Tirage,       // Draw and the five cards, the frame around them
    OK,           // the showdown's OK only
};

const char* NomDisposition(Disposition3 d);

// The layout the table shows, or why it shows none: returns "" and sets
// `trouvee` when what can be clicked (buttons, cards) and the boards are
// exactly one of the layouts for the money and the amount to call in `e`.
// `attenteOK` tells whether the showdown waits for OK, the only place for
// the OK layout.
std::string HorsDisposition(Form1& f, const Etat& e, bool attenteOK,
                            Disposition3* trouvee = nullptr);
