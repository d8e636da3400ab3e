#include "shell/aide.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QWindow>
#include <QTabBar>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>

#include "platform/acces.h"

#include "assets/magasin.h"
#include "dialogues_test_outils.h"
#include "render/attendre.h"
#include "render/form1.h"
#include "shell/demarrage.h"
#include "shell/menus.h"

namespace {

const QImage& Magasin(const char* nom) { return MagasinImages::Instance().Image(QString::fromUtf8(nom)); }

// The top third of a card of the "Typical" sheet.
QImage HautDeCarte(int valeur, int couleur, int largeur = 71) {
    return Magasin("TabCartes").copy((valeur - 1) * 71, (couleur - 1) * 96, largeur, 32);
}

class Aide : public EtatPreserve {
protected:
    void TearDown() override {
        if (MonHelp* a = AideOuverte()) delete a;
        EtatPreserve::TearDown();
    }
};

TEST_F(Aide, EnglishTexts) {
    EtatDuJeu().reglages.LangueChoisie = "UK";
    MonHelp aide(nullptr);
    EXPECT_EQ(aide.windowTitle(), "Help");
    EXPECT_EQ(aide.TabStrip1->tabText(0), "Buttons Mean");
    EXPECT_EQ(aide.TabStrip1->tabText(1), "Hands Rank");
    EXPECT_EQ(aide.OK->text(), "OK");
    EXPECT_EQ(aide.HelpText[0]->text(), "To go on the game.");
    EXPECT_EQ(aide.HelpText[2]->text(),
              "To match the previous bet and :\n"
              "                - 1st turn : To change cards.\n"
              "                - 2nd turn : To compare hands.");
    EXPECT_EQ(aide.HelpText[5]->text(),
              "If no bet have been made :\n"
              "             To pass the decision to bet to the other player.\n"
              "If the previous player passed : \n"
              "             To redeal the cards (players must ante up again).");
    EXPECT_EQ(aide.HelpText[7]->text(), "To increase the previous bet.");
    EXPECT_EQ(aide.NameHand[0]->text(), "1) STRAIGHT FLUSH");
    EXPECT_EQ(aide.NameHand[8]->text(), "9) HIGH CARDS");
    EXPECT_EQ(aide.HandText[8]->text(),
              "Any hand that does not qualify as one of the better hands above.\n"
              "Ranked by the top card, then the second card and so on.\n"
              "In case of tie, the best suits are in order : spike, heart, square, clover.");
    for (int k = 0; k < 8; ++k) EXPECT_EQ(aide.HelpText2[k]->text(), aide.HelpText[k]->text());
}

TEST_F(Aide, EmptyLanguageIsEnglish) {
    MonHelp aide(nullptr);
    EXPECT_EQ(aide.windowTitle(), "Help");
    EXPECT_EQ(aide.NameHand[6]->text(), "7) TWO PAIR");
}

TEST_F(Aide, FrenchTexts) {
    EtatDuJeu().reglages.LangueChoisie = "FR";
    MonHelp aide(nullptr);
    EXPECT_EQ(aide.windowTitle(), "Aide");
    EXPECT_EQ(aide.TabStrip1->tabText(0), "Boutons de jeu");
    EXPECT_EQ(aide.TabStrip1->tabText(1), "Combinaisons de cartes (du + fort au - fort)");
    EXPECT_EQ(aide.OK->text(), "OK");
    EXPECT_EQ(aide.HelpText[1]->text(), "Changer les cartes s\u00e9lectionn\u00e9es.");
    EXPECT_EQ(aide.HelpText[5]->text(),
              "Si aucun pari n'a \u00e9t\u00e9 fait (outre la mise au pot initiale) :\n"
              "             Laisser la d\u00e9cision de miser \u00e0 l'adversaire.\n"
              "Si l'adversaire vient de vous laisser la parole : \n"
              "             Redistribuer les cartes (le pot reste).");
    EXPECT_EQ(aide.NameHand[1]->text(), "2) CARRE");
    EXPECT_EQ(aide.NameHand[5]->text(), "6) BRELAN");
    EXPECT_EQ(aide.HandText[4]->text(),
              "5 cartes qui se suivent.\n"
              "L'as peut  jouer la plus faible ou la plus forte carte.\n"
              "Les suites 'tournantes' comme 32AKQ ne sont pas autoris\u00e9es.");
    EXPECT_EQ(aide.HandText[8]->text(),
              "Toute autre combinaison de cartes...\n"
              "Le classement se fait par la carte la plus forte, puis la seconde, ...\n"
              "Si besoin on d\u00e9partage par la + forte carte: pique,coeur,carreau,tr\u00e8fle.");
}

TEST_F(Aide, LayoutOfTheWindowAndTheExplanations) {
    MonHelp aide(nullptr);
    EXPECT_EQ(aide.width(), 518);
    EXPECT_EQ(aide.HelpButtons->pos(), QPoint(12, 40));
    EXPECT_EQ(aide.HelpHands->pos(), QPoint(12, 40));
    // 18.6, 80.6, 132.6, 204.6, 266.6, 318.6, 387 and 420, to the nearest pixel.
    const int tops[] = {19, 81, 133, 205, 267, 319, 387, 420};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(aide.HelpText[k]->pos(), QPoint(132, tops[k])) << k;
        EXPECT_EQ(aide.HelpText2[k]->pos(), QPoint(134, tops[k] + 2)) << k;
    }
    EXPECT_EQ(aide.HelpText[5]->size(), QSize(473, 57));
    EXPECT_EQ(aide.HandText[3]->geometry(), QRect(134, 163, 351, 100));
    EXPECT_EQ(aide.NameHand[3]->pos(), QPoint(2, 150));
}

