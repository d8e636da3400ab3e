// Each invariant of the driver catches the fault it is there for: a fault
// planted where the flow waits for the player stops the run with its
// breach, and nothing is reported on an untouched table.
#include <gtest/gtest.h>

#include <set>

#include "common/disposition.h"
#include "common/etat.h"
#include "hasards.h"
#include "platform/raster.h"
#include "render/form1.h"
#include "shell/dialogues_commun.h"
#include "source_test.h"
#include "support/visages_attendus.h"

namespace {

using B = BoutonTable;

class Invariants : public testing::Test {
protected:
    // Plays a training game up to the first wait where `ici` holds, plants
    // the fault there, and lets the driver check the table at its next step.
    std::string Apres(std::function<bool(const Situation&)> ici, std::function<void(Form1&)> faute,
                      const std::string& training = "training cowboy 50 0 30 40 400") {
        HasardGraine hasard(3);
        bool plantee = false;
        SourceTest source({"language en", "first 0", training}, [&](const Situation& s) -> std::optional<ActionJoueur> {
            if (plantee || !s.partieEnCours) return {};
            if (!ici(s)) return VersLAbattage(s);
            plantee = true;
            faute(pilote_->Table()->f);
            return Action("first 0");  // no handler: the table is checked as it is
        });
        pilote_ = std::make_unique<Pilote>(source, OptionsPilote{});
        pilote_->Joue();
        EXPECT_TRUE(plantee) << pilote_->Arret();
        const std::string arret = pilote_->Arret();
        pilote_.reset();
        return arret;
    }
    std::string AOuverture(std::function<void(Form1&)> faute) {
        return Apres([](const Situation& s) { return Offert(s, B::Pass); }, std::move(faute));
    }

