// The money captions, the two bill piles and the pot heap: where each bill
// lands, in which order the draws come, and what the captions read.
#include <vector>

#include "common/hasard.h"
#include "table_dessin.h"

namespace {

// Player's pile window at (15, 136): base x 27 - 15 = 12, base line
// 394 - 136 = 258. Opponent's at (108, 50): base x 16, base line 226.
constexpr int kBaseXPlayer = 12, kBaseYPlayer = 258;
constexpr int kBaseXCowboy = 16, kBaseYCowboy = 226;

struct Piles : TableDessin {
    Scene& scene = EtatDuJeu().scene;
    Argent& argent = EtatDuJeu().argent;
    Picture& pile = *form.PileBilletsPlayer;
    Picture& pot = *form.FenetrePot;

    Piles() {
        form.RecopieTable(pile);
        form.RecopieTable(*form.PileBilletsCowboy);
    }
    // The player's pile as it must look: the table, then the bills of the
    // levels given, each at its stored x.
    QImage PilePlayer(const std::vector<int>& niveaux) const {
        QImage img = SousTable(pile);
        for (int i : niveaux) Sprite(img, "BillPlayer", scene.PilesXPlayer[i], kBaseYPlayer - i / 5);
        return img;
    }
    static std::vector<int> Niveaux(int de, int a) {
        std::vector<int> v;
        for (int i = de; i <= a; i += 10) v.push_back(i);
        return v;
    }
};

TEST_F(Piles, CaptionsShowTheThreeAmountsOnBothLabels) {
    argent = {.cowboy = 370, .player = 0, .pot = -20};
    form.MontreArgent();
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(form.PlayerMoney[i].Texte(), "$0");
        EXPECT_EQ(form.CowboyMoney[i].Texte(), "$370");
        EXPECT_EQ(form.Pot[i].Texte(), "$-20");
    }
}

TEST_F(Piles, BuiltFromTheBaseOneSwayStepPerLevelPlayerFirst) {
    argent.player = 30;
    argent.cowboy = 10;
    EtatDuJeu().mises.NouvellePartie = true;
    {
        HasardScript h;
        for (int pas : {+1, 0, -1}) Balance(h, pas);  // the player's levels 10, 20, 30
        Balance(h, -1);                              // the opponent's level 10
        form.ConstruitPiles();
    }
    EXPECT_EQ(scene.PilesXPlayer[10], kBaseXPlayer + 1);
    EXPECT_EQ(scene.PilesXPlayer[20], kBaseXPlayer + 1);
    EXPECT_EQ(scene.PilesXPlayer[30], kBaseXPlayer);
    EXPECT_EQ(scene.PilesXCowboy[10], kBaseXCowboy - 1);
    EXPECT_EQ(scene.ArgentPlayer, 30);
    EXPECT_EQ(scene.ArgentCowboy, 10);
    EXPECT_EQ(pile.Surface(), PilePlayer({10, 20, 30}));
    QImage cowboy = SousTable(*form.PileBilletsCowboy);
    Sprite(cowboy, "BillCowboy", kBaseXCowboy - 1, kBaseYCowboy - 2);
    EXPECT_EQ(form.PileBilletsCowboy->Surface(), cowboy);
    EXPECT_TRUE(EtatDuJeu().mises.NouvellePartie) << "the flow clears it, not the piles";
}

TEST_F(Piles, PaymentOfTheWholeAmountTakesOneBillPerStepAndEndsAtZero) {
    argent.player = 40;
    {
        HasardScript h;
        for (int pas : {+1, 0, -1, +1}) Balance(h, pas);
        form.ConstruitPiles();
    }
    ASSERT_EQ(pile.Surface(), PilePlayer({10, 20, 30, 40}));

    // Watch the pile between the steps.
    EtatDuJeu().reglages.DelayBill = 1;
    Espion espion(pile);
    form.AffBilletsPlayer(40, "-");

    const std::vector<QImage> attendus{PilePlayer({10, 20, 30}), PilePlayer({10, 20}),
                                       PilePlayer({10}), PilePlayer({})};
    EXPECT_EQ(espion.vus, attendus);
    EXPECT_EQ(pile.Surface(), PilePlayer({}));
    EXPECT_EQ(form.PlayerMoney[0].Texte(), "$0");
    EXPECT_EQ(form.PlayerMoney[1].Texte(), "$0");
    EXPECT_EQ(argent.player, 0);
    EXPECT_EQ(scene.ArgentPlayer, 40);
    EXPECT_TRUE(pile.Visible());
}

