#include "abattage.h"

#include <algorithm>
#include <array>

#include "rules/evaluation.h"

namespace {

// An Ace counts 14, except as the low end of a Five-high straight.
int Compte(int valeur) { return valeur == 1 ? 14 : valeur; }

double Puissance10(int n) {
    double x = 1;
    for (int i = 0; i < n; ++i) x *= 10;
    return x;
}

bool SuiteBasse(const Main& main) {
    std::array<int, 5> valeurs{};
    for (std::size_t i = 0; i < 5; ++i) valeurs[i] = main[i].valeur;
    std::sort(valeurs.begin(), valeurs.end());
    return valeurs == std::array<int, 5>{1, 2, 3, 4, 5};
}

// Counted values of a straight or straight flush: A-2-3-4-5 is Five-high.
int CompteSuite(const Main& main, int valeur) { return (valeur == 1 && SuiteBasse(main)) ? 1 : Compte(valeur); }

// Sum of 10^(counted value - 1): compares the highest cards first.
template <typename FnCompte>
double CleValeurs(const Main& main, FnCompte compte) {
    double cle = 0;
    for (const Carte& carte : main) cle += Puissance10(compte(carte.valeur) - 1);
    return cle;
}

double CleCouleurs(const Main& main) {
    double cle = 0;
    for (const Carte& carte : main) cle += RangCouleur(carte.couleur) * Puissance10(Compte(carte.valeur) - 1);
    return cle;
}

struct Paire {
    std::size_t i = 0, j = 0;
};

// The first two positions whose values are equal.
Paire TrouvePaire(const Main& main) {
    for (std::size_t i = 0; i < 5; ++i)
        for (std::size_t j = i + 1; j < 5; ++j)
            if (main[i].valeur == main[j].valeur) return {i, j};
    return {};
}

// The value of three equal cards.
int ValeurBrelan(const Main& main) {
    for (std::size_t i = 0; i < 5; ++i) {
        int memes = 0;
        for (std::size_t j = 0; j < 5; ++j) memes += main[j].valeur == main[i].valeur;
        if (memes >= 3) return Compte(main[i].valeur);
    }
    return 0;
}

int ValeurCarre(const Main& main) {
    if (main[0].valeur == main[1].valeur || main[0].valeur == main[2].valeur) return Compte(main[0].valeur);
    return Compte(main[1].valeur);
}

struct DeuxPaires {
    int haute = 0, basse = 0;
    Carte cinquieme;
};

DeuxPaires TrouveDeuxPaires(const Main& main) {
    DeuxPaires dp;
    std::array<int, 2> paires{};
    std::size_t nb = 0;
    for (std::size_t i = 0; i < 5; ++i) {
        int memes = 0;
        for (std::size_t j = 0; j < 5; ++j) memes += main[j].valeur == main[i].valeur;
        if (memes == 1) {
            dp.cinquieme = main[i];
        } else if (nb < 2 && (nb == 0 || paires[0] != Compte(main[i].valeur))) {
            paires[nb++] = Compte(main[i].valeur);
        }
    }
    dp.haute = std::max(paires[0], paires[1]);
    dp.basse = std::min(paires[0], paires[1]);
    return dp;
}

// The highest card of a straight: an Ace wherever it stands, else the
// greatest value; the Five in a Five-high straight.
Carte HauteCarteSuite(const Main& main) {
    Carte haute = main[0];
    for (const Carte& carte : main)
        if (CompteSuite(main, carte.valeur) > CompteSuite(main, haute.valeur)) haute = carte;
    return haute;
}

// The tie-break steps: the first step that differs decides.
class Departage {
public:
    // Player's figure against the opponent's.
    Departage& Etape(double joueur, double cowboy) {
        if (verdict_ == 0) verdict_ = joueur > cowboy ? 1 : joueur < cowboy ? -1 : 0;
        return *this;
    }
    bool JoueurGagne() const { return verdict_ > 0; }
    bool Egal() const { return verdict_ == 0; }

private:
    int verdict_ = 0;
};

bool JoueurGagneEgalite(double categorie, const Main& cowboy, const Main& joueur) {
    Departage d;
    const auto compteSuiteCowboy = [&](int v) { return CompteSuite(cowboy, v); };
    const auto compteSuiteJoueur = [&](int v) { return CompteSuite(joueur, v); };

    if (categorie == Echelle::Rien) {
        d.Etape(CleValeurs(joueur, Compte), CleValeurs(cowboy, Compte))
            .Etape(CleCouleurs(joueur), CleCouleurs(cowboy));
    } else if (categorie == Echelle::Paire) {
        const Paire pj = TrouvePaire(joueur), pc = TrouvePaire(cowboy);
        const auto horsPaire = [](const Main& main, Paire p) {
            double cle = 0;
            for (std::size_t i = 0; i < 5; ++i)
                if (i != p.i && i != p.j) cle += Puissance10(Compte(main[i].valeur) - 1);
            return cle;
        };
        d.Etape(Compte(joueur[pj.i].valeur), Compte(cowboy[pc.i].valeur))
            .Etape(horsPaire(joueur, pj), horsPaire(cowboy, pc));
        if (d.Egal()) {
            // Same pair, same kickers: the pair holding the spade wins.
            const bool cowboyPique = cowboy[pc.i].couleur == 4 || cowboy[pc.j].couleur == 4;
            return !cowboyPique;
        }
    } else if (categorie == Echelle::DeuxPaires) {
        const DeuxPaires j = TrouveDeuxPaires(joueur), c = TrouveDeuxPaires(cowboy);
        d.Etape(j.haute, c.haute)
            .Etape(j.basse, c.basse)
            .Etape(Compte(j.cinquieme.valeur), Compte(c.cinquieme.valeur))
            .Etape(RangCouleur(j.cinquieme.couleur), RangCouleur(c.cinquieme.couleur));
    } else if (categorie == Echelle::Brelan || categorie == Echelle::Full) {
        d.Etape(ValeurBrelan(joueur), ValeurBrelan(cowboy));
    } else if (categorie == Echelle::Suite) {
        d.Etape(CleValeurs(joueur, compteSuiteJoueur), CleValeurs(cowboy, compteSuiteCowboy))
            .Etape(RangCouleur(HauteCarteSuite(joueur).couleur), RangCouleur(HauteCarteSuite(cowboy).couleur));
    } else if (categorie == Echelle::Couleur || categorie == Echelle::QuinteFlush) {
        d.Etape(CleValeurs(joueur, compteSuiteJoueur), CleValeurs(cowboy, compteSuiteCowboy))
            .Etape(RangCouleur(joueur[0].couleur), RangCouleur(cowboy[0].couleur));
    } else if (categorie == Echelle::Carre) {
        d.Etape(ValeurCarre(joueur), ValeurCarre(cowboy));
    }
    return d.JoueurGagne();
}

}  // namespace

std::string QuiGagne(Evaluation& ev, const MarquesPaquet& paquet, const Main& CartesCowboy,
                     const Main& CartesPlayer, YeuxCowboy* yeux) {
    if (yeux) {
        yeux->ArreteYeuxAnime();
        yeux->ArreteYeuxCarte();
    }
    EvalueMainComplete(ev, paquet, CartesCowboy);
    const double C = ev.CategorieMain;
    EvalueMainComplete(ev, paquet, CartesPlayer);
    const double P = ev.CategorieMain;

    if (P > C) return "Player";
    if (P < C) return "Cowboy";
    return JoueurGagneEgalite(C, CartesCowboy, CartesPlayer) ? "Player" : "Cowboy";
}
