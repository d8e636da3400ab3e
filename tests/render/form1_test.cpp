// The table window as designed: places, sizes, visibility, covers, captions,
// timers and the menu bar.
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "common/etat.h"
#include "render/form1.h"

namespace {

struct Table : testing::Test {
    Form1 form;

    // A caption pair: the yellow text and its black shadow, in their panel.
    struct Legende {
        const char* nom;
        Picture* panneau;
        Etiquette& jaune;
        Etiquette& ombre;
    };
    std::array<Legende, 4> Legendes() {
        return {{{"PlayerMoney", form.PlayerMoneyBar, form.PlayerMoney[0], form.PlayerMoney[1]},
                 {"CowboyMoney", form.CowboyMoneyBar, form.CowboyMoney[0], form.CowboyMoney[1]},
                 {"Pot", form.PotMoneyBar, form.Pot[0], form.Pot[1]},
                 // "Pot" has its indices the other way round
                 {"TextPot", form.PotMoneyBar, form.TextPot[1], form.TextPot[0]}}};
    }
};

// Every control of the table at its design place and size, inside its
// parent (the table surface unless named): the covers lie inside their
// buttons, the captions inside their panels.
TEST_F(Table, EveryControlAtItsDesignPlaceAndSize) {
    struct Place {
        const char* nom;
        const QWidget* controle;
        const QWidget* parent;
        QRect rect;
    };
    const QWidget* t = form.Table;
    const std::vector<Place> places{
        {"Card1", form.Card1, t, {87, 393, 71, 96}},
        {"Card2", form.Card2, t, {159, 393, 71, 96}},
        {"Card3", form.Card3, t, {231, 393, 71, 96}},
        {"Card4", form.Card4, t, {303, 393, 71, 96}},
        {"Card5", form.Card5, t, {375, 393, 71, 96}},
        {"CowboyGame", form.CowboyGame, t, {-352, 664, 387, 124}},
        {"Line1(0)", &form.Line1[0], t, {120, 528, 1, 49}},  // (120, 528)-(120, 576)
        {"Line1(1)", &form.Line1[1], t, {136, 528, 1, 41}},  // (136, 528)-(136, 568)
        {"Line1(2)", &form.Line1[2], t, {120, 584, 33, 1}},  // (120, 584)-(152, 584)

        {"BtnDrawUp", form.BtnDrawUp, t, {760, 0, 79, 54}},
        {"BtnDrawDown", form.BtnDrawDown, t, {672, 0, 77, 50}},
        {"TrameDraw", form.TrameDraw, form.BtnDrawUp, {0, 0, 80, 54}},
        {"BtnCallUp", form.BtnCallUp, t, {760, 56, 79, 54}},
        {"BtnCallDown", form.BtnCallDown, t, {672, 56, 77, 50}},
        {"TrameCall", form.TrameCall, form.BtnCallUp, {0, 0, 80, 54}},
        {"BtnFoldUp", form.BtnFoldUp, t, {760, 112, 79, 54}},
        {"BtnFoldDown", form.BtnFoldDown, t, {672, 112, 77, 50}},
        {"TrameFold", form.TrameFold, form.BtnFoldUp, {0, 0, 80, 54}},
        {"BtnCheckUp", form.BtnCheckUp, t, {760, 168, 79, 54}},
        {"BtnCheckDown", form.BtnCheckDown, t, {672, 168, 77, 50}},
        {"TrameCheck", form.TrameCheck, form.BtnCheckUp, {0, 0, 80, 54}},
        {"BtnPassUp", form.BtnPassUp, t, {760, 224, 79, 54}},
        {"BtnPassDown", form.BtnPassDown, t, {672, 224, 77, 50}},
        {"TramePass", form.TramePass, form.BtnPassUp, {0, 0, 80, 54}},
        {"BtnOKUp", form.BtnOKUp, t, {760, 280, 79, 54}},
        {"BtnOKDown", form.BtnOKDown, t, {672, 280, 77, 50}},
        {"TrameOK", form.TrameOK, form.BtnOKUp, {0, 0, 80, 54}},

        {"BtnBill50Up", form.BtnBill50Up, t, {680, 416, 37, 88}},
        {"BtnBill50Down", form.BtnBill50Down, t, {680, 512, 37, 88}},
        {"TramePlaque(0)", &form.TramePlaque[0], form.BtnBill50Up, {0, -8, 100, 112}},
        {"BtnBill20Up", form.BtnBill20Up, t, {720, 416, 30, 88}},
        {"BtnBill20Down", form.BtnBill20Down, t, {720, 512, 30, 88}},
        {"TramePlaque(1)", &form.TramePlaque[1], form.BtnBill20Up, {0, 0, 100, 112}},
        {"BtnBill10Up", form.BtnBill10Up, t, {752, 416, 33, 88}},
        {"BtnBill10Down", form.BtnBill10Down, t, {752, 512, 33, 88}},
        {"TramePlaque(2)", &form.TramePlaque[2], form.BtnBill10Up, {0, 0, 100, 112}},
        {"BtnBet", form.BtnBet, t, {680, 376, 100, 25}},
        {"TramePlaque(6)", &form.TramePlaque[6], form.BtnBet, {0, 0, 100, 112}},
        {"BtnRaise", form.BtnRaise, t, {736, 384, 100, 25}},
        {"TramePlaque(7)", &form.TramePlaque[7], form.BtnRaise, {0, 0, 100, 112}},

        {"PlayerMoneyBar", form.PlayerMoneyBar, t, {24, 458, 55, 29}},
        {"PlayerMoney(0)", &form.PlayerMoney[0], form.PlayerMoneyBar, {0, 4, 52, 17}},
        {"PlayerMoney(1)", &form.PlayerMoney[1], form.PlayerMoneyBar, {5, 6, 46, 17}},
        {"CowboyMoneyBar", form.CowboyMoneyBar, t, {118, 331, 55, 29}},
        {"CowboyMoney(0)", &form.CowboyMoney[0], form.CowboyMoneyBar, {1, 4, 50, 17}},
        {"CowboyMoney(1)", &form.CowboyMoney[1], form.CowboyMoneyBar, {3, 6, 50, 17}},
        {"PotMoneyBar", form.PotMoneyBar, t, {470, 328, 62, 47}},
        {"TextPot(1)", &form.TextPot[1], form.PotMoneyBar, {0, 4, 61, 17}},
        {"TextPot(0)", &form.TextPot[0], form.PotMoneyBar, {2, 6, 61, 17}},
        {"Pot(0)", &form.Pot[0], form.PotMoneyBar, {0, 20, 60, 17}},
        {"Pot(1)", &form.Pot[1], form.PotMoneyBar, {1, 22, 62, 17}},
        {"PileBilletsPlayer", form.PileBilletsPlayer, t, {15, 136, 69, 321}},
        {"PileBilletsCowboy", form.PileBilletsCowboy, t, {108, 50, 81, 281}},
        {"FenetrePot", form.FenetrePot, t, {183, 312, 268, 69}},

        {"Bobble", form.Bobble, t, {680, 336, 153, 33}},
        {"Say", form.Say, form.Bobble, {3, 6, 145, 25}},
        {"FenetreMains", form.FenetreMains, t, {264, 168, 129, 81}},
        {"FenetreVisage", form.FenetreVisage, t, {308, 107, 55, 49}},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.nom);
        EXPECT_EQ(p.controle->parentWidget(), p.parent);
        EXPECT_EQ(p.controle->geometry(), p.rect);
    }
    EXPECT_EQ(form.Table->size(), QSize(670, 510));
    EXPECT_FALSE(form.TramePlaque.Contient(3));
}

