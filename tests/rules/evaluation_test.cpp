#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "common/etat.h"
#include "rules/evaluation.h"

namespace {

constexpr int16_t H = 1, C = 2, D = 3, S = 4;  // hearts, clubs, diamonds, spades

// A deck where the listed cards were dealt to the opponent.
MarquesPaquet PaquetCowboy(std::initializer_list<Carte> cartes) {
    MarquesPaquet p;
    p.Vide();
    for (const Carte& c : cartes) p(c.valeur, c.couleur) = MarqueCarte::Cowboy;
    return p;
}

// Puts the cards in the evaluator's input and evaluates the first n.
Evaluation Evalue(std::initializer_list<Carte> cartes, const MarquesPaquet& paquet) {
    Evaluation ev;
    int i = 0;
    for (const Carte& c : cartes) {
        ev.ValEval[i] = c.valeur;
        ev.CoulEval[i] = c.couleur;
        ++i;
    }
    EvalueMain(ev, paquet, i);
    return ev;
}

Evaluation EvalueCinq(std::initializer_list<Carte> cartes) {
    MarquesPaquet vide;
    vide.Vide();
    return Evalue(cartes, vide);
}

}  // namespace

// ---- Complete hands -----------------------------------------------------------

TEST(EvalueMainComplete, EveryDealCountsLikeStandardPoker) {
    MarquesPaquet paquet;
    paquet.Vide();
    Evaluation ev;
    long long nombres[9] = {};
    const double echelle[9] = {0, 1, 9, 19, 106, 423, 424, 1410, 42300};
    long long poidsFaux = 0;
    int carte[5];
    for (carte[0] = 0; carte[0] < 52; ++carte[0])
        for (carte[1] = carte[0] + 1; carte[1] < 52; ++carte[1])
            for (carte[2] = carte[1] + 1; carte[2] < 52; ++carte[2])
                for (carte[3] = carte[2] + 1; carte[3] < 52; ++carte[3])
                    for (carte[4] = carte[3] + 1; carte[4] < 52; ++carte[4]) {
                        int hauteurs = 0;  // in 130ths: value - 1, and 13 for an Ace
                        for (int i = 0; i < 5; ++i) {
                            ev.ValEval[i] = static_cast<int16_t>(carte[i] % 13 + 1);
                            ev.CoulEval[i] = static_cast<int16_t>(carte[i] / 13 + 1);
                            hauteurs += ev.ValEval[i] == 1 ? 13 : ev.ValEval[i] - 1;
                        }
                        EvalueMain(ev, paquet, 5);
                        int k = 0;
                        while (k < 9 && echelle[k] != ev.CategorieMain) ++k;
                        ASSERT_LT(k, 9) << "not a value of the scale: " << ev.CategorieMain;
                        ++nombres[k];
                        if (std::abs(ev.PoidsMain - (echelle[k] + hauteurs / 130.0)) > 1e-9)
                            ++poidsFaux;
                    }
    EXPECT_EQ(nombres[0], 1302540);  // nothing
    EXPECT_EQ(nombres[1], 1098240);  // one pair
    EXPECT_EQ(nombres[2], 123552);   // two pairs
    EXPECT_EQ(nombres[3], 54912);    // three of a kind
    EXPECT_EQ(nombres[4], 10200);    // straight
    EXPECT_EQ(nombres[5], 5108);     // flush
    EXPECT_EQ(nombres[6], 3744);     // full house
    EXPECT_EQ(nombres[7], 624);      // four of a kind
    EXPECT_EQ(nombres[8], 40);       // straight flush
    EXPECT_EQ(poidsFaux, 0) << "hands whose weight is not the category plus the high-card terms";
}

