#include "decisions.h"

#include "common/hasard.h"
#include "rules/choix_cartes.h"
#include "rules/evaluation.h"
#include "rules/grosse_paire.h"

bool Decideur::TireBluff() const { return Tirage100() <= Bluff; }
bool Decideur::TireRisque() const { return Tirage100() <= Risk; }

Decideur DecideurDe(const Etat& etat, const Argent& argent) {
    Decideur d;
    d.Bluff = etat.reglages.Bluff;
    d.Risk = etat.reglages.Risk;
    d.M = argent.cowboy;
    d.pot = argent.pot;
    const Main* cartes = &etat.donne.CartesCowboy;
    const int risk = d.Risk;
    const int argentCowboy = argent.cowboy;
    d.TireGrossePaire = [cartes, risk, argentCowboy] { return GrossePaire(*cartes, risk, argentCowboy); };
    return d;
}

namespace {

CodeAction OuvertureApresPasseJoueur(double C, double MP, const Decideur& d, Mises& mises) {
    if (C == Echelle::Rien) {
        if (d.TireBluff()) {
            mises.CowboyBluffe = true;
            return (d.M > 100 && d.TireRisque()) ? "BE50" : "BE20";
        }
        if (MP < 7) return "PA";
        return (d.M > 100 && d.TireRisque()) ? "BE10" : "PA";
    }
    // A big pair opens as the stronger hands do.
    if (C == Echelle::Paire && !d.TireGrossePaire()) {
        if (d.TireBluff()) {
            mises.CowboyBluffe = true;
            return "BE20";
        }
        return d.TireRisque() ? "BE20" : "BE10";
    }
    return d.TireRisque() ? "BE50" : "BE10";
}

// The strong hands open big when money is short or on a risk, else smaller.
CodeAction OuvertureForte(const Decideur& d) {
    if (d.M < 100 || d.TireRisque()) return "BE50";
    return d.TireRisque() ? "BE20" : "BE10";
}

// The call rule shared by the weak hands facing a bet.
CodeAction RegleDeSuivi(const Decideur& d, const Mises& mises) {
    if (!mises.CowboyParole && mises.MiseCourante == 10) return "CA";
    if (mises.JoueurParole && mises.MiseCourante != 50) return "CA";
    return d.TireRisque() ? "CA" : "FO";
}

// A made hand facing a bet raises while the pot is small, else calls.
CodeAction ReponseForte(int plafondPot, const Decideur& d, const Mises& mises) {
    if (d.pot > plafondPot) return "CA";
    const int r = Tirage100();
    if (r <= d.Risk || mises.JoueurParole || mises.CowboyParole) return d.TireRisque() ? "RA50" : "RA20";
    return d.TireRisque() ? "RA10" : "CA";
}

}  // namespace

CodeAction DecideAvantDraw(double C, double MP, const Decideur& d, Mises& mises) {
    if (mises.JoueurParole) return OuvertureApresPasseJoueur(C, MP, d, mises);

    if (C == Echelle::Rien) {
        const int r = Tirage100();
        if (d.M > 100 && r <= d.Bluff) {
            mises.CowboyBluffe = true;
            return d.TireRisque() ? "BE50" : "BE20";
        }
        if (MP < 7) return "PA";
        return (d.M > 100 && d.TireRisque()) ? "BE10" : "PA";
    }
    if (C == Echelle::Paire) {
        // One test makes a pair small or big; it never falls to the strong hands.
        const bool grosse = d.TireGrossePaire();
        const int r = Tirage100();
        if (!grosse) {
            if (d.M > 100 && r <= d.Bluff) {
                mises.CowboyBluffe = true;
                return "BE20";
            }
            return d.TireRisque() ? "BE10" : "PA";
        }
        if (r <= d.Bluff) return "PA";  // slow-play: not a bluff
        if (r <= d.Risk) return d.TireRisque() ? "BE50" : "BE20";
        return d.TireRisque() ? "BE20" : "BE10";
    }
    if ((C == Echelle::DeuxPaires || C == Echelle::Brelan) && d.TireBluff()) return "PA";
    return OuvertureForte(d);
}