TEST_F(Piles, GainFromZeroEmptiesThePotAndStartsAtTheBase) {
    scene.PilesXPlayer[0] = scene.PilesXPlayer[10] = 40;  // left from an earlier game
    pot.Show();
    pot.Surface().fill(Qt::red);
    {
        HasardScript h;
        Balance(h, +1);
        Balance(h, -1);
        form.AffBilletsPlayer(20, "+");
    }
    EXPECT_EQ(pot.Surface(), SousTable(pot));
    EXPECT_TRUE(pot.Visible());
    EXPECT_EQ(scene.PilesXPlayer[0], kBaseXPlayer);
    EXPECT_EQ(scene.PilesXPlayer[10], kBaseXPlayer + 1);
    EXPECT_EQ(scene.PilesXPlayer[20], kBaseXPlayer);
    EXPECT_EQ(pile.Surface(), PilePlayer({10, 20}));
    EXPECT_EQ(form.PlayerMoney[1].Texte(), "$20");
    EXPECT_EQ(argent.player, 20);
}

TEST_F(Piles, GainOnAPileAddsOnTopAndTheNextPaymentPutsTheBottomBillAtTheBase) {
    argent.player = 300;
    for (int i = 0; i <= 300; i += 10) scene.PilesXPlayer[i] = static_cast<int16_t>(4 + i % 7);
    const QImage avant = PilePlayer(Niveaux(10, 300));
    pile.Surface() = avant;
    pot.Surface().fill(Qt::red);
    {
        HasardScript h;
        Balance(h, -1);
        Balance(h, -1);
        form.AffBilletsPlayer(20, "+");
    }
    EXPECT_EQ(pot.Surface(), SousTable(pot));
    EXPECT_EQ(scene.PilesXPlayer[310], scene.PilesXPlayer[300] - 1);
    EXPECT_EQ(scene.PilesXPlayer[320], scene.PilesXPlayer[300] - 2);
    // Drawn over the pile as it was: the bottom bill has not moved yet.
    QImage apres = avant;
    Sprite(apres, "BillPlayer", scene.PilesXPlayer[310], kBaseYPlayer - 62);
    Sprite(apres, "BillPlayer", scene.PilesXPlayer[320], kBaseYPlayer - 64);
    EXPECT_EQ(pile.Surface(), apres);
    EXPECT_EQ(form.PlayerMoney[0].Texte(), "$320");
    ASSERT_EQ(scene.PilesXPlayer[10], kBaseXPlayer);

    form.AffBilletsPlayer(10, "-");
    EXPECT_EQ(pile.Surface(), PilePlayer(Niveaux(10, 310)));
    EXPECT_EQ(form.PlayerMoney[0].Texte(), "$310");
}

TEST_F(Piles, PaymentRedrawsOverWhateverElseWasDrawnIntoThePileOrTheTable) {
    argent.player = 100;
    {
        HasardScript h;
        for (int i = 0; i < 10; ++i) Balance(h, i % 3 - 1);
        form.ConstruitPiles();
    }
    pile.Surface().fill(Qt::red);
    form.AffBilletsPlayer(10, "-");
    EXPECT_EQ(pile.Surface(), PilePlayer(Niveaux(10, 90)));

    // A new table under the pile: the next payment shows it.
    EtatDuJeu().partie.PersoCowboy = 2;
    form.Table->Surface().fill(Qt::blue);
    form.AffBilletsPlayer(20, "-");
    EXPECT_EQ(pile.Surface(), PilePlayer(Niveaux(10, 70)));

    // A level's x changed by someone else: that bill moves at the next redraw.
    scene.PilesXPlayer[30] = 2;
    form.AffBilletsPlayer(10, "-");
    EXPECT_EQ(pile.Surface(), PilePlayer(Niveaux(10, 60)));
}

