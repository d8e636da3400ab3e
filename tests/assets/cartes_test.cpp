// The card pictures: both face sheets keep the cell address the game copies
// from (value v, suit s at ((v-1)*71, (s-1)*96)), every card reads from its
// corner strip alone as the help window shows it, value cards carry as many
// pips as their value, and the back strip holds eleven distinct backs at a
// pitch of 72 with felt-green gaps.
#include "assets/cartes/cartes.h"
#include "assets/cartes/outils_cartes.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kL = 71;
constexpr int kH = 96;
const QRgb kFeutre = qRgb(0x2f, 0x7f, 0x3b);

const QImage& Typique() {
    static const QImage img = DessineTabCartes();
    return img;
}
const QImage& Western() {
    static const QImage img = DessineTabCartes2();
    return img;
}
const QImage& Dos() {
    static const QImage img = DessineDosCartes();
    return img;
}

QImage Cellule(const QImage& feuille, int valeur, int couleur) {
    return feuille.copy((valeur - 1) * kL, (couleur - 1) * kH, kL, kH);
}

std::string Octets(const QImage& img) {
    std::string s;
    for (int y = 0; y < img.height(); ++y)
        s.append(reinterpret_cast<const char*>(img.constScanLine(y)), img.width() * 4);
    return s;
}

int Luminance(QRgb c) { return (qRed(c) * 30 + qGreen(c) * 59 + qBlue(c) * 11) / 100; }

// Ink: clearly darker than the card body, or a clear red.
bool Encre(QRgb c) { return Luminance(c) < 110 || (qRed(c) > 120 && qRed(c) - qGreen(c) > 90); }
bool Rouge(QRgb c) { return qRed(c) > 110 && qRed(c) - qGreen(c) > 60 && qRed(c) - qBlue(c) > 50; }

// Number of 4-connected ink blobs inside a rectangle of a cell.
int Taches(const QImage& cellule, QRect zone) {
    std::vector<char> vu(static_cast<size_t>(kL * kH), 0);
    int n = 0;
    for (int y = zone.top(); y <= zone.bottom(); ++y) {
        for (int x = zone.left(); x <= zone.right(); ++x) {
            if (vu[static_cast<size_t>(y * kL + x)] || !Encre(cellule.pixel(x, y))) continue;
            ++n;
            std::vector<QPoint> pile{{x, y}};
            vu[static_cast<size_t>(y * kL + x)] = 1;
            while (!pile.empty()) {
                const QPoint p = pile.back();
                pile.pop_back();
                for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (!zone.contains(q) || vu[static_cast<size_t>(q.y() * kL + q.x())]) continue;
                    if (!Encre(cellule.pixel(q))) continue;
                    vu[static_cast<size_t>(q.y() * kL + q.x())] = 1;
                    pile.push_back(q);
                }
            }
        }
    }
    return n;
}

struct Feuille {
    const char* nom;
    const QImage& (*image)();
};
const Feuille kFeuilles[] = {{"Typical", &Typique}, {"Western", &Western}};

TEST(CartesFeuilles, TailleEtFormatExacts) {
    for (const Feuille& f : kFeuilles) {
        SCOPED_TRACE(f.nom);
        EXPECT_EQ(f.image().size(), QSize(923, 384));
        EXPECT_EQ(f.image().format(), QImage::Format_RGB32);
    }
    EXPECT_EQ(Dos().size(), QSize(791, 96));
    EXPECT_EQ(Dos().format(), QImage::Format_RGB32);
}

