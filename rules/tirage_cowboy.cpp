#include "tirage_cowboy.h"

#include "common/hasard.h"
#include "rules/choix_cartes.h"

// Here every draw named in a condition is taken, whatever its other operands.
DecisionMode DecideModeTirage(double C, double MP, bool ApresJoueur, int N, const Decideur& d,
                              const Mises& mises) {
    DecisionMode dm;
    const bool riche = d.M > 100;

    if (C == Echelle::Rien) {
        dm.bluff = d.TireBluff() && riche;
        bool poids = false;
        if (ApresJoueur) {
            if (MP < 7) {
                if (N == 3) poids = d.TireRisque() && riche;
            } else {
                poids = N >= 4 ? (d.TireRisque() && riche) : true;
            }
        } else if (MP >= 7) {
            const bool risque = d.TireRisque();
            poids = riche && (risque || mises.CowboyBluffe);
        }
        dm.mode = poids ? ModeGarde::Poids : ModeGarde::Proba;
        return dm;
    }

    const bool grosse = d.TireGrossePaire();
    if (C != Echelle::Paire) return dm;

    bool poids = false;
    if (ApresJoueur) {
        const int seuil = grosse ? 3 : 4;  // a big pair stops chasing weight sooner
        if (N < seuil) poids = d.TireRisque() && riche;
    } else {
        poids = d.TireRisque() && riche && (!grosse || !mises.CowboyBluffe);
    }
    dm.mode = poids ? ModeGarde::Poids : ModeGarde::Proba;
    return dm;
}

bool CorrigeDecision(DecisionMode& dm, bool ApresJoueur, const MotifGarde& gardeProba,
                     const MotifGarde& gardePoids, const Argent& argent, const Decideur& d, Mises& mises) {
    bool resteServi = false;
    if (mises.CowboyParole) {
        dm.bluff = false;
        mises.CowboyBluffe = false;
    }
    if (mises.JoueurParole) dm.mode = ModeGarde::Proba;
    if (dm.bluff) {
        mises.CowboyBluffe = true;
        if (d.TireRisque()) resteServi = true;
    }
    // Drawing first, a bluffer one card away from a hand draws for it.
    if (!ApresJoueur && dm.bluff && (gardePoids.size() == 4 || gardeProba.size() == 4)) resteServi = false;
    // Too little money on the table to carry a bluff on.
    if (argent.cowboy <= 20 || argent.player <= 20) mises.CowboyBluffe = false;
    return resteServi;
}

Bilingue PhraseGarde(int K) {
    if (K == 5) return TextesJeu::JeGardeTout;
    if (K == 4) return TextesJeu::JeVeux1Carte;
    const std::string n = std::to_string(5 - K);
    return {TextesJeu::JeVeuxDebut.anglais + n + TextesJeu::JeVeuxFin.anglais,
            TextesJeu::JeVeuxDebut.francais + n + TextesJeu::JeVeuxFin.francais};
}

TirageDecide ChoixTirageCowboy(Etat& etat, const Argent& argent, bool ApresJoueur) {
    Evaluation& ev = etat.eval;
    Mises& mises = etat.mises;
    ChoixCartesCowboy(ev, etat.donne.Paquet, etat.donne.CartesCowboy, etat.reglages.Skill, false);
    const MotifGarde gardeProba = ev.GardeProba;
    const MotifGarde gardePoids = ev.GardePoids;

    const Decideur d = DecideurDe(etat, argent);
    DecisionMode dm =
        DecideModeTirage(ev.CategorieMain, ev.MeilleurPoids, ApresJoueur, etat.donne.NbCartesChangees, d, mises);

    const bool resteServi = CorrigeDecision(dm, ApresJoueur, gardeProba, gardePoids, argent, d, mises);

    if (resteServi) return {"12345", TextesJeu::JeGardeTout};

    ChoixCartesCowboy(ev, etat.donne.Paquet, etat.donne.CartesCowboy, etat.reglages.Skill, mises.CowboyBluffe);
    MotifGarde garde = dm.mode == ModeGarde::Poids ? ev.GardePoids : ev.GardeProba;
    Bilingue phrase = PhraseGarde(static_cast<int>(garde.size()));
    return {std::move(garde), std::move(phrase)};
}

void TireNouvellesCartes(Donne& donne, const MotifGarde& garde) {
    int position = 1;
    for (std::size_t n = garde.size(); n < 5; ++n) {
        do {
            donne.Valeur = static_cast<int16_t>(Tirage(13, 1));
            donne.Couleur = static_cast<int16_t>(Tirage(4, 1));
        } while (donne.Paquet(donne.Valeur, donne.Couleur) != MarqueCarte::Libre);
        while (garde.find(static_cast<char>('0' + position)) != MotifGarde::npos) ++position;
        donne.Paquet(donne.Valeur, donne.Couleur) = MarqueCarte::Cowboy;
        donne.CartesCowboy[position - 1] = {donne.Valeur, donne.Couleur};
        ++position;
    }
}