TEST_F(Aide, TabsSwitchPages) {
    MonHelp aide(nullptr);
    aide.show();
    EXPECT_TRUE(aide.HelpButtons->isVisible());
    EXPECT_FALSE(aide.HelpHands->isVisible());
    aide.TabStrip1->setCurrentIndex(1);
    EXPECT_FALSE(aide.HelpButtons->isVisible());
    EXPECT_TRUE(aide.HelpHands->isVisible());
    aide.TabStrip1->setCurrentIndex(0);
    EXPECT_TRUE(aide.HelpButtons->isVisible());
}

TEST_F(Aide, ExampleCardsComeFromTheTypicalSheetWhateverSetIsInUse) {
    ChoisitCartes(2);
    MonHelp aide(nullptr);
    const QImage& page = aide.HelpHands->Surface();
    // Straight flush: 15-pixel strips of the 9, 10, Jack and Queen of
    // spades, then the whole King.
    EXPECT_TRUE(MemesPixels(page.copy(0, 17, 15, 32), HautDeCarte(9, 4, 15)));
    EXPECT_TRUE(MemesPixels(page.copy(15, 17, 15, 32), HautDeCarte(10, 4, 15)));
    EXPECT_TRUE(MemesPixels(page.copy(45, 17, 15, 32), HautDeCarte(12, 4, 15)));
    EXPECT_TRUE(MemesPixels(page.copy(60, 17, 71, 32), HautDeCarte(13, 4)));
    // Two pair, row 6: Ace of diamonds first, 4 of hearts last.
    EXPECT_TRUE(MemesPixels(page.copy(0, 311, 15, 32), HautDeCarte(1, 3, 15)));
    EXPECT_TRUE(MemesPixels(page.copy(60, 311, 71, 32), HautDeCarte(4, 1)));
    // High cards, row 8: Ace of clubs, ..., 3 of diamonds.
    EXPECT_TRUE(MemesPixels(page.copy(0, 409, 15, 32), HautDeCarte(1, 2, 15)));
    EXPECT_TRUE(MemesPixels(page.copy(60, 409, 71, 32), HautDeCarte(3, 3)));
    // Between two rows the cloth shows.
    const QImage& tapis = Magasin("VertTable");
    EXPECT_EQ(page.pixel(10, 10), tapis.pixel(10, 10));
}

