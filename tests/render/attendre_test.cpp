// The timed wait and the OK wait on the real table window: input refused
// while waiting, timers and other windows alive, nesting, and a close in
// the middle of a wait.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "common/etat.h"
#include "render/attendre.h"
#include "render/form1.h"

namespace {

struct TableEnAttente : testing::Test {
    Form1 form;
    QPoint bouton{551 + 40, 330 + 27};  // centre of the Draw button moved into view
    int clicsDraw = 0, clicsEnter = 0;

    void SetUp() override {
        EtatDuJeu().mises.OKClique = false;
        form.BtnDrawUp->Move(551, 330);
        form.TrameDraw->Hide();
        form.BtnDrawUp->SurClic([this] { ++clicsDraw; });
        form.SurClic(form.MenuEnter, [this] { ++clicsEnter; });
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    QWindow* Fenetre() { return form.windowHandle(); }
    // Point of the table in window coordinates (the menu bar is above it).
    QPoint SurTable(QPoint p) { return form.Table->mapTo(&form, p); }
    void CliqueDraw() { QTest::mouseClick(Fenetre(), Qt::LeftButton, {}, SurTable(bouton)); }
    void F2() { QTest::keyClick(Fenetre(), Qt::Key_F2); }
    // Runs f after ms milliseconds of the coming wait.
    void Pendant(int ms, std::function<void()> f) { QTimer::singleShot(ms, &form, f); }
};

TEST_F(TableEnAttente, ZeroOrNegativeWaitReturnsAtOnceWithTheTableEnabled) {
    for (int16_t tmp : {int16_t(0), int16_t(-5), int16_t(-32768)}) {
        bool pompe = false;
        form.Desactive();
        QTimer::singleShot(0, [&] { pompe = true; });
        Attendre(tmp);
        EXPECT_TRUE(form.EstActive());
        EXPECT_FALSE(pompe) << "no pass of event handling for " << tmp;
        QApplication::processEvents();
    }
    // The same press as the flow makes: disabled, then the zero wait enables.
    CliqueDraw();
    EXPECT_EQ(clicsDraw, 1);
}

TEST_F(TableEnAttente, ClicksAndShortcutsAreDroppedDuringTheWaitOnly) {
    // A second, modeless window stays usable.
    QWidget aide;
    aide.resize(100, 100);
    Picture boutonAide(&aide, 0, 0, 100, 100);
    int clicsAide = 0;
    bool actifPendant = true;
    boutonAide.SurClic([&] { ++clicsAide; });
    aide.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&aide));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    Pendant(20, [&] {
        actifPendant = form.EstActive();
        CliqueDraw();
        F2();
        QTest::mouseClick(aide.windowHandle(), Qt::LeftButton, {}, {50, 50});
        // A press during the wait released after it is no click either.
        QTest::mousePress(Fenetre(), Qt::LeftButton, {}, SurTable(bouton));
    });
    // Waits are long beside the moment of the clicks, so a loaded machine
    // still clicks inside them.
    const int16_t attente = 200;
    QElapsedTimer t;
    t.start();
    Attendre(attente);
    EXPECT_GE(t.elapsed(), 200);
    EXPECT_FALSE(actifPendant);
    QTest::mouseRelease(Fenetre(), Qt::LeftButton, {}, SurTable(bouton));
    EXPECT_EQ(clicsDraw, 0);
    EXPECT_EQ(clicsEnter, 0);
    EXPECT_EQ(clicsAide, 1);
    EXPECT_TRUE(form.EstActive());

    CliqueDraw();
    F2();
    EXPECT_EQ(clicsDraw, 1);
    EXPECT_EQ(clicsEnter, 1);
}

