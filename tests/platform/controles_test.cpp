// Picture controls, labels, lines, groups and timers of the form layer.
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstring>

#include "platform/etiquette.h"
#include "platform/groupe.h"
#include "platform/ligne.h"
#include "platform/minuterie.h"
#include "platform/picture.h"
#include "platform/raster.h"

namespace {

QImage Uni(int w, int h, QRgb c) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

bool Identiques(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return false;
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), size_t(a.width()) * 4) != 0)
            return false;
    return true;
}

TEST(Picture, HiddenOrOffWindowStoreYieldsItsWholePicture) {
    QWidget fenetre;
    fenetre.resize(100, 100);
    QImage motif(30, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) motif.setPixel(x, y, qRgb(x * 8, y * 12, 77));
    // One store beyond the window's edge, one hidden; the window never shown.
    Picture loin(&fenetre, 500, 400, 30, 20, motif);
    Picture cachee(&fenetre, 10, 10, 30, 20, motif);
    cachee.Hide();
    Picture cible(&fenetre, 0, 0, 30, 20);
    for (const Picture* store : {&loin, &cachee}) {
        cible.Surface().fill(Qt::black);
        Copie(cible, 0, 0, 30, 20, *store, 0, 0, OpRaster::SrcCopy);
        EXPECT_TRUE(Identiques(cible.Surface(), motif));
    }
}

TEST(Picture, DrawingPersistsUntilClearBringsBackThePicture) {
    QWidget fenetre;
    Picture avec(&fenetre, 0, 0, 4, 4, Uni(4, 4, qRgb(9, 9, 9)));
    Picture sans(&fenetre, 0, 0, 4, 4);
    sans.SetFond(qRgb(1, 2, 3));
    for (Picture* p : {&avec, &sans}) {
        Copie(*p, 1, 1, 2, 2, Uni(2, 2, qRgb(250, 0, 0)), 0, 0, OpRaster::SrcCopy);
        p->Hide();
        p->Show();
        EXPECT_EQ(p->Surface().pixel(1, 1), qRgb(250, 0, 0));
        p->Clear();
    }
    EXPECT_EQ(avec.Surface().pixel(1, 1), qRgb(9, 9, 9));
    EXPECT_EQ(sans.Surface().pixel(1, 1), qRgb(1, 2, 3));
}

TEST(Picture, ShownPictureIsItsSurface) {
    QWidget fenetre;
    fenetre.resize(40, 40);
    Picture p(&fenetre, 5, 5, 10, 10, Uni(10, 10, qRgb(0, 200, 0)));
    Copie(p, 0, 0, 5, 5, Uni(5, 5, qRgb(200, 0, 0)), 0, 0, OpRaster::SrcCopy);
    fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
    const QImage vu = fenetre.grab().toImage();
    EXPECT_EQ(vu.pixel(6, 6), qRgb(200, 0, 0));
    EXPECT_EQ(vu.pixel(12, 12), qRgb(0, 200, 0));
}

// What the window shows on screen, as its last pass of events painted it.
QImage Ecran(QWidget& fenetre) {
    return fenetre.screen()->grabWindow(fenetre.winId()).toImage().convertToFormat(
        QImage::Format_RGB32);
}

// Opaque or not (then Qt paints what lies under them first), the controls
// over the picture show their own images.
class PictureEntre : public testing::TestWithParam<bool> {};
INSTANTIATE_TEST_SUITE_P(Picture, PictureEntre, testing::Bool());

TEST_P(PictureEntre, PictureBetweenOtherControlsShowsItsSurfaceAroundThem) {
    QWidget fenetre;
    fenetre.resize(120, 140);
    QImage motif(120, 140, QImage::Format_RGB32);
    for (int y = 0; y < 140; ++y)
        for (int x = 0; x < 120; ++x) motif.setPixel(x, y, qRgb(x * 2, y, 40));
    Picture fond(&fenetre, 0, 0, 120, 140, Uni(120, 140, qRgb(0, 0, 0)));
    // Two controls over it, and a half-hatched cover over one of them.
    Picture a(&fenetre, 10, 10, 30, 110, Uni(30, 110, qRgb(200, 0, 0)));
    Picture b(&fenetre, 60, 30, 40, 20, Uni(40, 20, qRgb(0, 0, 200)));
    QImage hachure(30, 110, QImage::Format_ARGB32);
    for (int y = 0; y < 110; ++y)
        for (int x = 0; x < 30; ++x) hachure.setPixel(x, y, y % 2 ? qRgba(0, 250, 0, 255) : 0u);
    Picture trame(&a, 0, 0, 30, 110);
    trame.SetPictureAlpha(hachure);
    a.SetOpaque(GetParam());
    b.SetOpaque(GetParam());
    fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));

    // Redrawn all over, then shown by one pass of events: only the parts
    // between the controls change on screen.
    Copie(fond, 0, 0, 120, 140, motif, 0, 0, OpRaster::SrcCopy);
    fond.update();
    QApplication::processEvents();
    // And a control redrawn in part: only that part changes.
    Copie(b, 5, 5, 10, 10, Uni(10, 10, qRgb(250, 250, 0)), 0, 0, OpRaster::SrcCopy);
    b.update(5, 5, 10, 10);
    QApplication::processEvents();
    const QImage vu = Ecran(fenetre);
    ASSERT_GE(vu.width(), 120);
    int faux = 0;
    for (int y = 0; y < 140; ++y)
        for (int x = 0; x < 120; ++x) {
            QRgb attendu = motif.pixel(x, y);
            if (QRect(10, 10, 30, 110).contains(x, y))
                attendu = (y - 10) % 2 ? qRgb(0, 250, 0) : qRgb(200, 0, 0);
            else if (QRect(65, 35, 10, 10).contains(x, y))
                attendu = qRgb(250, 250, 0);
            else if (QRect(60, 30, 40, 20).contains(x, y))
                attendu = qRgb(0, 0, 200);
            faux += vu.pixel(x, y) != attendu;
        }
    EXPECT_EQ(faux, 0);
}

