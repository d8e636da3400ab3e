// The opponents' pictures: every frame must land on its body without a seam,
// inside the face window, and the tells must show.
#include "assets/inventaire.h"
#include "assets/magasin.h"
#include "common/disposition.h"

#include <QColor>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

const MagasinImages& M() {
    return MagasinImages::Instance();
}

const QImage& Img(const char* nom) {
    return M().Image(QString::fromUtf8(nom));
}

const QImage& MasqueDe(const char* nom) {
    return M().Image(QString::fromUtf8(nom) + QStringLiteral("Mask"));
}

// Masked copy as the game draws it: the mask with AND, the picture with OR.
void CopieMasquee(QImage& dst, QPoint at, const QImage& image, const QImage& masque) {
    QPainter p(&dst);
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(at, masque);
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    p.drawImage(at, image);
}

bool Proche(QRgb a, QRgb b, int seuil) {
    return std::abs(qRed(a) - qRed(b)) <= seuil && std::abs(qGreen(a) - qGreen(b)) <= seuil &&
           std::abs(qBlue(a) - qBlue(b)) <= seuil;
}

// Pixels of zone whose colour moved by more than seuil on some channel.
std::vector<QPoint> Changes(const QImage& avant, const QImage& apres, QRect zone, int seuil) {
    std::vector<QPoint> res;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (!Proche(avant.pixel(x, y), apres.pixel(x, y), seuil))
                res.push_back({x, y});
    return res;
}

bool EstNoir(QRgb c) {
    return (c & 0xffffffu) == 0;
}

struct Cadre {
    const char* image;
    const char* masque;
};

struct Perso {
    const char* corps;
    const char* mains;
    GeoPerso geo;
    QSize visage;
    std::vector<Cadre> cadres;
    std::vector<Cadre> repos;  // frames that show the face as the body does
};

std::vector<Perso> Persos() {
    const Disposition d;
    return {
        {"Cowboy", "Mains", d.GeoCowboy, {55, 49},
         {{"VisageYeuxOuverts", "VisageYeuxMask"}, {"VisageCligne", "VisageYeuxMask"},
          {"YeuxPlisses", "VisageYeuxMask"}, {"YeuxCarte1", "VisageYeuxMask"},
          {"YeuxCarte2", "VisageYeuxMask"}, {"YeuxAnime1", "VisageYeuxMask"},
          {"YeuxAnime2", "VisageYeuxMask"}, {"YeuxAnime3", "VisageYeuxMask"},
          {"VBoucheFermee", "VisageBoucheMask"}, {"VBoucheOuverte", "VisageBoucheMask"}},
         {{"VisageYeuxOuverts", "VisageYeuxMask"}, {"VBoucheFermee", "VisageBoucheMask"}}},
        {"Mexicain", "MainsMex", d.GeoMex, {100, 100},
         {{"MexYeuxOuverts", "MexYeuxMask"}, {"MexYeuxFermes", "MexYeuxMask"},
          {"MexYeuxPlis1", "MexYeuxMask"}, {"MexYeuxPlis2", "MexYeuxMask"},
          {"MexVisage", "MexVisageMask"}, {"MexCigare1", "MexVisageMask"},
          {"MexCigare2", "MexVisageMask"}, {"MexCigare3", "MexVisageMask"},
          {"MexCigare4", "MexVisageMask"}, {"MexCigare5", "MexVisageMask"},
          {"MexDent1", "MexVisageMask"}, {"MexGoutte1", "MexGoutteMask"},
          {"MexGoutte2", "MexGoutteMask"}, {"MexGoutte3", "MexGoutteMask"},
          {"MexGoutte4", "MexGoutteMask"}},
         {{"MexVisage", "MexVisageMask"}, {"MexYeuxOuverts", "MexYeuxMask"}}},
        {"Fille", "MainsFille", d.GeoFille, {53, 58},
         {{"FilleYeuxOuverts", "FilleYeuxMask"}, {"FilleYeuxFermes", "FilleYeuxMask"},
          {"FilleYeuxPlisses", "FilleYeuxMask"}, {"FilleYeuxTic", "FilleYeuxMask"},
          {"FilleBoucheFermee", "FilleBoucheMask"}, {"FilleBoucheOuverte", "FilleBoucheMask"},
          {"FilleBoucheTic", "FilleBoucheMask"}},
         {{"FilleYeuxOuverts", "FilleYeuxMask"}, {"FilleBoucheFermee", "FilleBoucheMask"}}},
    };
}