// A click is a press and its release taken by the table with no wait and no
// modal window between them: a wait or a dialog that comes between cancels
// it, and a release whose press was refused is none, however the button
// under it was pressed before.
TEST_F(TableEnAttente, AClickIsCancelledByAWaitOrADialogBetweenPressAndRelease) {
    const auto presse = [&] { QTest::mousePress(Fenetre(), Qt::LeftButton, {}, SurTable(bouton)); };
    const auto relache = [&] { QTest::mouseRelease(Fenetre(), Qt::LeftButton, {}, SurTable(bouton)); };
    // Pressed before a wait, released during it: that release is lost...
    presse();
    Pendant(10, relache);
    Attendre(150);
    // ...and a press refused by the next wait, released after it, is no click.
    Pendant(10, presse);
    Attendre(150);
    relache();
    EXPECT_EQ(clicsDraw, 0);

    // Pressed before a wait, released after it.
    presse();
    Attendre(30);
    relache();
    EXPECT_EQ(clicsDraw, 0);

    // A modal window between press and release, and a press it blocked.
    presse();
    QDialog dialogue(&form);
    QTimer::singleShot(10, &dialogue, [&] {
        relache();
        presse();
        dialogue.reject();
    });
    dialogue.exec();
    relache();
    EXPECT_EQ(clicsDraw, 0);

    CliqueDraw();
    EXPECT_EQ(clicsDraw, 1);
}

TEST_F(TableEnAttente, DialogParentedToTheTableStaysUsable) {
    QDialog dialogue(&form);
    dialogue.resize(80, 80);
    Picture drapeau(&dialogue, 0, 0, 80, 80);
    int clics = 0;
    drapeau.SurClic([&] { ++clics; });
    dialogue.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogue));
    auto clique = [&] { QTest::mouseClick(dialogue.windowHandle(), Qt::LeftButton, {}, {40, 40}); };
    Pendant(10, clique);
    Attendre(150);
    EXPECT_EQ(clics, 1);
    // Nor is it a second action of the table while a table handler runs.
    form.BtnDrawUp->SurClic(clique);
    CliqueDraw();
    EXPECT_EQ(clics, 2);
}

TEST_F(TableEnAttente, MenuBarTakesNoClickDuringTheWait) {
    QMenuBar* barre = form.menuBar();
    const QRect jeu = barre->actionGeometry(form.MenuGame);
    const QPoint p = barre->mapTo(&form, jeu.center());
    Pendant(10, [&] { QTest::mouseClick(Fenetre(), Qt::LeftButton, {}, p); });
    Attendre(150);
    EXPECT_FALSE(form.MenuGame->menu()->isVisible());
    QTest::mouseClick(Fenetre(), Qt::LeftButton, {}, p);
    EXPECT_TRUE(form.MenuGame->menu()->isVisible());
    form.MenuGame->menu()->hide();
}

