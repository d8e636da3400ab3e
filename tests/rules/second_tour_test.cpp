#include "rules/second_tour.h"

#include <gtest/gtest.h>

#include "arbre_script.h"
#include "rules/evaluation.h"

namespace {

// With kBluff and kRisk a draw of 30 or less bluffs, 60 or less takes the
// risk: 10 passes both, 40 only the risk, 70 neither.

struct Cas {
    const char* quoi;
    double P;  // category of the opponent's hand
    int K;     // cards it kept
    int n;     // cards the player changed
    int MC;    // amount to call, or whether a bluff runs (1) for the opening
    std::vector<int> r;
    std::vector<bool> g;
    CodeAction attendu;
    bool bluffe;
};

template <typename Arbre>
void Joue(const std::vector<Cas>& cas, Arbre arbre) {
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(c.quoi) + ", " + Texte(c.r));
        HasardScript script(Tirages(c.r));
        GrossePaireScript g(c.g);
        Decideur d{kBluff, kRisk, 200, 100, g.Fonction()};
        Mises mises;
        EXPECT_EQ(arbre(c, d, mises), c.attendu);
        EXPECT_EQ(mises.CowboyBluffe, c.bluffe);
    }
}

CodeAction Reponse(const Cas& c, const Decideur& d, Mises& m) {
    m.MiseCourante = static_cast<int16_t>(c.MC);
    return DecideApresDraw2(c.P, c.K, c.n, d, m);
}

CodeAction Ouverture(const Cas& c, const Decideur& d, Mises& m) {
    m.CowboyBluffe = c.MC == 1;
    return DecideApresDraw(c.P, c.K, c.n, d, m);
}

}  // namespace

TEST(ReponseApresDraw, NothingAfterTheDraw) {
    Joue({
        {"drew five: folds without a draw", 0, 0, 0, 10, {}, {}, "FO", false},
        {"drew four: folds without a draw", 0, 1, 5, 50, {}, {}, "FO", false},
        {"player drew four, bluff and risk", 0, 2, 4, 20, {10, 20}, {}, "RA20", true},
        {"player drew four, bluff without risk", 0, 3, 5, 20, {10, 70}, {}, "FO", false},
        {"player drew four, no bluff: no risk draw", 0, 2, 4, 20, {40}, {}, "FO", false},
        {"player drew three, bluff, high ladder 50", 0, 2, 3, 20, {10, 20, 20}, {}, "RA50", true},
        {"player drew none, bluff, high ladder 20", 0, 3, 0, 10, {10, 20, 70}, {}, "RA20", true},
        {"against 50 the bluff is dropped", 0, 2, 1, 50, {10, 20}, {}, "FO", false},
        {"player drew one, no risk", 0, 2, 1, 10, {10, 70}, {}, "FO", false},
        {"player drew two, no bluff", 0, 5, 2, 10, {31}, {}, "FO", false},
    }, Reponse);
}

TEST(ReponseApresDraw, OnePairAfterTheDraw) {
    Joue({
        {"kept two, player drew three, bluff", 1, 2, 3, 20, {10}, {}, "RA50", true},
        {"big then small pair folds", 1, 2, 3, 20, {40}, {true, false}, "FO", false},
        {"big then small against 10 folds: the first test counts", 1, 2, 3, 10, {40}, {true, false}, "FO", false},
        {"small then big against 10 calls", 1, 3, 1, 10, {40}, {false, true}, "CA", false},
        {"small twice against 10 calls", 1, 3, 0, 10, {40}, {false, false}, "CA", false},
        {"small twice against 20 folds", 1, 3, 0, 20, {40}, {false, false}, "FO", false},
        {"second test big calls", 1, 2, 2, 50, {40}, {true, true}, "CA", false},
        {"kept two, player drew four, bluff", 1, 2, 4, 20, {10}, {}, "RA20", true},
        {"small pair calls", 1, 3, 5, 20, {40}, {false}, "CA", false},
        {"big pair calls 50", 1, 3, 4, 50, {40}, {true}, "CA", false},
        {"big pair, the bluff draw is under the risk", 1, 2, 4, 20, {60}, {true}, "RA10", false},
        {"big pair, the bluff draw is over the risk", 1, 2, 4, 20, {61}, {true}, "CA", false},
        {"drew four, player drew four, small", 1, 1, 4, 20, {}, {false}, "CA", false},
        {"drew five, player drew five, big against 50", 1, 0, 5, 50, {}, {true}, "CA", false},
        {"drew four, player drew four, big, risk", 1, 1, 4, 10, {20}, {true}, "RA50", false},
        {"drew four, player drew four, big", 1, 1, 4, 20, {70}, {true}, "RA20", false},
        {"drew four, player drew three, big", 1, 1, 3, 20, {}, {true}, "CA", false},
        {"drew five, player stood pat, small", 1, 0, 0, 20, {}, {false}, "FO", false},
    }, Reponse);
}

