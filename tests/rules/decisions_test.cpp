#include "rules/decisions.h"

#include <gtest/gtest.h>

#include "arbre_script.h"
#include "rules/evaluation.h"

namespace {

// Personality of every row unless a row says otherwise: a draw of 30 or less
// bluffs, a draw of 60 or less takes the risk. So 10 passes both tests,
// 40 fails the bluff test but passes the risk test, 70 fails both.

struct Cas {
    const char* quoi;
    double C;
    double MP;
    bool JP;  // the player passed before
    bool CP;  // the opponent opened with a pass
    int MC;   // amount to call
    int M;    // opponent's money
    int pot;
    std::vector<int> r;
    std::vector<bool> g;
    CodeAction attendu;
    bool bluffe;  // CowboyBluffe afterwards
    int bluff = kBluff;
    int risk = kRisk;
};

template <typename Arbre>
void Joue(const std::vector<Cas>& cas, Arbre arbre) {
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(c.quoi) + ", " + Texte(c.r));
        HasardScript script(Tirages(c.r));
        GrossePaireScript g(c.g);
        Decideur d{c.bluff, c.risk, c.M, c.pot, g.Fonction()};
        Mises mises;
        mises.JoueurParole = c.JP;
        mises.CowboyParole = c.CP;
        mises.MiseCourante = static_cast<int16_t>(c.MC);
        EXPECT_EQ(arbre(c, d, mises), c.attendu);
        EXPECT_EQ(mises.CowboyBluffe, c.bluffe);
    }
}

CodeAction Ouverture(const Cas& c, const Decideur& d, Mises& m) { return DecideAvantDraw(c.C, c.MP, d, m); }
CodeAction Reponse(const Cas& c, const Decideur& d, Mises& m) { return DecideAvantDraw2(c.C, c.MP, d, m); }

}  // namespace

TEST(OuvertureAvantDraw, OpponentSpeaksFirstWithNothing) {
    Joue({
        {"weak nothing, bluff on a risk", 0, 5, false, false, 0, 200, 20, {10, 20}, {}, "BE50", true},
        {"weak nothing, bluff without the risk", 0, 5, false, false, 0, 200, 20, {10, 70}, {}, "BE20", true},
        {"weak nothing, no bluff", 0, 5, false, false, 0, 200, 20, {40}, {}, "PA", false},
        {"weak nothing, $100 is not enough to bluff", 0, 5, false, false, 0, 100, 20, {10}, {}, "PA", false},
        {"promising nothing, bluff on a risk", 0, 7, false, false, 0, 200, 20, {10, 20}, {}, "BE50", true},
        {"promising nothing, bluff", 0, 7, false, false, 0, 200, 20, {10, 70}, {}, "BE20", true},
        {"promising nothing, small bet on a risk", 0, 8, false, false, 0, 200, 20, {40, 20}, {}, "BE10", false},
        {"promising nothing, no risk", 0, 8, false, false, 0, 200, 20, {40, 70}, {}, "PA", false},
        {"promising nothing at $100: no risk draw", 0, 8, false, false, 0, 100, 20, {10}, {}, "PA", false},
        {"promising nothing at $100, over the bluff: no risk draw", 0, 8, false, false, 0, 100, 20, {40}, {}, "PA", false},
        {"promising nothing at $101 bluffs", 0, 8, false, false, 0, 101, 20, {10, 20}, {}, "BE50", true},
        {"promising nothing at $101, small bet on a risk", 0, 8, false, false, 0, 101, 20, {40, 20}, {}, "BE10", false},
        {"weight 7 is promising, small bet on a risk", 0, 7, false, false, 0, 200, 20, {40, 20}, {}, "BE10", false},
        {"bluff 0 still bluffs on a 0", 0, 5, false, false, 0, 200, 20, {0, 99}, {}, "BE20", true, 0, 0},
        {"risk 0 still takes a 0", 0, 5, false, false, 0, 200, 20, {0, 0}, {}, "BE50", true, 0, 0},
    }, Ouverture);
}