TEST_F(TableEnAttente, AltDoesNotReachTheMenusDuringTheWait) {
    QMenuBar* barre = form.menuBar();
    auto alt = [&] {
        QTest::keyPress(Fenetre(), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(Fenetre(), Qt::Key_Alt);
    };
    Pendant(10, alt);
    Attendre(150);
    EXPECT_EQ(barre->activeAction(), nullptr);
    // Outside a wait Alt selects the first menu (when the style navigates by Alt).
    alt();
    if (barre->activeAction()) {
        EXPECT_EQ(barre->activeAction(), form.MenuGame);
        QTest::keyClick(Fenetre(), Qt::Key_Escape);
    } else {
        GTEST_SKIP() << "this style has no Alt navigation";
    }
}

TEST_F(TableEnAttente, TimersTickAndNestedWaitsKeepTheTableRefused) {
    Minuterie& cligne = *form.TimerCligne;
    Minuterie& tell = *form.TimerYeuxCarte;
    int ticksCligne = 0;
    bool actifApresTell = true;
    bool tellFini = false;
    cligne.SurTick([&] { ++ticksCligne; });
    // A one-shot tell that pauses between frames inside the outer wait.
    tell.SurTick([&] {
        tell.SetInterval(0);
        int16_t pause = 30;
        Attendre(pause);
        tellFini = true;
        // Back in the outer wait: the table must refuse input again.
        QTimer::singleShot(10, &form, [&] {
            actifApresTell = form.EstActive();
            CliqueDraw();
        });
    });
    cligne.SetInterval(10);
    tell.SetInterval(15);
    Attendre(300);
    EXPECT_TRUE(tellFini);
    EXPECT_FALSE(actifApresTell) << "the outer wait refuses input again after the tell";
    EXPECT_EQ(clicsDraw, 0);
    EXPECT_GE(ticksCligne, 4);
    EXPECT_TRUE(form.EstActive());
    cligne.SetInterval(0);
}

// The game's waits name what they wait: whoever listens learns each one's
// length, from the settings or the fixed pause, and how deep it nests.
TEST_F(TableEnAttente, NamedWaitsAreToldWithTheirLengthAndDepth) {
    struct Releve : ObservateurAttentes {
        std::vector<std::tuple<Delai, int, int>> vues;
        void Attente(Delai quoi, int ms, int profondeur) override {
            vues.emplace_back(quoi, ms, profondeur);
        }
    } releve;
    const Reglages avant = EtatDuJeu().reglages;
    EtatDuJeu().reglages.DelayCard = 3;
    ObserveAttentes(&releve);
    Attendre(Delai::Card);
    Attendre(Delai::Bouton);
    Attendre(int16_t(2));  // names nothing
    // A face tell's pause inside the showdown's OK wait.
    QTimer::singleShot(0, [] {});
    AttenteOK(*form.Bobble, [&] {
        if (releve.vues.size() == 2) Attendre(Delai::MexDent);
        EtatDuJeu().mises.OKClique = true;
    });
    ObserveAttentes(nullptr);
    Attendre(Delai::Card);
    EtatDuJeu().reglages = avant;
    const std::vector<std::tuple<Delai, int, int>> attendues{
        {Delai::Card, 3, 0}, {Delai::Bouton, 0, 0}, {Delai::MexDent, 100, 1}};
    EXPECT_EQ(releve.vues, attendues);
}

TEST_F(TableEnAttente, SecondActionIsRefusedWhileAHandlerRuns) {
    int clicsCall = 0;
    form.BtnCallUp->Move(551, 260);
    form.TrameCall->Hide();
    form.BtnCallUp->SurClic([&] { ++clicsCall; });
    // Draw's handler pumps with the table enabled, as the press sequence does.
    form.BtnDrawUp->SurClic([&] {
        ++clicsDraw;
        QTest::mouseClick(Fenetre(), Qt::LeftButton, {}, SurTable({551 + 40, 260 + 27}));
        F2();
        QApplication::processEvents();
    });
    CliqueDraw();
    EXPECT_EQ(clicsDraw, 1);
    EXPECT_EQ(clicsCall, 0);
    EXPECT_EQ(clicsEnter, 0);
    EXPECT_EQ(HandlersEnCours(), 0);
    QTest::mouseClick(Fenetre(), Qt::LeftButton, {}, SurTable({551 + 40, 260 + 27}));
    EXPECT_EQ(clicsCall, 1);
}

TEST_F(TableEnAttente, OkWaitRunsWithTheTableEnabledUntilOkIsPressed) {
    auto& ok = EtatDuJeu().mises.OKClique;
    form.BtnOKUp->Move(551, 200);
    form.TrameOK->Hide();
    form.BtnOKUp->SurClic([&] { ok = true; }, Acces::PendantAttenteOK);
    const QPoint pointOK = SurTable({551 + 40, 200 + 27});
    bool attenteFinie = false, actif = false;
    form.BtnDrawUp->SurClic([&] {
        Pendant(20, [&] {
            actif = form.EstActive();
            CliqueDraw();  // another action: refused
            QTest::mouseClick(Fenetre(), Qt::LeftButton, {}, pointOK);
        });
        AttenteOK(*form.Bobble);
        attenteFinie = true;
    });
    form.Desactive();  // left disabled by a press: the OK wait enables it
    Attendre(0);
    CliqueDraw();
    EXPECT_TRUE(attenteFinie);
    EXPECT_TRUE(actif);
    EXPECT_TRUE(ok);

    // Outside the OK wait, OK is refused while another handler runs.
    ok = false;
    form.BtnDrawUp->SurClic([&] { QTest::mouseClick(Fenetre(), Qt::LeftButton, {}, pointOK); });
    CliqueDraw();
    EXPECT_FALSE(ok);
}

TEST_F(TableEnAttente, EachOkWaitWaitsForItsOwnOkWithTheBubbleShown) {
    auto& ok = EtatDuJeu().mises.OKClique;
    form.BtnOKUp->Move(551, 200);
    form.TrameOK->Hide();
    form.BtnOKUp->SurClic([&] { ok = true; }, Acces::PendantAttenteOK);
    const QPoint pointOK = SurTable({551 + 40, 200 + 27});
    // Two showdowns in a row: the first leaves the flag set, and the
    // second must still wait for a click of its own.
    for (int attente = 0; attente < 2; ++attente) {
        int passes = 0, passesAvantOK = -1;
        bool bulleVue = false;
        Pendant(20, [&] {
            bulleVue = form.Bobble->isVisible();
            passesAvantOK = passes;
            QTest::mouseClick(Fenetre(), Qt::LeftButton, {}, pointOK);
        });
        AttenteOK(*form.Bobble, [&] { ++passes; });
        EXPECT_TRUE(bulleVue) << attente;
        EXPECT_GE(passesAvantOK, 0) << "ended before OK, wait " << attente;
        EXPECT_GT(passes, passesAvantOK);
        EXPECT_TRUE(ok);
        EXPECT_FALSE(form.Bobble->isVisible());
    }
}

TEST_F(TableEnAttente, APassHookThatThrowsAbandonsTheOkWait) {
    struct Abandon {};
    bool abandonne = false;
    Pendant(10, [] {});
    try {
        AttenteOK(*form.Bobble, [] { throw Abandon{}; });
    } catch (const Abandon&) {
        abandonne = true;
    }
    EXPECT_TRUE(abandonne);
    EXPECT_FALSE(PorteeAttenteOK::EnCours());
}

TEST_F(TableEnAttente, ClosingDuringAWaitUnwindsTheHandlerAndClosesTheTable) {
    bool apres = false, tickApresFermeture = false;
    form.TimerCligne->SurTick([&] {
        if (form.Fermee()) tickApresFermeture = true;
    });
    form.TimerCligne->SetInterval(5);
    form.BtnDrawUp->SurClic([&] {
        Pendant(30, [&] { form.close(); });
        Attendre(30000);
        apres = true;  // drawing into a closed table: must not happen
    });
    CliqueDraw();
    EXPECT_FALSE(apres);
    EXPECT_TRUE(form.Fermee());
    EXPECT_FALSE(form.isVisible());
    QTest::qWait(30);
    EXPECT_FALSE(tickApresFermeture);
}

TEST_F(TableEnAttente, ExitChosenDuringTheOkWaitUnwindsANestedWaitToo) {
    bool apres = false, tellApres = false;
    form.SurClic(form.MenuExit, [&] { form.close(); }, Acces::Toujours);
    // A tell waiting inside the OK wait when Exit comes.
    form.TimerYeuxAnime->SurTick([&] {
        form.TimerYeuxAnime->SetInterval(0);
        Attendre(int16_t(30000));
        tellApres = true;
    });
    form.BtnDrawUp->SurClic([&] {
        form.TimerYeuxAnime->SetInterval(5);
        Pendant(40, [&] { form.MenuExit->trigger(); });
        AttenteOK(*form.Bobble);
        apres = true;
    });
    CliqueDraw();
    EXPECT_FALSE(apres);
    EXPECT_FALSE(tellApres);
    EXPECT_TRUE(form.Fermee());
    EXPECT_EQ(HandlersEnCours(), 0);
}

TEST_F(TableEnAttente, ClosingWhileIdleClosesAtOnce) {
    form.close();
    EXPECT_TRUE(form.Fermee());
    EXPECT_FALSE(form.FermetureDemandee());
    // A wait outside any handler (start-up) still just waits.
    Attendre(5);
}

}  // namespace
