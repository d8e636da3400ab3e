// The table's conventions and the deal: the plates the money allows, the
// opponent's opening stepped down, the first speaker, the antes and the pot,
// the cards dealt, card marking and the OK button.
#include "table_outils.h"

namespace {

using Donne_ = TableDeJeu;
using B = BoutonTable;

TEST_F(Donne_, PlatesOfferedByTheMoneyAtTheOpening) {
    struct Cas {
        int player, cowboy;  // before the antes
        std::set<B> offerts;
        bool tableauCouvert;
    } cas[] = {
        // p = 45: the $50 plate is covered, the board is not.
        {55, 210, {B::Pass, B::Bill20, B::Bill10}, false},
        // p = 5: no plate; both board covers shown. Pass stays.
        {15, 210, {B::Pass}, true},
        // Exactly 50 may bet 50; the opponent's money counts too.
        {60, 210, {B::Pass, B::Bill50, B::Bill20, B::Bill10}, false},
        {210, 30, {B::Pass, B::Bill20, B::Bill10}, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.player);
        DonneAvec(c.player, c.cowboy, true, mains::Rien, mains::RienJoueur);
        EXPECT_EQ(Offerts(), c.offerts);
        EXPECT_EQ(f.TramePlaque[6].isVisible(), c.tableauCouvert);
        EXPECT_EQ(f.TramePlaque[7].isVisibleTo(f.BtnRaise), c.tableauCouvert);
        EXPECT_TRUE(f.BtnBet->isVisible());
        EXPECT_FALSE(f.BtnRaise->isVisible());
    }
}

TEST_F(Donne_, OpponentsBetSteppedDownByThePlayersMoney) {
    // Nothing in hand, always bluffing and risking: the opening is "BE50".
    choix.bluff = 100;
    choix.risk = 100;
    struct Cas {
        int player;  // before the ante
        const char* phrase;
        int mise;
        std::set<B> offerts;
    } cas[] = {
        {200, "I bet $50", 50, {B::Call, B::Fold, B::Bill50, B::Bill20, B::Bill10}},
        // $30 after the ante: 20, and only the $10 plate as a raise.
        {40, "I bet $20", 20, {B::Call, B::Fold, B::Bill10}},
        {25, "I bet $10", 10, {B::Call, B::Fold}},
        // $5: the bet becomes a pass; the player may pass.
        {15, "I pass", 0, {B::Pass}},
        // $0: a pass, and only Check is left.
        {10, "I pass", 0, {B::Check}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.player);
        DonneAvec(c.player, 300, false, mains::Rien, mains::RienJoueur);
        EXPECT_EQ(Bulle(), c.phrase);
        EXPECT_EQ(M().MiseCourante, c.mise);
        EXPECT_EQ(A().cowboy, 290 - c.mise);
        EXPECT_EQ(A().pot, 20 + c.mise);
        EXPECT_EQ(f.Pot[1].Texte(), TexteArgent(20 + c.mise));
        EXPECT_EQ(Offerts(), c.offerts);
        EXPECT_EQ(M().CowboyParole, c.mise == 0);
        if (c.mise > 0) {
            EXPECT_TRUE(f.BtnRaise->isVisible());
            EXPECT_FALSE(f.BtnBet->isVisible());
        }
        if (c.player == 10) {
            EXPECT_EQ(f.PlayerMoney[0].Texte(), "$0");
            EXPECT_FALSE(f.BtnCallUp->isVisible());
            EXPECT_TRUE(f.BtnFoldUp->isVisible() && f.TrameFold->isVisible()) << "Fold covered";
        }
        EXPECT_TRUE(f.EstActive());
    }
}

TEST_F(Donne_, OpponentsBetOfTwentyLandsTwoBillsOnTheHeap) {
    choix.bluff = 100;
    choix.risk = 100;
    // The deal scripted to its end: the opening's keep choice and draws,
    // then the two bills of the bet.
    Tirages t;
    t.Donne(mains::Rien, mains::RienJoueur).Choix().Valeur(R(0)).Valeur(R(0)).Pot(2);
    {
        HasardSuite s;
        NouvelEntrainement();
    }
    A().player = 40;
    A().cowboy = 300;
    M().ParleEnPremier = 1;
    HasardScript s(t.v);
    Execute(f.Table, Acces::Seul, [this] { jeu->NouvelleMise(); });
    EXPECT_EQ(Bulle(), "I bet $20");
    EXPECT_EQ(A().pot, 40);
}

TEST_F(Donne_, FirstSpeakerFollowsTheSettingThenAlternates) {
    // A pass of both sides deals again with the pot kept; the opening
    // still alternates.
    struct Cas {
        int16_t premier;
        double tirage;  // the first speaker's draw, for 2
        int ouvre;
    } cas[] = {{0, -1, 1}, {1, -1, 0}, {2, 0.25, 0}, {2, 0.75, 1}, {2, 0.5, 0}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message() << c.premier << " " << c.tirage);
        E().reglages.PremierJoueur = c.premier;
        Tirages t;
        if (c.tirage >= 0) t.Valeur(c.tirage);
        t.PremiereDonne(400, mains::Rien, mains::RienJoueur);
        HasardSuite s(t.v, 5);
        NouvelEntrainement();
        EXPECT_EQ(s.Restants(), 0u);
        EXPECT_EQ(M().ParleEnPremier, c.ouvre);
        for (int main = 0; main < 4; ++main) {
            const int avant = M().ParleEnPremier;
            const int32_t coups = E().partie.NbCoups;
            // Pass when offered (both passing deals again), fold when the
            // opponent bets.
            while (E().partie.NbCoups == coups)
                Clique(Offerts().count(B::Pass) ? B::Pass : B::Fold);
            EXPECT_EQ(M().ParleEnPremier, 1 - avant) << "hand " << main;
        }
    }
}