TEST_F(Table, ButtonsShowTheirCoversAndHideTheirDownPictures) {
    for (Picture* trame : {form.TrameDraw, form.TrameCall, form.TrameFold, form.TrameCheck, form.TramePass,
                           form.TrameOK}) {
        EXPECT_TRUE(trame->Visible());
    }
    for (Picture* down : {form.BtnDrawDown, form.BtnCallDown, form.BtnFoldDown, form.BtnCheckDown,
                          form.BtnPassDown, form.BtnOKDown, form.BtnBill50Down, form.BtnBill20Down,
                          form.BtnBill10Down}) {
        EXPECT_FALSE(down->Visible());
    }
    EXPECT_TRUE(form.BtnBet->Visible());
    EXPECT_FALSE(form.BtnRaise->Visible());
}

TEST_F(Table, SurfacesCardsAndSpeechAtDesign) {
    for (Picture* carte : form.Cards) EXPECT_TRUE(carte->Enabled());
    EXPECT_EQ(form.Card3, form.Cards[2]);
    EXPECT_EQ(form.Say->Caption(), QStringLiteral("J'ai perdu la partie !"));
    EXPECT_FALSE(form.Say->font().bold());
    EXPECT_FALSE(form.Line1[1].Visible());
    // The table surface starts with the background.
    EXPECT_EQ(form.Table->Surface(), ImageMagasin("BackGround"));
}

