#include "common/durees.h"

#include "common/etat.h"

int16_t Millisecondes(Delai d, const Reglages& r) {
    switch (d) {
    case Delai::Card: return r.DelayCard;
    case Delai::Turn: return r.DelayTurn;
    case Delai::Bill: return r.DelayBill;
    case Delai::Bouton: return r.DelayBouton;
    default: return PauseFixe(d);
    }
}

const char* NomDelai(Delai d) {
    switch (d) {
    case Delai::Card: return "DelayCard";
    case Delai::Turn: return "DelayTurn";
    case Delai::Bill: return "DelayBill";
    case Delai::Bouton: return "DelayBouton";
    case Delai::PlisseMexicain: return "PlisseMexicain";
    case Delai::YeuxCarte: return "YeuxCarte";
    case Delai::YeuxAnime: return "YeuxAnime";
    case Delai::MexDent: break;
    }
    return "MexDent";
}