TEST(EvalueMainComplete, AceIsLowOrHighButNeverWrapsAround) {
    EXPECT_EQ(EvalueCinq({{1, H}, {2, C}, {3, D}, {4, S}, {5, H}}).CategorieMain, 106);
    EXPECT_EQ(EvalueCinq({{10, H}, {11, C}, {12, D}, {13, S}, {1, H}}).CategorieMain, 106);
    EXPECT_EQ(EvalueCinq({{11, H}, {12, C}, {13, D}, {1, S}, {2, H}}).CategorieMain, 0);
    const int16_t enroule[5] = {11, 12, 13, 1, 2};
    EXPECT_EQ(Maxi(enroule, 5), 13);
    EXPECT_EQ(Mini(enroule, 5), 1);
}

TEST(EvalueMainComplete, HigherCategoryHidesTheLowerOnesItContains) {
    // suited sequences, low and high Ace included
    EXPECT_EQ(EvalueCinq({{9, S}, {5, S}, {7, S}, {6, S}, {8, S}}).CategorieMain, 42300);
    EXPECT_EQ(EvalueCinq({{1, H}, {2, H}, {3, H}, {4, H}, {5, H}}).CategorieMain, 42300);
    EXPECT_EQ(EvalueCinq({{1, D}, {13, D}, {12, D}, {11, D}, {10, D}}).CategorieMain, 42300);
    EXPECT_EQ(EvalueCinq({{9, S}, {5, S}, {7, S}, {2, S}, {8, S}}).CategorieMain, 423);
    // full house in every split of the positions
    EXPECT_EQ(EvalueCinq({{4, H}, {9, C}, {4, D}, {9, S}, {4, S}}).CategorieMain, 424);
    EXPECT_EQ(EvalueCinq({{9, H}, {9, C}, {4, D}, {4, S}, {4, C}}).CategorieMain, 424);
    EXPECT_EQ(EvalueCinq({{12, H}, {3, C}, {12, D}, {12, S}, {12, C}}).CategorieMain, 1410);
    EXPECT_EQ(EvalueCinq({{3, H}, {12, C}, {3, D}, {8, S}, {3, C}}).CategorieMain, 19);
    EXPECT_EQ(EvalueCinq({{3, H}, {12, C}, {8, D}, {12, S}, {3, C}}).CategorieMain, 9);
    EXPECT_EQ(EvalueCinq({{3, H}, {12, C}, {8, D}, {13, S}, {3, C}}).CategorieMain, 1);
    EXPECT_EQ(EvalueCinq({{3, H}, {12, C}, {8, D}, {13, S}, {4, C}}).CategorieMain, 0);
}

TEST(EvalueMainComplete, WeightAddsTheHighCardsToTheCategory) {
    const Evaluation rois = EvalueCinq({{13, H}, {7, C}, {13, D}, {5, S}, {2, C}});
    EXPECT_EQ(rois.CategorieMain, 1);
    EXPECT_NEAR(rois.PoidsMain, 1 + (12 + 12 + 6 + 4 + 1) / 130.0, 1e-12);
    // the Ace's term is the highest, a tenth
    const Evaluation as = EvalueCinq({{1, H}, {13, C}, {9, D}, {5, S}, {3, C}});
    EXPECT_NEAR(as.PoidsMain, 0.1 + (12 + 8 + 4 + 2) / 130.0, 1e-12);
    EXPECT_DOUBLE_EQ(PoidsHauteur(1), 0.1);
    EXPECT_DOUBLE_EQ(PoidsHauteur(2), 1 / 130.0);
    EXPECT_DOUBLE_EQ(PoidsHauteur(13), 12 / 130.0);
}

TEST(EvalueMainComplete, WholeHandIsCopiedBeforeBeingJudged) {
    MarquesPaquet vide;
    vide.Vide();
    Evaluation ev;
    const Main main{{{6, H}, {6, C}, {11, D}, {11, S}, {11, H}}};
    EvalueMainComplete(ev, vide, main);
    EXPECT_EQ(ev.CategorieMain, 424);
    EXPECT_EQ(ev.ValEval[4], 11);
    EXPECT_EQ(ev.CoulEval[4], H);
}