TEST_F(Table, MoneyCaptionsReadAsTheFlowExpects) {
    EXPECT_EQ(LitArgent(form.PlayerMoney[0].Texte()), 300);
    EXPECT_EQ(LitArgent(form.Pot[0].Texte()), 10);
    form.CowboyMoney.SetCaption(TexteArgent(-40));
    EXPECT_EQ(form.CowboyMoney[1].Texte(), "$-40");
}

// A label drawn alone, on nothing, where it stands in its panel: the ink
// of its text, antialiased edges included.
QImage Encre(Etiquette& e) {
    QImage seule(e.parentWidget()->size(), QImage::Format_ARGB32);
    seule.fill(Qt::transparent);
    e.render(&seule, e.pos(), QRegion(), QWidget::RenderFlags());
    return seule;
}

// Where a picture has any ink.
QRect Etendue(const QImage& encre) {
    QRect r;
    for (int y = 0; y < encre.height(); ++y)
        for (int x = 0; x < encre.width(); ++x)
            if (qAlpha(encre.pixel(x, y)) > 0) r |= QRect(x, y, 1, 1);
    return r;
}

// The same ink moved by (dx, dy): the coverage of every pixel, whatever
// its colour.
bool MemeEncreDecalee(const QImage& a, const QImage& b, int dx, int dy) {
    const QRect cadre = a.rect();
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QPoint q(x + dx, y + dy);
            const int sous = cadre.contains(q) ? qAlpha(b.pixel(q)) : 0;
            if (qAlpha(a.pixel(x, y)) != sous) return false;
        }
    return true;
}

// Every amount a pile or the pot can show, $0 to $1000, and the word
// "Pot": the text fits its labels, stays off the panel's bevelled rim, and
// its shadow is the same ink 2 pixels right and 2 down.
TEST_F(Table, CaptionsFitAndCastATwoPixelShadowForEveryAmount) {
    constexpr int kRebord = 3;  // the panels' bevel
    for (const Legende& l : Legendes()) {
        SCOPED_TRACE(l.nom);
        std::vector<QString> textes;
        if (l.jaune.Caption() == QStringLiteral("Pot"))
            textes.push_back(l.jaune.Caption());
        else
            for (int montant = 0; montant <= 1000; ++montant)
                textes.push_back(QString::fromStdString(TexteArgent(montant)));
        const QRect face = l.panneau->rect().adjusted(kRebord, kRebord, -kRebord, -kRebord);
        int fautes = 0;
        std::string premiere;
        for (const QString& t : textes) {
            l.jaune.SetCaption(t);
            l.ombre.SetCaption(t);
            const QImage jaune = Encre(l.jaune), ombre = Encre(l.ombre);
            std::string faute;
            for (Etiquette* e : {&l.jaune, &l.ombre}) {
                const QRect encre = Etendue(e == &l.jaune ? jaune : ombre);
                // Nothing cut off at the label's sides; off the panel's rim.
                if (QFontMetrics(e->font()).horizontalAdvance(t) > e->width() ||
                    encre.left() <= e->x() || encre.right() >= e->geometry().right())
                    faute = "does not fit its label";
                else if (!face.contains(encre))
                    faute = "runs onto the panel's rim";
            }
            if (faute.empty() && !MemeEncreDecalee(jaune, ombre, 2, 2))
                faute = "has its shadow elsewhere than 2 right and 2 down";
            if (!faute.empty() && fautes++ == 0) premiere = t.toStdString() + " " + faute;
        }
        EXPECT_EQ(fautes, 0) << "first: " << premiere;
    }
}

