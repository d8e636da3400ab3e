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
#include "common/personnages.h"
#include "common/textes_jeu.h"
#include "render/form1.h"
#include "rules/tirage_cowboy.h"

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

// The places the player sees that nothing but the design sets: the cards,
// the bill surfaces, the opponent's hands and face, the money panels. The
// start-up moves the buttons, the bubble and the showdown board into view
// (its own test); covers and captions are held to their owners below.
TEST_F(Table, SurfacesAtTheirDesignPlaces) {
    struct Place {
        const char* nom;
        const Picture* controle;
        QRect rect;
    };
    const Place places[] = {
        {"Card1", form.Card1, {87, 393, 71, 96}},
        {"PileBilletsPlayer", form.PileBilletsPlayer, {15, 136, 69, 321}},
        {"PileBilletsCowboy", form.PileBilletsCowboy, {108, 50, 81, 281}},
        {"FenetrePot", form.FenetrePot, {183, 312, 268, 69}},
        {"FenetreMains", form.FenetreMains, {264, 168, 129, 81}},
        {"FenetreVisage", form.FenetreVisage, {308, 107, 55, 49}},
        {"PlayerMoneyBar", form.PlayerMoneyBar, {24, 458, 55, 29}},
        {"CowboyMoneyBar", form.CowboyMoneyBar, {118, 331, 55, 29}},
        {"PotMoneyBar", form.PotMoneyBar, {470, 328, 62, 47}},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.nom);
        EXPECT_EQ(p.controle->parentWidget(), form.Table);
        EXPECT_EQ(p.controle->geometry(), p.rect);
    }
    // the five cards side by side, one pixel apart
    for (int k = 1; k < 5; ++k)
        EXPECT_EQ(form.Cards[k]->geometry(), form.Cards[k - 1]->geometry().translated(72, 0)) << k;
    EXPECT_EQ(form.Table->size(), QSize(670, 510));
}

// Each picture control is the size of its picture; a cover lies over the
// whole of its button from its left edge, each caption pair in its panel,
// the speech inside its bubble.
TEST_F(Table, ControlsFitTheirPicturesAndLieInsideTheirOwners) {
    for (const Picture* p :
         {form.BtnDrawUp, form.BtnDrawDown, form.BtnCallUp, form.BtnCallDown, form.BtnFoldUp,
          form.BtnFoldDown, form.BtnCheckUp, form.BtnCheckDown, form.BtnPassUp, form.BtnPassDown,
          form.BtnOKUp, form.BtnOKDown, form.BtnBill50Up, form.BtnBill50Down, form.BtnBill20Up,
          form.BtnBill20Down, form.BtnBill10Up, form.BtnBill10Down, form.BtnBet, form.BtnRaise,
          form.PlayerMoneyBar, form.CowboyMoneyBar, form.PotMoneyBar, form.Bobble, form.CowboyGame}) {
        ASSERT_FALSE(p->Image().isNull());
        EXPECT_EQ(p->size(), p->Image().size()) << p->Left() << "," << p->Top();
    }
    struct Couverture {
        const char* nom;
        const Picture* trame;
        const Picture* bouton;
    };
    const Couverture couvertures[] = {
        {"TrameDraw", form.TrameDraw, form.BtnDrawUp},
        {"TrameCall", form.TrameCall, form.BtnCallUp},
        {"TrameFold", form.TrameFold, form.BtnFoldUp},
        {"TrameCheck", form.TrameCheck, form.BtnCheckUp},
        {"TramePass", form.TramePass, form.BtnPassUp},
        {"TrameOK", form.TrameOK, form.BtnOKUp},
        {"TramePlaque", &form.TramePlaque[0], form.BtnBill50Up},
        {"TramePlaque", &form.TramePlaque[1], form.BtnBill20Up},
        {"TramePlaque", &form.TramePlaque[2], form.BtnBill10Up},
        {"TramePlaque", &form.TramePlaque[6], form.BtnBet},
        {"TramePlaque", &form.TramePlaque[7], form.BtnRaise},
    };
    for (const Couverture& c : couvertures) {
        SCOPED_TRACE(std::string(c.nom) + " over " + std::to_string(c.bouton->Left()) + "," +
                     std::to_string(c.bouton->Top()));
        EXPECT_EQ(c.trame->parentWidget(), c.bouton);
        EXPECT_EQ(c.trame->size(), ImageMagasin(c.nom).size());
        EXPECT_EQ(c.trame->x(), 0);
        EXPECT_TRUE(c.trame->geometry().contains(c.bouton->rect()));
    }
    EXPECT_FALSE(form.TramePlaque.Contient(3));
    // (what a caption draws stays inside its panel: the captions' own test)
    for (const Legende& l : Legendes())
        for (const Etiquette* e : {&l.jaune, &l.ombre}) EXPECT_EQ(e->parentWidget(), l.panneau) << l.nom;
    EXPECT_EQ(form.Say->parentWidget(), form.Bobble);
    EXPECT_TRUE(form.Bobble->rect().contains(form.Say->geometry()));
}

