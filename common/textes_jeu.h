// The opponent's sentences about its own decisions, in both languages.
#pragma once

#include <string>

// A sentence as the opponent says it in English and in French.
struct Phrase {
    std::string anglais;
    std::string francais;

    const std::string& Dans(bool enFrancais) const { return enFrancais ? francais : anglais; }
    friend bool operator==(const Phrase&, const Phrase&) = default;
};

namespace TextesJeu {

// Opening a betting turn.
inline const Phrase JePasse{"I pass", "Parole"};
inline const Phrase JeMise10{"I bet $10", "Je mise $10"};
inline const Phrase JeMise20{"I bet $20", "Je mise $20"};
inline const Phrase JeMise50{"I bet $50", "Je mise $50"};

// Answering the player's pass or check.
inline const Phrase JePasseAussi{"I pass too", "Parole aussi"};
inline const Phrase JeVerifie{"I check", "Je vérifie"};

// Answering the player's bet or raise.
inline const Phrase JeMeCouche{"I fold", "Je me couche"};
inline const Phrase JeSuis{"I call", "Je te suis"};
inline const Phrase JeRelance10{"I raise $10", "J'enchéris de $10"};
inline const Phrase JeRelance20{"I raise $20", "J'enchéris de $20"};
inline const Phrase JeRelance50{"I raise $50", "J'enchéris de $50"};

// The draw.
inline const Phrase JeGardeTout{"I keep all", "Je garde tout"};
inline const Phrase JeVeux1Carte{"I want 1 card", "Je veux 1 carte"};
// "I want " n " cards" for two cards or more.
inline const Phrase JeVeuxDebut{"I want ", "Je veux "};
inline const Phrase JeVeuxFin{" cards", " cartes"};

// The showdown, from the opponent's side.
inline const Phrase JaiGagne{"I win", "J'ai gagné"};
inline const Phrase JaiPerdu{"I lose", "J'ai perdu"};

// The end of a game.
inline const Phrase JaiGagneLaPartie{"I win the game !", "J'ai gagné la partie !"};
inline const Phrase JaiPerduLaPartie{"I lost the game !", "J'ai perdu la partie !"};

// Taking the pot after the player's fold: each character's own remark, the
// same in both languages.
inline const Phrase RemarqueCowboy{"Yeahhh...", "Yeahhh..."};
inline const Phrase RemarqueMexicain{"Bueno...", "Bueno..."};
inline const Phrase RemarqueFille{"Hi hi !", "Hi hi !"};

}  // namespace TextesJeu
