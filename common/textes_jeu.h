// The opponent's sentences about its own decisions, in both languages.
#pragma once

#include "common/bilingue.h"

namespace TextesJeu {

// Opening a betting turn.
inline const Bilingue JePasse{"I pass", "Parole"};
inline const Bilingue JeMise10{"I bet $10", "Je mise $10"};
inline const Bilingue JeMise20{"I bet $20", "Je mise $20"};
inline const Bilingue JeMise50{"I bet $50", "Je mise $50"};

// Answering the player's pass or check.
inline const Bilingue JePasseAussi{"I pass too", "Parole aussi"};
inline const Bilingue JeVerifie{"I check", "Je vérifie"};

// Answering the player's bet or raise.
inline const Bilingue JeMeCouche{"I fold", "Je me couche"};
inline const Bilingue JeSuis{"I call", "Je te suis"};
inline const Bilingue JeRelance10{"I raise $10", "J'enchéris de $10"};
inline const Bilingue JeRelance20{"I raise $20", "J'enchéris de $20"};
inline const Bilingue JeRelance50{"I raise $50", "J'enchéris de $50"};

// The draw.
inline const Bilingue JeGardeTout{"I keep all", "Je garde tout"};
inline const Bilingue JeVeux1Carte{"I want 1 card", "Je veux 1 carte"};
// "I want " n " cards" for two cards or more.
inline const Bilingue JeVeuxDebut{"I want ", "Je veux "};
inline const Bilingue JeVeuxFin{" cards", " cartes"};

// The showdown, from the opponent's side.
inline const Bilingue JaiGagne{"I win", "J'ai gagné"};
inline const Bilingue JaiPerdu{"I lose", "J'ai perdu"};

// The end of a game.
inline const Bilingue JaiGagneLaPartie{"I win the game !", "J'ai gagné la partie !"};
inline const Bilingue JaiPerduLaPartie{"I lost the game !", "J'ai perdu la partie !"};

// The box at the end of a tournament won: title, then the text around the
// number of hands, a blank line and the last words.
inline const Bilingue Felicitations{"Congratulations !", "Félicitation !"};
inline const Bilingue BandeBattueDebut{"You defeat the band with ",
                                     "Vous avez battu la bande complète en "};
inline const Bilingue BandeBattueFin{" hits !", " coups !"};
inline const Bilingue FaitesMieux{
    "Try to do better !",
    "Essayez de faire encore mieux pour participer bientot à notre concours mondial !"};

// Taking the pot after the player's fold: each character's own remark, the
// same in both languages.
inline const Bilingue RemarqueCowboy{"Yeahhh...", "Yeahhh..."};
inline const Bilingue RemarqueMexicain{"Bueno...", "Bueno..."};
inline const Bilingue RemarqueFille{"Hi hi !", "Hi hi !"};

}  // namespace TextesJeu