// Each cell is a whole card standing exactly at its address: felt in the four
// corners outside the rounding, a dark border on all four sides, a light
// body. A cell shifted by a pixel, or a gap between cells, breaks this.
TEST(CartesFeuilles, ChaqueCelluleEstUneCarteEntiereASonAdresse) {
    for (const Feuille& f : kFeuilles) {
        for (int s = 1; s <= 4; ++s) {
            for (int v = 1; v <= 13; ++v) {
                SCOPED_TRACE(std::string(f.nom) + " v=" + std::to_string(v) + " s=" + std::to_string(s));
                const QImage c = Cellule(f.image(), v, s);
                for (QPoint coin : {QPoint(0, 0), QPoint(70, 0), QPoint(0, 95), QPoint(70, 95)})
                    EXPECT_EQ(c.pixel(coin) & 0xffffff, kFeutre & 0xffffff) << coin.x() << "," << coin.y();
                for (QPoint bord : {QPoint(35, 0), QPoint(35, 95), QPoint(0, 48), QPoint(70, 48)})
                    EXPECT_LT(Luminance(c.pixel(bord)), 90) << bord.x() << "," << bord.y();
                int clairs = 0;
                for (int y = 1; y < kH - 1; ++y)
                    for (int x = 1; x < kL - 1; ++x) clairs += Luminance(c.pixel(x, y)) > 170;
                EXPECT_GT(clairs, (kL - 2) * (kH - 2) / 3);
            }
        }
    }
}

TEST(CartesFeuilles, LesCinquanteDeuxCartesDifferentEtLesDeuxJeuxAussi) {
    for (const Feuille& f : kFeuilles) {
        SCOPED_TRACE(f.nom);
        std::set<std::string> vues;
        for (int s = 1; s <= 4; ++s)
            for (int v = 1; v <= 13; ++v) vues.insert(Octets(Cellule(f.image(), v, s)));
        EXPECT_EQ(vues.size(), 52u);
    }
    EXPECT_TRUE(Octets(Typique()) != Octets(Western()));
}

// The help window fans cards so that only the leftmost 15 px of their top
// third show: that strip alone must tell every card apart, with hearts and
// diamonds (rows 1 and 3) in red and clubs and spades in black.
TEST(CartesFeuilles, LaBandeDeCoinSuffitAReconnaitreLaCarte) {
    for (const Feuille& f : kFeuilles) {
        std::set<std::string> bandes;
        for (int s = 1; s <= 4; ++s) {
            for (int v = 1; v <= 13; ++v) {
                SCOPED_TRACE(std::string(f.nom) + " v=" + std::to_string(v) + " s=" + std::to_string(s));
                const QImage bande = Cellule(f.image(), v, s).copy(0, 0, 15, 32);
                bandes.insert(Octets(bande));
                int encre = 0, rouge = 0;
                for (int y = 0; y < 32; ++y) {
                    for (int x = 1; x < 15; ++x) {
                        const QRgb p = bande.pixel(x, y);
                        if (y > 0 && Encre(p)) ++encre;
                        if (Rouge(p)) ++rouge;
                    }
                }
                EXPECT_GT(encre, 30);
                if (s == 1 || s == 3)
                    EXPECT_GT(rouge, 30);
                else
                    EXPECT_EQ(rouge, 0);
            }
        }
        EXPECT_EQ(bandes.size(), 52u) << f.nom;
    }
}

// A card is read from either end: the lower right corner holds the same
// index turned half round.
TEST(CartesFeuilles, LIndexSeRetrouveRetourneEnBasADroite) {
    for (const Feuille& f : kFeuilles) {
        for (int s = 1; s <= 4; ++s) {
            for (int v = 1; v <= 13; ++v) {
                SCOPED_TRACE(std::string(f.nom) + " v=" + std::to_string(v) + " s=" + std::to_string(s));
                const QImage c = Cellule(f.image(), v, s);
                const QImage haut = c.copy(1, 1, 14, 30);
                const QImage bas = c.copy(kL - 15, kH - 31, 14, 30).mirrored(true, true);
                int ecarts = 0;
                for (int y = 0; y < 30; ++y)
                    for (int x = 0; x < 14; ++x) ecarts += Encre(haut.pixel(x, y)) != Encre(bas.pixel(x, y));
                // A few edge pixels may differ: the aged paper darkens
                // towards the lower corner. A missing or wrong index differs
                // by dozens.
                EXPECT_LE(ecarts, 12);
            }
        }
    }
}