// Everything the opponent says, in both languages, stands whole in the
// bubble and at least 3 pixels off its rim on every side.
TEST_F(Table, EverySentenceStandsClearOfTheBubblesRim) {
    constexpr int kMarge = 3;
    const QImage bulle = form.Bobble->Image().convertToFormat(QImage::Format_RGB32);
    // The rim: the first pixels off the bubble's light inside, from its middle outward.
    const QPoint milieu = bulle.rect().center();
    auto rebord = [&](QPoint pas) {
        QPoint q = milieu;
        while (bulle.valid(q) && bulle.pixel(q) == bulle.pixel(milieu)) q += pas;
        return q;
    };
    const QRect permis = QRect(QPoint(rebord({-1, 0}).x(), rebord({0, -1}).y()),
                               QPoint(rebord({1, 0}).x(), rebord({0, 1}).y()))
                             .adjusted(1 + kMarge, 1 + kMarge, -1 - kMarge, -1 - kMarge);
    using namespace TextesJeu;
    std::vector<Bilingue> phrases{JePasse,     JeMise10,   JeMise20, JeMise50,         JePasseAussi,
                                  JeVerifie,   JeMeCouche, JeSuis,   JeRelance10,      JeRelance20,
                                  JeRelance50, JaiGagne,   JaiPerdu, JaiGagneLaPartie, JaiPerduLaPartie};
    for (int k = 0; k <= 5; ++k) phrases.push_back(PhraseGarde(k));
    for (int perso = 1; perso <= kNbPersos; ++perso) phrases.push_back(*FichePerso(perso)->remarque);
    for (const Bilingue& phrase : phrases)
        for (bool enFrancais : {false, true}) {
            const QString texte = QString::fromStdString(phrase.Dans(enFrancais));
            form.Say->SetCaption(texte);
            const QImage vu = form.Bobble->grab().toImage().convertToFormat(QImage::Format_RGB32);
            ASSERT_EQ(vu.size(), bulle.size());
            QRect encre;
            for (int y = 0; y < vu.height(); ++y)
                for (int x = 0; x < vu.width(); ++x)
                    if (vu.pixel(x, y) != bulle.pixel(x, y)) encre |= QRect(x, y, 1, 1);
            SCOPED_TRACE(texte.toStdString());
            ASSERT_FALSE(encre.isEmpty());
            // nothing cut off at the label's sides
            EXPECT_LE(QFontMetrics(form.Say->font()).horizontalAdvance(texte),
                      form.Say->contentsRect().width());
            EXPECT_TRUE(permis.contains(encre))
                << "ink from " << encre.left() << "," << encre.top() << " to " << encre.right() << ","
                << encre.bottom() << ", room from " << permis.left() << "," << permis.top() << " to "
                << permis.right() << "," << permis.bottom();
        }
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