TEST(ReponseApresDraw, TwoPairsAndTrips) {
    Joue({
        {"two pairs drew four: full ladder 50", 9, 1, 0, 20, {20}, {}, "RA50", false},
        {"trips drew five: full ladder 20", 19, 0, 5, 20, {70, 20}, {}, "RA20", false},
        {"trips drew four: full ladder 10", 19, 1, 2, 20, {70, 70, 20}, {}, "RA10", false},
        {"two pairs drew four: full ladder call", 9, 1, 4, 20, {70, 70, 70}, {}, "CA", false},
        {"player drew four: middle ladder 20", 9, 3, 4, 20, {20, 20}, {}, "RA20", false},
        {"player drew five: middle ladder 10 after a risk", 19, 2, 5, 20, {20, 70}, {}, "RA10", false},
        {"player drew four: middle ladder 10 after none", 9, 2, 4, 20, {70, 20}, {}, "RA10", false},
        {"player drew four: middle ladder call", 19, 4, 4, 20, {70, 70}, {}, "CA", false},
        {"trips kept, player drew three: full ladder", 19, 3, 3, 20, {70, 70, 70}, {}, "CA", false},
        {"two pairs kept, big pair, high ladder 50", 9, 4, 1, 20, {20, 20}, {true}, "RA50", false},
        {"two pairs kept, big pair, high ladder 20", 9, 4, 3, 20, {20, 70}, {true}, "RA20", false},
        {"two pairs kept, big pair, 10", 9, 4, 0, 20, {70, 20}, {true}, "RA10", false},
        {"two pairs kept, big pair, call", 9, 4, 0, 20, {70, 70}, {true}, "CA", false},
        {"two pairs kept, small pair: middle ladder", 9, 4, 2, 20, {20, 20}, {false}, "RA20", false},
    }, Reponse);
}

TEST(ReponseApresDraw, StraightOrBetterNeverFolds) {
    Joue({
        {"kept two, player drew four: middle ladder", 106, 2, 4, 50, {20, 70}, {}, "RA10", false},
        {"kept five, player drew five: middle ladder call", 42300, 5, 5, 50, {70, 70}, {}, "CA", false},
        {"drew four: full ladder", 423, 1, 5, 10, {20}, {}, "RA50", false},
        {"drew five: full ladder call", 424, 0, 0, 10, {70, 70, 70}, {}, "CA", false},
        {"kept all, player drew three: full ladder", 1410, 5, 3, 10, {70, 20}, {}, "RA20", false},
    }, Reponse);
}

TEST(OuvertureApresDraw, NothingAfterTheDraw) {
    Joue({
        {"bluff running, player drew four", 0, 2, 4, 1, {}, {}, "BE20", true},
        {"kept four, player drew three, no risk", 0, 4, 3, 0, {61}, {}, "BE20", false},
        {"kept five, player drew one, one risk", 0, 5, 1, 0, {60, 70}, {}, "BE10", false},
        {"bluff running, player stood pat, two risks", 0, 0, 0, 1, {20, 20}, {}, "BE50", true},
        {"kept two, bluff", 0, 2, 1, 0, {30}, {}, "BE20", true},
        {"kept three, no bluff", 0, 3, 5, 0, {31}, {}, "PA", false},
        {"drew four: no draw", 0, 1, 2, 0, {}, {}, "PA", false},
    }, Ouverture);
}

