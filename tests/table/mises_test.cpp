// The player's bets and raises with the opponent's answers, the call, the
// fold and the three meanings of Pass.
#include <algorithm>
#include <random>

#include "table_outils.h"

namespace {

using Mises_ = TableDeJeu;
using B = BoutonTable;

TEST_F(Mises_, BetOfTwentyCalledThenTheDrawIsOffered) {
    // A pair of Aces with no taste for risk calls a small bet.
    DonneAvec(400, 400, true, mains::PaireAs, mains::RienJoueur);
    HasardSuite s;
    Clique(B::Bill20);
    EXPECT_EQ(Bulle(), "I call");
    EXPECT_EQ(A().player, 370);
    EXPECT_EQ(A().cowboy, 370);
    EXPECT_EQ(A().pot, 60);
    EXPECT_EQ(f.Pot[1].Texte(), "$60");
    EXPECT_EQ(M().MiseCourante, 0);
    EXPECT_FALSE(M().ApresDraw) << "the opponent draws after the player";
    EXPECT_EQ(Offerts(), std::set{B::Draw});
    EXPECT_EQ(CartesCliquables().size(), 5u);
    EXPECT_FALSE(f.Bobble->isVisible());
    EXPECT_TRUE(f.EstActive());
}

TEST_F(Mises_, RaiseWithTheFiftyPlatePaysCallAndRaiseInOnePayment) {
    // The opponent bluffs "BE20" with nothing, then re-raises $20.
    choix.bluff = 100;
    DonneAvec(400, 400, false, mains::Rien, mains::RienJoueur);
    ASSERT_EQ(M().MiseCourante, 20);
    ASSERT_TRUE(f.BtnRaise->isVisible());
    // One payment of 70 (the timeline of a raise shows its bills).
    HasardSuite s;
    Clique(B::Bill50);
    EXPECT_EQ(A().player, 320);
    EXPECT_EQ(Bulle(), "I raise $20");
    // The opponent called 50 and raised 20.
    EXPECT_EQ(A().cowboy, 370 - 70);
    EXPECT_EQ(M().MiseCourante, 20);
    EXPECT_EQ(A().pot, 20 + 20 + 70 + 70);
    // And the player faces the raise: Call, Fold and the plates.
    EXPECT_EQ(Offerts(), (std::set{B::Call, B::Fold, B::Bill50, B::Bill20, B::Bill10}));
}

TEST_F(Mises_, RaiseSteppedDownToWhatBothCanPay) {
    // Aces and every risk: "RA50" to any bet while the pot is small.
    choix.risk = 100;
    struct Cas {
        int player, cowboy;  // before the ante
        const char* phrase;
        int paye;         // the opponent's payment
        int miseApres;
        std::set<B> offerts;
    } cas[] = {
        {410, 410, "I raise $50", 70, 50, {B::Call, B::Fold, B::Bill50, B::Bill20, B::Bill10}},
        // The opponent holds $60 after the bet: 20 + 50 > 60, 20 + 20 fits.
        // Left with $20, it could not meet a raise of 50.
        {130, 70, "I raise $20", 40, 20, {B::Call, B::Fold, B::Bill20, B::Bill10}},
        // The player holds $0 after the bet: nothing left to raise.
        {30, 400, "I call", 20, 0, {B::Draw}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.phrase);
        DonneAvec(c.player, c.cowboy, true, mains::PaireAs, mains::RienJoueur);
        HasardSuite s;
        Clique(B::Bill20);
        EXPECT_EQ(Bulle(), c.phrase);
        EXPECT_EQ(A().cowboy, c.cowboy - 10 - c.paye);
        EXPECT_EQ(M().MiseCourante, c.miseApres);
        EXPECT_EQ(Offerts(), c.offerts);
        EXPECT_EQ(Somme(), c.player + c.cowboy);
    }
}

TEST_F(Mises_, UnlimitedRaisesUntilACall) {
    choix.risk = 100;
    DonneAvec(500, 500, true, mains::PaireAs, mains::RienJoueur);
    HasardSuite s;
    int relances = 0;
    // The pot grows past 150: the Aces stop raising and call.
    while (Offerts().count(B::Bill10) && relances < 10) {
        Clique(B::Bill10);
        ++relances;
        EXPECT_EQ(Somme(), 1000);
    }
    EXPECT_GE(relances, 2);
    EXPECT_EQ(Bulle(), "I call");
    EXPECT_EQ(Offerts(), std::set{B::Draw});
}

TEST_F(Mises_, FoldGivesThePotToTheOpponentWithItsRemark) {
    choix.bluff = 100;
    const struct {
        int16_t perso;
        bool francais;
        const char* remarque;
    } cas[] = {
        {PersoCowboyCowboy, false, "Yeahhh..."}, {PersoCowboyMexicain, false, "Bueno..."},
        {PersoCowboyFille, false, "Hi hi !"},    {PersoCowboyFille, true, "Hi hi !"},
        {PersoCowboyCowboy, true, "Yeahhh..."},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.remarque);
        choix.perso = c.perso;
        E().reglages.LangueChoisie = c.francais ? "FR" : "UK";
        DonneAvec(300, 300, false, mains::Rien, mains::RienJoueur);
        ASSERT_EQ(M().MiseCourante, 20);
        const int coups = E().partie.NbCoups;
        HasardSuite s;
        // When it is said (before the pot moves) is the timeline's.
        const auto dits = ParolesDe(B::Fold);
        ASSERT_FALSE(dits.empty());
        EXPECT_EQ(dits.front(), c.remarque);
        // The opponent's pile took the pot; the next hand is dealt.
        EXPECT_EQ(E().partie.NbCoups, coups + 1);
        EXPECT_EQ(Somme(), 600);
    }
}