QPoint PosVisage(const Perso& p) {
    return {p.geo.VisageX - p.geo.CorpsX, p.geo.VisageY - p.geo.CorpsY};
}

QPoint PosMains(const Perso& p) {
    return {p.geo.MainsX - p.geo.CorpsX, p.geo.MainsY - p.geo.CorpsY};
}

// The body drawn on a plain table colour, as AffCowboy leaves it.
QImage CorpsSurTable(const Perso& p) {
    const QImage& corps = Img(p.corps);
    QImage table(corps.size(), QImage::Format_RGB32);
    table.fill(QColor(32, 112, 56));
    CopieMasquee(table, {0, 0}, corps, MasqueDe(p.corps));
    return table;
}

QImage AvecCadre(const Perso& p, const Cadre& c) {
    QImage img = CorpsSurTable(p);
    CopieMasquee(img, PosVisage(p), Img(c.image), Img(c.masque));
    return img;
}

double CentreY(const std::vector<QPoint>& points) {
    double somme = 0;
    for (const QPoint& pt : points)
        somme += pt.y();
    return points.empty() ? 0 : somme / points.size();
}

}  // namespace

TEST(Personnages, EveryPictureRendersAtItsExactCell) {
    // An element whose drawing runs past its cell is scaled down into it,
    // and its frames would no longer line up with the body.
    for (const EntreeInventaire& e : InventairePersonnages()) {
        SCOPED_TRACE(e.nom);
        ASSERT_NE(e.svg, nullptr);
        QSvgRenderer r{QString::fromUtf8(e.svg)};
        ASSERT_TRUE(r.elementExists(QString::fromUtf8(e.nom)));
        const QRectF b = r.boundsOnElement(QString::fromUtf8(e.nom));
        EXPECT_NEAR(b.left(), 0, 0.01);
        EXPECT_NEAR(b.top(), 0, 0.01);
        EXPECT_NEAR(b.width(), e.largeur, 0.01);
        EXPECT_NEAR(b.height(), e.hauteur, 0.01);
        EXPECT_EQ(Img(e.nom).size(), QSize(e.largeur, e.hauteur));
        if (e.genre == GenreImage::Sprite) {
            EXPECT_EQ(MasqueDe(e.nom).size(), QSize(e.largeur, e.hauteur));
        }
    }
}

TEST(Personnages, FramesAreBlackOutsideTheirMaskAndMasksLieOnTheBody) {
    for (const Perso& p : Persos()) {
        const QImage& masqueCorps = MasqueDe(p.corps);
        for (const Cadre& c : p.cadres) {
            SCOPED_TRACE(c.image);
            const QImage& image = Img(c.image);
            const QImage& masque = Img(c.masque);
            ASSERT_EQ(image.size(), p.visage);
            ASSERT_EQ(masque.size(), p.visage);
            int dedans = 0, dehorsNonNoir = 0, horsDuCorps = 0;
            for (int y = 0; y < masque.height(); ++y)
                for (int x = 0; x < masque.width(); ++x) {
                    if (!EstNoir(masque.pixel(x, y))) {
                        dehorsNonNoir += !EstNoir(image.pixel(x, y));
                        continue;
                    }
                    ++dedans;
                    // A frame over a transparent part of the body would paint
                    // over the table.
                    horsDuCorps += !EstNoir(masqueCorps.pixel(PosVisage(p) + QPoint(x, y)));
                }
            EXPECT_GT(dedans, 50);
            EXPECT_EQ(dehorsNonNoir, 0);
            EXPECT_EQ(horsDuCorps, 0);
        }
    }
}

TEST(Personnages, FramesChangeOnlyTheFaceWindowAndRestFramesAreSeamless) {
    for (const Perso& p : Persos()) {
        const QImage avant = CorpsSurTable(p);
        const QRect fenetre(PosVisage(p), p.visage);
        const QRect tout(QPoint(0, 0), avant.size());
        for (const Cadre& c : p.cadres) {
            SCOPED_TRACE(c.image);
            const QImage apres = AvecCadre(p, c);
            int horsFenetre = 0;
            for (const QPoint& pt : Changes(avant, apres, tout, 0))
                horsFenetre += !fenetre.contains(pt);
            EXPECT_EQ(horsFenetre, 0);

            bool repos = false;
            for (const Cadre& r : p.repos)
                repos = repos || std::string(r.image) == c.image;
            const auto changes = Changes(avant, apres, fenetre, 24);
            if (repos) {
                EXPECT_LT(changes.size() * 50, size_t(p.visage.width() * p.visage.height()))
                    << "rest frame shows a seam: " << changes.size() << " pixels";
            } else {
                // Idle tics and tells must be seen at table size.
                EXPECT_GE(changes.size(), 20u);
            }
        }
    }
}