TEST(OuvertureAvantDraw, OpponentSpeaksFirstWithAPair) {
    Joue({
        {"small pair, bluff", 1, 3, false, false, 0, 200, 20, {10}, {false}, "BE20", true},
        {"small pair, risk", 1, 3, false, false, 0, 200, 20, {40, 20}, {false}, "BE10", false},
        {"small pair, nothing taken", 1, 3, false, false, 0, 200, 20, {40, 70}, {false}, "PA", false},
        {"small pair at $100 does not bluff", 1, 3, false, false, 0, 100, 20, {10, 20}, {false}, "BE10", false},
        {"big pair slow-plays without a bluff flag", 1, 3, false, false, 0, 200, 20, {10}, {true}, "PA", false},
        {"big pair slow-plays at $100 too", 1, 3, false, false, 0, 100, 20, {10}, {true}, "PA", false},
        {"big pair slow-plays short of money", 1, 3, false, false, 0, 50, 20, {30}, {true}, "PA", false},
        {"big pair, same draw under the risk, risk again", 1, 3, false, false, 0, 200, 20, {40, 20}, {true}, "BE50", false},
        {"big pair, same draw under the risk", 1, 3, false, false, 0, 200, 20, {40, 70}, {true}, "BE20", false},
        {"big pair, over the risk, risk", 1, 3, false, false, 0, 200, 20, {70, 20}, {true}, "BE20", false},
        {"big pair, over the risk", 1, 3, false, false, 0, 200, 20, {70, 70}, {true}, "BE10", false},
        // One test classes the pair: short of money a big pair does not
        // take the strong hands' "BE50".
        {"big pair short of money, over the risk", 1, 3, false, false, 0, 99, 20, {70, 70}, {true}, "BE10", false},
    }, Ouverture);
}

TEST(OuvertureAvantDraw, OpponentSpeaksFirstWithTwoPairsOrBetter) {
    Joue({
        {"two pairs slow-play", 9, 20, false, false, 0, 200, 20, {10}, {}, "PA", false},
        {"two pairs short of money", 9, 20, false, false, 0, 99, 20, {40}, {}, "BE50", false},
        {"two pairs at $100, risk", 9, 20, false, false, 0, 100, 20, {40, 20}, {}, "BE50", false},
        {"trips, second risk", 19, 20, false, false, 0, 200, 20, {40, 70, 20}, {}, "BE20", false},
        {"trips, no risk", 19, 20, false, false, 0, 200, 20, {40, 70, 70}, {}, "BE10", false},
        {"straight short of money", 106, 106, false, false, 0, 50, 20, {}, {}, "BE50", false},
        {"flush, risk", 423, 423, false, false, 0, 200, 20, {20}, {}, "BE50", false},
        {"full house, second risk", 424, 424, false, false, 0, 100, 20, {70, 20}, {}, "BE20", false},
        {"straight flush, no risk", 42300, 42300, false, false, 0, 300, 20, {70, 70}, {}, "BE10", false},
    }, Ouverture);
}

TEST(OuvertureAvantDraw, AfterThePlayersPass) {
    Joue({
        {"nothing, bluff on a risk", 0, 5, true, false, 0, 200, 20, {10, 20}, {}, "BE50", true},
        {"nothing, bluff without the risk", 0, 8, true, false, 0, 200, 20, {10, 70}, {}, "BE20", true},
        {"nothing, bluff at $100: no risk draw", 0, 5, true, false, 0, 100, 20, {10}, {}, "BE20", true},
        {"weak nothing passes", 0, 6.9, true, false, 0, 200, 20, {40}, {}, "PA", false},
        {"promising nothing, risk", 0, 7, true, false, 0, 200, 20, {40, 20}, {}, "BE10", false},
        {"promising nothing, no risk", 0, 7, true, false, 0, 200, 20, {40, 70}, {}, "PA", false},
        {"promising nothing at $100", 0, 7, true, false, 0, 100, 20, {40}, {}, "PA", false},
        {"promising nothing at $101, risk", 0, 7, true, false, 0, 101, 20, {40, 20}, {}, "BE10", false},
        {"nothing, bluff at $101 on a risk", 0, 5, true, false, 0, 101, 20, {10, 20}, {}, "BE50", true},
        {"small pair, bluff", 1, 3, true, false, 0, 200, 20, {10}, {false}, "BE20", true},
        {"small pair bluffs at $100 too", 1, 3, true, false, 0, 100, 20, {10}, {false}, "BE20", true},
        {"small pair, risk", 1, 3, true, false, 0, 50, 20, {40, 20}, {false}, "BE20", false},
        {"small pair, no risk", 1, 3, true, false, 0, 200, 20, {40, 70}, {false}, "BE10", false},
        {"big pair, risk", 1, 3, true, false, 0, 200, 20, {20}, {true}, "BE50", false},
        {"big pair, no risk", 1, 3, true, false, 0, 200, 20, {70}, {true}, "BE10", false},
        {"trips, risk", 19, 30, true, false, 0, 200, 20, {60}, {}, "BE50", false},
        {"straight, no risk", 106, 30, true, false, 0, 200, 20, {61}, {}, "BE10", false},
    }, Ouverture);
}

