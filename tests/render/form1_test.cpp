// The table window as designed: places, sizes, visibility, covers, labels,
// timers and the menu bar.
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include "common/etat.h"
#include "render/form1.h"

namespace {

struct Table : testing::Test {
    Form1 form;
};

TEST_F(Table, ButtonsStandAtTheirDesignPlacesWithCoversShown) {
    struct Cas {
        Picture *up, *down, *trame;
        int y;
    } boutons[] = {
        {form.BtnDrawUp, form.BtnDrawDown, form.TrameDraw, 0},
        {form.BtnCallUp, form.BtnCallDown, form.TrameCall, 56},
        {form.BtnFoldUp, form.BtnFoldDown, form.TrameFold, 112},
        {form.BtnCheckUp, form.BtnCheckDown, form.TrameCheck, 168},
        {form.BtnPassUp, form.BtnPassDown, form.TramePass, 224},
        {form.BtnOKUp, form.BtnOKDown, form.TrameOK, 280},
    };
    for (const auto& b : boutons) {
        EXPECT_EQ(b.up->geometry(), QRect(760, b.y, 79, 54));
        EXPECT_EQ(b.down->geometry(), QRect(672, b.y, 77, 50));
        EXPECT_EQ(b.trame->parentWidget(), b.up);
        EXPECT_EQ(b.trame->geometry(), QRect(0, 0, 80, 54));
        EXPECT_TRUE(b.trame->Visible());
        EXPECT_FALSE(b.down->Visible());
    }
    EXPECT_EQ(form.BtnBill50Up->geometry(), QRect(680, 416, 37, 88));
    EXPECT_EQ(form.BtnBill20Down->geometry(), QRect(720, 512, 30, 88));
    EXPECT_EQ(form.BtnBill10Up->geometry(), QRect(752, 416, 33, 88));
    EXPECT_EQ(form.TramePlaque[0].geometry(), QRect(0, -8, 100, 112));
    EXPECT_EQ(form.TramePlaque[0].parentWidget(), form.BtnBill50Up);
    EXPECT_EQ(form.TramePlaque[2].parentWidget(), form.BtnBill10Up);
    EXPECT_EQ(form.TramePlaque[6].parentWidget(), form.BtnBet);
    EXPECT_EQ(form.TramePlaque[7].parentWidget(), form.BtnRaise);
    EXPECT_FALSE(form.TramePlaque.Contient(3));
    EXPECT_TRUE(form.BtnBet->Visible());
    EXPECT_FALSE(form.BtnRaise->Visible());
    EXPECT_EQ(form.BtnRaise->geometry(), QRect(736, 384, 100, 25));
}

TEST_F(Table, SurfacesCardsAndSpeechAtDesign) {
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(form.Cards[i]->geometry(), QRect(87 + 72 * i, 393, 71, 96));
        EXPECT_TRUE(form.Cards[i]->Enabled());
    }
    EXPECT_EQ(form.Card3, form.Cards[2]);
    EXPECT_EQ(form.FenetrePot->geometry(), QRect(183, 312, 268, 69));
    EXPECT_EQ(form.FenetreMains->geometry(), QRect(264, 168, 129, 81));
    EXPECT_EQ(form.FenetreVisage->geometry(), QRect(308, 107, 55, 49));
    EXPECT_EQ(form.PileBilletsPlayer->geometry(), QRect(15, 136, 69, 321));
    EXPECT_EQ(form.PileBilletsCowboy->geometry(), QRect(108, 50, 81, 281));
    EXPECT_EQ(form.CowboyGame->geometry(), QRect(-352, 664, 387, 124));
    EXPECT_EQ(form.Bobble->geometry(), QRect(680, 336, 153, 33));
    EXPECT_EQ(form.Say->parentWidget(), form.Bobble);
    EXPECT_EQ(form.Say->geometry(), QRect(3, 6, 145, 25));
    EXPECT_EQ(form.Say->Caption(), QStringLiteral("J'ai perdu la partie !"));
    EXPECT_FALSE(form.Say->font().bold());
    // Line1(0) from (120, 528) down to (120, 576).
    EXPECT_EQ(form.Line1[0].geometry(), QRect(120, 528, 1, 49));
    EXPECT_EQ(form.Line1[2].geometry(), QRect(120, 584, 33, 1));
    EXPECT_FALSE(form.Line1[1].Visible());
    // The table surface starts with the background.
    EXPECT_EQ(form.Table->size(), QSize(670, 510));
    EXPECT_EQ(form.Table->Surface(), ImageMagasin("BackGround"));
}

TEST_F(Table, MoneyCaptionsReadAsTheFlowExpects) {
    EXPECT_EQ(LitArgent(form.PlayerMoney[0].Texte()), 300);
    EXPECT_EQ(LitArgent(form.Pot[0].Texte()), 10);
    EXPECT_EQ(form.TextPot[1].palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_EQ(form.TextPot[0].palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(form.TextPot[1].geometry(), QRect(0, 4, 61, 17));
    EXPECT_EQ(form.CowboyMoney[1].geometry(), QRect(3, 6, 50, 17));
    EXPECT_EQ(form.PlayerMoney[0].parentWidget(), form.PlayerMoneyBar);
    EXPECT_EQ(form.Pot[1].parentWidget(), form.PotMoneyBar);
    form.CowboyMoney.SetCaption(TexteArgent(-40));
    EXPECT_EQ(form.CowboyMoney[1].Texte(), "$-40");
}

TEST_F(Table, FaceTimersHaveNoIntervalAtDesign) {
    for (Minuterie* m : form.TimersVisage) {
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->Interval(), 0);
    }
    EXPECT_EQ(form.TimerFilleTicYeux, form.TimersVisage[9]);
}

QStringList Textes(QMenu* menu) {
    QStringList t;
    for (QAction* a : menu->actions()) t << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return t;
}

TEST_F(Table, MenusInTheirOrderWithShortcuts) {
    QStringList barre;
    for (QAction* a : form.menuBar()->actions()) barre << a->text();
    EXPECT_EQ(barre, (QStringList{"Game", "Help"}));
    EXPECT_EQ(Textes(form.MenuGame->menu()), (QStringList{"New Game", "Options...", "Exit"}));
    EXPECT_EQ(Textes(form.MenuNewGame->menu()), (QStringList{"Entertainement", "Tournament"}));
    EXPECT_EQ(Textes(form.MenuTourna->menu()),
              (QStringList{"Easy ($300)", "Medium ($400)", "Hard ($500)"}));
    EXPECT_EQ(Textes(form.MenuAutre->menu()),
              (QStringList{"Contents", "-", "Site Homepage", "E-Mail us !", "-", "About..."}));
    EXPECT_EQ(Textes(form.MenuContact->menu()), (QStringList{"For Help", "For Any Comments"}));
    EXPECT_EQ(form.MenuEnter->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(form.MenuHelp->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(form.Tiret1->isSeparator());
    EXPECT_TRUE(form.Tiret2->isSeparator());
}

TEST_F(Table, WindowComesUpAtTableSizeUnderItsMenuBar) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.Table->mapTo(&form, QPoint(0, 0)), QPoint(0, form.menuBar()->height()));
    EXPECT_EQ(form.size(), QSize(670, 510 + form.menuBar()->height()));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quarvelin"));
}

}  // namespace
