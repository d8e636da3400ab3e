// What a player sees while the flow runs, wait by wait: the timeline of
// each path of a hand and of a game, written from what the table must show
// at each step (chronologie.h gives the notation).
#include "common/disposition.h"
#include "platform/raster.h"
#include "table_outils.h"

namespace {

using B = BoutonTable;
using Lignes = std::vector<std::string>;

Lignes operator+(Lignes a, const Lignes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string Dollars(int n) { return "$" + std::to_string(n); }

// A deal, after its first row: five backs while the opponent's hands take
// the cards, the turn, one bill off each pile (the money before the antes),
// the pot's caption with a card between its two bills, the five faces.
Lignes Donne(const std::string& premiere, int p, int c, int pot) {
    return {premiere,
            "card cards:bb... hands:1",
            "card cards:bbb.. hands:2",
            "card cards:bbbb. hands:3",
            "card cards:bbbbb hands:4",
            "turn hands:5",
            "bill P" + Dollars(p - 10),
            "bill C" + Dollars(c - 10),
            "card pot" + Dollars(pot),
            "card cards:fbbbb",
            "card cards:ffbbb",
            "card cards:fffbb",
            "card cards:ffffb",
            "card cards:fffff"};
}

// The first row where the last hand left the player's faces up, the
// opponent's five cards in its hands and no medallion.
std::string Debut(const std::string& offre, const std::string& argent) {
    return "start offer:" + offre + " bubble:- cards:fffff them:- hands:5 face:rest frame:off meds:--- " + argent;
}

// The opponent speaks: its bubble for one turn; where it speaks first in a
// hand, after a pause of one turn.
Lignes Parle(const std::string& phrase) { return {"say:'" + phrase + "'", "turn bubble:'" + phrase + "'"}; }
Lignes PauseEtParle(const std::string& phrase) {
    return {"say:'" + phrase + "'", "turn", "turn bubble:'" + phrase + "'"};
}

class Chrono_ : public TableDeJeu {
protected:
    // Every row, the ones that differ marked with what was expected.
    static std::string Ecarts(const Lignes& vues, const Lignes& attendues) {
        std::string t = "\n";
        for (size_t i = 0; i < std::max(vues.size(), attendues.size()); ++i) {
            const std::string v = i < vues.size() ? vues[i] : "(none)";
            const std::string a = i < attendues.size() ? attendues[i] : "(none)";
            t += (v == a ? "    " : "  ! ") + v + (v == a ? "" : "\n      expected: " + a) + "\n";
        }
        return t;
    }
    void Verifie(const Lignes& vues, const Lignes& attendues) {
        EXPECT_TRUE(vues == attendues) << Ecarts(vues, attendues);
    }

    // A showdown ready at the second betting turn (chronologie's piles
    // drawn for this money): Check or Pass leads to it.
    void AuSecondTour(int player, int cowboy, int pot, const Main& cowboyMain, const Main& playerMain,
                      Offre offre) {
        VersAbattage(player, cowboy, pot, cowboyMain, playerMain);
        RedessineArgent();
        PoseOffre(f, offre);
        M().ParleEnPremier = 0;  // the player opens the next hand
    }
};

// ---- The deal.

TEST_F(Chrono_, DealByOpener) {
    struct Cas {
        const char* quoi;
        int16_t bluff, risk;
        int player, cowboy;  // before the antes
        bool joueurOuvre;
        Lignes ouverture;
    } cas[] = {
        {"the player opens", -1, -1, 100, 100, true, {"player:opening offer:pass,$50,$20,$10"}},
        {"the opponent passes", -1, -1, 100, 100, false,
         PauseEtParle("I pass") + Lignes{"player:opening offer:pass,$50,$20,$10 bubble:-"}},
        // Its bet of 50 stepped down to what the player has left; paid
        // after the bubble, a bill at a time, the caption first.
        {"the opponent bets", 100, 100, 40, 300, false,
         PauseEtParle("I bet $20") + Lignes{"bill bubble:- C$270[28]", "bill C$270",
                                            "player:answer to a bet offer:call,fold,$10 pot$40"}},
        // The ante took the player's last $10: the bet becomes a pass.
        {"the opponent's bet to a player at $0", 100, 100, 10, 300, false,
         PauseEtParle("I pass") + Lignes{"player:check offer:check bubble:-"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        choix.bluff = c.bluff;
        choix.risk = c.risk;
        AvantDonne(c.player, c.cowboy, c.joueurOuvre);
        const Lignes vues = Deroule([&] { Distribue(mains::Rien, mains::RienJoueur); }, true);
        const std::string argent = "P" + Dollars(c.player) + " C" + Dollars(c.cowboy) + " pot$0";
        Verifie(vues, Lignes{Debut("pass,$50,$20,$10", argent)} +
                          Donne("card offer:- cards:b.... hands:-", c.player, c.cowboy, 20) + c.ouverture);
    }
}

// A game starts over whatever the last one left: a card raised for the
// draw, the frame, a tic on the face, the opponent's hands and piles.
TEST_F(Chrono_, GameStartWipesWhatTheLastGameLeft) {
    DonneAvec(400, 400, true, mains::PaireAs, mains::RienJoueur);
    {
        HasardSuite s;
        Clique(B::Bill10);
    }
    ASSERT_EQ(Offerts(), std::set{B::Draw});
    CliqueCarte(1);
    f.DessineVisage("YeuxCarte1", "VisageYeuxMask");
    choix.perso = PersoCowboyMexicain;
    choix.argent = 30;
    HasardSuite s;
    const Lignes vues = Deroule([&] { NouvelEntrainement(); }, true);
    Verifie(vues, Lignes{
                      "start offer:draw,cards bubble:- cards:fFfff them:- hands:5 face:drawn frame:on "
                      "meds:--- P$380 C$380 pot$40",
                      "turn",
                      // The new table, both piles built from nothing.
                      "bill offer:- cards:..... hands:- face:rest frame:off P$30[1] C$30[0] pot$0",
                      "bill P$30[2]", "bill P$30", "bill C$30[1]", "bill C$30[2]", "bill C$30",
                  } + Donne("card cards:b....", 30, 30, 20) +
                      Lignes{"player:opening offer:pass,$20,$10"});
}

// ---- Bets and raises.

TEST_F(Chrono_, BetCalledThenTheDraw) {
    DonneAvec(100, 100, true, mains::PaireAs, mains::RienJoueur);
    HasardSuite s;
    const Lignes vues = Deroule([&] { Clique(B::Bill20); });
    Verifie(vues, Lignes{
                      Debut("pass,$50,$20,$10", "P$90 C$90 pot$20"),
                      "press offer:pass,$50,$10",
                      // Everything covered, the caption before the bills.
                      "bill offer:- P$70[8]", "bill P$70", "turn pot$40",
                  } + Parle("I call") +
                      Lignes{"bill bubble:- C$70[8]", "bill C$70", "turn pot$60",
                             "player:draw offer:draw,cards frame:on"});
}

TEST_F(Chrono_, OpponentRaisesThePlayersBet) {
    // Aces and every risk: "RA50", stepped down to what it can pay.
    choix.risk = 100;
    DonneAvec(130, 70, true, mains::PaireAs, mains::RienJoueur);
    HasardSuite s;
    const Lignes vues = Deroule([&] { Clique(B::Bill20); });
    Verifie(vues, Lignes{
                      Debut("pass,$50,$20,$10", "P$120 C$60 pot$20"),
                      "press offer:pass,$50,$10", "bill offer:- P$100[11]", "bill P$100", "turn pot$40",
                  } + Parle("I raise $20") +
                      Lignes{// It calls 20 and raises 20 in one payment.
                             "bill bubble:- C$20[5]", "bill C$20[4]", "bill C$20[3]", "bill C$20", "turn pot$80",
                             "player:answer to a bet offer:call,fold,$20,$10"});
}

TEST_F(Chrono_, PlayersRaisePaysTheCallAndTheRaiseInOnePayment) {
    // The opponent bluffs "BE20" with nothing, then raises again.
    choix.bluff = 100;
    DonneAvec(400, 400, false, mains::Rien, mains::RienJoueur);
    HasardSuite s;
    const Lignes vues = Deroule([&] { Clique(B::Bill10); });
    Verifie(vues, Lignes{
                      Debut("call,fold,$50,$20,$10", "P$390 C$370 pot$40"),
                      "press offer:call,fold,$50,$20",
                      // 20 to call and 10 more, the caption at once.
                      "bill offer:- P$360[38]", "bill P$360[37]", "bill P$360", "turn pot$70",
                  } + Parle("I raise $20") +
                      Lignes{"bill bubble:- C$340[36]", "bill C$340[35]", "bill C$340", "turn pot$100",
                             "player:answer to a bet offer:call,fold,$50,$20,$10"});
}

// ---- Folds.

TEST_F(Chrono_, PlayerFoldsTheOpponentTakesThePotWithItsRemark) {
    choix.bluff = 100;
    DonneAvec(100, 300, false, mains::Rien, mains::RienJoueur);
    HasardSuite s;
    const Lignes vues = Deroule([&] { Clique(B::Fold); });
    Verifie(vues, Lignes{
                      Debut("call,fold,$50,$20,$10", "P$90 C$270 pot$40"),
                      "press offer:call,$50,$20,$10",
                      // The remark is said with everything covered and the
                      // pot still on the table.
                      "say:'Yeahhh...' offer:-",
                      "turn bubble:'Yeahhh...'",
                      // The heap goes first, then the pile grows.
                      "bill bubble:- C$310[28] pot$40[empty]", "bill C$310[29]", "bill C$310[30]", "bill C$310",
                      "turn pot$0", "deal P$80 C$300 pot$20", "player:opening offer:pass,$50,$20,$10",
                  });
}

TEST_F(Chrono_, OpponentFoldsThePlayerTakesThePot) {
    DonneAvec(100, 100, true, mains::Rien, mains::RienJoueur);
    HasardSuite s;
    const Lignes vues = Deroule([&] { Clique(B::Bill50); });
    Verifie(vues, Lignes{
                      Debut("pass,$50,$20,$10", "P$90 C$90 pot$20"),
                      "press offer:pass,$20,$10", "bill offer:- P$40[8]", "bill P$40[7]", "bill P$40[6]",
                      "bill P$40[5]", "bill P$40", "turn pot$70",
                  } + Parle("I fold") +
                      Lignes{"bill bubble:- P$110[5] pot$70[empty]", "bill P$110[6]", "bill P$110[7]",
                             "bill P$110[8]", "bill P$110[9]", "bill P$110[10]", "bill P$110", "turn pot$0",
                             // The opponent opens the next hand.
                             "deal P$100 C$80 pot$20"} +
                      PauseEtParle("I pass") +
                      Lignes{"player:opening offer:pass,$50,$20,$10 bubble:-"});
}

// ---- Pass and check.

// Both passed, the opponent first: no sentence, one turn, and the next
// deal keeps the heap and adds its antes to the pot.
TEST_F(Chrono_, PassAfterTheOpponentsPassDealsAgainOverThePot) {
    DonneAvec(100, 100, false, mains::Rien, mains::RienJoueur);
    HasardSuite s;
    const Lignes vues = Deroule([&] { Clique(B::Pass); }, true);
    Verifie(vues, Lignes{
                      Debut("pass,$50,$20,$10", "P$90 C$90 pot$20"),
                      "press offer:$50,$20,$10", "turn offer:-",
                  } + Donne("card cards:b.... hands:-", 90, 90, 40) +
                      Lignes{"player:opening offer:pass,$50,$20,$10"});
}

TEST_F(Chrono_, PlayersPassAnsweredByAPassOrABet) {
    struct Cas {
        const char* quoi;
        int16_t bluff;
        Lignes suite;
    } cas[] = {
        // A turn after the bubble, then the next deal over the pot.
        {"both pass", -1,
         Lignes{"turn bubble:-", "deal P$80 C$80 pot$40"} + PauseEtParle("I pass") +
             Lignes{"player:opening offer:pass,$50,$20,$10 bubble:-"}},
        // Its bet is paid after the bubble, and no wait follows.
        {"the opponent bets", 100,
         {"bill bubble:- C$70[8]", "bill C$70", "player:answer to a bet offer:call,fold,$50,$20,$10 pot$40"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        choix.bluff = c.bluff;
        DonneAvec(100, 100, true, mains::Rien, mains::RienJoueur);
        HasardSuite s;
        const Lignes vues = Deroule([&] { Clique(B::Pass); });
        const char* phrase = c.bluff > 0 ? "I bet $20" : "I pass too";
        Verifie(vues, Lignes{
                          Debut("pass,$50,$20,$10", "P$90 C$90 pot$20"),
                          "press offer:$50,$20,$10",
                          std::string("say:'") + phrase + "' offer:-",
                          "turn",
                          std::string("turn bubble:'") + phrase + "'",
                      } + c.suite);
    }
}

TEST_F(Chrono_, CheckAfterTheDrawAnsweredByACheckOrABet) {
    struct Cas {
        const char* quoi;
        Main cowboy;
        int16_t risk;
        Lignes suite;
    } cas[] = {
        // Holding nothing it checks back, and the reveal starts as soon as
        // its bubble is hidden.
        {"a check", mains::Rien, -1,
         Parle("I check") + Lignes{"card bubble:- them:.....", "card them:f....", "card them:ff...",
                                   "card them:fff..", "card them:ffff.", "card them:fffff",
                                   "say:'I lose' offer:ok", "OK bubble:'I lose'", "press offer:-",
                                   "bill bubble:- them:- P$340[31] pot$40[empty]", "bill P$340[32]",
                                   "bill P$340[33]", "bill P$340", "turn pot$0", "deal P$330 C$190 pot$20",
                                   "player:opening offer:pass,$50,$20,$10"}},
        // A bet is paid after the bubble, and no wait follows.
        {"a bet", mains::Suite, 100,
         Parle("I bet $20") + Lignes{"bill bubble:- C$180[19]", "bill C$180",
                                     "player:answer to a bet offer:call,fold,$50,$20,$10 pot$60"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        choix.risk = c.risk;
        AuSecondTour(300, 200, 40, c.cowboy, mains::SuiteJoueur, Offre::Ouverture);
        E().donne.GardeCowboy = "";
        HasardSuite s;
        const Lignes vues = Deroule([&] { Clique(B::Pass); });
        Verifie(vues, Lignes{
                          Debut("pass,$50,$20,$10", "P$300 C$200 pot$40"),
                          "press offer:$50,$20,$10",
                          // A turn before the opponent answers.
                          "turn offer:-",
                      } + c.suite);
    }
}

// ---- The draws.

// The player calls the opening bet: the opponent, whose bet was called,
// draws first: a turn, its sentence, the hands showing what it keeps for a
// turn, then a card at a time.
TEST_F(Chrono_, OpponentDrawsFirstAfterTheCall) {
    struct Cas {
        const char* quoi;
        Main cowboy;
        Tirages ouverture;
        Lignes tirage;
    } cas[] = {
        // Drawing first on a failed risk, it keeps none.
        {"it keeps none", mains::Rien, Tirages().Choix().Valeur(R(99)).Valeur(R(0)).Pot(1),
         Parle("I want 5 cards") + Lignes{"turn bubble:- hands:0", "card hands:1", "card hands:2", "card hands:3",
                                          "card hands:4", "card hands:5"}},
        // One frame of five cards, and its turn.
        {"it keeps all", mains::Suite, {}, Parle("I keep all") + Lignes{"turn bubble:-"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        // Its opening bet of $10 on a risk.
        choix.risk = 50;
        DonneAvec(400, 400, false, c.cowboy, mains::RienJoueur, c.ouverture);
        HasardSuite s({}, 4);
        const Lignes vues = Deroule([&] { Clique(B::Call); });
        Verifie(vues, Lignes{
                          Debut("call,fold,$50,$20,$10", "P$390 C$380 pot$30"),
                          "press offer:fold,$50,$20,$10",
                          // Call is covered once paid; the rest at the draw.
                          "bill offer:call,fold,$50,$20,$10 P$380",
                          "turn offer:fold,$50,$20,$10 pot$40",
                      } + c.tirage +
                          Lignes{"player:draw offer:draw,cards frame:on"});
    }
}

// The player's draw: the marked cards leave, backs take their places, a
// turn, the new faces; the frame goes and a turn passes; then the opponent
// draws second and the player opens.
TEST_F(Chrono_, PlayersDrawThenTheOpponentDrawsSecond) {
    choix.risk = 50;
    DonneAvec(400, 400, true, mains::Rien, mains::RienJoueur);
    {
        HasardSuite s;
        Clique(B::Bill10);
    }
    ASSERT_EQ(Offerts(), std::set{B::Draw});
    for (int i : {0, 1, 2, 4}) CliqueCarte(i);
    Tirages t;
    for (int v = 1; v <= 4; ++v) t.Carte({12, int16_t(v)});  // the player's four queens
    t.Choix().Valeur(R(99)).Valeur(R(99)).Choix();          // it keeps none
    t.Main(mains::QuatreAs);
    t.SansTell();
    HasardScript s(t.v);
    const Lignes vues = Deroule([&] { Clique(B::Draw); });
    Verifie(vues, Lignes{
                      "start offer:draw,cards bubble:- cards:FFFfF them:- hands:5 face:rest frame:on "
                      "meds:--- P$380 C$380 pot$40",
                      "press offer:cards",
                      "card offer:- cards:.FFfF", "card cards:..FfF", "card cards:...fF", "card cards:...f.",
                      // No wait after the last back.
                      "card cards:b..f.", "card cards:bb.f.", "card cards:bbbf.", "turn cards:bbbfb",
                      "card cards:fbbfb", "card cards:ffbfb", "card cards:ffffb", "card cards:fffff",
                      "turn frame:off",
                  } + Parle("I want 5 cards") +
                      Lignes{"turn bubble:- hands:0", "card hands:1", "card hands:2", "card hands:3", "card hands:4",
                             "card hands:5", "player:opening offer:pass,$50,$20,$10"});
}

// The opponent drew first: after the player's draw it opens the second
// turn, with a bet stepped down to the player's money or a pass.
TEST_F(Chrono_, PlayersDrawThenTheOpponentOpens) {
    struct Cas {
        const char* quoi;
        std::vector<int> marquees;
        Lignes tirage, ouverture;
    } cas[] = {
        // No card changed: still a turn after the backs and after the frame.
        {"no card changed, a bet", {}, {"turn offer:-", "turn frame:off"},
         Parle("I bet $20") + Lignes{"bill bubble:- C$320[33]", "bill C$320",
                                     "player:answer to a bet offer:call,fold,$10 pot$140"}},
        {"three changed, a pass", {0, 2, 4},
         {"card offer:- cards:.fFfF", "card cards:.f.fF", "card cards:.f.f.", "card cards:bf.f.",
          "card cards:bfbf.", "turn cards:bfbfb", "card cards:ffbfb", "card cards:ffffb", "card cards:fffff",
          "turn frame:off"},
         Parle("I pass") + Lignes{"player:check offer:check,$20,$10 bubble:-"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        // A straight bets 50 at the deal; the player calls.
        choix.risk = 100;
        DonneAvec(90, 400, false, mains::Suite, mains::RienJoueur);
        {
            HasardSuite s;
            Clique(B::Call);
        }
        for (int i : c.marquees) CliqueCarte(i);
        HasardSuite s;
        const Lignes vues = Deroule([&] { Clique(B::Draw); });
        std::string cartes = "fffff";
        for (int i : c.marquees) cartes[i] = 'F';
        Verifie(vues, Lignes{"start offer:draw,cards bubble:- cards:" + cartes +
                                 " them:- hands:5 face:rest frame:on meds:--- P$30 C$340 pot$120",
                             "press offer:cards"} +
                          c.tirage + c.ouverture);
    }
}

// ---- The showdown and the end of a game.

// The reveal: everything covered, the opponent's cards a card apart, OK
// uncovered after the last; its sentence until OK, which hides the bubble
// and the cards at once; then the heap goes, the winner's pile grows, the
// pot reads $0, a turn, and the next hand.
TEST_F(Chrono_, ShowdownRevealAndOk) {
    const Lignes revelation{"card offer:- them:.....", "card them:f....", "card them:ff...",
                            "card them:fff..",        "card them:ffff.", "card them:fffff"};
    struct Cas {
        const char* quoi;
        Main cowboy;
        Offre offre;
        B bouton;
        Lignes avant, apres;
    } cas[] = {
        // Check goes straight to the showdown.
        {"the opponent wins after a check", mains::Carre, Offre::Check, B::Check,
         {Debut("check,$50,$20,$10", "P$300 C$200 pot$40"),
          "press offer:$50,$20,$10"},
         Lignes{"say:'I win' offer:ok", "OK bubble:'I win'", "press offer:-",
                "bill bubble:- them:- C$240[21] pot$40[empty]", "bill C$240[22]", "bill C$240[23]", "bill C$240",
                "turn pot$0", "deal P$290 C$230 pot$20"}},
        // A call after the draw: paid, then the showdown at once.
        {"the player wins after a call", mains::Rien, Offre::ReponseMise, B::Call,
         {Debut("call,fold,$50,$20,$10", "P$300 C$200 pot$40"),
          "press offer:fold,$50,$20,$10", "bill offer:call,fold,$50,$20,$10 P$280[29]", "bill P$280"},
         Lignes{"say:'I lose' offer:ok", "OK bubble:'I lose'", "press offer:-",
                "bill bubble:- them:- P$340[29] pot$60[empty]", "bill P$340[30]", "bill P$340[31]",
                "bill P$340[32]", "bill P$340[33]", "bill P$340", "turn pot$0", "deal P$330 C$190 pot$20"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        AuSecondTour(300, 200, 40, c.cowboy, mains::SuiteJoueur, c.offre);
        if (c.offre == Offre::ReponseMise) {
            M().MiseCourante = 20;
            PoseOffre(f, c.offre);
        }
        HasardSuite s;
        const Lignes vues = Deroule([&] { Clique(c.bouton); });
        Lignes attendues = c.avant + revelation + c.apres + Lignes{"player:opening offer:pass,$50,$20,$10"};
        if (c.offre == Offre::ReponseMise) attendues[c.avant.size()] += " pot$60";
        Verifie(vues, attendues);
    }
}

TEST_F(Chrono_, EndOfAGame) {
    const Lignes revelation{"press offer:-",   "card them:.....", "card them:f....", "card them:ff...",
                            "card them:fff..", "card them:ffff.", "card them:fffff"};
    const auto medailles = [this](const char* cowboy, const char* mexicain, const char* fille) {
        const Disposition& d = DispositionDuJeu();
        const char* noms[] = {cowboy, mexicain, fille};
        for (int k = 0; k < 3; ++k)
            Copie(*f.Table, d.MedX, d.MedY + k * d.MedDY, 65, 65, ImageMagasin(noms[k]), 0, 0, OpRaster::SrcCopy);
    };
    struct Cas {
        const char* quoi;
        bool gagne, tournoi;
        int16_t perso;
        Lignes fin;
    } cas[] = {
        // The closing sentence stays, and nothing else happens.
        {"a training game lost", false, false, PersoCowboyCowboy,
         Lignes{"say:'I win' offer:ok", "OK bubble:'I win'", "press offer:-",
                "bill bubble:- them:- C$70[4] pot$40[empty]", "bill C$70[5]", "bill C$70[6]", "bill C$70",
                "turn pot$0", "say:'I win the game !'", "turn bubble:'I win the game !'", "player:nothing"}},
        // The next opponent: a turn with the sentence still up, then its
        // table, its medallions and its piles.
        {"the cowboy beaten in a tournament", true, true, PersoCowboyCowboy,
         Lignes{"say:'I lose' offer:ok", "OK bubble:'I lose'", "press offer:-",
                "bill bubble:- them:- P$70[4] pot$40[empty]", "bill P$70[5]", "bill P$70[6]", "bill P$70",
                "turn pot$0", "say:'I lost the game !'", "turn bubble:'I lost the game !'", "turn",
                "bill bubble:- cards:..... hands:- meds:321 P$30[1] C$30[0]", "bill P$30[2]", "bill P$30",
                "bill C$30[1]", "bill C$30[2]", "bill C$30", "deal cards:fffff hands:5 P$20 C$20 pot$20",
                "player:opening offer:pass,$20,$10"}},
        // The girl's medallion turns to beaten, then the congratulations.
        {"the band beaten", true, true, PersoCowboyFille,
         Lignes{"say:'I lose' offer:ok", "OK bubble:'I lose'", "press offer:-",
                "bill bubble:- them:- P$70[4] pot$40[empty]", "bill P$70[5]", "bill P$70[6]", "bill P$70",
                "turn pot$0", "say:'I lost the game !'", "turn bubble:'I lost the game !'",
                "box:'Congratulations !' meds:333", "player:nothing"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        // The player's straight beats nothing; the opponent's four tens beat it.
        AuSecondTour(c.gagne ? 30 : 0, c.gagne ? 0 : 30, 40, c.gagne ? mains::Rien : mains::Carre,
                     mains::SuiteJoueur, Offre::Check);
        Partie& p = E().partie;
        p.ModeTournoi = c.tournoi;
        p.PersoCowboy = c.perso;
        p.ArgentTournoi = 30;
        if (c.perso == PersoCowboyFille) medailles("CowMed3", "MexMed3", "FilleMed2");
        HasardSuite s;
        const Lignes vues = Deroule([&] { Clique(B::Check); });
        const std::string argent = c.gagne ? "P$30 C$0" : "P$0 C$30";
        Verifie(vues, Lignes{"start offer:check bubble:- cards:fffff them:- hands:5 face:rest frame:off meds:" +
                             std::string(c.perso == PersoCowboyFille ? "332" : "---") + " " + argent + " pot$40"} +
                          revelation + c.fin);
    }
}

}  // namespace