TEST(Picture, PositionSizeAndVisibilityAsTheCodeSetsThem) {
    QWidget fenetre;  // never shown: Visible is the control's own flag
    Picture p(&fenetre, 760, 56, 79, 54);
    EXPECT_TRUE(p.Visible());
    p.SetLeft(551);
    p.SetTop(385);
    EXPECT_EQ(p.Left(), 551);
    EXPECT_EQ(p.Top(), 385);
    p.Move(1, 2, 30, 20);
    EXPECT_EQ(p.Width(), 30);
    EXPECT_EQ(p.Height(), 20);
    EXPECT_EQ(p.Surface().size(), QSize(30, 20));
    p.Hide();
    EXPECT_FALSE(p.Visible());
}

// A window with one button and its cover, clicked through real hit-testing.
struct Bouton : testing::Test {
    QWidget fenetre;
    Picture* up = nullptr;
    Picture* trame = nullptr;
    int clics = 0;

    void SetUp() override {
        fenetre.resize(200, 100);
        up = new Picture(&fenetre, 20, 20, 79, 54, Uni(79, 54, qRgb(120, 60, 0)));
        QImage hachure(80, 54, QImage::Format_ARGB32);
        hachure.fill(Qt::transparent);
        trame = new Picture(up, 0, 0, 80, 54);
        trame->SetPictureAlpha(hachure);
        up->SurClic([this] { ++clics; });
        fenetre.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
    }
    void Clique(QPoint p) {
        QTest::mouseClick(fenetre.windowHandle(), Qt::LeftButton, {}, p);
    }
};

TEST_F(Bouton, CoveredButtonIgnoresTheClickUncoveredOneRunsItsHandler) {
    Clique({50, 40});
    EXPECT_EQ(clics, 0);  // the cover, even fully transparent, takes it
    trame->Hide();
    Clique({50, 40});
    EXPECT_EQ(clics, 1);
    Clique({150, 40});    // beside the button
    EXPECT_EQ(clics, 1);
    up->SetEnabled(false);
    Clique({50, 40});
    EXPECT_EQ(clics, 1);
}

TEST_F(Bouton, HandlerHidingItsOwnButtonRunsOnce) {
    trame->Hide();
    up->SurClic([this] {
        ++clics;
        up->Hide();
        QApplication::processEvents();
        up->Show();
    });
    Clique({50, 40});
    EXPECT_EQ(clics, 1);
}

// Whether the shadow shows behind depends on the order the window makes its
// labels: the table's test checks the pixels of its captions.
TEST(Etiquette, PairCarriesOneCaptionInBothLabels) {
    QWidget barre;
    barre.resize(55, 29);
    auto* ombre = new Etiquette(&barre, 5, 6, 46, 17, "$300", Qt::black);
    auto* jaune = new Etiquette(&barre, 0, 4, 52, 17, "$300", kJaune);
    PaireEtiquettes paire(jaune, ombre);
    paire.SetCaption(std::string("$1250"));
    EXPECT_EQ(paire[0].Texte(), "$1250");
    EXPECT_EQ(paire(1).Caption(), QStringLiteral("$1250"));
    EXPECT_EQ(jaune->font().pixelSize(), 13);
    EXPECT_TRUE(jaune->font().bold());
    EXPECT_FALSE(jaune->autoFillBackground());
    EXPECT_EQ(jaune->palette().color(QPalette::WindowText), QColor(255, 255, 0));
}