TEST(ReponseAvantDraw, WeakNothingFacingABet) {
    Joue({
        {"bluff raise against 10, risk", 0, 5, false, false, 10, 200, 40, {10, 20}, {}, "RA50", true},
        {"bluff raise against 10", 0, 5, false, false, 10, 200, 40, {10, 70}, {}, "RA20", true},
        {"player passed, bluff against 20, risk", 0, 5, true, false, 20, 200, 40, {10, 20}, {}, "RA50", true},
        {"bluff against 20 needs a risk", 0, 5, false, false, 20, 200, 40, {10, 20}, {}, "RA20", true},
        {"bluff against 20 without risk folds", 0, 5, false, false, 20, 200, 40, {10, 70}, {}, "FO", false},
        {"bluff after own pass folds", 0, 5, false, true, 10, 200, 40, {10, 20}, {}, "FO", false},
        {"against 20 it folds", 0, 5, false, false, 20, 200, 40, {40}, {}, "FO", false},
        {"against 10, risk kept: calls", 0, 5, false, false, 10, 200, 40, {60}, {}, "CA", false},
        {"against 10, risk lost: folds", 0, 5, false, false, 10, 200, 40, {61}, {}, "FO", false},
        {"after own pass it folds", 0, 5, false, true, 10, 200, 40, {40}, {}, "FO", false},
        {"at $100 no bluff: the draw is a risk test", 0, 5, false, false, 10, 100, 40, {10}, {}, "CA", false},
        {"player passed, 50 to call", 0, 5, true, false, 50, 200, 40, {40}, {}, "FO", false},
        {"player passed, 20 to call", 0, 5, true, false, 20, 200, 40, {40}, {}, "CA", false},
        {"player passed, 20 to call, no risk", 0, 5, true, false, 20, 200, 40, {70}, {}, "FO", false},
        {"both passed", 0, 5, true, true, 20, 200, 40, {40}, {}, "FO", false},
    }, Reponse);
}

TEST(ReponseAvantDraw, PromisingNothingFacingABet) {
    Joue({
        {"bluff against 20, risk", 0, 7, false, false, 20, 200, 40, {10, 20}, {}, "RA50", true},
        {"bluff against 10", 0, 7, false, false, 10, 200, 40, {10, 70}, {}, "RA20", true},
        {"bluff against 50", 0, 7, false, false, 50, 200, 40, {10}, {}, "RA20", true},
        {"bluff after own pass", 0, 7, false, true, 10, 200, 40, {10}, {}, "RA20", true},
        {"calls 10", 0, 7, false, false, 10, 200, 40, {40}, {}, "CA", false},
        {"player passed, calls 20", 0, 7, true, false, 20, 200, 40, {40}, {}, "CA", false},
        {"player passed, 50 on a risk", 0, 7, true, false, 50, 200, 40, {40, 20}, {}, "CA", false},
        {"player passed, 50 without risk", 0, 7, true, false, 50, 200, 40, {40, 70}, {}, "FO", false},
        {"after own pass, 10 on a risk", 0, 7, false, true, 10, 200, 40, {40, 20}, {}, "CA", false},
        {"after own pass, 10 without risk", 0, 7, false, true, 10, 50, 40, {10, 70}, {}, "FO", false},
    }, Reponse);
}