TEST_F(Piles, AmountBelowTenChangesTheCaptionOnly) {
    argent.player = 300;
    const QImage avant = pile.Surface();
    HasardScript h;  // no draw
    form.AffBilletsPlayer(5, "-");
    EXPECT_EQ(form.PlayerMoney[0].Texte(), "$295");
    EXPECT_EQ(pile.Surface(), avant);
    pot.Surface().fill(Qt::red);
    form.AffBilletsPlayer(5, "+");
    EXPECT_EQ(form.PlayerMoney[1].Texte(), "$300");
    EXPECT_EQ(pile.Surface(), avant);
    EXPECT_EQ(pot.Surface(), SousTable(pot)) << "a gain still takes the pot";
}

TEST_F(Piles, OpponentsPileUsesItsOwnWindowBaseAndCaption) {
    argent.player = 200;
    form.MontreArgent();
    Picture& cowboy = *form.PileBilletsCowboy;
    {
        HasardScript h;
        Balance(h, +1);
        form.AffBilletsCowboy(10, "+");
    }
    EXPECT_EQ(scene.PilesXCowboy[0], kBaseXCowboy);
    EXPECT_EQ(scene.PilesXCowboy[10], kBaseXCowboy + 1);
    QImage attendu = SousTable(cowboy);
    Sprite(attendu, "BillCowboy", kBaseXCowboy + 1, kBaseYCowboy - 2);
    EXPECT_EQ(cowboy.Surface(), attendu);
    EXPECT_EQ(form.CowboyMoney[1].Texte(), "$10");
    EXPECT_EQ(form.PlayerMoney[0].Texte(), "$200");
    EXPECT_EQ(scene.PilesXPlayer[10], 0);

    form.AffBilletsCowboy(10, "-");
    EXPECT_EQ(cowboy.Surface(), SousTable(cowboy));
    EXPECT_EQ(form.CowboyMoney[0].Texte(), "$0");
    EXPECT_EQ(scene.ArgentCowboy, 10);
}

TEST_F(Piles, LevelsPastTheArraysAreNeitherWrittenNorDrawn) {
    // Built at $1200: only the levels up to 1000 take a sway step.
    argent.player = 1200;
    {
        HasardScript h;
        for (int i = 10; i <= 1000; i += 10) Balance(h, i % 20 ? +1 : -1);
        form.ConstruitPiles();
    }
    EXPECT_EQ(pile.Surface(), PilePlayer(Niveaux(10, 1000)));
    // Paying 250 from 1200: the top of the pile only comes down past 1000.
    form.AffBilletsPlayer(250, "-");
    EXPECT_EQ(pile.Surface(), PilePlayer(Niveaux(10, 950)));
    EXPECT_EQ(form.PlayerMoney[0].Texte(), "$950");

    // A gain that goes past 1000 draws up to 1000 and writes the caption right.
    argent.player = 990;
    {
        HasardScript h;
        Balance(h, +1);  // level 1000 only
        form.AffBilletsPlayer(50, "+");
    }
    EXPECT_EQ(form.PlayerMoney[0].Texte(), "$1040");

    // Paying more than the pile holds leaves it empty.
    argent.player = 20;
    form.AffBilletsPlayer(50, "-");
    EXPECT_EQ(form.PlayerMoney[0].Texte(), "$-30");
    EXPECT_EQ(pile.Surface(), PilePlayer({}));
    // A gain from below zero starts from the base; no level under 0 is used.
    {
        HasardScript h;
        Balance(h, +1);  // level 0
        Balance(h, +1);  // level 10
        form.AffBilletsPlayer(40, "+");
    }
    EXPECT_EQ(scene.PilesXPlayer[0], kBaseXPlayer + 1);
    EXPECT_EQ(scene.PilesXPlayer[10], kBaseXPlayer + 2);
    EXPECT_EQ(form.PlayerMoney[0].Texte(), "$10");
}

