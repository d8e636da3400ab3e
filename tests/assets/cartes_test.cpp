// The card pictures: both face sheets keep the cell address the game copies
// from (value v, suit s at ((v-1)*71, (s-1)*96)), every card reads from its
// corner strip alone as the help window shows it, value cards carry as many
// pips as their value, and the back strip holds eleven distinct backs at a
// pitch of 72 with felt-green gaps.
#include "assets/cartes/cartes.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kL = 71;
constexpr int kH = 96;
const QRgb kFeutre = qRgb(0x1d, 0x5b, 0x35);

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

}  // namespace
