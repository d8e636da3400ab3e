// What a player can click on the table at this moment: the action buttons
// that a click at their place would reach, and the cards that take clicks.
// The hit test is the one a real click makes, so a covered button or one
// lying under another is not offered.
//
// The flow waits for the player when no handler of the table runs
// (HandlersEnCours() is 0, the table enabled), and at the showdown while
// PorteeAttenteOK::EnCours() with OK offered.
#pragma once

#include <string>
#include <vector>

#include "render/offres.h"

class Form1;
class Picture;
struct Etat;

enum class BoutonTable { Check, Call, Pass, Fold, OK, Draw, Bill50, Bill20, Bill10 };

inline constexpr BoutonTable kBoutonsTable[] = {
    BoutonTable::Check, BoutonTable::Call,   BoutonTable::Pass,   BoutonTable::Fold,  BoutonTable::OK,
    BoutonTable::Draw,  BoutonTable::Bill50, BoutonTable::Bill20, BoutonTable::Bill10,
};

// The picture that receives the button's click.
Picture& BoutonUp(Form1& f, BoutonTable b);
// A click at the button's centre reaches the button itself.
bool Offert(Form1& f, BoutonTable b);
// The buttons offered, in the order of kBoutonsTable.
std::vector<BoutonTable> BoutonsOfferts(Form1& f);
// A click on the player's card i (0..4) reaches it and it takes clicks.
bool CarteCliquable(Form1& f, int i);

// The offer the table shows, or why it shows none: returns "" and sets
// `trouvee` when what can be clicked (buttons, cards) and the boards are
// exactly one of the offers for the money and the amount to call in `e`.
// `attenteOK` tells whether the showdown waits for OK, the only place for
// the OK offer.
std::string HorsOffre(Form1& f, const Etat& e, bool attenteOK, Offre* trouvee = nullptr);
