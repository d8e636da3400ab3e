// Starting games from the menu and the end of a game: the tournament's
// progress, the unlock marker, the settings written, the congratulations.
#include <algorithm>
#include <sstream>

#include "table_outils.h"
#include "trace.h"

namespace {

// Runs what it is given at the flow's events, while it lives.
struct Evenements : ObservateurJeu {
    explicit Evenements(Jeu& jeu) : jeu_(jeu) { jeu_.observateur = this; }
    ~Evenements() override { jeu_.observateur = nullptr; }
    std::function<void()> debutPartie, donne;
    void DebutPartie() override {
        if (debutPartie) debutPartie();
    }
    void Donne() override {
        if (donne) donne();
    }

private:
    Jeu& jeu_;
};

using Partie_ = TableDeJeu;

TEST_F(Partie_, HardTournamentStartsWithTheLevelsMoneyAndTheCowboysPersonality) {
    E().partie.NbCoups = 77;  // a count left by training
    // The count and the captions when the game starts, each time the deal
    // shows something, and once it is dealt.
    std::vector<std::string> vus;
    {
        const auto note = [&] {
            const std::string vu = std::to_string(E().partie.NbCoups) + " " + f.PlayerMoney[0].Texte() +
                                   " " + f.CowboyMoney[0].Texte() + " " + f.Pot[0].Texte();
            if (vus.empty() || vus.back() != vu) vus.push_back(vu);
        };
        Evenements evenements(*jeu);
        evenements.debutPartie = evenements.donne = note;
        SurAffichage sonde([&](QWidget&) { note(); });
        HasardScript s(Tirages().PremiereDonne(500, mains::Rien, mains::RienJoueur).v);
        f.TournHard->trigger();
    }
    // The count is reset before the first deal, and the captions are fresh
    // before the antes.
    EXPECT_EQ(vus, (std::vector<std::string>{"0 $500 $500 $0", "1 $500 $500 $0", "1 $490 $490 $20"}));

    const Etat& e = E();
    EXPECT_TRUE(e.partie.ModeTournoi);
    EXPECT_EQ(e.partie.PersoCowboy, PersoCowboyCowboy);
    EXPECT_EQ(e.partie.ArgentTournoi, 500);
    EXPECT_EQ(e.reglages.ArgentDepart, 500);
    EXPECT_EQ(e.reglages.Skill, 90);
    EXPECT_EQ(e.reglages.Emotion, 70);
    EXPECT_EQ(e.reglages.Bluff, 45);
    EXPECT_EQ(e.reglages.Risk, 25);
    EXPECT_EQ(e.partie.NbCoups, 1);
    // After the antes: $490 each, the pot $20, both labels of each pair.
    EXPECT_EQ(f.PlayerMoney[0].Texte(), "$490");
    EXPECT_EQ(f.PlayerMoney[1].Texte(), "$490");
    EXPECT_EQ(f.CowboyMoney[0].Texte(), "$490");
    EXPECT_EQ(f.Pot[0].Texte(), "$20");
    EXPECT_EQ(f.Pot[1].Texte(), "$20");
    // The player opens: Pass and every plate, Bet on the board.
    EXPECT_EQ(Offerts(), (std::set{BoutonTable::Pass, BoutonTable::Bill50, BoutonTable::Bill20,
                                   BoutonTable::Bill10}));
    EXPECT_TRUE(f.BtnBet->isVisible());
    EXPECT_TRUE(f.BtnCallUp->isVisible()) << "Call shown, covered";
    EXPECT_TRUE(f.EstActive());
}

TEST_F(Partie_, TournamentKeepsATrainingSetUpAlreadyPutAside) {
    Partie& p = E().partie;
    p.ReglagesSauves = true;
    p.SauveSkill = 11;
    p.SauveEmotion = 22;
    p.SauveBluff = 33;
    p.SauveRisk = 44;
    p.SauveArgent = 300;
    E().reglages.Skill = 66;
    HasardSuite s;
    f.TournEasy->trigger();
    EXPECT_EQ(p.SauveSkill, 11);
    EXPECT_EQ(p.SauveEmotion, 22);
    EXPECT_EQ(p.SauveBluff, 33);
    EXPECT_EQ(p.SauveRisk, 44);
    EXPECT_EQ(p.SauveArgent, 300);
    EXPECT_EQ(E().reglages.ArgentDepart, 300);
}

TEST_F(Partie_, TournamentPutsTheTrainingSetUpAsideOnce) {
    Reglages& r = E().reglages;
    r.Skill = 61;
    r.Emotion = 62;
    r.Bluff = 63;
    r.Risk = 64;
    r.ArgentDepart = 500;
    HasardSuite s;
    f.TournEasy->trigger();
    const Partie& p = E().partie;
    EXPECT_TRUE(p.ReglagesSauves);
    EXPECT_EQ(p.SauveSkill, 61);
    EXPECT_EQ(p.SauveEmotion, 62);
    EXPECT_EQ(p.SauveBluff, 63);
    EXPECT_EQ(p.SauveRisk, 64);
    EXPECT_EQ(p.SauveArgent, 500);
}

TEST_F(Partie_, CancelledSetUpLeavesTheGameInProgress) {
    HasardSuite s;
    f.TournEasy->trigger();
    const int coups = E().partie.NbCoups;
    const int player = A().player;
    surChoose = [this] { E().partie.ChoixAnnule = true; };
    NouvelEntrainement();
    EXPECT_TRUE(E().partie.ModeTournoi);
    EXPECT_EQ(E().partie.NbCoups, coups);
    EXPECT_EQ(A().player, player);
}

TEST_F(Partie_, TrainingStartsWithTheSetUpAndEndsTheTournamentMode) {
    HasardSuite s;
    f.TournEasy->trigger();
    const int coups = E().partie.NbCoups;
    choix.perso = PersoCowboyFille;
    choix.argent = 300;
    NouvelEntrainement();
    EXPECT_FALSE(E().partie.ModeTournoi);
    EXPECT_EQ(E().partie.PersoCowboy, PersoCowboyFille);
    EXPECT_EQ(A().player, 290);
    EXPECT_EQ(A().cowboy, 290);
    // Training counts on from the tournament's hands.
    EXPECT_EQ(E().partie.NbCoups, coups + 1);
}

TEST_F(Partie_, AGameStartStopsEveryFaceTimerTheGirlsTellsIncluded) {
    choix.perso = PersoCowboyFille;
    HasardSuite s;
    NouvelEntrainement();
    // A tell armed in this game, still pending when the next game starts.
    f.TimerFilleTicYeux->SetInterval(5000);
    f.TimerFilleTicBouche->SetInterval(5000);
    // Seen when the new game starts, before its first deal arms the new
    // character's timers.
    bool tousArretes = false;
    Evenements evenements(*jeu);
    evenements.debutPartie = [&] {
        tousArretes = true;
        for (Minuterie* m : f.TimersVisage) tousArretes = tousArretes && m->Interval() == 0;
    };
    choix.perso = PersoCowboyCowboy;
    NouvelEntrainement();
    EXPECT_TRUE(tousArretes);
    EXPECT_EQ(f.TimerFilleTicYeux->Interval(), 0);
    EXPECT_EQ(f.TimerFilleTicBouche->Interval(), 0);
}

// ---- The end of a game.

class FinDePartie : public TableDeJeu {
protected:
    // The game going on won at a showdown that leaves the opponent at $0;
    // in a tournament the next game is dealt, the player opening.
    void GagneLaPartie() {
        MetAbattage(Somme() - 410, 0, 410, mains::Rien, mains::SuiteJoueur);
        RepondOK ok;
        HasardSuite s;
        Clique(BoutonTable::Check);
        EXPECT_EQ(ok.Attentes(), 1);
    }
};

TEST_F(FinDePartie, ProgressionOfTheTournamentByEvent) {
    struct Cas {
        const char* quoi;
        bool tournoi;
        int16_t perso;
        bool gagne;
        int16_t progressionAvant;
        int16_t persoApres;
        bool tournoiApres;
        int16_t progressionApres;
        int sauvegardes;
        const char* issue;  // as the trace's end event tells it
        bool francais = false;
    } cas[] = {
        {"tournament, cowboy beaten", true, 1, true, 0, 2, true, 0, 0, "next"},
        {"tournament, Mexican beaten", true, 2, true, 0, 3, true, ProgressionMexicain, 1, "next"},
        {"tournament, girl beaten", true, 3, true, ProgressionMexicain, 4, false, ProgressionTous, 1, "band"},
        {"training, Mexican beaten", false, 2, true, 0, 2, false, ProgressionMexicain, 1, "won"},
        {"training, girl beaten", false, 3, true, ProgressionMexicain, 3, false, ProgressionTous, 1, "won"},
        {"training, cowboy beaten", false, 1, true, 0, 1, false, 0, 0, "won"},
        {"tournament game lost", true, 2, false, ProgressionMexicain, 2, true, ProgressionMexicain, 0, "lost"},
        {"training game lost", false, 3, false, ProgressionTous, 3, false, ProgressionTous, 0, "lost"},
        // The marker only rises.
        {"training, Mexican beaten again", false, 2, true, ProgressionTous, 2, false, ProgressionTous, 1, "won"},
        {"tournament game lost to the cowboy", true, 1, false, 0, 1, true, 0, 0, "lost"},
        {"tournament game lost to the girl", true, 3, false, ProgressionMexicain, 3, true, ProgressionMexicain, 0, "lost"},
        {"training game lost to the cowboy", false, 1, false, 0, 1, false, 0, 0, "lost"},
        // The closing sentences in French, for each character.
        {"French, tournament, cowboy beaten", true, 1, true, 0, 2, true, 0, 0, "next", true},
        {"French, tournament, Mexican beaten", true, 2, true, 0, 3, true, ProgressionMexicain, 1, "next", true},
        {"French, tournament, girl beaten", true, 3, true, ProgressionMexicain, 4, false, ProgressionTous, 1, "band", true},
        {"French, training, girl beaten", false, 3, true, 0, 3, false, ProgressionTous, 1, "won", true},
        {"French, tournament game lost to the cowboy", true, 1, false, 0, 1, true, 0, 0, "lost", true},
        {"French, tournament game lost to the girl", true, 3, false, 0, 3, true, 0, 0, "lost", true},
        {"French, training game lost to the Mexican", false, 2, false, ProgressionMexicain, 2, false,
         ProgressionMexicain, 0, "lost", true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        EtatDuJeu() = Etat{};
        Reglages& r = E().reglages;
        r.DelayCard = r.DelayTurn = r.DelayBill = 0;
        r.LangueChoisie = c.francais ? "FR" : "UK";
        r.Progression = c.progressionAvant;
        sauvegardes = 0;
        choix.perso = c.perso;
        // The player's straight beats nothing; the opponent's four tens beat it.
        VersAbattage(c.gagne ? 390 : 0, c.gagne ? 0 : 390, 410, c.gagne ? mains::Rien : mains::Carre,
                mains::SuiteJoueur);
        Partie& p = E().partie;
        p.ModeTournoi = c.tournoi;
        p.PersoCowboy = c.perso;
        p.ArgentTournoi = 400;
        p.ReglagesSauves = c.tournoi;
        p.SauveSkill = 12;
        p.SauveEmotion = 13;
        p.SauveBluff = 14;
        p.SauveRisk = 15;
        p.SauveArgent = 300;
        p.NbCoups = 57;
        RepondOK ok;
        HasardSuite s;
        std::vector<std::string> dites;
        std::ostringstream trace;
        {
            SurAffichage sonde([&](QWidget& w) {
                if (&w == f.Bobble) dites.push_back(Bulle());
            });
            Trace traceur(trace);
            jeu->observateur = &traceur;
            Clique(BoutonTable::Check);
            jeu->observateur = nullptr;
        }
        EXPECT_EQ(ok.Attentes(), 1);
        EXPECT_EQ(p.PersoCowboy, c.persoApres);
        EXPECT_EQ(p.ModeTournoi, c.tournoiApres);
        EXPECT_EQ(r.Progression, c.progressionApres);
        EXPECT_EQ(sauvegardes, c.sauvegardes);
        // The showdown's sentence, then the closing one.
        const char* const phrases[2][2] = {{"I win", "I win the game !"}, {"I lose", "I lost the game !"}};
        const char* const francaises[2][2] = {{"J'ai gagné", "J'ai gagné la partie !"},
                                              {"J'ai perdu", "J'ai perdu la partie !"}};
        const auto& attendues = (c.francais ? francaises : phrases)[c.gagne];
        EXPECT_EQ(dites, (std::vector<std::string>{attendues[0], attendues[1]}));
        // The trace's end event: the outcome, the mode and the marker updated.
        EXPECT_NE(trace.str().find(std::string("\"outcome\":\"") + c.issue + "\",\"mode\":\"" +
                                   (c.tournoi ? "tournament" : "training") +
                                   "\",\"progression\":" + std::to_string(c.progressionApres) + "}"),
                  std::string::npos)
            << trace.str();
        // What was written holds the raised marker.
        if (sauvegardes > 0) {
            const std::string fichier = FichierReglages();
            EXPECT_NE(fichier.find("\r\n\r\n" + std::to_string(c.progressionApres) + "\r\n \r\n"),
                      std::string::npos);
        }
        const bool suivante = c.tournoi && c.gagne && c.persoApres <= 3;
        if (suivante) {
            // The next opponent, with the level's money and its personality.
            EXPECT_EQ(A().player, 390);
            EXPECT_EQ(A().cowboy, 390);
            EXPECT_EQ(A().pot, 20);
            EXPECT_EQ(r.Skill, c.persoApres == 2 ? 95 : 100);
            EXPECT_FALSE(f.Bobble->isVisible());
        } else {
            // The table keeps its last state with the closing sentence.
            EXPECT_TRUE(f.Bobble->isVisible());
            EXPECT_EQ(Bulle(), attendues[1]);
            EXPECT_TRUE(Offerts().empty());
            EXPECT_TRUE(CartesCliquables().empty());
            EXPECT_TRUE(f.EstActive());
        }
        if (c.persoApres == 4) {
            // The whole training set-up is back.
            EXPECT_EQ(std::vector({r.Skill, r.Emotion, r.Bluff, int(r.Risk), int(r.ArgentDepart)}),
                      std::vector({12, 13, 14, 15, 300}));
            EXPECT_FALSE(p.ReglagesSauves);
            const std::vector<std::string> boite{
                c.francais ? "Félicitation !|Vous avez battu la bande complète en 57 coups !\n\n"
                             "Essayez de faire encore mieux pour participer bientot à notre concours mondial !"
                           : "Congratulations !|You defeat the band with 57 hits !\n\nTry to do better !"};
            EXPECT_EQ(ok.Boites(), boite);
        } else {
            EXPECT_TRUE(ok.Boites().empty());
        }
    }
}

TEST_F(FinDePartie, EachLevelMeetsTheBandInOrderWithItsMoneyAndPersonalities) {
    // Each game as it starts: the opponent, skill/self-control/bluff/risk,
    // the two captions.
    std::vector<std::string> parties;
    Evenements evenements(*jeu);
    evenements.debutPartie = [&] {
        const Reglages& r = E().reglages;
        if (!E().partie.ModeTournoi) return;
        parties.push_back(std::to_string(E().partie.PersoCowboy) + " " + std::to_string(r.Skill) + "/" +
                          std::to_string(r.Emotion) + "/" + std::to_string(r.Bluff) + "/" +
                          std::to_string(r.Risk) + " " + f.PlayerMoney[0].Texte() + " " +
                          f.CowboyMoney[0].Texte());
    };
    // Each level chosen between two hands, and during a training game's
    // OK wait (it starts once that showdown is abandoned).
    for (bool pendantOK : {false, true}) {
        SCOPED_TRACE(pendantOK ? "during the OK wait" : "between two hands");
        parties.clear();
        for (QAction* niveau : {f.TournEasy, f.TournMed, f.TournHard}) {
            if (pendantOK) {
                VersAbattage(300, 200, 300, mains::Carre, mains::SuiteJoueur);
                RepondOK ok([niveau](Form1&) { niveau->trigger(); }, false);
                HasardSuite s;
                Clique(BoutonTable::Check);
            } else {
                HasardSuite s;
                niveau->trigger();
            }
            for (int adversaire = 0; adversaire < 3; ++adversaire) GagneLaPartie();
            EXPECT_FALSE(E().partie.ModeTournoi);
        }
        EXPECT_EQ(parties, (std::vector<std::string>{
                               "1 90/70/45/25 $300 $300", "2 95/80/25/45 $300 $300", "3 100/90/18/28 $300 $300",
                               "1 90/70/45/25 $400 $400", "2 95/80/25/45 $400 $400", "3 100/90/18/28 $400 $400",
                               "1 90/70/45/25 $500 $500", "2 95/80/25/45 $500 $500", "3 100/90/18/28 $500 $500",
                           }));
    }
}

TEST_F(FinDePartie, TheFileWrittenAfterAWinHoldsTheRaisedMarkerAndTheTrainingSetUp) {
    // A training set-up of its own on each line, chosen in the set-up
    // dialog, and settings that are not their defaults.
    choix = {PersoCowboyMexicain, 61, 62, 63, 64, 500};
    E().reglages.TypeCartes = 2;
    E().reglages.DosCarte = 7;
    {
        HasardSuite s;
        NouvelEntrainement();
        f.TournMed->trigger();
    }
    // Lines 1 to 15, then 19 blank lines; the training set-up, not the
    // tournament opponent's, on lines 2 to 6.
    const auto fichier = [](const char* marqueur) {
        std::string t = "2\r\n61\r\n63\r\n64\r\n62\r\n500\r\n0\r\n0\r\n0\r\n0\r\nUK\r\n2\r\n7\r\n\r\n";
        t += std::string(marqueur) + "\r\n";
        for (int i = 0; i < 19; ++i) t += " \r\n";
        return t;
    };
    GagneLaPartie();
    EXPECT_EQ(FichierReglages(), "") << "the cowboy beaten: nothing written";
    GagneLaPartie();
    EXPECT_EQ(FichierReglages(), fichier("4721")) << "the Mexican beaten";
    GagneLaPartie();
    EXPECT_EQ(FichierReglages(), fichier("8356")) << "the girl beaten";
    EXPECT_EQ(sauvegardes, 2);
}

TEST_F(FinDePartie, BeatenBandGetsTheBeatenMedallionAtItsOwnSize) {
    VersAbattage(390, 0, 410, mains::Rien, mains::SuiteJoueur);
    Partie& p = E().partie;
    p.ModeTournoi = true;
    p.PersoCowboy = PersoCowboyFille;
    p.NbCoups = 57;
    // A mark just beyond the medallion's square must survive the copy.
    const QRect medaille(580, 25 + 2 * 80, 65, 65);
    QImage& table = f.Table->Surface();
    const QPoint dessous(medaille.left(), medaille.bottom() + 1);
    const QPoint aDroite(medaille.right() + 1, medaille.top());
    table.setPixel(dessous, qRgb(1, 2, 3));
    table.setPixel(aDroite, qRgb(4, 5, 6));
    RepondOK ok;
    HasardSuite s;
    Clique(BoutonTable::Check);
    EXPECT_EQ(table.copy(medaille), ImageMagasin("FilleMed3").convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(table.pixel(dessous), qRgb(1, 2, 3));
    EXPECT_EQ(table.pixel(aDroite), qRgb(4, 5, 6));
    ASSERT_EQ(ok.Boites().size(), 1u);
    EXPECT_EQ(ok.Boites()[0], "Congratulations !|You defeat the band with 57 hits !\n\nTry to do better !");
}

TEST(TexteFinTournoi, CongratulationsInBothLanguagesWithTheTrueCount) {
    EXPECT_EQ(TexteBandeBattue(57, false), "You defeat the band with 57 hits !\n\nTry to do better !");
    EXPECT_EQ(TexteBandeBattue(57, true),
              "Vous avez battu la bande complète en 57 coups !\n\n"
              "Essayez de faire encore mieux pour participer bientot à notre concours mondial !");
    // Past the 16-bit range the count stays true.
    EXPECT_EQ(TexteBandeBattue(40000, false),
              "You defeat the band with 40000 hits !\n\nTry to do better !");
    EXPECT_EQ(TextesJeu::Felicitations.Dans(true), "Félicitation !");
}

TEST_F(FinDePartie, HandCountDoesNotWrapPastTheSixteenBitRange) {
    HasardSuite s;
    f.TournEasy->trigger();
    E().partie.NbCoups = 32767;
    jeu->NouvelleMise();
    EXPECT_EQ(E().partie.NbCoups, 32768);
}

}  // namespace