TEST(EvalueMain, CountOutsideZeroToFiveLeavesBothResultsAtZero) {
    MarquesPaquet vide;
    vide.Vide();
    for (int n : {6, -1}) {
        Evaluation ev;
        ev.CategorieMain = 7;
        ev.PoidsMain = 7;
        ev.ValEval = {1, 1, 1, 1, 13};
        ev.CoulEval = {1, 2, 3, 4, 1};
        EvalueMain(ev, vide, n);
        EXPECT_EQ(ev.CategorieMain, 0) << n;
        EXPECT_EQ(ev.PoidsMain, 0) << n;
    }
}

TEST(EvalueMain, HandNotDealtYetIsNothing) {
    MarquesPaquet vide;
    vide.Vide();
    Evaluation ev;  // every value and suit 0
    EvalueMain(ev, vide, 5);
    EXPECT_EQ(ev.CategorieMain, 0);
    EXPECT_EQ(ev.PoidsMain, 0);
}

// ---- Unseen cards and straight bounds ---------------------------------------------

TEST(CartesInvisibles, OnlyTheOpponentsOwnCardsAreCounted) {
    // the opponent holds two Sevens and three hearts; the player's cards
    // are hidden from it and count as unseen
    MarquesPaquet p = PaquetCowboy({{7, H}, {7, C}, {2, H}, {12, H}, {9, D}});
    p(7, D) = MarqueCarte::Player;
    p(5, H) = MarqueCarte::Player;
    EXPECT_EQ(Soeur(p, 7), 2);
    EXPECT_EQ(MemeCoul(p, H), 10);
    EXPECT_EQ(MemeCoul(p, S), 13);
    EXPECT_EQ(Soeur(p, 4), 4);
    // a discarded card keeps its mark and stays seen
    p(4, S) = MarqueCarte::Cowboy;
    EXPECT_EQ(Soeur(p, 4), 3);
    EXPECT_EQ(MemeCoul(p, S), 12);
}

TEST(BornesDeSuite, AceIsHighOnlyBesideTenToKing) {
    const int16_t akq[3] = {1, 13, 12};
    EXPECT_EQ(Maxi(akq, 3), 14);
    EXPECT_EQ(Mini(akq, 3), 12);
    const int16_t a25[3] = {2, 1, 5};
    EXPECT_EQ(Maxi(a25, 3), 5);
    EXPECT_EQ(Mini(a25, 3), 1);
    const int16_t a9[2] = {1, 9};  // 9 is below 10: the Ace stays low
    EXPECT_EQ(Maxi(a9, 2), 9);
    EXPECT_EQ(Mini(a9, 2), 1);
    const int16_t as[2] = {1, 1};
    EXPECT_EQ(Maxi(as, 2), 14);
    EXPECT_EQ(Mini(as, 2), 100000);
    // only the first NbVal entries are read
    const int16_t longue[4] = {6, 8, 1, 13};
    EXPECT_EQ(Maxi(longue, 2), 8);
    EXPECT_EQ(Mini(longue, 2), 6);
}

// ---- Estimates for kept cards ------------------------------------------------------
// Expected totals worked out row by row; the fractions keep their
// denominators so each row can be checked against the tables by hand.

TEST(Estimation, NothingKeptDependsOnlyOnTheSuitsHeld) {
    // two hearts held: 11 hearts unseen, 12 of each other suit
    const MarquesPaquet p = PaquetCowboy({{2, H}, {2, C}, {7, D}, {9, S}, {13, H}});
    const Evaluation ev = Evalue({}, p);
    const double couleur = (11.0 * 10 * 9 * 8 * 7 + 3 * 12.0 * 11 * 10 * 9 * 8) / 184072680;
    EXPECT_NEAR(ev.CategorieMain, 56340 / 91080.0 + 0.004 + couleur, 1e-12);
    EXPECT_NEAR(ev.PoidsMain, 300960 / 91080.0 + 0.424 + 423 * couleur, 1e-12);

    // another hand with the same suit spread scores the same; three hearts
    // and no club: 10 hearts and 13 clubs unseen
    const MarquesPaquet memes = PaquetCowboy({{5, H}, {8, C}, {7, S}, {1, D}, {12, H}});
    EXPECT_DOUBLE_EQ(Evalue({}, memes).CategorieMain, ev.CategorieMain);
    const MarquesPaquet trois = PaquetCowboy({{5, H}, {8, H}, {7, S}, {1, D}, {12, H}});
    const double couleur3 = (10.0 * 9 * 8 * 7 * 6 + 13.0 * 12 * 11 * 10 * 9 + 2 * 12.0 * 11 * 10 * 9 * 8) /
                            184072680;
    EXPECT_NEAR(Evalue({}, trois).CategorieMain, 56340 / 91080.0 + 0.004 + couleur3, 1e-12);
}