TEST_F(Mises_, FoldNeverEndsTheGame) {
    // The opponent bets its last money on four tens; the player folds.
    DonneAvec(400, 60, false, mains::Carre, mains::RienJoueur);
    ASSERT_EQ(M().MiseCourante, 50);
    ASSERT_EQ(A().cowboy, 0);
    HasardSuite s;
    Clique(B::Fold);
    // The pot of 70 went to the opponent, and a new hand took the antes.
    EXPECT_EQ(A().cowboy, 60);
    EXPECT_EQ(A().player, 380);
    EXPECT_EQ(A().pot, 20);
    EXPECT_FALSE(Offerts().empty());
}

TEST_F(Mises_, OpponentFoldsToTheBetAndThePlayerTakesThePot) {
    // Nothing in hand, no bluff: a bet of 50 is always folded to.
    DonneAvec(400, 400, true, mains::Rien, mains::RienJoueur);
    const int coups = E().partie.NbCoups;
    HasardSuite s;
    const auto dites = ParolesDe(B::Bill50);
    ASSERT_FALSE(dites.empty());
    EXPECT_EQ(dites[0], "I fold");
    EXPECT_EQ(E().partie.NbCoups, coups + 1);
    // 390 - 50 + 70 (the pot), then the next ante.
    EXPECT_EQ(A().player, 400);
    EXPECT_EQ(A().cowboy, 380);
    EXPECT_EQ(A().pot, 20);
}