// Each caption pair shows as yellow over its black shadow: wherever the
// yellow caption alone draws yellow, the panel shows yellow, not shadow.
TEST_F(Table, CaptionsShowInYellowOverTheirShadows) {
    for (const Legende& l : Legendes()) l.panneau->Show();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (const Legende& l : Legendes()) {
        SCOPED_TRACE(l.nom);
        EXPECT_EQ(l.jaune.palette().color(QPalette::WindowText), QColor(255, 255, 0));
        EXPECT_EQ(l.ombre.palette().color(QPalette::WindowText), QColor(Qt::black));
        EXPECT_EQ(l.ombre.Caption(), l.jaune.Caption());
        const QImage vu = l.panneau->grab().toImage();
        const QImage jaune = Encre(l.jaune);
        int jaunes = 0, couverts = 0;
        for (int y = 0; y < jaune.height(); ++y)
            for (int x = 0; x < jaune.width(); ++x)
                if (jaune.pixel(x, y) == qRgba(255, 255, 0, 255)) {
                    ++jaunes;
                    couverts += vu.pixel(x, y) != qRgb(255, 255, 0);
                }
        ASSERT_GT(jaunes, 20);
        EXPECT_EQ(couverts, 0) << "yellow pixels under the shadow";
    }
}

// The face timers are ten timers of their own, idle at design, and closing
// the table stops every one of them.
TEST_F(Table, ClosingTheTableStopsEveryFaceTimer) {
    const std::array<Minuterie*, 10> nommes{
        form.TimerCligne,    form.TimerDent,    form.TimerYeuxPlisses, form.TimerYeuxCarte,
        form.TimerYeuxAnime, form.TimerMexCigare, form.TimerMexDent,   form.TimerMexGoutte,
        form.TimerFilleTicBouche, form.TimerFilleTicYeux};
    EXPECT_EQ(std::set<Minuterie*>(nommes.begin(), nommes.end()).size(), 10u);
    for (Minuterie* m : nommes) {
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->Interval(), 0);
        m->SetInterval(50);
        EXPECT_TRUE(m->Enabled());
    }
    form.show();
    ASSERT_TRUE(form.close());
    for (Minuterie* m : nommes) EXPECT_FALSE(m->Enabled());
}

// The showdown ends the two card-watching tells of the cowboy and no other.
TEST_F(Table, ShowdownStopsOnlyTheCardWatchingTells) {
    for (Minuterie* m : form.TimersVisage) m->SetInterval(50);
    YeuxCowboy& yeux = form;
    yeux.ArreteYeuxAnime();
    yeux.ArreteYeuxCarte();
    EXPECT_EQ(form.TimerYeuxAnime->Interval(), 0);
    EXPECT_EQ(form.TimerYeuxCarte->Interval(), 0);
    for (Minuterie* m : {form.TimerCligne, form.TimerDent, form.TimerYeuxPlisses, form.TimerMexCigare,
                         form.TimerMexDent, form.TimerMexGoutte, form.TimerFilleTicBouche,
                         form.TimerFilleTicYeux}) {
        EXPECT_EQ(m->Interval(), 50);
        EXPECT_TRUE(m->Enabled());
    }
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
