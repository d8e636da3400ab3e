// Both draws: the opponent's keep, bluff and new cards, before or after the
// player's, the player's marked cards replaced, and the opening of the
// second betting turn.
#include <algorithm>

#include "table_outils.h"

namespace {

using Tirage_ = TableDeJeu;
using B = BoutonTable;

bool Contient(const Main& m, Carte c) { return std::find(m.begin(), m.end(), c) != m.end(); }

TEST_F(Tirage_, OpponentDrawingFirstKeepsNothingAndArmsItsTellOnTheOldHand) {
    // Nothing in hand: it opens with $10 on a risk, and, drawing first on
    // a failed risk, follows its best chance: it keeps no card.
    choix.risk = 50;
    choix.emotion = 0;
    Tirages ouverture;
    ouverture.Choix().Valeur(R(99)).Valeur(R(0)).Pot(1);
    DonneAvec(400, 400, false, mains::Rien, mains::RienJoueur, ouverture);
    ASSERT_EQ(M().MiseCourante, 10);

    Tirages t;
    t.Pot(1);                                   // the call's bill
    t.Choix().Valeur(R(99)).Valeur(R(99));      // keep choice; no bluff, no weight
    t.Choix();                                  // the keep choice it follows
    t.Valeur(R(50)).Valeur(R(99)).Remplit(2);   // a tell: drawn, big-pair test, delay
    t.Main(mains::QuatreAs);                    // five new cards, positions 1 to 5
    HasardScript s(t.v);
    const auto dites = ParolesDe(B::Call);
    EXPECT_EQ(dites, std::vector<std::string>{"I want 5 cards"});
    EXPECT_EQ(E().donne.GardeCowboy, "");
    EXPECT_EQ(E().donne.CartesCowboy, mains::QuatreAs);
    // The tell judged the hand before the new cards: nothing, the weak tell.
    EXPECT_GT(f.TimerYeuxCarte->Interval(), 0);
    EXPECT_EQ(f.TimerYeuxAnime->Interval(), 0);
    // The discarded cards keep their mark.
    for (const Carte& c : mains::Rien) EXPECT_EQ(E().donne.Paquet(c.valeur, c.couleur), MarqueCarte::Cowboy);
    // The player's draw.
    EXPECT_TRUE(M().ApresDraw);
    EXPECT_EQ(Offerts(), std::set{B::Draw});
    EXPECT_EQ(CartesCliquables().size(), 5u);
    EXPECT_TRUE(f.EstActive());
}

TEST_F(Tirage_, OpponentDrawingSecondArmsItsTellOnTheNewHand) {
    // It calls the player's $10 with nothing, then draws after the player's
    // four cards on a failed risk: it keeps none.
    choix.risk = 50;
    choix.emotion = 0;
    DonneAvec(400, 400, true, mains::Rien, mains::RienJoueur);
    {
        HasardSuite s;
        Clique(B::Bill10);
    }
    ASSERT_EQ(Offerts(), std::set{B::Draw});
    for (int i : {0, 1, 2, 4}) CliqueCarte(i);
    const Main nouvelles{{{12, 1}, {12, 2}, {12, 3}, {12, 4}}};
    Tirages t;
    for (int i = 0; i < 4; ++i) t.Carte(nouvelles[i]);  // the player's four new cards
    t.Choix().Valeur(R(99)).Valeur(R(99)).Choix();      // no bluff, no weight
    t.Main(mains::QuatreAs);
    t.Valeur(R(50)).Valeur(R(99)).Remplit(2);           // the tell, on the new hand
    HasardScript s(t.v);
    const auto dites = ParolesDe(B::Draw);
    EXPECT_EQ(dites, std::vector<std::string>{"I want 5 cards"});
    const Donne& d = E().donne;
    EXPECT_EQ(d.NbCartesChangees, 4);
    EXPECT_EQ(d.CartesPlayer[0], nouvelles[0]);
    EXPECT_EQ(d.CartesPlayer[1], nouvelles[1]);
    EXPECT_EQ(d.CartesPlayer[2], nouvelles[2]);
    EXPECT_EQ(d.CartesPlayer[3], mains::RienJoueur[3]) << "the unmarked card stays";
    EXPECT_EQ(d.CartesPlayer[4], nouvelles[3]);
    EXPECT_EQ(d.CartesCowboy, mains::QuatreAs);
    EXPECT_EQ(f.TimerYeuxAnime->Interval() > 0, true) << "four Aces: the strong tell";
    EXPECT_EQ(f.TimerYeuxCarte->Interval(), 0);
    // The player opens the second turn: Pass (a check) and the plates.
    EXPECT_TRUE(M().ApresDraw);
    EXPECT_EQ(Offerts(), (std::set{B::Pass, B::Bill50, B::Bill20, B::Bill10}));
    EXPECT_TRUE(f.BtnBet->isVisible());
    EXPECT_TRUE(CartesCliquables().empty());
    for (const Picture* c : f.Cards) EXPECT_EQ(c->Top(), 393);
}

TEST_F(Tirage_, KeepByWeightFillsTheFreePositionsInOrder) {
    // Drawing after a player who changed two cards, with nothing but a
    // good weight, it keeps "245": new cards in 1 and 3.
    DonneAvec(400, 400, true, mains::RienPoids, mains::RienJoueur);
    {
        HasardSuite s;
        Clique(B::Bill10);
    }
    ASSERT_EQ(Offerts(), std::set{B::Draw});
    CliqueCarte(0);
    CliqueCarte(1);
    HasardSuite s({}, 8);
    const auto dites = ParolesDe(B::Draw);
    EXPECT_EQ(dites, std::vector<std::string>{"I want 2 cards"});
    const Donne& d = E().donne;
    EXPECT_EQ(d.GardeCowboy, "245");
    for (int i : {1, 3, 4}) EXPECT_EQ(d.CartesCowboy[i], mains::RienPoids[i]) << i;
    for (int i : {0, 2}) {
        const Carte c = d.CartesCowboy[i];
        EXPECT_FALSE(Contient(mains::RienPoids, c)) << i;
        EXPECT_FALSE(Contient(d.CartesPlayer, c));
        EXPECT_FALSE(Contient(mains::RienJoueur, c)) << "a discarded card never comes back";
        EXPECT_EQ(d.Paquet(c.valeur, c.couleur), MarqueCarte::Cowboy);
    }
}

TEST_F(Tirage_, StraightDrawingFirstKeepsAll) {
    // A straight opens with a bet; the player calls; it keeps all.
    DonneAvec(400, 400, false, mains::Suite, mains::RienJoueur);
    ASSERT_GT(M().MiseCourante, 0);
    HasardSuite s;
    const auto dites = ParolesDe(B::Call);
    EXPECT_EQ(dites, std::vector<std::string>{"I keep all"});
    EXPECT_EQ(E().donne.GardeCowboy, "12345");
    EXPECT_EQ(E().donne.CartesCowboy, mains::Suite);
}

TEST_F(Tirage_, BluffingOpponentStandsPatWithNothing) {
    // It raises the player's $10 on a bluff; the player calls; drawing
    // first, with no four-card keep in view, it stands pat and bluffs on.
    choix.bluff = 100;
    choix.risk = 100;
    struct Cas {
        int player;  // before the ante
        bool bluffe;
    } cas[] = {
        {400, true},
        // Left with $20 after the call: too little to carry the bluff on.
        {90, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.player);
        E().reglages.LangueChoisie = "FR";
        DonneAvec(c.player, 400, true, mains::RienPoids, mains::RienJoueur);
        HasardSuite s;
        EXPECT_EQ(ParolesDe(B::Bill10), std::vector<std::string>{"J'enchéris de $50"});
        EXPECT_EQ(ParolesDe(B::Call), std::vector<std::string>{"Je garde tout"});
        EXPECT_EQ(E().donne.GardeCowboy, "12345");
        EXPECT_EQ(E().donne.CartesCowboy, mains::RienPoids);
        EXPECT_EQ(M().CowboyBluffe, c.bluffe);
    }
}

TEST_F(Tirage_, PlayersDrawWithNoCardOrAllFiveMarked) {
    for (bool toutes : {false, true}) {
        SCOPED_TRACE(toutes);
        DonneAvec(400, 400, true, mains::PaireAs, mains::RienJoueur);
        {
            HasardSuite s;
            Clique(B::Bill10);
        }
        ASSERT_EQ(Offerts(), std::set{B::Draw});
        if (toutes)
            for (int i = 0; i < 5; ++i) CliqueCarte(i);
        HasardSuite s({}, 21);
        Clique(B::Draw);
        const Donne& d = E().donne;
        EXPECT_EQ(d.NbCartesChangees, toutes ? 5 : 0);
        for (int i = 0; i < 5; ++i) {
            const Carte c = d.CartesPlayer[i];
            EXPECT_EQ(Contient(mains::RienJoueur, c), !toutes) << i;
            EXPECT_EQ(d.Paquet(c.valeur, c.couleur), MarqueCarte::Player);
            EXPECT_FALSE(Contient(d.CartesCowboy, c));
            EXPECT_EQ(f.Cards[i]->Top(), 393);
            Picture face(nullptr, 0, 0, 71, 96);
            f.PeintFace(face, c.valeur, c.couleur);
            EXPECT_EQ(f.Cards[i]->Surface(), face.Surface()) << i;
        }
        for (int i = 0; i < 3; ++i) EXPECT_FALSE(f.Line1[i].isVisible());
        EXPECT_TRUE(CartesCliquables().empty());
    }
}

TEST_F(Tirage_, OpponentOpensTheSecondTurnWithABetSteppedDownOrAPass) {
    // A straight, every risk: "BE50" at the deal; after the draws "BE50"
    // stepped down to what the player has left, or a pass when the player
    // changed three cards or more.
    choix.risk = 100;
    struct Cas {
        const char* quoi;
        int player;  // before the ante; $50 go to the call
        std::vector<int> marquees;
        bool francais;
        const char* phrase;
        int mise;
        std::set<B> offerts;
    } cas[] = {
        {"a bet stepped down to $20", 90, {}, false, "I bet $20", 20, {B::Call, B::Fold, B::Bill10}},
        // Check in Call's place, the plates as bets, Fold shown covered.
        {"a pass", 90, {0, 2, 4}, false, "I pass", 0, {B::Check, B::Bill20, B::Bill10}},
        {"a pass, French", 90, {0, 2, 4}, true, "Parole", 0, {B::Check, B::Bill20, B::Bill10}},
        {"a bet stepped down to a pass", 60, {}, false, "I pass", 0, {B::Check}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        E().reglages.LangueChoisie = c.francais ? "FR" : "UK";
        DonneAvec(c.player, 400, false, mains::Suite, mains::RienJoueur);
        ASSERT_EQ(M().MiseCourante, 50);
        HasardSuite s;
        Clique(B::Call);
        ASSERT_EQ(A().player, c.player - 60);
        for (int i : c.marquees) CliqueCarte(i);
        const auto dites = ParolesDe(B::Draw);
        EXPECT_EQ(dites, std::vector<std::string>{c.phrase});
        EXPECT_EQ(M().MiseCourante, c.mise);
        EXPECT_EQ(M().CowboyParole, c.mise == 0);
        EXPECT_EQ(Offerts(), c.offerts);
        EXPECT_EQ(f.BtnRaise->isVisible(), c.mise > 0);
        EXPECT_EQ(f.BtnBet->isVisible(), c.mise == 0);
        EXPECT_EQ(f.BtnCallUp->isVisible(), c.mise > 0);
        EXPECT_TRUE(f.BtnFoldUp->isVisible());
        EXPECT_EQ(f.TrameFold->isVisible(), c.mise == 0);
        EXPECT_EQ(Somme(), c.player + 400);
        EXPECT_TRUE(f.EstActive());
    }
}

}  // namespace