TEST(ReponseAvantDraw, PairsFacingABet) {
    Joue({
        {"small pair bluff, risk", 1, 3, false, false, 20, 200, 40, {10, 20}, {false}, "RA50", true},
        {"small pair bluff", 1, 3, false, false, 20, 200, 40, {10, 70}, {false}, "RA20", true},
        {"small pair bluff after own pass", 1, 3, false, true, 20, 200, 40, {10}, {false}, "RA20", true},
        {"small pair calls 10", 1, 3, false, false, 10, 200, 40, {40}, {false}, "CA", false},
        {"small pair, 20 on a risk", 1, 3, false, false, 20, 200, 40, {40, 20}, {false}, "CA", false},
        {"small pair, 20 without risk", 1, 3, false, false, 20, 200, 40, {40, 70}, {false}, "FO", false},
        {"small pair bluffs at $100 too", 1, 3, false, false, 20, 100, 40, {10, 20}, {false}, "RA50", true},
        {"small pair bluffs short of money", 1, 3, false, false, 10, 40, 40, {30, 70}, {false}, "RA20", true},
        {"big pair, small pot, risk twice", 1, 3, false, false, 20, 200, 150, {20, 20}, {true}, "RA50", false},
        {"big pair, small pot, risk once", 1, 3, false, false, 20, 200, 150, {20, 70}, {true}, "RA20", false},
        {"big pair, small pot, second risk", 1, 3, false, false, 20, 200, 150, {70, 20}, {true}, "RA10", false},
        {"big pair, small pot, no risk", 1, 3, false, false, 20, 200, 150, {70, 70}, {true}, "CA", false},
        {"big pair, player passed", 1, 3, true, false, 20, 200, 150, {70, 20}, {true}, "RA50", false},
        {"big pair, own pass", 1, 3, false, true, 20, 200, 150, {70, 70}, {true}, "RA20", false},
        {"big pair, pot over 150", 1, 3, false, false, 20, 200, 151, {}, {true}, "CA", false},
        // A pair never takes the $250 limit of the stronger hands.
        {"big pair, pot 250: calls", 1, 3, false, false, 20, 200, 250, {}, {true}, "CA", false},
    }, Reponse);
}

TEST(ReponseAvantDraw, TwoPairsOrBetterFacingABet) {
    Joue({
        {"two pairs, pot 250, risk twice", 9, 20, false, false, 50, 200, 250, {20, 20}, {}, "RA50", false},
        {"trips, pot 250, second risk", 19, 20, false, false, 10, 200, 250, {70, 20}, {}, "RA10", false},
        {"straight, own pass, no risk", 106, 20, false, true, 10, 200, 100, {70, 70}, {}, "RA20", false},
        {"flush, pot over 250", 423, 20, false, false, 10, 200, 251, {}, {}, "CA", false},
        {"straight flush, pot over 250", 42300, 20, true, true, 50, 200, 900, {}, {}, "CA", false},
    }, Reponse);
}

TEST(ReponseAuCheck, EveryRow) {
    // K, the cards kept at the opponent's draw, rides in the MC column here.
    const auto check = [](const Cas& c, const Decideur& d, Mises& m) {
        m.CowboyBluffe = c.CP;  // the CP column is the bluff already running
        return DecideCheckBet(c.C, c.MC, d, m);
    };
    Joue({
        {"nothing, bluff running", 0, 0, false, true, 0, 200, 0, {}, {}, "BE20", true},
        {"nothing, drew five: no draw", 0, 0, false, false, 0, 200, 0, {}, {}, "CH", false},
        {"nothing, drew four: no draw", 0, 0, false, false, 1, 200, 0, {}, {}, "CH", false},
        {"nothing, kept two, bluff", 0, 0, false, false, 2, 200, 0, {30}, {}, "BE20", true},
        {"nothing, kept three, no bluff", 0, 0, false, false, 3, 200, 0, {31}, {}, "CH", false},
        {"pair, bluff running, big", 1, 0, false, true, 0, 200, 0, {}, {true}, "BE10", true},
        {"pair, bluff running, small", 1, 0, false, true, 5, 200, 0, {}, {false}, "BE20", true},
        {"pair kept two, big", 1, 0, false, false, 2, 200, 0, {}, {true}, "BE10", false},
        {"pair kept three, small, risk", 1, 0, false, false, 3, 200, 0, {20}, {false}, "BE10", false},
        {"pair kept three, small, checks back", 1, 0, false, false, 3, 200, 0, {70}, {false}, "CH", false},
        {"pair drew four, small", 1, 0, false, false, 1, 200, 0, {}, {false}, "BE10", false},
        {"pair drew four, big, risk", 1, 0, false, false, 1, 200, 0, {20}, {true}, "BE20", false},
        {"pair drew five, big, no risk", 1, 0, false, false, 0, 200, 0, {70}, {true}, "BE10", false},
        {"two pairs, bluff running", 9, 0, false, true, 0, 200, 0, {}, {}, "BE10", true},
        {"trips kept three", 19, 0, false, false, 3, 200, 0, {}, {}, "BE10", false},
        {"straight drew four, risk", 106, 0, false, false, 1, 200, 0, {20}, {}, "BE20", false},
        {"full house drew five, no risk", 424, 0, false, false, 0, 200, 0, {70}, {}, "BE10", false},
    }, check);
}

namespace {

constexpr std::size_t kTiragesChoix = 64;

}  // namespace

