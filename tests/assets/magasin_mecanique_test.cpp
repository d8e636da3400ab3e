// How the store turns each kind of inventory entry into its pictures, on a
// small inventory of hand-made drawings whose every pixel is known.
#include "assets/inventaire.h"
#include "assets/magasin.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr QRgb kNoir = 0xff000000u, kBlanc = 0xffffffffu;

// 4 x 2: opaque red | half-transparent green (alpha 128) | alpha 127 blue | clear,
// and on the second row the same colours hidden under alpha 0.
QImage Echantillon() {
    QImage img(4, 2, QImage::Format_ARGB32);
    img.setPixel(0, 0, qRgba(200, 10, 10, 255));
    img.setPixel(1, 0, qRgba(10, 200, 10, 128));
    img.setPixel(2, 0, qRgba(10, 10, 200, 127));
    img.setPixel(3, 0, qRgba(0, 0, 0, 0));
    for (int x = 0; x < 4; ++x) img.setPixel(x, 1, qRgba(90, 90, 90, 0));
    return img;
}

// Left half opaque, right half clear: a region for masks.
QImage Moitie() {
    QImage img(4, 2, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    img.setPixel(0, 0, qRgba(30, 30, 30, 255));
    img.setPixel(1, 0, qRgba(30, 30, 30, 255));
    img.setPixel(0, 1, qRgba(30, 30, 30, 255));
    img.setPixel(1, 1, qRgba(30, 30, 30, 255));
    return img;
}

// A face frame drawn over the whole cell, colour everywhere.
QImage Plein() {
    QImage img(4, 2, QImage::Format_RGB32);
    img.fill(qRgb(240, 200, 40));
    return img;
}

const EntreeInventaire kPetit[] = {
    // The frame comes before its mask on purpose.
    {"Cadre", 4, 2, GenreImage::Cadre, nullptr, &Plein, "Region"},
    {"Lutin", 4, 2, GenreImage::Sprite, nullptr, &Echantillon, nullptr},
    {"Fond", 4, 2, GenreImage::Opaque, nullptr, &Echantillon, nullptr},
    {"Region", 4, 2, GenreImage::Masque, nullptr, &Moitie, nullptr},
};

const EntreeInventaire kDouble[] = {
    {"Lutin", 4, 2, GenreImage::Sprite, nullptr, &Echantillon, nullptr},
    {"LutinMask", 4, 2, GenreImage::Opaque, nullptr, &Plein, nullptr},
};
const EntreeInventaire kMauvaiseTaille[] = {
    {"Fond", 5, 2, GenreImage::Opaque, nullptr, &Echantillon, nullptr},
};
const EntreeInventaire kSansMasque[] = {
    {"Cadre", 4, 2, GenreImage::Cadre, nullptr, &Plein, "Absent"},
};
const EntreeInventaire kSansElement[] = {
    {"PasDansLeFichier", 4, 2, GenreImage::Opaque, ":/svg/aucun.svg", nullptr, nullptr},
};

}  // namespace

TEST(MagasinMecanique, SpriteGivesPictureOnBlackAndMaskAtHalfAlpha) {
    const MagasinImages m({kPetit});
    const QImage& image = m.Image(u"Lutin");
    const QImage& masque = m.Image(u"LutinMask");
    ASSERT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(0, 0), qRgb(200, 10, 10));
    EXPECT_EQ(image.pixel(1, 0), qRgb(10, 200, 10));  // alpha 128 counts as opaque
    EXPECT_EQ(image.pixel(2, 0), kNoir);              // alpha 127 does not
    EXPECT_EQ(image.pixel(3, 0), kNoir);
    EXPECT_EQ(image.pixel(2, 1), kNoir);              // hidden colour is dropped
    EXPECT_EQ(masque.pixel(0, 0), kNoir);
    EXPECT_EQ(masque.pixel(1, 0), kNoir);
    EXPECT_EQ(masque.pixel(2, 0), kBlanc);
    EXPECT_EQ(masque.pixel(3, 1), kBlanc);
}

TEST(MagasinMecanique, OpaqueIsFlattenedOnBlack) {
    const MagasinImages m({kPetit});
    const QImage& fond = m.Image(u"Fond");
    EXPECT_FALSE(m.Contient(u"FondMask"));
    EXPECT_EQ(fond.pixel(0, 0), qRgb(200, 10, 10));
    // Half-transparent green over black: half as bright.
    EXPECT_NEAR(qGreen(fond.pixel(1, 0)), 100, 1);
    EXPECT_EQ(qRed(fond.pixel(1, 0)), 5);
    // Colour under alpha 0 must not come back.
    for (int x = 0; x < 4; ++x) EXPECT_EQ(fond.pixel(x, 1), kNoir) << x;
}

TEST(MagasinMecanique, SharedMaskIsBlackOverItsRegion) {
    const MagasinImages m({kPetit});
    const QImage& region = m.Image(u"Region");
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(region.pixel(x, y), x < 2 ? kNoir : kBlanc) << x;
    EXPECT_FALSE(m.Contient(u"RegionMask"));
}

TEST(MagasinMecanique, FrameKeepsColourOnlyInsideItsMask) {
    // Listed before its mask, the frame still finds it.
    const MagasinImages m({kPetit});
    const QImage& cadre = m.Image(u"Cadre");
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(cadre.pixel(x, y), x < 2 ? qRgb(240, 200, 40) : kNoir) << x << "," << y;
    // So mask AND then frame OR changes nothing outside the region.
    QImage fond(4, 2, QImage::Format_RGB32);
    fond.fill(qRgb(1, 2, 3));
    QPainter p(&fond);
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(0, 0, m.Image(u"Region"));
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    p.drawImage(0, 0, cadre);
    p.end();
    EXPECT_EQ(fond.pixel(0, 0), qRgb(240, 200, 40));
    EXPECT_EQ(fond.pixel(3, 1), qRgb(1, 2, 3));
}

TEST(MagasinMecaniqueDeath, InventoryMistakesFailAtOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // A sprite's mask name taken by another entry.
    EXPECT_DEATH(MagasinImages({kDouble}), "LutinMask");
    EXPECT_DEATH(MagasinImages({kMauvaiseTaille}), "Fond");
    EXPECT_DEATH(MagasinImages({kSansMasque}), "Absent");
    EXPECT_DEATH(MagasinImages({kSansElement}), "aucun.svg");
}