TEST_F(Donne_, PotKeptAndGrownAfterBothPassed) {
    // The player opens; the opponent, with nothing and no taste for bluff
    // or risk, passes too.
    DonneAvec(400, 400, true, mains::Rien, mains::RienJoueur);
    const QImage tas = f.FenetrePot->Surface().copy();
    HasardSuite s;
    Clique(B::Pass);
    EXPECT_EQ(A().pot, 40);
    EXPECT_EQ(f.Pot[0].Texte(), "$40");
    EXPECT_FALSE(M().Redonne) << "used by the deal";
    // The heap was not emptied: the first hand's bills are still there
    // under the new ones.
    int restes = 0, avant = 0;
    const QImage apres = f.FenetrePot->Surface();
    f.CopieTableSous(*f.FenetrePot);  // what an empty heap shows
    const QImage vide = f.FenetrePot->Surface().copy();
    for (int y = 0; y < tas.height(); ++y)
        for (int x = 0; x < tas.width(); ++x)
            if (tas.pixel(x, y) != vide.pixel(x, y)) {
                ++avant;
                if (apres.pixel(x, y) != vide.pixel(x, y)) ++restes;
            }
    EXPECT_GT(avant, 0);
    EXPECT_EQ(restes, avant);
}

TEST_F(Donne_, WonPotEmptiesTheHeapAndStartsAtTwenty) {
    choix.bluff = 100;
    choix.risk = 100;
    DonneAvec(400, 400, false, mains::Rien, mains::RienJoueur);
    HasardSuite s;
    Clique(B::Fold);
    EXPECT_EQ(A().pot, 20);
    EXPECT_EQ(f.Pot[0].Texte(), "$20");
}