CodeAction DecideAvantDraw2(double C, double MP, const Decideur& d, Mises& mises) {
    const int MC = mises.MiseCourante;
    const bool JP = mises.JoueurParole;
    const bool CP = mises.CowboyParole;

    if (C == Echelle::Rien && MP < 7) {
        const int r1 = Tirage100();
        if (d.M > 100 && r1 <= d.Bluff) {
            if ((MC == 10 || JP) && !CP) {
                mises.CowboyBluffe = true;
                return d.TireRisque() ? "RA50" : "RA20";
            }
            if (d.TireRisque() && !CP) {
                mises.CowboyBluffe = true;
                return "RA20";
            }
            return "FO";
        }
        if ((MC == 20 || MC == 50 || CP) && !JP) return "FO";
        if (r1 > d.Risk || CP) return "FO";
        if (MC == 10) return "CA";
        if (MC == 50) return "FO";
        if (JP) return "CA";
        return "FO";
    }
    if (C == Echelle::Rien) {
        const int r1 = Tirage100();
        if (d.M > 100 && r1 <= d.Bluff) {
            mises.CowboyBluffe = true;
            if ((MC == 10 || MC == 20 || JP) && !CP) return d.TireRisque() ? "RA50" : "RA20";
            return "RA20";
        }
        return RegleDeSuivi(d, mises);
    }
    if (C == Echelle::Paire) {
        // One test makes a pair small or big: a big pair keeps the pair's pot limit.
        if (d.TireGrossePaire()) return ReponseForte(150, d, mises);
        if (d.TireBluff()) {
            mises.CowboyBluffe = true;
            if (CP) return "RA20";
            return d.TireRisque() ? "RA50" : "RA20";
        }
        return RegleDeSuivi(d, mises);
    }
    return ReponseForte(250, d, mises);
}

CodeAction DecideCheckBet(double C, int K, const Decideur& d, Mises& mises) {
    if (C == Echelle::Rien) {
        if (mises.CowboyBluffe) return "BE20";  // the bluff goes on
        if (K < 2) return "CH";
        if (d.TireBluff()) {
            mises.CowboyBluffe = true;
            return "BE20";
        }
        return "CH";
    }
    if (C == Echelle::Paire) {
        if (mises.CowboyBluffe) return d.TireGrossePaire() ? "BE10" : "BE20";
        if (K >= 2) {
            if (d.TireGrossePaire()) return "BE10";
            return d.TireRisque() ? "BE10" : "CH";
        }
        if (!d.TireGrossePaire()) return "BE10";
        return d.TireRisque() ? "BE20" : "BE10";
    }
    if (mises.CowboyBluffe || K >= 2) return "BE10";
    return d.TireRisque() ? "BE20" : "BE10";
}

CodeAction ActionCowboyAvantDraw(Etat& etat, const Argent& argent) {
    ChoixCartesCowboy(etat.eval, etat.donne.Paquet, etat.donne.CartesCowboy, etat.reglages.Skill, false);
    return DecideAvantDraw(etat.eval.CategorieMain, etat.eval.MeilleurPoids, DecideurDe(etat, argent),
                           etat.mises);
}

CodeAction ActionCowboyAvantDraw2(Etat& etat, const Argent& argent) {
    ChoixCartesCowboy(etat.eval, etat.donne.Paquet, etat.donne.CartesCowboy, etat.reglages.Skill, false);
    return DecideAvantDraw2(etat.eval.CategorieMain, etat.eval.MeilleurPoids, DecideurDe(etat, argent),
                            etat.mises);
}

CodeAction ActionCowboyCheckBet(Etat& etat, const Argent& argent) {
    EvalueMainComplete(etat.eval, etat.donne.Paquet, etat.donne.CartesCowboy);
    const int K = static_cast<int>(etat.donne.GardeCowboy.size());
    return DecideCheckBet(etat.eval.CategorieMain, K, DecideurDe(etat, argent), etat.mises);
}