// Clear columns either side of a corner index, on the rank's rows under
// the rounded corner: between the card's border and the rank, and between
// the rank and the first ink right of it (the first pip).
struct Marges {
    int gauche = 0, droite = 0;
};
Marges MargesDuRang(const QImage& c) {
    const int haut = 4, bas = 14;
    int premiere = kL, derniere = -1;
    for (int y = haut; y <= bas; ++y)
        for (int x = 1; x < 15; ++x)
            if (Encre(c.pixel(x, y))) premiere = std::min(premiere, x), derniere = std::max(derniere, x);
    int pip = kL;
    for (int y = haut; y <= bas; ++y)
        for (int x = derniere + 1; x < kL / 2; ++x)
            if (Encre(c.pixel(x, y))) pip = std::min(pip, x);
    return {premiere - 1, pip - derniere - 1};
}

// In both decks the "10", two digits where the other ranks have one, keeps
// as much clear card beside it as the number cards: from the border as 2 to
// 9, and from the first pip as 4 to 9, whose first pip stands where its own
// does.
TEST(CartesFeuilles, LeDixTientDansSonCoinCommeLesAutresChiffres) {
    for (const Feuille& f : kFeuilles) {
        for (int s = 1; s <= 4; ++s) {
            SCOPED_TRACE(std::string(f.nom) + " s=" + std::to_string(s));
            int gauche = kL, droite = kL;
            for (int v = 2; v <= 9; ++v) {
                const Marges m = MargesDuRang(Cellule(f.image(), v, s));
                gauche = std::min(gauche, m.gauche);
                if (v >= 4) droite = std::min(droite, m.droite);
            }
            ASSERT_GT(gauche, 0);
            const Marges dix = MargesDuRang(Cellule(f.image(), 10, s));
            EXPECT_GE(dix.gauche, gauche);
            EXPECT_GE(dix.droite, droite);
        }
    }
}

// Value cards 2..10 carry as many separate pips as their value between the
// corner indices; an ace has one large pip on its centre.
TEST(CartesFeuilles, AutantDePipsQueLaValeur) {
    const QRect champ(15, 4, 42, 88);
    for (const Feuille& f : kFeuilles) {
        for (int s = 1; s <= 4; ++s) {
            for (int v = 2; v <= 10; ++v) {
                SCOPED_TRACE(std::string(f.nom) + " v=" + std::to_string(v) + " s=" + std::to_string(s));
                EXPECT_EQ(Taches(Cellule(f.image(), v, s), champ), v);
            }
            const QImage as = Cellule(f.image(), 1, s);
            EXPECT_TRUE(Encre(as.pixel(35, 48))) << f.nom << " ace of suit " << s;
        }
    }
}

// Courts are two-headed: the lower half is the upper half turned round.
TEST(CartesFeuilles, LesFiguresOntDeuxTetes) {
    for (const Feuille& f : kFeuilles) {
        for (int s = 1; s <= 4; ++s) {
            for (int v = 11; v <= 13; ++v) {
                SCOPED_TRACE(std::string(f.nom) + " v=" + std::to_string(v) + " s=" + std::to_string(s));
                const QImage c = Cellule(f.image(), v, s);
                const QImage haut = c.copy(18, 10, 35, 32);
                const QImage bas = c.copy(18, kH - 10 - 32, 35, 32).mirrored(true, true);
                EXPECT_TRUE(Octets(haut) == Octets(bas));
                EXPECT_GT(Taches(c, QRect(18, 10, 35, 32)), 0);
            }
        }
    }
}

TEST(CartesFeuilles, DessinReproductible) {
    // Shapes are cached while a sheet is drawn; a second drawing, after
    // another sheet used the cache, must give the same pixels.
    EXPECT_TRUE(Octets(DessineTabCartes()) == Octets(Typique()));
    EXPECT_TRUE(Octets(DessineDosCartes()) == Octets(Dos()));
    EXPECT_TRUE(Octets(DessineTabCartes2()) == Octets(Western()));
}