TEST(OuvertureApresDraw, OnePairAfterTheDraw) {
    Joue({
        {"bluff running, player drew four, big", 1, 3, 4, 1, {}, {true}, "BE10", true},
        {"bluff running, player drew five, small", 1, 3, 5, 1, {}, {false}, "BE20", true},
        {"bluff running, player drew three, risk", 1, 3, 3, 1, {20}, {}, "BE50", true},
        {"bluff running, player drew one", 1, 0, 1, 1, {70}, {}, "BE20", true},
        {"kept two, player drew four, risk", 1, 2, 4, 0, {20}, {}, "BE10", false},
        {"kept three, player drew five", 1, 3, 5, 0, {70}, {}, "PA", false},
        {"kept three, player drew three, bluff on a risk", 1, 3, 3, 0, {10, 20}, {}, "BE50", true},
        {"kept three, player drew two, bluff", 1, 3, 2, 0, {10, 70}, {}, "BE20", true},
        {"kept three, player drew one, risk", 1, 3, 1, 0, {40, 20}, {}, "BE10", false},
        {"kept three, player stood pat", 1, 3, 0, 0, {40, 70}, {}, "PA", false},
        {"drew four, player drew four, big", 1, 1, 4, 0, {}, {true}, "BE20", false},
        {"drew five, player drew five, small", 1, 0, 5, 0, {}, {false}, "BE10", false},
        {"drew four, player drew three, risk", 1, 1, 3, 0, {20}, {}, "PA", false},
        {"drew four, player drew three", 1, 1, 3, 0, {70}, {}, "BE10", false},
        {"drew five, player drew two", 1, 0, 2, 0, {}, {}, "PA", false},
    }, Ouverture);
}

TEST(OuvertureApresDraw, TwoPairsAndTrips) {
    Joue({
        {"bluff running, player drew four, risk", 9, 4, 4, 1, {20}, {}, "BE20", true},
        {"bluff running, player drew five, second risk", 19, 3, 5, 1, {70, 20}, {}, "BE10", true},
        {"bluff running, player drew four, no risk", 9, 3, 4, 1, {70, 70}, {}, "PA", true},
        {"bluff running, player drew three, no risk", 19, 3, 3, 1, {70}, {}, "BE20", true},
        {"bluff running, player drew two, two risks", 9, 3, 2, 1, {20, 20}, {}, "BE50", true},
        {"bluff running, player drew none, one risk", 9, 3, 0, 1, {20, 70}, {}, "PA", true},
        {"kept four, risk", 9, 4, 1, 0, {20}, {}, "BE20", false},
        {"kept three, no risk", 19, 3, 5, 0, {70}, {}, "BE10", false},
        {"drew four, no risk", 9, 1, 2, 0, {70}, {}, "BE20", false},
        {"drew five, one risk", 19, 0, 2, 0, {20, 70}, {}, "BE50", false},
        {"drew four, two risks", 9, 1, 5, 0, {20, 20}, {}, "PA", false},
    }, Ouverture);
}

TEST(OuvertureApresDraw, StraightOrBetter) {
    Joue({
        {"bluff running, player drew four", 106, 5, 4, 1, {}, {}, "BE10", true},
        {"bluff running, player drew three, risk", 423, 5, 3, 1, {20}, {}, "BE50", true},
        {"bluff running, player drew none", 424, 5, 0, 1, {70}, {}, "BE20", true},
        {"kept all, player drew one, risk", 106, 5, 1, 0, {20}, {}, "BE50", false},
        {"kept four, player drew two", 423, 4, 2, 0, {70}, {}, "BE20", false},
        {"kept all, player drew three, risk: slow-play", 1410, 5, 3, 0, {20}, {}, "PA", false},
        {"kept all, player drew five", 42300, 5, 5, 0, {70}, {}, "BE10", false},
        {"drew four, player drew three", 106, 1, 3, 0, {}, {}, "BE50", false},
        {"drew five, player drew four, risk", 106, 0, 4, 0, {20}, {}, "BE20", false},
        {"drew four, player drew five, second no risk", 424, 1, 5, 0, {70, 70}, {}, "BE10", false},
        {"drew four, player drew four, second risk", 423, 1, 4, 0, {70, 20}, {}, "PA", false},
    }, Ouverture);
}