TEST_F(Donne_, DealtCardsAreDistinctAndMarkedForTheirHolders) {
    // A repeated card is drawn again: values then suits, the opponent first.
    const Main& c = mains::Rien;
    const Main& p = mains::RienJoueur;
    Tirages t;
    t.Visage().Piles(400, 400).Pot(1).Pot(1);
    t.Carte(c[0]).Carte(c[1]).Carte(c[0]).Carte(c[2]).Carte(c[3]).Carte(c[4]);
    t.Carte(c[4]).Carte(p[0]).Carte(p[1]).Carte(p[2]).Carte(p[1]).Carte(p[3]).Carte(p[4]);
    t.SansTell();
    HasardScript s(t.v);
    NouvelEntrainement();
    const Donne& d = E().donne;
    EXPECT_EQ(d.CartesCowboy, c);
    EXPECT_EQ(d.CartesPlayer, p);
    int marquees = 0;
    for (int v = 1; v <= 13; ++v)
        for (int s = 1; s <= 4; ++s) {
            const MarqueCarte m = d.Paquet(v, s);
            if (m == MarqueCarte::Libre) continue;
            ++marquees;
            const Carte carte{int16_t(v), int16_t(s)};
            const bool cowboy = std::find(c.begin(), c.end(), carte) != c.end();
            EXPECT_EQ(m, cowboy ? MarqueCarte::Cowboy : MarqueCarte::Player) << v << "/" << s;
        }
    EXPECT_EQ(marquees, 10);
    // The player's faces are on the cards, in order, unmarked, not clickable.
    for (int i = 0; i < 5; ++i) {
        Picture face(nullptr, 0, 0, 71, 96);
        f.PeintFace(face, p[i].valeur, p[i].couleur);
        EXPECT_EQ(f.Cards[i]->Surface(), face.Surface()) << i;
        EXPECT_TRUE(f.Cards[i]->isVisible());
        EXPECT_EQ(f.Cards[i]->Top(), 393);
    }
    EXPECT_TRUE(CartesCliquables().empty());
}

TEST_F(Donne_, CardMarkingTogglesTheCardsHeight) {
    // A bet called by the opponent leaves the player's draw: only Draw and
    // the cards.
    DonneAvec(400, 400, true, mains::PaireAs, mains::RienJoueur);
    HasardSuite s;
    Clique(B::Bill10);
    ASSERT_EQ(Bulle(), "I call");
    EXPECT_EQ(Offerts(), std::set{B::Draw});
    EXPECT_EQ(CartesCliquables(), (std::vector{0, 1, 2, 3, 4}));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(f.Line1[i].isVisible());
    CliqueCarte(1);
    EXPECT_EQ(f.Card2->Top(), 381);
    // Where the raised card now stands.
    CliqueEn(Place(*f.Card2));
    EXPECT_EQ(f.Card2->Top(), 393);
    CliqueCarte(1);
    CliqueCarte(1);
    EXPECT_EQ(f.Card2->Top(), 393);
    EXPECT_EQ(f.Card1->Top(), 393);
    EXPECT_TRUE(f.EstActive());
}

// Each offer laid out over the deal's reads back as itself, whatever the
// money allows. OK only ever follows the showdown reveal's covers, whose
// tests read it.
TEST_F(Donne_, EachOfferReadsBackAsItself) {
    const std::pair<int, int> argents[] = {{400, 400}, {45, 200}, {5, 200}};
    for (Picture* c : f.Cards) c->Show();  // as dealt
    for (auto [player, cowboy] : argents)
        for (Offre offre : kOffres) {
            if (offre == Offre::OK) continue;
            SCOPED_TRACE(testing::Message() << "$" << player << ", " << NomOffre(offre));
            A() = {cowboy, player, 0};
            M().MiseCourante = 0;
            PoseOffre(f, Offre::Rien);
            if (offre == Offre::ReponseMise) M().MiseCourante = int16_t(std::min(player, 20));
            PoseOffre(f, offre);
            Offre lue = Offre::OK;
            EXPECT_EQ(HorsOffre(f, E(), false, &lue), "");
            EXPECT_STREQ(NomOffre(lue), NomOffre(offre));
        }
}

TEST_F(Donne_, OkOutsideTheOkWaitOnlyCoversOk) {
    DonneAvec(400, 400, true, mains::Rien, mains::RienJoueur);
    // OK uncovered by a showdown that was abandoned, say.
    PoseOffre(f, Offre::OK);
    const Etat avant = E();
    const auto offertsAvant = Offerts();
    Clique(B::OK);
    EXPECT_TRUE(f.TrameOK->isVisible());
    EXPECT_TRUE(M().OKClique);
    EXPECT_EQ(A().player, avant.argent.player);
    EXPECT_EQ(A().pot, avant.argent.pot);
    auto attendus = offertsAvant;
    attendus.erase(B::OK);
    EXPECT_EQ(Offerts(), attendus);
    EXPECT_FALSE(f.Bobble->isVisible());
}

}  // namespace