// Back k starts at ((k-1)*72, 0); the 1-px gaps at x = 71 + 72k are felt.
TEST(CartesDos, OnzeDosAuPasDe72SepareParDuFeutre) {
    const QImage& d = Dos();
    for (int k = 0; k < 10; ++k) {
        const int x = 71 + 72 * k;
        for (int y = 0; y < kH; ++y) ASSERT_EQ(d.pixel(x, y) & 0xffffff, kFeutre & 0xffffff) << x << "," << y;
    }
    std::set<std::string> vus;
    for (int k = 1; k <= 11; ++k) {
        SCOPED_TRACE("back " + std::to_string(k));
        const QImage c = d.copy((k - 1) * 72, 0, kL, kH);
        vus.insert(Octets(c));
        for (QPoint coin : {QPoint(0, 0), QPoint(70, 0), QPoint(0, 95), QPoint(70, 95)})
            EXPECT_EQ(c.pixel(coin) & 0xffffff, kFeutre & 0xffffff);
        // The border runs along all four sides and the body is drawn: no
        // felt shows anywhere inside.
        for (QPoint bord : {QPoint(35, 0), QPoint(35, 95), QPoint(0, 48), QPoint(70, 48)})
            EXPECT_LT(Luminance(c.pixel(bord)), 90);
        int feutre = 0;
        for (int y = 6; y < kH - 6; ++y)
            for (int x = 6; x < kL - 6; ++x) feutre += (c.pixel(x, y) & 0xffffff) == (kFeutre & 0xffffff);
        EXPECT_EQ(feutre, 0);
        // A back is a pattern, not a flat colour.
        std::set<QRgb> teintes;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kL; ++x) teintes.insert(c.pixel(x, y));
        EXPECT_GT(teintes.size(), 4u);
    }
    EXPECT_EQ(vus.size(), 11u);
}

// --- The drawing helpers the sheets are built with ---

// A pip layout is read on the card: as many pips as the value, none in the
// index strips, and, but for the 7, the same layout seen from either end.
TEST(CartesOutils, DispositionsDesPips) {
    for (int v = 2; v <= 10; ++v) {
        SCOPED_TRACE("value " + std::to_string(v));
        const auto pips = cartes::DispositionPips(v);
        ASSERT_EQ(static_cast<int>(pips.size()), v);
        std::set<std::pair<int, int>> places, retournees;
        for (const cartes::Pip& p : pips) {
            EXPECT_GE(p.x - 6.25, 15.0);          // clear of the upper-left index strip
            EXPECT_LE(p.x + 6.25, 71.0 - 15.0);   // and of the lower-right one
            EXPECT_GE(p.y - 6.25, 4.0);
            EXPECT_LE(p.y + 6.25, 92.0);
            places.insert({static_cast<int>(p.x * 2), static_cast<int>(p.y * 2)});
            retournees.insert({static_cast<int>((71 - p.x) * 2), static_cast<int>((96 - p.y) * 2)});
        }
        EXPECT_EQ(places.size(), pips.size());  // no two pips on one spot
        if (v == 7)
            EXPECT_NE(places, retournees);
        else
            EXPECT_EQ(places, retournees);
    }
    EXPECT_TRUE(cartes::DispositionPips(1).empty());
    EXPECT_TRUE(cartes::DispositionPips(11).empty());
}

TEST(CartesOutils, MelangeEtInterpolation) {
    const QRgb noir = qRgb(0, 0, 0), blanc = qRgb(255, 255, 255), rouge = qRgb(200, 0, 0);
    EXPECT_EQ(cartes::Melange(noir, blanc, 0), noir);
    EXPECT_EQ(cartes::Melange(noir, blanc, 1), blanc);
    EXPECT_EQ(cartes::Melange(noir, blanc, 0.5), qRgb(128, 128, 128));
    EXPECT_EQ(cartes::Melange(noir, rouge, 0.25), qRgb(50, 0, 0));
    // Out of range: held at the ends (vignettes pass distances beyond 1).
    EXPECT_EQ(cartes::Melange(noir, blanc, -0.3), noir);
    EXPECT_EQ(cartes::Melange(noir, blanc, 1.7), blanc);
    // Three stops: the segment around t is used, the ends hold beyond.
    const auto degrade = [&](qreal t) { return cartes::Interpole({{0, noir}, {0.5, rouge}, {1, blanc}}, t); };
    EXPECT_EQ(degrade(-1), noir);
    EXPECT_EQ(degrade(0.25), qRgb(100, 0, 0));
    EXPECT_EQ(degrade(0.5), rouge);
    EXPECT_EQ(degrade(0.75), qRgb(228, 128, 128));
    EXPECT_EQ(degrade(2), blanc);
}