TEST_F(Aide, OpeningItTwiceOnlyBringsItForward) {
    MenuHelp_Click(nullptr);
    MonHelp* premiere = AideOuverte();
    ASSERT_NE(premiere, nullptr);
    EXPECT_TRUE(premiere->isVisible());
    premiere->TabStrip1->setCurrentIndex(1);
    MenuHelp_Click(nullptr);
    EXPECT_EQ(AideOuverte(), premiere);
    EXPECT_EQ(premiere->TabStrip1->currentIndex(), 1);  // not rebuilt

    premiere->OK->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(AideOuverte(), nullptr);
    MenuHelp_Click(nullptr);
    ASSERT_NE(AideOuverte(), nullptr);
    EXPECT_EQ(AideOuverte()->TabStrip1->currentIndex(), 0);
}

// Escape and Enter press OK, wherever the focus is in it.
TEST_F(Aide, EscapeOrEnterPressesOk) {
    for (Qt::Key touche : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter})
        for (int focus = 0; focus < 2; ++focus) {
            SCOPED_TRACE(QKeySequence(touche).toString().toStdString() +
                         (focus == 0 ? " on the tabs" : " on OK"));
            MenuHelp_Click(nullptr);
            // gone as soon as the key's events have all been delivered
            const QPointer<MonHelp> aide = AideOuverte();
            ASSERT_NE(aide, nullptr);
            aide->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(aide));
            QWidget* cible = focus == 0 ? static_cast<QWidget*>(aide->TabStrip1) : aide->OK;
            cible->setFocus();
            ASSERT_EQ(QApplication::focusWidget(), cible);
            QSignalSpy ok(aide->OK, &QPushButton::clicked);
            QTest::keyClick(aide->windowHandle(), touche,
                            touche == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            EXPECT_EQ(ok.count(), 1);
            EXPECT_TRUE(!aide || !aide->isVisible());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_EQ(AideOuverte(), nullptr);
        }
}

TEST_F(Aide, ButtonPicturesAreTheTablesAsItHoldsThem) {
    Form1 table;
    // As the French menus do: the draw button and the bet board change.
    table.BtnDrawUp->SetPicture(Magasin("ImgChangeUp"));
    table.BtnBet->SetPicture(Magasin("ImgMiser"));
    MonHelp aide(&table);
    const QImage& page = aide.HelpButtons->Surface();
    EXPECT_TRUE(MemesPixels(page.copy(11, 2, 79, 54), table.BtnOKUp->Surface()));
    EXPECT_TRUE(MemesPixels(page.copy(11, 64, 79, 54), Magasin("ImgChangeUp")));
    EXPECT_TRUE(MemesPixels(page.copy(11, 126, 79, 54), table.BtnCallUp->Surface()));
    EXPECT_TRUE(MemesPixels(page.copy(11, 312, 79, 54), table.BtnPassUp->Surface()));
    EXPECT_TRUE(MemesPixels(page.copy(2, 382, 100, 25), Magasin("ImgMiser")));
    EXPECT_TRUE(MemesPixels(page.copy(2, 415, 100, 25), table.BtnRaise->Surface()));
    // Beside the buttons, the cloth.
    EXPECT_EQ(page.pixel(120, 5), Magasin("VertTable").pixel(4, 5));
}