TEST(Estimation, OneCardAddsItsHighCardToBothTotals) {
    // the Ace of hearts kept: 3 Aces and 12 hearts unseen
    const MarquesPaquet p = PaquetCowboy({{1, H}, {4, C}, {7, D}, {9, S}, {11, C}});
    const Evaluation as = Evalue({{1, H}}, p);
    EXPECT_NEAR(as.CategorieMain,
                0.1 + (1900800 + 285120 + 168960 + 11880 + 7920) / 4280760.0 + 0.002, 1e-12);
    EXPECT_NEAR(as.PoidsMain,
                0.1 + (1900800 + 9 * 285120 + 19 * 168960 + 423 * 11880 + 424 * 7920) / 4280760.0 +
                    0.002 * 106,
                1e-12);
    // a Seven in the same position: same counts, its own high card and
    // the middle straight chance
    const MarquesPaquet p7 = PaquetCowboy({{7, H}, {4, C}, {1, D}, {9, S}, {11, C}});
    const Evaluation sept = Evalue({{7, H}}, p7);
    EXPECT_NEAR(as.CategorieMain - sept.CategorieMain, 0.1 - 6 / 130.0 + 0.002 - 0.006, 1e-12);
}

TEST(Estimation, KeptPairIsAlreadyMade) {
    // two Fives kept: 2 Fives unseen
    const MarquesPaquet p = PaquetCowboy({{5, H}, {5, C}, {7, D}, {9, S}, {11, C}});
    const Evaluation ev = Evalue({{5, H}, {5, C}}, p);
    // made pair, then two pairs 9*45*41, trips 3*2*45*41, full 45*24 over
    // 97290, and four of a kind 6/2162
    EXPECT_NEAR(ev.CategorieMain, 1 + (16605 + 11070 + 1080) / 97290.0 + 6 / 2162.0, 1e-12);
    EXPECT_NEAR(ev.PoidsMain,
                8 / 130.0 + 1 + (9 * 16605 + 19 * 11070 + 424 * 1080) / 97290.0 + 1410 * 6 / 2162.0,
                1e-12);
}

TEST(Estimation, TwoSuitedCardsCloseEnoughForAStraight) {
    // Nine and Jack of spades: 3 of each unseen, 11 spades unseen
    const MarquesPaquet p = PaquetCowboy({{9, S}, {11, S}, {2, D}, {4, H}, {13, C}});
    const Evaluation ev = Evalue({{9, S}, {11, S}}, p);
    // S = 6: pair 3*37*41*9, two pairs 41*108, trips 3*41*14, flush
    // 11*10*9, full 3*9*4, four 12, all over 97290; straight 0.003
    const double P = (40959 + 4428 + 1722 + 990 + 108 + 12) / 97290.0 + 0.003;
    const double W =
        (40959 + 9 * 4428 + 19 * 1722 + 423 * 990 + 424 * 108 + 1410 * 12) / 97290.0 + 0.318;
    EXPECT_NEAR(ev.CategorieMain, P, 1e-12);
    EXPECT_NEAR(ev.PoidsMain, W + (8 + 10) / 130.0, 1e-12);
    // an Ace with a Nine is too far apart for the straight term
    const MarquesPaquet pa = PaquetCowboy({{9, S}, {1, C}, {2, D}, {4, H}, {13, C}});
    const Evaluation loin = Evalue({{1, C}, {9, S}}, pa);
    EXPECT_NEAR(loin.CategorieMain, (40959 + 4428 + 1722 + 108 + 12) / 97290.0, 1e-12);
}