TEST(CartesOutils, PeintPixelsRecoitLesCentresDesPixels) {
    const QImage img = cartes::PeintPixels([](qreal x, qreal y) {
        return qRgb(static_cast<int>(x * 2), static_cast<int>(y * 2), 0);
    });
    ASSERT_EQ(img.size(), QSize(kL, kH));
    EXPECT_EQ(img.pixel(0, 0), qRgb(1, 1, 0));
    EXPECT_EQ(img.pixel(70, 95), qRgb(141, 191, 0));
}

// The body is laid over whatever the background painted: felt outside the
// rounded corners, the border on the edge, the background untouched inside.
TEST(CartesOutils, CorpsCartePoseCoinsEtBordSurLeFond) {
    const QRgb rouge = qRgb(220, 10, 10), bord = qRgb(40, 40, 40);
    const QImage c = cartes::CorpsCarte([&](QPainter& p, const QRectF&) { p.fillRect(QRect(0, 0, 71, 96), rouge); },
                                        QColor(bord));
    for (QPoint coin : {QPoint(0, 0), QPoint(70, 0), QPoint(0, 95), QPoint(70, 95)})
        EXPECT_EQ(c.pixel(coin), kFeutre) << coin.x() << "," << coin.y();
    for (QPoint b : {QPoint(35, 0), QPoint(0, 48), QPoint(70, 48), QPoint(35, 95)})
        EXPECT_EQ(c.pixel(b), bord) << b.x() << "," << b.y();
    for (QPoint i : {QPoint(1, 48), QPoint(69, 48), QPoint(35, 1), QPoint(35, 94), QPoint(35, 48), QPoint(5, 5)})
        EXPECT_EQ(c.pixel(i), rouge) << i.x() << "," << i.y();
    // Inside the rounding, a blend of border and background, never felt.
    const QRgb arrondi = c.pixel(1, 1);
    EXPECT_NE(arrondi, kFeutre);
    EXPECT_NE(arrondi, rouge);
}

TEST(CartesOutils, RefletDuHautSurLeBas) {
    QImage c(kL, kH, QImage::Format_RGB32);
    c.fill(Qt::white);
    c.setPixel(3, 5, qRgb(1, 2, 3));
    c.setPixel(70, 47, qRgb(4, 5, 6));
    c.setPixel(10, 60, qRgb(7, 8, 9));  // lower half: overwritten
    cartes::RefleteHautEnBas(c);
    EXPECT_EQ(c.pixel(67, 90), qRgb(1, 2, 3));
    EXPECT_EQ(c.pixel(0, 48), qRgb(4, 5, 6));
    EXPECT_EQ(c.pixel(10, 60), qRgb(255, 255, 255));
    EXPECT_EQ(c.pixel(3, 5), qRgb(1, 2, 3));
}

// The fitted index text: a capital fills the box height, a wide rank is
// squeezed into the box width, and both are centred across the box.
TEST(CartesOutils, TexteAjusteTientDansSaBoite) {
    const QFont police(QStringLiteral("DejaVu Sans"), 20, QFont::Bold);
    const QRectF boite(2, 4, 12, 10);
    const QRectF k = cartes::TexteAjuste(QStringLiteral("K"), police, boite).boundingRect();
    EXPECT_NEAR(k.top(), 4, 0.05);
    EXPECT_NEAR(k.bottom(), 14, 0.05);
    EXPECT_LE(k.width(), 12.01);
    EXPECT_NEAR(k.center().x(), 8, 0.05);
    const QRectF dix = cartes::TexteAjuste(QStringLiteral("10"), police, boite).boundingRect();
    EXPECT_NEAR(dix.width(), 12, 0.05);
    EXPECT_NEAR(dix.left(), 2, 0.05);
    EXPECT_NEAR(dix.bottom(), 14, 0.3);
}