TEST(ActionsAvantDraw, BigPairOpensAfterItsKeepChoice) {
    // Queens: a big pair whatever the draw of the big-pair test.
    Etat etat = TableAvecCartes({Carte{12, 1}, Carte{12, 2}, Carte{9, 3}, Carte{7, 4}, Carte{4, 1}});
    HasardScript script;
    script.Ajoute(0.5, kTiragesChoix);
    script.AjouteR(70);  // big-pair test: no medium allowance, Queens count
    script.AjouteR(40);  // over the bluff, under the risk
    script.AjouteR(20);  // risk
    EXPECT_EQ(ActionCowboyAvantDraw(etat, Argent{200, 200, 20}), "BE50");
    EXPECT_FALSE(etat.mises.CowboyBluffe);
    EXPECT_EQ(etat.eval.CategorieMain, 1);
}

// Jacks at Risk 40: a first big-pair test that allows them, then a draw of
// 70 where a second test would have called them small. One test classes
// the pair, so the 70 is the pair's own draw and the pair branches decide.
TEST(ActionsAvantDraw, OneBigPairTestClassesThePair) {
    const Main jacks{Carte{11, 1}, Carte{11, 2}, Carte{9, 3}, Carte{7, 4}, Carte{4, 1}};
    const auto table = [&jacks] {
        Etat etat = TableAvecCartes(jacks);
        etat.reglages.Risk = 40;
        return etat;
    };
    {
        SCOPED_TRACE("opening: a big pair over the bluff and the risk bets 10");
        Etat etat = table();
        HasardScript script;
        script.Ajoute(0.5, kTiragesChoix);
        script.Ajoute({R(20), R(90)});  // big-pair test: Jacks count
        script.AjouteR(70);             // over the bluff and the risk
        script.AjouteR(70);             // no risk
        EXPECT_EQ(ActionCowboyAvantDraw(etat, Argent{200, 200, 20}), "BE10");
        EXPECT_FALSE(etat.mises.CowboyBluffe);
    }
    {
        SCOPED_TRACE("answer: a big pair with $200 in the pot calls without a draw");
        Etat etat = table();
        etat.mises.MiseCourante = 20;
        HasardScript script;
        script.Ajoute(0.5, kTiragesChoix);
        script.Ajoute({R(40), R(90)});  // big-pair test: Jacks count, 40 <= Risk
        EXPECT_EQ(ActionCowboyAvantDraw2(etat, Argent{200, 200, 200}), "CA");
    }
}

TEST(ActionsAvantDraw, PairOfJacksAnswersABet) {
    const Main jacks{Carte{11, 1}, Carte{11, 2}, Carte{9, 3}, Carte{7, 4}, Carte{4, 1}};
    {
        SCOPED_TRACE("Jacks without the medium allowance: a small pair that bluffs");
        Etat etat = TableAvecCartes(jacks);
        etat.mises.MiseCourante = 20;
        HasardScript script;
        script.Ajoute(0.5, kTiragesChoix);
        script.AjouteR(70);  // big-pair test fails
        script.AjouteR(10);  // bluff
        script.AjouteR(20);  // risk
        EXPECT_EQ(ActionCowboyAvantDraw2(etat, Argent{200, 200, 60}), "RA50");
        EXPECT_TRUE(etat.mises.CowboyBluffe);
    }
    {
        SCOPED_TRACE("Jacks with the allowance: a big pair that calls");
        Etat etat = TableAvecCartes(jacks);
        etat.mises.MiseCourante = 20;
        HasardScript script;
        script.Ajoute(0.5, kTiragesChoix);
        script.Ajoute({R(20), R(90)});  // big-pair test: Jacks count
        script.AjouteR(70);             // over the risk, no pass before
        script.AjouteR(70);             // no risk
        EXPECT_EQ(ActionCowboyAvantDraw2(etat, Argent{200, 200, 60}), "CA");
        EXPECT_FALSE(etat.mises.CowboyBluffe);
    }
}

TEST(ActionsAvantDraw, CheckAnsweredFromTheHandAfterTheDraw) {
    Etat etat = TableAvecCartes({Carte{13, 1}, Carte{13, 2}, Carte{9, 3}, Carte{7, 4}, Carte{4, 1}});
    etat.donne.GardeCowboy = "123";
    HasardScript script{R(70)};  // Kings are big whatever the draw
    EXPECT_EQ(ActionCowboyCheckBet(etat, Argent{200, 200, 60}), "BE10");
    EXPECT_EQ(etat.eval.CategorieMain, 1);
}