// Mean colour of the pixels of a picture chosen by `garde`, and how many.
struct Moyenne {
    double r = 0, v = 0, b = 0;
    int n = 0;
};
template <typename Garde>
Moyenne MoyenneDe(const QImage& img, const QRect& zone, Garde garde) {
    Moyenne m;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x) {
            if (!img.rect().contains(x, y) || !garde(x, y)) continue;
            const QRgb c = img.pixel(x, y);
            m.r += qRed(c), m.v += qGreen(c), m.b += qBlue(c), ++m.n;
        }
    if (m.n > 0) m.r /= m.n, m.v /= m.n, m.b /= m.n;
    return m;
}
double Ecart(const Moyenne& a, const Moyenne& b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.v - b.v), std::abs(a.b - b.b)});
}

// The table's green a button picture holds (the pixels it took from the
// table under its place) matches the cloth around it on the help's page
// and the felt around its place on the table, in both languages: the plain
// copy shows no edge in either place.
TEST_F(Aide, ButtonPicturesShowNoEdgeOnTheHelpsClothNorOnTheTable) {
    const QImage& salle = Magasin("BackGround");
    for (const char* langue : {"UK", "FR"}) {
        EtatDuJeu().reglages.LangueChoisie = langue;
        Form1 table;
        DisposeTable(table);
        LangueMenu(table);
        MonHelp aide(&table);
        const QImage& page = aide.HelpButtons->Surface();
        const std::pair<const Picture*, QPoint> rangees[] = {
            {table.BtnOKUp, {11, 2}},     {table.BtnDrawUp, {11, 64}},  {table.BtnCallUp, {11, 126}},
            {table.BtnCheckUp, {11, 188}}, {table.BtnFoldUp, {11, 250}}, {table.BtnPassUp, {11, 312}},
            {table.BtnBet, {2, 382}},      {table.BtnRaise, {2, 415}}};
        for (const auto& [bouton, dansAide] : rangees) {
            SCOPED_TRACE(std::string(langue) + " row at " + std::to_string(dansAide.y()));
            const QImage& image = bouton->Surface();
            const QRect surTable(bouton->Left(), bouton->Top(), image.width(), image.height());
            const Moyenne vert = MoyenneDe(image, image.rect(), [&](int x, int y) {
                return image.pixel(x, y) == salle.pixel(surTable.left() + x, surTable.top() + y);
            });
            // The round buttons stand on the table; the boards are wood to
            // their edges, with no table to match.
            if (dansAide.x() == 2 && vert.n == 0) continue;
            ASSERT_GT(vert.n, 100);
            // a ring 3 pixels wide around the picture
            const auto autour = [](const QRect& r) {
                return [r](int x, int y) { return !r.contains(x, y); };
            };
            const QRect dansPage(dansAide, image.size());
            EXPECT_LE(Ecart(vert, MoyenneDe(page, dansPage.adjusted(-3, -3, 3, 3), autour(dansPage))), 3);
            EXPECT_LE(Ecart(vert, MoyenneDe(salle, surTable.adjusted(-3, -3, 3, 3), autour(surTable))), 3);
        }
    }
}

TEST_F(Aide, OpensCentredOverTheTableWhereverItIs) {
    Form1 table;
    table.setGeometry(100, 50, 678, 555);
    {
        MonHelp aide(&table);
        // (678 - 518) / 2 = 80 and (555 - 534) / 2 = 10.
        EXPECT_EQ(aide.pos(), QPoint(180, 60));
    }
    // Near an edge the help may run off the screen.
    table.move(-300, -200);
    MonHelp aide(&table);
    EXPECT_EQ(aide.pos(), QPoint(-220, -190));
}

