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

}  // namespace TextesJeu