// Three different values each held once by the opponent, mixed suits: the
// pair, two-pairs and trips rows give 798 + 54 + 18 = 870 (in 2162ths), and
// only the straight row tells the shapes apart.
class TroisCartes : public ::testing::Test {
protected:
    double Suite(std::initializer_list<int16_t> valeurs, std::initializer_list<Carte> autres = {}) {
        MarquesPaquet p;
        p.Vide();
        Evaluation ev;
        int i = 0;
        for (int16_t v : valeurs) {
            const int16_t c = i == 1 ? C : H;
            p(v, c) = MarqueCarte::Cowboy;
            ev.ValEval[i] = v;
            ev.CoulEval[i] = c;
            ++i;
        }
        for (const Carte& a : autres) p(a.valeur, a.couleur) = MarqueCarte::Cowboy;
        EvalueMain(ev, p, 3);
        return ev.CategorieMain - 870 / 2162.0;
    }
};

TEST_F(TroisCartes, StraightTermFollowsTheShapeOfTheValues) {
    EXPECT_NEAR(Suite({4, 5, 6}), 0.02, 1e-12);
    EXPECT_NEAR(Suite({6, 4, 5}), 0.02, 1e-12);
    EXPECT_NEAR(Suite({2, 3, 4}), 0.013, 1e-12);
    EXPECT_NEAR(Suite({11, 12, 13}), 0.013, 1e-12);
    EXPECT_NEAR(Suite({5, 7, 8}), 0.013, 1e-12);
    EXPECT_NEAR(Suite({5, 6, 8}), 0.013, 1e-12);
    EXPECT_NEAR(Suite({5, 7, 9}), 0, 1e-12);
    EXPECT_NEAR(Suite({3, 7, 12}), 0, 1e-12);
    // an Ace with no two values three apart adds nothing
    EXPECT_NEAR(Suite({1, 2, 3}), 0, 1e-12);
    EXPECT_NEAR(Suite({1, 13, 12}), 0, 1e-12);
    EXPECT_NEAR(Suite({1, 11, 10}), 0, 1e-12);
}

TEST_F(TroisCartes, TwoGapShapeCountsTheMissingValuesUnseen) {
    // 5, 6, 9 waits for a Seven and an Eight: 4 Sevens and, with one Eight
    // discarded, 3 Eights unseen
    EXPECT_NEAR(Suite({5, 6, 9}, {{8, S}}), 2 * 4 * 3 / 2162.0, 1e-12);
    EXPECT_NEAR(Suite({9, 5, 6}, {{8, S}}), 2 * 4 * 3 / 2162.0, 1e-12);
    EXPECT_NEAR(Suite({5, 8, 9}, {{7, D}, {7, S}}), 2 * 2 * 4 / 2162.0, 1e-12);
    // the Ace low beside a Two and a Five, high beside a King and a Ten
    EXPECT_NEAR(Suite({1, 2, 5}), 2 * 4 * 4 / 2162.0, 1e-12);
    EXPECT_NEAR(Suite({1, 13, 10}, {{12, D}}), 2 * 3 * 4 / 2162.0, 1e-12);
}

TEST(Estimation, StraightTermWeighsItsChanceTimesTheStraight) {
    MarquesPaquet p = PaquetCowboy({{4, H}, {5, C}, {6, H}});
    const Evaluation ev = Evalue({{4, H}, {5, C}, {6, H}}, p);
    // 798 + 54*9 + 18*19 = 1626 in 2162ths, and 0.02 straight
    EXPECT_NEAR(ev.PoidsMain, (3 + 4 + 5) / 130.0 + 1626 / 2162.0 + 0.02 * 106, 1e-12);
}