TEST_F(Aide, StaysUsableWhileTheTableWaits) {
    Form1 table;
    table.show();
    MenuHelp_Click(&table);
    MonHelp* aide = AideOuverte();
    ASSERT_NE(aide, nullptr);
    QTabBar* onglets = aide->TabStrip1;
    bool tableAttendait = false;
    bool clique = false;
    QTimer::singleShot(0, [&] {
        clique = true;
        tableAttendait = !table.EstActive();
        const QPoint p = onglets->tabRect(1).center();
        QMouseEvent appui(QEvent::MouseButtonPress, p, onglets->mapToGlobal(p), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent relache(QEvent::MouseButtonRelease, p, onglets->mapToGlobal(p), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(onglets, &appui);
        QApplication::sendEvent(onglets, &relache);
    });
    // The click comes during one of these waits, however busy the machine.
    QElapsedTimer plafond;
    plafond.start();
    while (!clique && plafond.elapsed() < 10000) Attendre(10);
    ASSERT_TRUE(clique);
    EXPECT_TRUE(tableAttendait);
    EXPECT_EQ(onglets->currentIndex(), 1);
    EXPECT_TRUE(aide->HelpHands->isVisible());
}

TEST_F(Aide, OuterWidthIsTheDesignsBordersIncluded) {
    Form1 table;
    table.show();
    MenuHelp_Click(&table);
    MonHelp* aide = AideOuverte();
    ASSERT_NE(aide, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return aide->frameGeometry().size() != aide->size(); }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return aide->frameGeometry().width() == 518; }, 5000))
        << aide->frameGeometry().width();
    EXPECT_EQ(aide->height(), 534);
    // the OK button and the tabs stay inside
    EXPECT_LE(aide->OK->geometry().right(), aide->width() - 1);
    const QRect t = table.frameGeometry();
    const QRect a = aide->frameGeometry();
    EXPECT_EQ(a.x(), t.x() + (t.width() - 518) / 2);
    EXPECT_EQ(a.y(), t.y() + (t.height() - a.height()) / 2);
}

// Runs the event loop as the program does, until it ends (true) or for
// at most ten seconds (false).
bool FinDuProgramme(const std::function<void()>& pendant) {
    QTimer::singleShot(0, pendant);
    QTimer plafond;
    plafond.setSingleShot(true);
    QObject::connect(&plafond, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    plafond.start(10000);
    return QCoreApplication::exec() == 0;
}

TEST_F(Aide, ExitWithTheHelpOpenEndsTheRun) {
    Form1 table;
    ConnecteMenus(table);
    table.show();
    table.MenuHelp->trigger();
    QPointer<MonHelp> aide = AideOuverte();
    ASSERT_NE(aide, nullptr);
    EXPECT_TRUE(FinDuProgramme([&] { table.MenuExit->trigger(); }));
    EXPECT_FALSE(table.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(aide.isNull());
}

TEST_F(Aide, TheTablesCloseBoxEndsTheRunWithTheHelpOpen) {
    Form1 table;
    table.show();
    MenuHelp_Click(&table);
    QPointer<MonHelp> aide = AideOuverte();
    EXPECT_TRUE(FinDuProgramme([&] { table.windowHandle()->close(); }));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(aide.isNull());
}

TEST_F(Aide, CloseHeldUntilTheRunningHandlerUnwindsEndsTheRunToo) {
    Form1 table;
    table.show();
    MenuHelp_Click(&table);
    QPointer<MonHelp> aide = AideOuverte();
    bool finDuHandler = false;
    QElapsedTimer duree;
    duree.start();
    EXPECT_TRUE(FinDuProgramme([&] {
        Execute(table.BtnDrawUp, Acces::Seul, [&] {
            QTimer::singleShot(0, [&] { table.windowHandle()->close(); });
            Attendre(8000);
            finDuHandler = true;  // never: the close unwinds the wait
        });
    }));
    EXPECT_FALSE(finDuHandler);
    EXPECT_LT(duree.elapsed(), 8000);
    EXPECT_FALSE(table.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(aide.isNull());
}

TEST_F(Aide, TheMenuItemOpensItWithoutModality) {
    Form1 table;
    ConnecteMenus(table);
    table.MenuHelp->trigger();
    ASSERT_NE(AideOuverte(), nullptr);
    EXPECT_TRUE(AideOuverte()->isVisible());
    EXPECT_FALSE(AideOuverte()->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