TEST(BaisseRelance, RaisesComeDownToWhatBothCanPay) {
    struct Ligne {
        CodeAction code;
        int mc, c, p;
        CodeAction finale;
        Bilingue phrase;
    };
    const std::vector<Ligne> lignes{
        {"RA50", 20, 60, 100, "RA20", {"I raise $20", "J'enchéris de $20"}},
        {"RA50", 20, 60, 0, "CA", {"I call", "Je te suis"}},
        {"RA50", 10, 60, 50, "RA50", {"I raise $50", "J'enchéris de $50"}},
        {"RA50", 10, 59, 50, "RA20", {"I raise $20", "J'enchéris de $20"}},
        {"RA50", 20, 300, 49, "RA20", {"I raise $20", "J'enchéris de $20"}},
        {"RA50", 20, 300, 19, "RA10", {"I raise $10", "J'enchéris de $10"}},
        {"RA20", 50, 69, 100, "RA10", {"I raise $10", "J'enchéris de $10"}},
        {"RA10", 50, 60, 10, "RA10", {"I raise $10", "J'enchéris de $10"}},
        {"RA10", 50, 59, 10, "CA", {"I call", "Je te suis"}},
        {"RA50", 50, 50, 100, "CA", {"I call", "Je te suis"}},
        {"RA50", 50, 49, 100, "FO", {"I fold", "Je me couche"}},
        {"CA", 20, 10, 100, "FO", {"I fold", "Je me couche"}},
        {"CA", 20, 20, 0, "CA", {"I call", "Je te suis"}},
        {"FO", 10, 500, 500, "FO", {"I fold", "Je me couche"}},
    };
    for (const Ligne& l : lignes) {
        SCOPED_TRACE(l.code + " with MiseCourante " + std::to_string(l.mc) + ", c " + std::to_string(l.c) +
                     ", p " + std::to_string(l.p));
        const ParoleCowboy parole = BaisseRelance(l.code, l.mc, l.c, l.p);
        EXPECT_EQ(parole.code, l.finale);
        EXPECT_EQ(parole.phrase, l.phrase);
    }
}

namespace {

Etat TableApresDraw(const Main& cartes, const MotifGarde& garde, int nbChangees) {
    Etat etat;
    etat.reglages.Bluff = kBluff;
    etat.reglages.Risk = kRisk;
    etat.donne.CartesCowboy = cartes;
    for (const Carte& c : cartes) etat.donne.Paquet(c.valeur, c.couleur) = MarqueCarte::Cowboy;
    etat.donne.GardeCowboy = garde;
    etat.donne.NbCartesChangees = static_cast<int16_t>(nbChangees);
    return etat;
}

}  // namespace

TEST(ActionsApresDraw, JudgedOnTheHandAfterTheDraw) {
    {
        SCOPED_TRACE("nothing after keeping three: a bluff opening");
        Etat etat = TableApresDraw({Carte{2, 1}, Carte{7, 2}, Carte{9, 3}, Carte{11, 4}, Carte{13, 1}}, "345", 2);
        HasardScript script{R(10)};
        EXPECT_EQ(ActionCowboyApresDraw(etat, Argent{200, 200, 60}), "BE20");
        EXPECT_TRUE(etat.mises.CowboyBluffe);
    }
    {
        SCOPED_TRACE("a straight standing pat answers a bet up the full ladder");
        Etat etat = TableApresDraw({Carte{9, 1}, Carte{8, 2}, Carte{7, 3}, Carte{6, 4}, Carte{5, 1}}, "12345", 1);
        etat.mises.MiseCourante = 20;
        HasardScript script{R(70), R(70), R(20)};
        EXPECT_EQ(ActionCowboyApresDraw2(etat, Argent{200, 200, 60}), "RA10");
        EXPECT_EQ(etat.eval.CategorieMain, 106);
    }
}