TEST_F(Mises_, SecondTurnAnswerToTheBet) {
    struct Cas {
        const char* quoi;
        Main cowboy;
        MotifGarde garde;
        int16_t bluff, risk;
        std::vector<std::string> reponses;  // the sentences it may say
    } cas[] = {
        // Nothing and fewer than two cards kept: always folds.
        {"nothing, kept none", mains::Rien, "", 100, 100, {"I fold"}},
        {"nothing, kept one", mains::Rien, "3", 100, 100, {"I fold"}},
        // A straight never folds, whatever its taste for risk.
        {"straight", mains::Suite, "12345", 100, -1, {"I call"}},
        {"straight, risky", mains::Suite, "12345", -1, 100, {"I raise $50"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        choix.bluff = c.bluff;
        choix.risk = c.risk;
        // The layout of the player's opening is the same at both turns.
        DonneAvec(400, 400, true, c.cowboy, mains::RienJoueur);
        M().ApresDraw = true;
        E().donne.GardeCowboy = c.garde;
        E().donne.NbCartesChangees = 2;
        const int coups = E().partie.NbCoups;
        HasardSuite s;
        RepondOK ok;
        const auto dites = ParolesDe(B::Bill10);
        ASSERT_FALSE(dites.empty());
        const std::string reponse = dites[0];
        EXPECT_NE(std::find(c.reponses.begin(), c.reponses.end(), reponse), c.reponses.end())
            << reponse;
        if (reponse == "I fold") {
            // The pot to the player, and the next hand without a showdown.
            EXPECT_EQ(ok.Attentes(), 0);
            EXPECT_EQ(E().partie.NbCoups, coups + 1);
        } else if (reponse == "I call") {
            // A call after the draw goes straight to the showdown.
            EXPECT_EQ(ok.Attentes(), 1);
        } else {
            EXPECT_EQ(Offerts(), (std::set{B::Call, B::Fold, B::Bill50, B::Bill20, B::Bill10}));
        }
        EXPECT_EQ(Somme(), 800);
    }
}

TEST_F(Mises_, StraightNeverFoldsAfterTheDraw) {
    // Whatever its tastes, what it kept and the player's draw.
    std::mt19937 g(3);
    for (int essai = 0; essai < 12; ++essai) {
        choix.bluff = int(g() % 101);
        choix.risk = int16_t(g() % 101);
        DonneAvec(400, 400, true, mains::Suite, mains::RienJoueur);
        M().ApresDraw = true;
        E().donne.GardeCowboy = essai % 2 ? "12345" : "1";
        E().donne.NbCartesChangees = int16_t(g() % 6);
        HasardSuite s({}, essai);
        RepondOK ok;
        const auto dites = ParolesDe(essai % 3 == 0 ? B::Bill50 : B::Bill10);
        ASSERT_FALSE(dites.empty());
        EXPECT_NE(dites[0], "I fold") << essai;
    }
}

// ---- Pass and check.

TEST_F(Mises_, PassAfterTheOpponentsPassDealsAgainOverThePot) {
    // Nothing in hand, no bluff, no risk: the opponent opens with a pass.
    DonneAvec(400, 400, false, mains::Rien, mains::RienJoueur);
    ASSERT_EQ(Bulle(), "I pass");
    ASSERT_TRUE(M().CowboyParole);
    // What shows meanwhile is the timeline's (no sentence, one turn).
    HasardSuite s;
    Clique(B::Pass);
    EXPECT_EQ(A().pot, 40);
    EXPECT_FALSE(M().JoueurParole) << "set only by the pass of branch B, and reset by the deal";
    EXPECT_EQ(M().ParleEnPremier, 1);
}

TEST_F(Mises_, PlayersPassAnsweredByAPassOrABet) {
    struct Cas {
        const char* quoi;
        int16_t bluff, risk;
        int player;  // before the ante
        bool francais;
        const char* phrase;
        int mise;
    } cas[] = {
        {"both pass", -1, -1, 400, false, "I pass too", 0},
        {"both pass, French", -1, -1, 400, true, "Parole aussi", 0},
        // A bluff of 50 stepped down by the player's money.
        {"bluff of 50", 100, 100, 400, false, "I bet $50", 50},
        {"bluff against $40", 100, 100, 50, false, "I bet $20", 20},
        {"bluff against $40, French", 100, 100, 50, true, "Je mise $20", 20},
        {"bluff against $10", 100, 100, 20, false, "I bet $10", 10},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        choix.bluff = c.bluff;
        choix.risk = c.risk;
        E().reglages.LangueChoisie = c.francais ? "FR" : "UK";
        DonneAvec(c.player, 400, true, mains::Rien, mains::RienJoueur);
        const int coups = E().partie.NbCoups;
        HasardSuite s;
        const auto dites = ParolesDe(B::Pass);
        ASSERT_FALSE(dites.empty());
        EXPECT_EQ(dites[0], c.phrase);
        if (c.mise == 0) {
            EXPECT_EQ(E().partie.NbCoups, coups + 1);
            EXPECT_EQ(A().pot, 40);
        } else {
            EXPECT_TRUE(M().JoueurParole);
            EXPECT_EQ(M().MiseCourante, c.mise);
            EXPECT_EQ(A().cowboy, 390 - c.mise);
            EXPECT_EQ(A().pot, 20 + c.mise);
            EXPECT_TRUE(Offerts().count(B::Call));
            EXPECT_TRUE(Offerts().count(B::Fold));
            EXPECT_FALSE(Offerts().count(B::Pass));
            EXPECT_TRUE(f.BtnRaise->isVisible());
        }
    }
}

TEST_F(Mises_, OpponentsBetOfTwentyLeavingItTenCoversTheBigPlates) {
    choix.bluff = 100;
    choix.risk = -1;
    DonneAvec(400, 40, true, mains::Rien, mains::RienJoueur);
    HasardSuite s;
    Clique(B::Pass);
    ASSERT_EQ(Bulle(), "I bet $20");
    EXPECT_EQ(A().cowboy, 10);
    EXPECT_EQ(Offerts(), (std::set{B::Call, B::Fold, B::Bill10}));
}

TEST_F(Mises_, PassIsACheckBeforeTheDrawWhenSomeoneHasNothingLeft) {
    // The player's ante was the last $10, and the player opens.
    choix.bluff = 100;
    choix.risk = 100;
    DonneAvec(10, 400, true, mains::Carre, mains::RienJoueur);
    ASSERT_EQ(Offerts(), std::set{B::Pass});
    std::string phrase;
    RepondOK ok([&](Form1&) { phrase = Bulle(); });
    HasardSuite s;
    Clique(B::Pass);
    // Any bet comes down to a check, and the showdown follows at once.
    EXPECT_EQ(ok.Attentes(), 1);
    EXPECT_EQ(phrase, "I win");
    EXPECT_FALSE(M().JoueurParole);
    // The four tens took the pot: the game is over.
    EXPECT_EQ(A().player, 0);
    EXPECT_EQ(Bulle(), "I win the game !");
    EXPECT_TRUE(Offerts().empty());
}

}  // namespace