TEST(Estimation, ThreeSuitedCardsAddFlushAndStraightFlushChances) {
    // 4, 6, 7 of clubs and two other clubs held: 8 clubs unseen
    const MarquesPaquet p = PaquetCowboy({{4, C}, {6, C}, {7, C}, {10, C}, {12, C}});
    const Evaluation ev = Evalue({{4, C}, {6, C}, {7, C}}, p);
    // 870 (rows as above), 0.013 straight, flush 8*7, straight flush 0.002
    EXPECT_NEAR(ev.CategorieMain, (870 + 56) / 2162.0 + 0.013 + 0.002, 1e-12);
    EXPECT_NEAR(ev.PoidsMain, (3 + 5 + 6) / 130.0 + (1626 + 423 * 56) / 2162.0 + 0.013 * 106 + 84.6,
                1e-12);
    // spread over more than 4: no straight-flush term
    const MarquesPaquet loin = PaquetCowboy({{4, C}, {6, C}, {9, C}, {10, C}, {12, C}});
    EXPECT_NEAR(Evalue({{4, C}, {6, C}, {9, C}}, loin).CategorieMain, (870 + 56) / 2162.0, 1e-12);
}

TEST(Estimation, KeptTripsFourthCardSeenOrNot) {
    // three Nines; the fourth is unseen (1 left) or among the discards (0)
    const MarquesPaquet p = PaquetCowboy({{9, H}, {9, C}, {9, D}, {2, S}, {5, C}});
    const Evaluation un = Evalue({{9, H}, {9, C}, {9, D}}, p);
    // pair 44*9, full 3*44 in 2162ths, made 19, four 2/47
    EXPECT_NEAR(un.CategorieMain, 19 + (396 + 132) / 2162.0 + 2 / 47.0, 1e-12);
    EXPECT_NEAR(un.PoidsMain,
                24 / 130.0 + 19 + (396 + 424 * 132) / 2162.0 + 1410 * 2 / 47.0, 1e-12);

    MarquesPaquet jete = p;
    jete(9, S) = MarqueCarte::Cowboy;
    const Evaluation zero = Evalue({{9, H}, {9, C}, {9, D}}, jete);
    EXPECT_NEAR(zero.CategorieMain, 19 + (141 + 141) / 2162.0, 1e-12);
}

TEST(Estimation, KeptPairWithAThirdCard) {
    // two Queens and a Six: 2 Queens and 3 Sixes unseen
    const MarquesPaquet p = PaquetCowboy({{12, H}, {6, C}, {12, D}, {2, S}, {9, C}});
    const Evaluation ev = Evalue({{12, H}, {6, C}, {12, D}}, p);
    // made 1; two pairs 42*9, trips 42*4, full 6*3 in 2162ths; four 2/2162
    EXPECT_NEAR(ev.CategorieMain, 1 + (378 + 168 + 18 + 2) / 2162.0, 1e-12);
    EXPECT_NEAR(ev.PoidsMain,
                (11 + 5 + 11) / 130.0 + 1 + (9 * 378 + 19 * 168 + 424 * 18 + 1410 * 2) / 2162.0,
                1e-12);

    // a pair of Aces with a Four is a low Ace three below the Four: it waits
    // for a Two and a Three (4 of each unseen), unlike a pair of Aces with a Nine
    const MarquesPaquet a4 = PaquetCowboy({{1, H}, {1, C}, {4, D}, {9, S}, {12, C}});
    const double avecQuatre = Evalue({{1, H}, {1, C}, {4, D}}, a4).CategorieMain;
    const double avecNeuf = Evalue({{1, H}, {1, C}, {9, S}}, a4).CategorieMain;
    EXPECT_NEAR(avecQuatre - avecNeuf, 2 * 4 * 4 / 2162.0, 1e-12);
}