TEST(Personnages, TheDropRunsDownAndTheSmokeRises) {
    const Perso mex = Persos()[1];
    const QImage avant = CorpsSurTable(mex);
    const QRect fenetre(PosVisage(mex), mex.visage);
    auto centre = [&](const char* image, const char* masque) {
        return CentreY(Changes(avant, AvecCadre(mex, {image, masque}), fenetre, 24));
    };
    double precedent = 0;
    for (const char* goutte : {"MexGoutte1", "MexGoutte2", "MexGoutte3", "MexGoutte4"}) {
        const double y = centre(goutte, "MexGoutteMask");
        EXPECT_GT(y, precedent) << goutte;
        precedent = y;
    }
    precedent = 1e9;
    for (const char* cigare : {"MexCigare2", "MexCigare3", "MexCigare4", "MexCigare5"}) {
        const double y = centre(cigare, "MexVisageMask");
        EXPECT_LT(y, precedent) << cigare;
        precedent = y;
    }
}

TEST(Personnages, HandsHoldTheFansAndMatchTheBody) {
    for (const Perso& p : Persos()) {
        SCOPED_TRACE(p.mains);
        const QImage& mains = Img(p.mains);
        const QImage& masqueMains = MasqueDe(p.mains);
        ASSERT_EQ(mains.size(), QSize(74, 52));

        // With no cards the hands window shows the same hands as the body.
        const QImage avant = CorpsSurTable(p);
        QImage apres = avant;
        CopieMasquee(apres, PosMains(p), mains, masqueMains);
        const auto changes = Changes(avant, apres, QRect(PosMains(p), mains.size()), 24);
        EXPECT_LT(changes.size() * 50, size_t(74 * 52)) << changes.size();

        // The fanned cards end in the hands: none shows below the grip.
        int opaquesPrecedent = 0;
        for (int k = 1; k <= 5; ++k) {
            const std::string nom = "Cartes" + std::to_string(k);
            SCOPED_TRACE(nom);
            const QImage& masqueFan = MasqueDe(nom.c_str());
            int opaques = 0, sousLaPrise = 0;
            for (int y = 0; y < 52; ++y)
                for (int x = 0; x < 74; ++x) {
                    if (!EstNoir(masqueFan.pixel(x, y)))
                        continue;
                    ++opaques;
                    if (y >= 36 && !EstNoir(masqueMains.pixel(x, y)))
                        ++sousLaPrise;
                }
            EXPECT_EQ(sousLaPrise, 0);
            EXPECT_GT(opaques, opaquesPrecedent) << "one more card must show more";
            opaquesPrecedent = opaques;
        }
    }
}

TEST(Personnages, MedallionStatesReadApart) {
    // Inside the round window: saturation and strong reds.
    auto mesure = [](const QImage& img, double& saturation, int& rouges) {
        saturation = 0;
        rouges = 0;
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const int dx = x - 32, dy = y - 32;
                if (dx * dx + dy * dy > 24 * 24)
                    continue;
                const QColor c = QColor::fromRgb(img.pixel(x, y));
                saturation += c.hsvSaturation();
                rouges += c.red() > 170 && c.green() < 70 && c.blue() < 70;
                ++n;
            }
        saturation /= n;
    };
    for (const char* perso : {"Cow", "Mex", "Fille"}) {
        SCOPED_TRACE(perso);
        const std::string base(perso);
        const QImage& aVenir = Img((base + "Med1").c_str());
        const QImage& courant = Img((base + "Med2").c_str());
        const QImage& battu = Img((base + "Med3").c_str());
        double s1, s2, s3;
        int r1, r2, r3;
        mesure(aVenir, s1, r1);
        mesure(courant, s2, r2);
        mesure(battu, s3, r3);
        EXPECT_LT(s1, s2 * 0.7) << "an opponent still to meet looks muted";
        EXPECT_GT(r3, r2 + 150) << "a beaten opponent is crossed out in red";
        // Same plate around every state, so the column reads as one set.
        EXPECT_EQ(aVenir.pixel(2, 2), courant.pixel(2, 2));
        EXPECT_EQ(battu.pixel(62, 62), courant.pixel(62, 62));
    }
}
