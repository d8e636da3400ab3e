// The showdown: reveal, sentence, OK, the pot paid once to the winner; and
// a new game asked for from the menu while the showdown waits for OK.
#include "table_outils.h"

namespace {

using B = BoutonTable;

using Abattage_ = TableDeJeu;

TEST_F(Abattage_, PotPaidOnceToTheWinnerAfterOk) {
    struct Cas {
        const char* quoi;
        Main cowboy, player;
        bool francais;
        const char* phrase;
        bool cowboyGagne;
    } cas[] = {
        {"opponent wins", mains::Carre, mains::SuiteJoueur, false, "I win", true},
        {"opponent wins, French", mains::Carre, mains::SuiteJoueur, true, "J'ai gagné", true},
        {"player wins", mains::Rien, mains::SuiteJoueur, false, "I lose", false},
        {"player wins, French", mains::Rien, mains::SuiteJoueur, true, "J'ai perdu", false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        E().reglages.LangueChoisie = c.francais ? "FR" : "UK";
        VersAbattage(300, 200, 300, c.cowboy, c.player);
        struct Vu {
            std::string phrase;
            int player, cowboy, pot;
            std::set<B> offerts;
            bool jeuCowboy, bulle;
        } vu{};
        RepondOK ok([&](Form1&) {
            // However long the player takes, nothing moves before OK.
            QTest::qWait(30);
            vu = {Bulle(), A().player, A().cowboy, A().pot, Offerts(), f.CowboyGame->isVisible(),
                  f.Bobble->isVisible()};
        });
        HasardSuite s;
        Clique(B::Check);
        EXPECT_EQ(ok.Attentes(), 1);
        EXPECT_EQ(vu.phrase, c.phrase);
        EXPECT_EQ(vu.player, 300);
        EXPECT_EQ(vu.cowboy, 200);
        EXPECT_EQ(vu.pot, 300);
        EXPECT_EQ(vu.offerts, std::set{B::OK});
        EXPECT_TRUE(vu.jeuCowboy);
        EXPECT_TRUE(vu.bulle);
        // After OK: the pot to the winner, then the next hand's antes.
        EXPECT_EQ(A().player, (c.cowboyGagne ? 300 : 600) - 10);
        EXPECT_EQ(A().cowboy, (c.cowboyGagne ? 500 : 200) - 10);
        EXPECT_EQ(A().pot, 20);
        EXPECT_FALSE(f.CowboyGame->isVisible());
        EXPECT_EQ(M().MiseCourante, 0);
        EXPECT_FALSE(Offerts().empty());
    }
}

TEST_F(Abattage_, CheckMovesNoMoneyBeforeTheReveal) {
    VersAbattage(300, 200, 300, mains::Carre, mains::SuiteJoueur);
    M().MiseCourante = 20;  // left over: Check clears it
    int avantReveal = -1;
    RepondOK ok([&](Form1&) { avantReveal = M().MiseCourante; });
    HasardSuite s;
    Clique(B::Check);
    EXPECT_EQ(avantReveal, 0);
}

TEST_F(Abattage_, CallAfterTheDrawGoesStraightToTheShowdown) {
    VersAbattage(300, 200, 300, mains::Carre, mains::SuiteJoueur);
    // The opponent's bet of 20 to answer.
    M().MiseCourante = 20;
    A().cowboy -= 20;
    A().pot += 20;
    PoseOffre(f, Offre::ReponseMise);
    int potVu = 0;
    RepondOK ok([&](Form1&) { potVu = A().pot; });
    HasardSuite s;
    const auto dites = ParolesDe(B::Call);
    EXPECT_EQ(ok.Attentes(), 1);
    EXPECT_EQ(potVu, 340);
    EXPECT_EQ(dites.front(), "I win") << "no decision of the opponent before";
    EXPECT_EQ(M().MiseSuivie, 20);
    EXPECT_EQ(Somme(), 800);
}

TEST_F(Abattage_, PlayersCheckAnsweredByACheckLeadsToTheShowdown) {
    // The player opens the second turn; the opponent, holding nothing after
    // keeping none, checks back.
    VersAbattage(300, 200, 300, mains::Rien, mains::SuiteJoueur);
    E().donne.GardeCowboy = "";
    PoseOffre(f, Offre::Ouverture);
    std::string phrase;
    RepondOK ok([&](Form1&) { phrase = Bulle(); });
    HasardSuite s;
    const auto dites = ParolesDe(B::Pass);
    ASSERT_FALSE(dites.empty());
    EXPECT_EQ(dites[0], "I check");
    EXPECT_EQ(ok.Attentes(), 1);
    EXPECT_EQ(phrase, "I lose");
}

// ---- A new game from the menu during the OK wait.

TEST_F(Abattage_, TournamentStartedDuringTheOkWaitAbandonsTheShowdown) {
    VersAbattage(300, 200, 300, mains::Carre, mains::SuiteJoueur);
    const int32_t coups = E().partie.NbCoups;
    bool dejaDemarree = true;
    RepondOK ok(
        [&](Form1&) {
            f.TournHard->trigger();
            // Only noted: the showdown has not gone yet.
            dejaDemarree = E().partie.ModeTournoi || A().pot != 300;
        },
        false);
    HasardSuite s;
    Clique(B::Check);
    EXPECT_EQ(ok.Attentes(), 1);
    EXPECT_EQ(ok.Forcees(), 0) << "the wait went on after the new game was asked for";
    EXPECT_FALSE(dejaDemarree);
    // The new game with its own money: the old pot was paid to nobody.
    EXPECT_TRUE(E().partie.ModeTournoi);
    EXPECT_EQ(E().partie.NbCoups, 1) << "one hand dealt";
    EXPECT_NE(E().partie.NbCoups, coups + 1);
    EXPECT_EQ(A().player, 490);
    EXPECT_EQ(A().cowboy, 490);
    EXPECT_EQ(A().pot, 20);
    EXPECT_FALSE(f.CowboyGame->isVisible());
    EXPECT_FALSE(f.Bobble->isVisible());
    EXPECT_EQ(Offerts(), (std::set{B::Pass, B::Bill50, B::Bill20, B::Bill10}));
    EXPECT_TRUE(f.EstActive());
    EXPECT_EQ(jeu->Demande(), PartieDemandee::Aucune);
    EXPECT_EQ(HandlersEnCours(), 0);
}

TEST_F(Abattage_, TrainingStartedDuringTheOkWaitThroughTheSetUpDialog) {
    VersAbattage(300, 200, 300, mains::Carre, mains::SuiteJoueur);
    {
        bool annulee = false;
        // The dialog is cancelled: the showdown still waits for OK.
        RepondOK ok([&](Form1&) {
            surChoose = [this] { E().partie.ChoixAnnule = true; };
            NouvelEntrainement();
            annulee = E().partie.ChoixAnnule;
        });
        HasardSuite s;
        Clique(B::Check);
        EXPECT_TRUE(annulee);
        EXPECT_EQ(ok.Attentes(), 1);
        // The showdown went on and paid the opponent.
        EXPECT_EQ(A().cowboy, 490);
    }

    // Now the dialog's OK, with a girl and $300.
    VersAbattage(300, 200, 300, mains::Carre, mains::SuiteJoueur);
    choix.perso = PersoCowboyFille;
    choix.argent = 300;
    surChoose = nullptr;
    RepondOK nouvelle([&](Form1&) { NouvelEntrainement(); }, false);
    HasardSuite s;
    Clique(B::Check);
    EXPECT_EQ(E().partie.PersoCowboy, PersoCowboyFille);
    EXPECT_EQ(A().player, 290);
    EXPECT_EQ(A().cowboy, 290);
    EXPECT_EQ(A().pot, 20);
    EXPECT_EQ(Somme(), 600);
    EXPECT_EQ(nouvelle.Forcees(), 0);
}

}  // namespace