// The caption's own painting gives the pixels of a plain label with the
// same font, colour, place and alignment, over the same picture.
TEST(Etiquette, PaintsItsCaptionAsAPlainLabelWould) {
    QImage fond(160, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 160; ++x) fond.setPixel(x, y, qRgb(40 + x, 90, 20 + 5 * y));
    const char* const textes[] = {"$300", "$0", "$1000", "Pot", "J'ai perdu la partie !",
                                  "Je relance de $50", "Ça suffit, é à ô", "I bet $10", ""};
    // Centred in an odd width as in an even one: half a pixel each side.
    const std::pair<Qt::Alignment, int> places[] = {
        {Qt::AlignLeft, 150}, {Qt::AlignHCenter, 150}, {Qt::AlignHCenter, 61}};
    for (auto [cote, largeur] : places)
        for (bool gras : {true, false})
            for (QColor couleur : {QColor(kJaune), QColor(Qt::black)})
                for (const char* t : textes) {
                    Picture a(nullptr, 0, 0, 160, 30, fond), b(nullptr, 0, 0, 160, 30, fond);
                    auto* etiquette =
                        new Etiquette(&a, 3, 6, largeur, 20, QStringLiteral("avant"), couleur, gras);
                    etiquette->setAlignment(cote | Qt::AlignTop);
                    auto* label = new QLabel(&b);
                    label->setGeometry(etiquette->geometry());
                    label->setFont(etiquette->font());
                    label->setPalette(etiquette->palette());
                    label->setAlignment(etiquette->alignment());
                    // Painted once with another caption: the new one replaces it.
                    (void)a.grab();
                    etiquette->SetCaption(QString::fromUtf8(t));
                    label->setText(QString::fromUtf8(t));
                    EXPECT_TRUE(Identiques(a.grab().toImage().convertToFormat(QImage::Format_RGB32),
                                           b.grab().toImage().convertToFormat(QImage::Format_RGB32)))
                        << t << (gras ? " bold" : "") << " " << int(cote) << " in " << largeur;
                }
}

TEST(Ligne, BoxHoldsBothEndsAndIgnoresClicks) {
    QWidget fenetre;
    Ligne v(&fenetre, 85, 393, 85, 491, kJaune);
    EXPECT_EQ(v.geometry(), QRect(85, 393, 1, 99));
    Ligne h(&fenetre, 448, 491, 85, 491, kJaune);
    EXPECT_EQ(h.geometry(), QRect(85, 491, 364, 1));
    EXPECT_TRUE(h.testAttribute(Qt::WA_TransparentForMouseEvents));
    fenetre.resize(500, 500);
    fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
    const QImage vu = fenetre.grab().toImage();
    EXPECT_EQ(vu.pixel(85, 393), qRgb(255, 255, 0));
    EXPECT_EQ(vu.pixel(85, 491), qRgb(255, 255, 0));
    EXPECT_EQ(vu.pixel(448, 491), qRgb(255, 255, 0));
}

TEST(Groupe, HolesAreReportedNotReturned) {
    Groupe<int, 8> g;
    int a = 1, b = 7;
    g.Pose(0, &a);
    g.Pose(7, &b);
    EXPECT_EQ(g[7], 7);
    EXPECT_TRUE(g.Contient(0));
    EXPECT_FALSE(g.Contient(3));
    EXPECT_FALSE(g.Contient(8));
    EXPECT_DEATH(g[3], "");
}

TEST(Minuterie, TicksOnlyWhenEnabledWithAnIntervalAboveZero) {
    QObject parent;
    Minuterie m(&parent);
    int ticks = 0;
    m.SurTick([&] { ++ticks; });
    QTest::qWait(40);
    EXPECT_EQ(ticks, 0);  // no interval at design
    m.SetInterval(5);
    m.SetEnabled(false);
    QTest::qWait(40);
    EXPECT_EQ(ticks, 0);
    m.SetEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 2000));
    m.SetInterval(0);
    const int avant = ticks;
    QTest::qWait(40);
    EXPECT_EQ(ticks, avant);
}

TEST(Minuterie, OneShotSetsItsOwnIntervalToZeroInsideTheTick) {
    QObject parent;
    Minuterie m(&parent);
    int ticks = 0;
    m.SurTick([&] {
        ++ticks;
        if (ticks == 2) m.SetInterval(0);
    });
    m.SetInterval(3);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 2000));
    QTest::qWait(30);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(m.Interval(), 0);
    // Re-armed from outside, it goes on.
    m.SetInterval(3);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 2000));
}

TEST(Minuterie, TickDoesNotReenterWhilePumpingEvents) {
    QObject parent;
    Minuterie m(&parent);
    int profondeur = 0, pire = 0, ticks = 0;
    m.SurTick([&] {
        ++ticks;
        pire = std::max(pire, ++profondeur);
        QTest::qWait(20);  // long enough for several intervals
        --profondeur;
    });
    m.SetInterval(2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 2000));
    m.SetEnabled(false);
    EXPECT_EQ(pire, 1);
}

}  // namespace
