#include "second_tour.h"

#include "common/hasard.h"
#include "rules/evaluation.h"

namespace {

// The three raise ladders; every rung is a fresh risk draw.

// r <= Risk for 50, then a new r for 20, then a new r for 10, else a call.
CodeAction RelanceComplete(const Decideur& d) {
    if (d.TireRisque()) return "RA50";
    if (d.TireRisque()) return "RA20";
    if (d.TireRisque()) return "RA10";
    return "CA";
}

CodeAction RelanceMoyenne(const Decideur& d) {
    if (d.TireRisque()) return d.TireRisque() ? "RA20" : "RA10";
    return d.TireRisque() ? "RA10" : "CA";
}

CodeAction RelanceHaute(const Decideur& d) { return d.TireRisque() ? "RA50" : "RA20"; }

Bilingue PhraseReponse(const CodeAction& code) {
    if (code == "RA50") return TextesJeu::JeRelance50;
    if (code == "RA20") return TextesJeu::JeRelance20;
    if (code == "RA10") return TextesJeu::JeRelance10;
    if (code == "CA") return TextesJeu::JeSuis;
    return TextesJeu::JeMeCouche;
}

}  // namespace

CodeAction DecideApresDraw2(double P, int K, int n, const Decideur& d, Mises& mises) {
    const int MC = mises.MiseCourante;
    const bool beaucoupChanges = n >= 4;

    if (P == Echelle::Rien) {
        if (K < 2) return "FO";
        if (beaucoupChanges) {
            if (d.TireBluff() && d.TireRisque()) {
                mises.CowboyBluffe = true;
                return "RA20";
            }
            return "FO";
        }
        if (d.TireBluff() && d.TireRisque() && MC != 50) {
            mises.CowboyBluffe = true;
            return RelanceHaute(d);
        }
        return "FO";
    }
    if (P == Echelle::Paire) {
        if (K >= 2 && !beaucoupChanges) {
            if (d.TireBluff()) {
                mises.CowboyBluffe = true;
                return "RA50";
            }
            const bool g1 = d.TireGrossePaire();
            const bool g2 = d.TireGrossePaire();
            return ((g1 || MC != 10) && !g2) ? "FO" : "CA";
        }
        if (K >= 2) {
            const int r1 = Tirage100();
            if (r1 <= d.Bluff) {
                mises.CowboyBluffe = true;
                return "RA20";
            }
            if (!d.TireGrossePaire() || MC == 50) return "CA";
            return r1 <= d.Risk ? "RA10" : "CA";  // needs Bluff < r1 <= Risk
        }
        if (beaucoupChanges) {
            if (!d.TireGrossePaire() || MC == 50) return "CA";
            return RelanceHaute(d);
        }
        return d.TireGrossePaire() ? "CA" : "FO";
    }
    if (P == Echelle::DeuxPaires || P == Echelle::Brelan) {
        if (K < 2) return RelanceComplete(d);
        if (beaucoupChanges) return RelanceMoyenne(d);
        if (P == Echelle::Brelan) return RelanceComplete(d);
        if (d.TireGrossePaire()) {
            if (d.TireRisque()) return RelanceHaute(d);
            return d.TireRisque() ? "RA10" : "CA";
        }
        return RelanceMoyenne(d);
    }
    if (K >= 2 && beaucoupChanges) return RelanceMoyenne(d);
    return RelanceComplete(d);
}

CodeAction ActionCowboyApresDraw2(Etat& etat, const Argent& argent) {
    EvalueMainComplete(etat.eval, etat.donne.Paquet, etat.donne.CartesCowboy);
    const int K = static_cast<int>(etat.donne.GardeCowboy.size());
    return DecideApresDraw2(etat.eval.CategorieMain, K, etat.donne.NbCartesChangees, DecideurDe(etat, argent),
                            etat.mises);
}

ParoleCowboy BaisseRelance(const CodeAction& code, int miseCourante, int c, int p) {
    CodeAction finale = code;
    if (finale == "RA50" && (miseCourante + 50 > c || p < 50)) finale = "RA20";
    if (finale == "RA20" && (miseCourante + 20 > c || p < 20)) finale = "RA10";
    if (finale == "RA10" && (miseCourante + 10 > c || p < 10)) finale = "CA";
    if (finale == "CA" && miseCourante > c) finale = "FO";
    return {finale, PhraseReponse(finale)};
}

CodeAction DecideApresDraw(double C, int K, int N, const Decideur& d, Mises& mises) {
    // Read once: a bluff started here does not change the row already chosen.
    const bool B = mises.CowboyBluffe;

    if (C == Echelle::Rien) {
        if (B || K >= 4) {
            if (N >= 4) return "BE20";
            if (Tirage100() > d.Risk) return "BE20";
            if (Tirage100() > d.Risk) return "BE10";
            return "BE50";
        }
        if (K >= 2) {
            if (d.TireBluff()) {
                mises.CowboyBluffe = true;
                return "BE20";
            }
            return "PA";
        }
        return "PA";
    }
    if (C == Echelle::Paire) {
        if (B) {
            if (N > 3) return d.TireGrossePaire() ? "BE10" : "BE20";
            return d.TireRisque() ? "BE50" : "BE20";
        }
        if (K >= 2) {
            if (N >= 4) return d.TireRisque() ? "BE10" : "PA";
            if (d.TireBluff()) {
                mises.CowboyBluffe = true;
                return d.TireRisque() ? "BE50" : "BE20";
            }
            return d.TireRisque() ? "BE10" : "PA";
        }
        if (N >= 4) return d.TireGrossePaire() ? "BE20" : "BE10";
        if (N == 3) return d.TireRisque() ? "PA" : "BE10";
        return "PA";
    }
    if (C == Echelle::DeuxPaires || C == Echelle::Brelan) {
        if (B) {
            if (N > 3) {
                if (d.TireRisque()) return "BE20";
                return d.TireRisque() ? "BE10" : "PA";
            }
            if (!d.TireRisque()) return "BE20";
            return d.TireRisque() ? "BE50" : "PA";
        }
        if (K >= 2) return d.TireRisque() ? "BE20" : "BE10";
        if (!d.TireRisque()) return "BE20";
        if (!d.TireRisque()) return "BE50";
        return "PA";
    }
    if (B) {
        if (N > 3) return "BE10";
        return d.TireRisque() ? "BE50" : "BE20";
    }
    if (K >= 2) {
        if (N < 3) return d.TireRisque() ? "BE50" : "BE20";
        return d.TireRisque() ? "PA" : "BE10";
    }
    if (N < 4) return "BE50";
    if (d.TireRisque()) return "BE20";
    if (!d.TireRisque()) return "BE10";
    return "PA";
}

CodeAction ActionCowboyApresDraw(Etat& etat, const Argent& argent) {
    EvalueMainComplete(etat.eval, etat.donne.Paquet, etat.donne.CartesCowboy);
    const int K = static_cast<int>(etat.donne.GardeCowboy.size());
    return DecideApresDraw(etat.eval.CategorieMain, K, etat.donne.NbCartesChangees, DecideurDe(etat, argent),
                           etat.mises);
}