int PlusGrandEcart(const QImage& a, const QImage& b) {
    int ecart = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            ecart = std::max({ecart, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return ecart;
}

// Shapes drawn through the raster cache land where a direct fill puts them,
// at any sub-pixel position, scale and half turn, in the brush's colour.
TEST(CartesOutils, LeCacheDeFormesDessineCommeUnRemplissageDirect) {
    struct Cas {
        QPointF o;
        qreal echelle;
        bool renverse;
        QColor couleur;
    };
    const Cas cas[] = {{{20, 30}, 12.5, false, QColor(200, 20, 20)},
                       {{35.5, 48}, 30, false, QColor(20, 20, 20)},
                       {{22.25, 63.75}, 12.5, true, QColor(200, 20, 20)},
                       {{49, 78.5}, 12.5, true, QColor(20, 20, 20)},
                       {{7.5, 21}, 9, false, QColor(20, 120, 20)}};
    for (int couleur = 1; couleur <= 4; ++couleur) {
        for (const Cas& k : cas) {
            SCOPED_TRACE("suit " + std::to_string(couleur) + " at " + std::to_string(k.o.x()) + "," +
                         std::to_string(k.o.y()));
            QImage direct(kL, kH, QImage::Format_RGB32), cache(kL, kH, QImage::Format_RGB32);
            direct.fill(Qt::white);
            cache.fill(Qt::white);
            QTransform t;
            t.translate(k.o.x(), k.o.y());
            if (k.renverse) t.rotate(180);
            t.scale(k.echelle, k.echelle);
            {
                QPainter p(&direct);
                p.setRenderHint(QPainter::Antialiasing);
                p.setPen(Qt::NoPen);
                p.setBrush(k.couleur);
                p.setTransform(t);
                p.drawPath(cartes::FormeCouleur(couleur));
            }
            for (int fois = 0; fois < 2; ++fois) {  // the second time from the cache
                cache.fill(Qt::white);
                QPainter p(&cache);
                p.setRenderHint(QPainter::Antialiasing);
                p.setPen(Qt::NoPen);
                p.setBrush(k.couleur);
                p.setTransform(t);
                cartes::RempliChemin(p, cartes::FormeCouleur(couleur));
            }
            // Edge pixels differ a little (the curves are flattened at
            // another scale); a shape off by one pixel differs by ~200.
            EXPECT_LE(PlusGrandEcart(direct, cache), 60);
            int encre = 0;
            for (int y = 0; y < kH; ++y)
                for (int x = 0; x < kL; ++x) encre += cache.pixel(x, y) == k.couleur.rgb();
            EXPECT_GT(encre, 0) << "the cached shape keeps the brush colour";
        }
    }
    cartes::VideTampon();
}

// The same shape at the same place in another colour is not the red one
// served again from the cache.
TEST(CartesOutils, LeCacheDistingueLesCouleurs) {
    QImage img(kL, kH, QImage::Format_RGB32);
    QRgb centre[2];
    const QColor couleurs[2] = {QColor(200, 20, 20), QColor(20, 20, 20)};
    for (int k = 0; k < 2; ++k) {
        img.fill(Qt::white);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(couleurs[k]);
        p.translate(35.5, 48);
        p.scale(30, 30);
        cartes::RempliChemin(p, cartes::FormeCouleur(1));
        p.end();
        centre[k] = img.pixel(35, 48);
    }
    EXPECT_EQ(centre[0], couleurs[0].rgb());
    EXPECT_EQ(centre[1], couleurs[1].rgb());
    cartes::VideTampon();
}

// Rotations other than a half turn are drawn directly, not from the cache.
TEST(CartesOutils, LesRotationsQuelconquesNePassentPasParLeCache) {
    QImage direct(kL, kH, QImage::Format_RGB32), cache(kL, kH, QImage::Format_RGB32);
    direct.fill(Qt::white);
    cache.fill(Qt::white);
    QTransform t;
    t.translate(35.5, 48);
    t.rotate(30);
    t.scale(20, 20);
    for (QImage* img : {&direct, &cache}) {
        QPainter p(img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.setTransform(t);
        if (img == &direct)
            p.drawPath(cartes::FormeCouleur(4));
        else
            cartes::RempliChemin(p, cartes::FormeCouleur(4));
    }
    EXPECT_TRUE(Octets(direct) == Octets(cache));
    cartes::VideTampon();
}

}  // namespace