// Any run of payments and gains leaves the pile as the plain rule draws it:
// after a payment, the table and the bills up to the new amount at their
// stored x; after a gain, the new bills over what was there.
TEST_F(Piles, AnyRunOfPaymentsAndGainsMatchesThePlainRule) {
    HasardHorloge graine(20240611);
    InstalleHasard(&graine);
    argent.player = 300;
    argent.cowboy = 0;
    form.ConstruitPiles();
    QImage attendu = PilePlayer(Niveaux(10, 300));
    ASSERT_EQ(pile.Surface(), attendu);
    const int montants[] = {10, 20, 50, 5, 30, 70, 100, 200, 0};
    for (int tour = 0; tour < 300; ++tour) {
        const int montant = montants[Tirage(9)];
        const int ancien = argent.player;
        if (Tirage(2) == 0 && ancien > -40) {
            form.AffBilletsPlayer(montant, "-");
            // Below $10 no step is taken, so nothing is redrawn.
            if (montant >= 10) attendu = PilePlayer(Niveaux(10, std::min(ancien - montant, 1000)));
        } else if (ancien < 1100) {
            form.AffBilletsPlayer(montant, "+");
            for (int i = ancien + 10; i <= std::min(ancien + montant, 1000); i += 10)
                if (i >= 0) Sprite(attendu, "BillPlayer", scene.PilesXPlayer[i], kBaseYPlayer - i / 5);
        }
        ASSERT_EQ(pile.Surface(), attendu) << "turn " << tour << " from " << ancien;
        ASSERT_EQ(scene.ArgentPlayer, ancien);
    }
    InstalleHasard(nullptr);
}

// The pot heap.
struct Pot : TableDessin {
    Picture& pot = *form.FenetrePot;
    Pot() { form.RecopieTable(pot); }
};

TEST_F(Pot, OneBillDrawsPictureStepsPlaceThenTwoPerBill) {
    HasardScript h{ValeurPour(2, 4),     // t = 3: Bill3, 38 x 49
                   ValeurPour(3, 10),    // PasX = 8
                   ValeurPour(0, 4),     // PasY = 4 (k <= 5: 4..7)
                   ValeurPour(100, 222), // free width 268 - 38 - 8 = 222
                   ValeurPour(7, 16),    // free height 69 - 49 - 4 = 16
                   0.5, 0.5};
    const QImage avant = pot.Surface();
    form.AddBilletsPot(1);
    QImage attendu = avant;
    Sprite(attendu, "Bill3", 100, 7);
    EXPECT_EQ(pot.Surface(), attendu);
}

TEST_F(Pot, TenBillsWalkRightAndDownFromAPlaceInsideTheCorrectedHeight) {
    // Bill1 50 x 30, PasX 14, PasY 4: free width 268 - 50 - 140 = 78; free
    // height 69 - 30 - 40 < 0 becomes 5.
    HasardScript h{ValeurPour(0, 4), ValeurPour(9, 10), ValeurPour(3, 4), ValeurPour(77, 78),
                   ValeurPour(4, 5)};
    QImage attendu = pot.Surface();
    int x = 77, y = 4;
    for (int b = 0; b < 10; ++b) {
        Sprite(attendu, "Bill1", x, y);
        const double dx = (b % 3) / 3.0, dy = 0.9 - b * 0.05;
        h.Ajoute({dx, dy});
        x += static_cast<int>(14 * dx);
        y += static_cast<int>(dy * 4);
    }
    form.AddBilletsPot(10);
    EXPECT_EQ(pot.Surface(), attendu);
}

TEST_F(Pot, FreeHeightAboveZeroIsKeptAsDrawn) {
    // Bill4 50 x 39, k = 2, PasY = 7: free height 69 - 39 - 14 = 16.
    HasardScript h{ValeurPour(3, 4), ValeurPour(0, 10), ValeurPour(3, 4), ValeurPour(5, 213),
                   ValeurPour(15, 16), 0.0, 0.0, 0.0, 0.0};
    QImage attendu = pot.Surface();
    Sprite(attendu, "Bill4", 5, 15);
    form.AddBilletsPot(2);
    EXPECT_EQ(pot.Surface(), attendu);
}

TEST_F(Pot, HeapWiderThanTheWindowStartsAtTheLeftEdgeWithoutADraw) {
    // k = 20 with PasX 14: free width 268 - 50 - 280 < 0; no draw for X.
    HasardScript h{ValeurPour(0, 4), ValeurPour(9, 10), ValeurPour(3, 4), ValeurPour(2, 5)};
    h.Ajoute(0.0, 40);
    QImage attendu = pot.Surface();
    for (int b = 0; b < 20; ++b) Sprite(attendu, "Bill1", 0, 2);
    form.AddBilletsPot(20);
    EXPECT_EQ(pot.Surface(), attendu);
}

}  // namespace