    static Etat& E() { return EtatDuJeu(); }
    std::unique_ptr<Pilote> pilote_;
};

TEST_F(Invariants, NothingIsReportedOnAnUntouchedTableAtEveryKindOfWait) {
    for (B b : {B::Pass, B::Call, B::Draw, B::Check, B::OK}) {
        EXPECT_EQ(Apres([b](const Situation& s) { return Offert(s, b); }, [](Form1&) {}), "")
            << "waiting with " << int(b) << " offered";
    }
}

TEST_F(Invariants, CaptionsAreReadAsText) {
    EXPECT_EQ(AOuverture([](Form1& f) { f.PlayerMoney[1].SetCaption(std::string("$39O")); }),
              "breach: PlayerMoney(1) reads \"$39O\"");
    EXPECT_EQ(AOuverture([](Form1& f) { f.CowboyMoney[0].SetCaption(std::string("$-10")); }),
              "breach: CowboyMoney(0) reads \"$-10\"");
    EXPECT_EQ(AOuverture([](Form1& f) { f.Pot[0].SetCaption(std::string("$30")); }),
              "breach: Pot(0) reads \"$30\" for $20");
    EXPECT_EQ(AOuverture([](Form1& f) { f.Pot[1].resize(12, f.Pot[1].height()); }),
              "breach: Pot(1) \"$20\" does not fit its label");
    EXPECT_EQ(AOuverture([](Form1& f) { f.CowboyMoneyBar->Hide(); }), "breach: CowboyMoney(0) is hidden");
}

TEST_F(Invariants, TheMoneyAddsUpToTwiceTheStartingMoney) {
    const std::string arret = AOuverture([](Form1& f) {
        E().argent.pot += 10;
        f.MontreArgent();
    });
    EXPECT_EQ(arret, "breach: the money adds up to $810 (player $390, opponent $390, pot $30) in a game of $800");
}

TEST_F(Invariants, DeckMarksFollowTheCardsHeld) {
    EXPECT_NE(AOuverture([](Form1&) {
                  Donne& d = E().donne;
                  for (int v = 1; v <= 13; ++v)
                      for (int s = 1; s <= 4; ++s)
                          if (d.Paquet(v, s) == MarqueCarte::Libre) {
                              d.Paquet(v, s) = MarqueCarte::Player;
                              return;
                          }
              }).find("breach: the deck marks "),
              std::string::npos);
    // The same card twice in the hands, the marks left alone.
    const std::string deux = AOuverture([](Form1& f) {
        Donne& d = E().donne;
        d.CartesPlayer[1] = d.CartesPlayer[0];
        f.PeintFace(*f.Card2, d.CartesPlayer[1].valeur, d.CartesPlayer[1].couleur);
    });
    EXPECT_EQ(deux.substr(deux.size() - 22), " is twice in the hands") << deux;
}

TEST_F(Invariants, ADrawnCardAlreadyHeldIsCaughtWhenDrawn) {
    Etat etat;
    Form1 f;
    Verificateur v(f);
    EtatDuJeu() = etat;
    Donne& d = E().donne;
    d.Paquet.Vide();
    for (int i = 0; i < 5; ++i) {
        d.CartesCowboy[i] = {int16_t(i + 1), 1};
        d.CartesPlayer[i] = {int16_t(i + 1), 2};
        d.Paquet(i + 1, 1) = MarqueCarte::Cowboy;
        d.Paquet(i + 1, 2) = MarqueCarte::Player;
    }
    v.Donne();
    EXPECT_EQ(v.ApresHandler(), "");
    // The opponent keeps "1234" and gets the player's Five of clubs.
    d.CartesCowboy[4] = {5, 2};
    v.Tirage(true, "1234");
    EXPECT_EQ(v.ApresHandler(), "the opponent drew 5C, already held by the player in this hand");
    // The player changes its first card for one the opponent threw away.
    d.CartesPlayer[0] = {5, 1};
    v.Tirage(false, "1");
    EXPECT_EQ(v.ApresHandler(), "the player drew 5H, already held by the opponent in this hand");
}

// A table checked by hand rather than by the driver: a game of $400 each.
struct TableVerifiee {
    Form1 f;
    Verificateur v{f};
    TableVerifiee() {
        EtatDuJeu() = Etat{};
        EtatDuJeu().argent = {400, 400, 0};
        for (Picture* barre : {f.PlayerMoneyBar, f.CowboyMoneyBar, f.PotMoneyBar}) barre->Show();
        f.MontreArgent();
        v.DebutPartie();
    }
};

TEST_F(Invariants, TheMoneyIsAlsoCheckedAtTheFlowsEventsInsideAHandler) {
    TableVerifiee t;
    Verificateur& v = t.v;
    EXPECT_EQ(v.ApresHandler(), "");
    // A sentence said while a payment is written to the amounts only.
    E().argent.player -= 20;
    E().argent.pot += 20;
    v.Parole("I call", "CA");
    EXPECT_EQ(v.ApresHandler(), "when the opponent said \"I call\": PlayerMoney(0) reads \"$400\" for $380");
}

TEST_F(Invariants, CardPicturesShowTheCardsHeld) {
    EXPECT_EQ(AOuverture([](Form1& f) {
                  const Carte c = E().donne.CartesPlayer[3];
                  f.PeintFace(*f.Card3, c.valeur, c.couleur);
              }).substr(0, 40),
              "breach: the player's card 3 does not sho");
    EXPECT_EQ(AOuverture([](Form1& f) { f.PeintDos(*f.Card5); }).substr(0, 40),
              "breach: the player's card 5 does not sho");
    EXPECT_EQ(AOuverture([](Form1& f) { f.CowboyGame->Show(); }),
              "breach: the opponent's cards shown outside the showdown");
    // At the showdown the opponent's five cards, as they are.
    const std::string abattage = Apres([](const Situation& s) { return s.attente == Attente::OK; },
                                       [](Form1& f) {
                                           const Carte c = E().donne.CartesPlayer[0];
                                           Copie(*f.CowboyGame, 12 + 2 * 72, 14, 71, 96,
                                                 ImageMagasin(DispositionDuJeu().Cartes),
                                                 (c.valeur - 1) * 71, (c.couleur - 1) * 96,
                                                 OpRaster::SrcCopy);
                                       });
    EXPECT_EQ(abattage.substr(0, 44), "breach: the opponent's card 3 does not show ") << abattage;
}

// The options switch the face sheet at once, in the middle of a hand too:
// the cards on the table keep the faces they were painted with, the cards
// drawn and revealed afterwards come from the new sheet.
TEST_F(Invariants, CardsKeepTheFaceSheetTheyWerePaintedFrom) {
    HasardGraine hasard(3);
    int etape = 0;
    SourceTest source({"language en", "first 0", "training cowboy 50 0 30 40 400"},
                      [&](const Situation& s) -> std::optional<ActionJoueur> {
                          if (!s.partieEnCours) return {};
                          if (etape == 0 && Offert(s, B::Draw)) {
                              ++etape;
                              ChoisitCartes(2);
                              return Action("draw 1 3");
                          }
                          if (etape == 1 && s.attente == Attente::OK) ++etape;
                          if (etape == 2 && s.attente == Attente::Joueur) return {};
                          return VersLAbattage(s);
                      });
    Pilote pilote(source, OptionsPilote{});
    EXPECT_TRUE(pilote.Joue()) << pilote.Arret();
    EXPECT_EQ(etape, 2);
    ChoisitCartes(1);

    // A card repainted from the new sheet is still not the card dealt.
    const std::string repeinte = Apres([](const Situation& s) { return Offert(s, B::Pass); },
                                       [](Form1& f) {
                                           ChoisitCartes(2);
                                           const Carte c = E().donne.CartesPlayer[1];
                                           f.PeintFace(*f.Card2, c.valeur, c.couleur);
                                       });
    ChoisitCartes(1);
    EXPECT_EQ(repeinte.substr(0, 40), "breach: the player's card 2 does not sho") << repeinte;
}

TEST_F(Invariants, PilesShowOneBillPerTenDollars) {
    // A bill too many: something above the top bill.
    EXPECT_EQ(AOuverture([](Form1& f) {
                  QImage& s = f.PileBilletsPlayer->Surface();
                  s.setPixel(30, 2, s.pixel(30, 2) ^ 0xFFFFFF);
              }),
              "breach: the player's pile shows a bill above its 39 bills of $390");
    // A bill too few: the top bill wiped.
    EXPECT_EQ(AOuverture([](Form1& f) {
                  const Etat& e = EtatDuJeu();
                  Picture& w = *f.PileBilletsCowboy;
                  const int haut = 390;
                  const int y = (DispositionDuJeu().PileYCowboy - w.Top()) - haut / 5;
                  Copie(w.Surface(), e.scene.PilesXCowboy[haut], y, 60, 6, f.Table->Surface(),
                        w.Left() + e.scene.PilesXCowboy[haut], w.Top() + y, OpRaster::SrcCopy);
              }),
              "breach: the opponent's pile does not show its top bill, level $390");
}

TEST_F(Invariants, ThePotHeapIsEmptyExactlyWhenThePotIsZero) {
    EXPECT_EQ(AOuverture([](Form1& f) { f.CopieTableSous(*f.FenetrePot); }),
              "breach: no bill on the pot heap for a pot of $20");
    // Right when a pot is paid the heap must be gone.
    Form1 f;
    Verificateur v(f);
    E() = Etat{};
    f.FenetrePot->Show();
    f.CopieTableSous(*f.FenetrePot);
    v.PotPaye(true);
    EXPECT_EQ(v.ApresHandler(), "");
    f.FenetrePot->Surface().setPixel(5, 5, 0xFF123456);
    v.PotPaye(false);
    EXPECT_EQ(v.ApresHandler(), "when the pot was paid: bills on the pot heap with the pot at $0");
}

TEST_F(Invariants, OnlyTheCurrentCharactersFaceTimersRun) {
    // A timer stopped by the game start does not run whatever its interval.
    EXPECT_EQ(AOuverture([](Form1& f) { f.TimerMexGoutte->SetInterval(100); }), "");
    EXPECT_EQ(AOuverture([](Form1& f) {
                  f.TimerMexGoutte->SetEnabled(true);
                  f.TimerMexGoutte->SetInterval(100);
              }),
              "breach: TimerMexGoutte runs (100 ms) for character 1");
    EXPECT_EQ(Apres([](const Situation& s) { return Offert(s, B::Pass); },
                    [](Form1& f) {
                        f.TimerYeuxAnime->SetEnabled(true);
                        f.TimerYeuxAnime->SetInterval(3000);
                    },
                    "training girl 50 0 30 40 300"),
              "breach: TimerYeuxAnime runs (3000 ms) for character 3");
}

// Each character may run its own face timers, by the tests' account of its
// face, and no other; the girl's stay allowed once the band is beaten.
TEST_F(Invariants, EachCharacterRunsItsOwnFaceTimersOnly) {
    TableVerifiee t;
    Form1& f = t.f;
    for (const VisageAttendu& a : kVisagesAttendus) {
        std::set<Minuterie*> siens{f.*a.faible, f.*a.fort};
        for (const VisageAttendu::Lancement& l : a.ralenti) siens.insert(f.*l.timer);
        for (int16_t perso : {a.perso, a.perso == PersoCowboyFille ? PersoBandeBattue : a.perso}) {
            E().partie.PersoCowboy = perso;
            for (size_t k = 0; k < f.TimersVisage.size(); ++k) {
                Minuterie& m = *f.TimersVisage[k];
                m.SetEnabled(true);
                m.SetInterval(100);
                EXPECT_EQ(t.v.ApresHandler().empty(), siens.count(&m) == 1)
                    << "character " << perso << ", timer " << k;
                m.SetInterval(0);
                m.SetEnabled(false);
            }
        }
    }
}

TEST_F(Invariants, TheTableWaitsEnabledWithOneOfItsLayouts) {
    EXPECT_EQ(AOuverture([](Form1& f) { f.Desactive(); }),
              "breach: the table refuses input while the flow waits for the player");
    EXPECT_EQ(AOuverture([](Form1& f) { f.TournMed->setEnabled(false); }),
              "breach: the menu item \"Medium ($400)\" cannot be chosen");
    EXPECT_EQ(AOuverture([](Form1& f) {
                  f.TrameFold->Hide();
                  f.BtnFoldUp->Show();
                  f.BtnFoldUp->raise();
              }),
              "breach: layout nothing: no layout offers these buttons");
    EXPECT_EQ(AOuverture([](Form1& f) { f.Card2->SetEnabled(true); }),
              "breach: layout nothing: cards clickable outside the draw");
    EXPECT_EQ(AOuverture([](Form1& f) { f.TramePlaque[2].Show(); }),
              "breach: layout opening: plates other than the money allows");
    EXPECT_EQ(AOuverture([](Form1& f) { f.TrameCall->Hide(); }),
              "breach: layout nothing: no layout offers these buttons");
    EXPECT_EQ(AOuverture([](Form1& f) { f.BtnRaise->Show(); }),
              "breach: layout opening: the Bet board not alone");
    EXPECT_EQ(Apres([](const Situation& s) { return Offert(s, B::Draw); },
                    [](Form1& f) { f.Card4->SetEnabled(false); }),
              "breach: layout draw: the draw without its five cards");
    EXPECT_EQ(Apres([](const Situation& s) { return Offert(s, B::Draw); },
                    [](Form1& f) { f.Line1[1].hide(); }),
              "breach: layout draw: the frame of the cards outside the draw");
    EXPECT_EQ(Apres([](const Situation& s) { return Offert(s, B::Call); },
                    [](Form1& f) { f.TramePlaque[7].Show(); }),
              "breach: layout answer to a bet: the board's cover does not follow the plates");
}

TEST_F(Invariants, TheBubbleSpeaksAtTheShowdownAndIsGoneBetweenHandlers) {
    EXPECT_EQ(AOuverture([](Form1& f) { f.Bobble->Show(); }).substr(0, 41),
              "breach: the speech bubble stays up with \"");
    const auto aLAbattage = [](const Situation& s) { return s.attente == Attente::OK; };
    EXPECT_EQ(Apres(aLAbattage, [](Form1& f) { f.Say->SetCaption(std::string("I pass")); }),
              "breach: the speech bubble says \"I pass\"");
    EXPECT_EQ(Apres(aLAbattage, [](Form1& f) { f.Bobble->Hide(); }),
              "breach: the speech bubble is hidden where the opponent speaks");
}

TEST_F(Invariants, TheScreenShowsWhatTheImagesShow) {
    std::string avant, apres;
    EXPECT_EQ(AOuverture([&](Form1& f) {
                  avant = EcranEnRetard(f);
                  // The face changed in its image, no repaint asked for.
                  f.FenetreVisage->Surface().fill(Qt::red);
                  apres = EcranEnRetard(f);
              }),
              "");
    EXPECT_EQ(avant, "");
    EXPECT_EQ(apres.rfind("the screen is behind at (", 0), 0u) << apres;
}

}  // namespace