TEST(Estimation, FourCardDraws) {
    // each kept value held once: 3 unseen of each
    const MarquesPaquet p = PaquetCowboy({{5, H}, {6, C}, {7, D}, {8, S}, {9, H}, {1, C}});
    const double bout = 6 / 47.0, interieur = 3 / 47.0;
    EXPECT_NEAR(Evalue({{5, H}, {6, C}, {7, D}, {8, S}}, p).CategorieMain, 12 / 47.0 + bout, 1e-12);
    EXPECT_NEAR(Evalue({{5, H}, {6, C}, {7, D}, {9, H}}, p).CategorieMain, 12 / 47.0 + interieur,
                1e-12);
    const MarquesPaquet pa = PaquetCowboy({{1, H}, {2, C}, {3, D}, {4, S}});
    EXPECT_NEAR(Evalue({{1, H}, {2, C}, {3, D}, {4, S}}, pa).CategorieMain, 12 / 47.0 + interieur,
                1e-12);
    const Evaluation ev = Evalue({{5, H}, {6, C}, {7, D}, {8, S}}, p);
    EXPECT_NEAR(ev.PoidsMain, 22 / 130.0 + 12 / 47.0 + 106 * bout, 1e-12);
}

TEST(Estimation, FourSuitedCardsDrawToFlushAndStraightFlush) {
    // 5-6-7-8 of spades: 9 spades unseen
    const MarquesPaquet p = PaquetCowboy({{5, S}, {6, S}, {7, S}, {8, S}, {13, H}});
    const Evaluation ev = Evalue({{5, S}, {6, S}, {7, S}, {8, S}}, p);
    EXPECT_NEAR(ev.CategorieMain, (12 + 6 + 9 + 1) / 47.0, 1e-12);
    EXPECT_NEAR(ev.PoidsMain, 22 / 130.0 + (12 + 6 * 106 + 9 * 423 + 42300) / 47.0, 1e-12);
    // too spread for a straight: only the flush
    const MarquesPaquet loin = PaquetCowboy({{2, S}, {6, S}, {7, S}, {8, S}, {13, H}});
    EXPECT_NEAR(Evalue({{2, S}, {6, S}, {7, S}, {8, S}}, loin).CategorieMain, (12 + 9) / 47.0, 1e-12);
}

TEST(Estimation, FourCardsWithPairs) {
    // two pairs: made 9 and 1, trips from the pair found last, full from both
    MarquesPaquet p = PaquetCowboy({{13, H}, {13, C}, {4, D}, {4, S}, {9, H}, {13, S}});
    // one King discarded: 1 King and 2 Fours unseen
    const Evaluation rk4 = Evalue({{13, H}, {13, C}, {4, D}, {4, S}}, p);
    EXPECT_NEAR(rk4.CategorieMain, 10 + (2 + 3) / 47.0, 1e-12);
    EXPECT_NEAR(rk4.PoidsMain, 30 / 130.0 + 10 + (19 * 2 + 424 * 3) / 47.0, 1e-12);
    // Fours first: the Kings are the last pair found
    const Evaluation r4k = Evalue({{4, D}, {13, H}, {4, S}, {13, C}}, p);
    EXPECT_NEAR(r4k.CategorieMain, 10 + (1 + 3) / 47.0, 1e-12);

    // one pair: the unpaired values' unseen cards for two pairs
    const MarquesPaquet un = PaquetCowboy({{10, H}, {10, C}, {3, D}, {8, S}, {12, H}});
    EXPECT_NEAR(Evalue({{10, H}, {3, D}, {10, C}, {8, S}}, un).CategorieMain, 1 + (6 + 2) / 47.0,
                1e-12);

    // three of a kind with its last one unseen, and four of a kind
    const MarquesPaquet trois = PaquetCowboy({{6, H}, {6, C}, {6, D}, {11, S}, {2, H}});
    EXPECT_NEAR(Evalue({{6, H}, {6, C}, {11, S}, {6, D}}, trois).CategorieMain, 20 + (3 + 1) / 47.0,
                1e-12);
    const MarquesPaquet quatre = PaquetCowboy({{6, H}, {6, C}, {6, D}, {6, S}, {2, H}});
    const Evaluation carre = Evalue({{6, H}, {6, C}, {6, D}, {6, S}}, quatre);
    EXPECT_NEAR(carre.CategorieMain, 1430, 1e-12);
    EXPECT_NEAR(carre.PoidsMain, 20 / 130.0 + 1430, 1e-12);
}
