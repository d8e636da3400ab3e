#include "assets/cartes/cartes.h"
#include "assets/cartes/outils_cartes.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

namespace cartes {

namespace {

QPainterPath Coeur() {
    QPainterPath c;
    c.moveTo(0, 0.5);
    c.cubicTo(-0.2, 0.28, -0.5, 0.08, -0.5, -0.2);
    c.cubicTo(-0.5, -0.38, -0.37, -0.5, -0.24, -0.5);
    c.cubicTo(-0.11, -0.5, -0.03, -0.42, 0, -0.3);
    c.cubicTo(0.03, -0.42, 0.11, -0.5, 0.24, -0.5);
    c.cubicTo(0.37, -0.5, 0.5, -0.38, 0.5, -0.2);
    c.cubicTo(0.5, 0.08, 0.2, 0.28, 0, 0.5);
    c.closeSubpath();
    return c;
}

QPainterPath Carreau() {
    QPainterPath c;
    c.moveTo(0, -0.5);
    c.quadTo(0.15, -0.22, 0.39, 0);
    c.quadTo(0.15, 0.22, 0, 0.5);
    c.quadTo(-0.15, 0.22, -0.39, 0);
    c.quadTo(-0.15, -0.22, 0, -0.5);
    c.closeSubpath();
    return c;
}

QPainterPath Pied(qreal haut) {
    QPainterPath t;
    t.moveTo(-0.045, haut);
    t.cubicTo(-0.05, 0.3, -0.12, 0.44, -0.21, 0.5);
    t.lineTo(0.21, 0.5);
    t.cubicTo(0.12, 0.44, 0.05, 0.3, 0.045, haut);
    t.closeSubpath();
    return t;
}

QPainterPath Pique() {
    QPainterPath c;
    c.moveTo(0, -0.5);
    c.cubicTo(0.2, -0.3, 0.5, -0.14, 0.5, 0.1);
    c.cubicTo(0.5, 0.27, 0.38, 0.35, 0.26, 0.35);
    c.cubicTo(0.15, 0.35, 0.07, 0.3, 0.02, 0.22);
    c.lineTo(-0.02, 0.22);
    c.cubicTo(-0.07, 0.3, -0.15, 0.35, -0.26, 0.35);
    c.cubicTo(-0.38, 0.35, -0.5, 0.27, -0.5, 0.1);
    c.cubicTo(-0.5, -0.14, -0.2, -0.3, 0, -0.5);
    c.closeSubpath();
    return c.united(Pied(0.1)).simplified();
}

QPainterPath Trefle() {
    QPainterPath c;
    const qreal r = 0.215;
    c.addEllipse(QPointF(0, -0.285), r, r);
    QPainterPath g, d, m;
    g.addEllipse(QPointF(-0.27, 0.07), r, r);
    d.addEllipse(QPointF(0.27, 0.07), r, r);
    m.addEllipse(QPointF(0, 0.0), 0.12, 0.12);
    return c.united(g).united(d).united(m).united(Pied(0.05)).simplified();
}

}  // namespace

const QPainterPath& FormeCouleur(int couleur) {
    static const std::array<QPainterPath, 4> formes{Coeur(), Trefle(), Carreau(), Pique()};
    return formes[static_cast<size_t>((couleur - 1) & 3)];
}

namespace {

struct CleTampon {
    const QPainterPath* chemin;
    qint64 m11, m22;  // scale and flip, in 1/1024
    int phaseX, phaseY;  // sub-pixel phase, in 1/16 px
    QRgb couleur;
    auto operator<=>(const CleTampon&) const = default;
};

struct Sprite {
    QImage image;
    QPoint decalage;  // from the integer part of the translation
};

std::map<CleTampon, Sprite>& Tampon() {
    static std::map<CleTampon, Sprite> tampon;
    return tampon;
}

}  // namespace

void VideTampon() { Tampon().clear(); }

void RempliChemin(QPainter& p, const QPainterPath& chemin) {
    const QTransform t = p.transform();
    const QBrush brosse = p.brush();
    if (t.type() > QTransform::TxScale || brosse.style() != Qt::SolidPattern ||
        p.pen().style() != Qt::NoPen || !p.testRenderHint(QPainter::Antialiasing)) {
        p.drawPath(chemin);
        return;
    }
    const int entierX = static_cast<int>(std::floor(t.dx()));
    const int entierY = static_cast<int>(std::floor(t.dy()));
    const int phaseX = static_cast<int>(std::lround((t.dx() - entierX) * 16));
    const int phaseY = static_cast<int>(std::lround((t.dy() - entierY) * 16));
    const CleTampon cle{&chemin, std::llround(t.m11() * 1024), std::llround(t.m22() * 1024), phaseX,
                        phaseY, brosse.color().rgba()};
    auto it = Tampon().find(cle);
    if (it == Tampon().end()) {
        const QTransform local(t.m11(), 0, 0, t.m22(), phaseX / 16.0, phaseY / 16.0);
        const QPainterPath forme = local.map(chemin);
        const QRect boite = forme.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
        Sprite s{QImage(boite.size(), QImage::Format_ARGB32_Premultiplied), boite.topLeft()};
        s.image.fill(Qt::transparent);
        QPainter q(&s.image);
        q.setRenderHint(QPainter::Antialiasing);
        q.setPen(Qt::NoPen);
        q.setBrush(brosse.color());
        q.translate(-boite.topLeft());
        q.drawPath(forme);
        q.end();
        it = Tampon().emplace(cle, std::move(s)).first;
    }
    p.setTransform(QTransform());
    p.drawImage(QPoint(entierX, entierY) + it->second.decalage, it->second.image);
    p.setTransform(t);
}

void DessinePip(QPainter& p, int couleur, QPointF c, qreal taille, bool renverse) {
    const QTransform avant = p.transform();
    QTransform t = avant;
    t.translate(c.x(), c.y());
    if (renverse) t.rotate(180);
    t.scale(taille, taille);
    p.setTransform(t);
    RempliChemin(p, FormeCouleur(couleur));
    p.setTransform(avant);
}

QFont PoliceNonHintee(const QFont& police) {
    QFont f = police;
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPainterPath CheminAjuste(const QPainterPath& brut, const QFont& policeDemandee, const QRectF& boite) {
    const QFont police = PoliceNonHintee(policeDemandee);
    // Cap height measured on a letter without descender, so Q and J keep
    // the same height as K.
    static std::map<QString, qreal> hautsCap;  // per font, measured once
    const QString cle = police.key();
    auto it = hautsCap.find(cle);
    if (it == hautsCap.end()) {
        QPainterPath reference;
        reference.addText(0, 0, police, QStringLiteral("K"));
        it = hautsCap.emplace(cle, -reference.boundingRect().top()).first;
    }
    const qreal hautCap = it->second;
    const QRectF b = brut.boundingRect();
    const qreal sy = boite.height() / hautCap;
    const qreal sx = std::min(sy, boite.width() / b.width());
    QTransform t;
    t.translate(boite.center().x() - (b.left() + b.width() / 2) * sx, boite.bottom());
    t.scale(sx, sy);
    return t.map(brut);
}

QPainterPath DixEtroit(const QFont& police, const QRectF& boite, const FormeDix& forme) {
    QFont etroite = PoliceNonHintee(police);
    etroite.setStretch(QFont::Condensed);
    QPainterPath un, zero;
    un.addText(0, 0, etroite, QStringLiteral("1"));
    zero.addText(0, 0, etroite, QStringLiteral("0"));
    const QRectF b = un.boundingRect();
    // The stem: the glyph's ink halfway up.
    QPainterPath tranche;
    tranche.addRect(QRectF(b.left() - 1, b.center().y() - 0.01, b.width() + 2, 0.02));
    const QRectF tige = un.intersected(tranche).boundingRect();
    // The foot: whatever sticks out of the stem near the baseline, cut to
    // its reach.
    const qreal pied = b.bottom() - 0.2 * b.height();
    const qreal gauche = tige.left() - forme.piedDuUn * tige.width();
    const qreal droite = tige.right() + forme.piedDuUn * tige.width();
    QPainterPath ailes;
    if (gauche > b.left()) ailes.addRect(QRectF(b.left() - 1, pied, gauche - b.left() + 1, b.height()));
    if (droite < b.right()) ailes.addRect(QRectF(droite, pied, b.right() - droite + 1, b.height()));
    un = un.subtracted(ailes);
    zero.translate(tige.right() + forme.ecart * tige.width() - zero.boundingRect().left(), 0);
    // Squeezed, the strokes come out thinner than the letters' own: each is
    // widened by drawing the pair twice, a little apart.
    const QPainterPath dix =
        CheminAjuste(un.united(zero), etroite, boite.adjusted(0, 0, -forme.gras, 0));
    return dix.united(dix.translated(forme.gras, 0));
}

QPainterPath TexteAjuste(const QString& texte, const QFont& police, const QRectF& boite) {
    QPainterPath brut;
    brut.addText(0, 0, PoliceNonHintee(police), texte);
    return CheminAjuste(brut, police, boite);
}

QImage PeintPixels(const std::function<QRgb(qreal x, qreal y)>& couleur) {
    QImage cellule(kLargeur, kHauteur, QImage::Format_RGB32);
    for (int y = 0; y < kHauteur; ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(cellule.scanLine(y));
        for (int x = 0; x < kLargeur; ++x) ligne[x] = couleur(x + 0.5, y + 0.5) | 0xff000000;
    }
    return cellule;
}

QRgb Melange(QRgb a, QRgb b, qreal t) {
    t = std::clamp<qreal>(t, 0, 1);
    auto canal = [t](int u, int v) { return static_cast<int>(std::lround(u + (v - u) * t)); };
    return qRgb(canal(qRed(a), qRed(b)), canal(qGreen(a), qGreen(b)), canal(qBlue(a), qBlue(b)));
}

QRgb Interpole(std::initializer_list<std::pair<qreal, QRgb>> arrets, qreal t) {
    const auto* precedent = arrets.begin();
    if (t <= precedent->first) return precedent->second;
    for (const auto* a = arrets.begin() + 1; a != arrets.end(); ++a) {
        if (t <= a->first)
            return Melange(precedent->second, a->second, (t - precedent->first) / (a->first - precedent->first));
        precedent = a;
    }
    return precedent->second;
}

namespace {

// What lies around and on the border of a card, and how much of each pixel
// belongs to the inside of the body.
struct Pourtour {
    QImage exterieur;  // felt, border line; RGB32
    QImage interieur;  // coverage of the inside, 0..255 in the red channel
};

const Pourtour& PourtourPour(QColor bord) {
    static std::map<QRgb, Pourtour> caches;
    auto it = caches.find(bord.rgb());
    if (it != caches.end()) return it->second;
    Pourtour c{QImage(kLargeur, kHauteur, QImage::Format_RGB32), QImage(kLargeur, kHauteur, QImage::Format_RGB32)};
    c.exterieur.fill(kFeutre);
    {
        QPainter p(&c.exterieur);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(bord, 1));
        p.setBrush(Qt::black);
        p.drawRoundedRect(QRectF(0.5, 0.5, kLargeur - 1, kHauteur - 1), 4.5, 4.5);
    }
    c.interieur.fill(Qt::black);
    {
        QPainter p(&c.interieur);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(1, 1, kLargeur - 2, kHauteur - 2), 4, 4);
    }
    return caches.emplace(bord.rgb(), std::move(c)).first->second;
}

}  // namespace

QImage CorpsCarte(const std::function<void(QPainter&, const QRectF&)>& fond, QColor bord) {
    QImage cellule(kLargeur, kHauteur, QImage::Format_RGB32);
    cellule.fill(kFeutre);
    {
        QPainter p(&cellule);
        p.setRenderHint(QPainter::Antialiasing);
        fond(p, QRectF(0.5, 0.5, kLargeur - 1, kHauteur - 1));
    }
    const Pourtour& pourtour = PourtourPour(bord);
    for (int y = 0; y < kHauteur; ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(cellule.scanLine(y));
        const auto* ext = reinterpret_cast<const QRgb*>(pourtour.exterieur.constScanLine(y));
        const auto* inte = reinterpret_cast<const QRgb*>(pourtour.interieur.constScanLine(y));
        for (int x = 0; x < kLargeur; ++x) {
            const int a = qRed(inte[x]);
            if (a == 255) continue;
            ligne[x] = a == 0 ? ext[x] : Melange(ext[x], ligne[x], a / 255.0);
        }
    }
    return cellule;
}

void RefleteHautEnBas(QImage& cellule) {
    const int moitie = cellule.height() / 2;
    const int w = cellule.width();
    for (int y = 0; y < moitie; ++y) {
        const auto* src = reinterpret_cast<const quint32*>(cellule.constScanLine(y));
        auto* dst = reinterpret_cast<quint32*>(cellule.scanLine(cellule.height() - 1 - y));
        for (int x = 0; x < w; ++x) dst[w - 1 - x] = src[x];
    }
}

QString TexteRang(int valeur) {
    static const char* const rangs[] = {"A", "2", "3", "4", "5", "6", "7",
                                        "8", "9", "10", "J", "Q", "K"};
    return QString::fromLatin1(rangs[(valeur - 1) % 13]);
}

std::span<const Pip> DispositionPips(int valeur) {
    // Columns 13.5 px either side of the centre line keep the left pips
    // clear of the 15-px index strip; rows are symmetric about y = 48.
    // Centres on half pixels, so that every pip of a suit is one of a few
    // rasterised shapes.
    constexpr qreal g = 22, m = 35.5, d = 49;
    constexpr qreal h = 17.5, b = 78.5, c = 48;
    constexpr qreal h3 = 38, b3 = 58;            // inner rows of 9 and 10
    constexpr qreal h7 = 32.5, b7 = 63.5;        // centre pips of 7 and 8
    constexpr qreal h10 = 27.5, b10 = 68.5;      // centre pips of 10
    static const Pip p2[] = {{m, h}, {m, b}};
    static const Pip p3[] = {{m, h}, {m, c}, {m, b}};
    static const Pip p4[] = {{g, h}, {d, h}, {g, b}, {d, b}};
    static const Pip p5[] = {{g, h}, {d, h}, {m, c}, {g, b}, {d, b}};
    static const Pip p6[] = {{g, h}, {d, h}, {g, c}, {d, c}, {g, b}, {d, b}};
    static const Pip p7[] = {{g, h}, {d, h}, {m, h7}, {g, c}, {d, c}, {g, b}, {d, b}};
    static const Pip p8[] = {{g, h}, {d, h}, {m, h7}, {g, c}, {d, c},
                             {m, b7}, {g, b}, {d, b}};
    static const Pip p9[] = {{g, h}, {d, h}, {g, h3}, {d, h3}, {m, c},
                             {g, b3}, {d, b3}, {g, b}, {d, b}};
    static const Pip p10[] = {{g, h}, {d, h}, {m, h10}, {g, h3}, {d, h3},
                              {g, b3}, {d, b3}, {m, b10}, {g, b}, {d, b}};
    switch (valeur) {
        case 2: return p2;
        case 3: return p3;
        case 4: return p4;
        case 5: return p5;
        case 6: return p6;
        case 7: return p7;
        case 8: return p8;
        case 9: return p9;
        case 10: return p10;
        default: return {};
    }
}

const QPainterPath& EpaulesFigure() {
    static const QPainterPath epaules = [] {
        QPainterPath c;
        c.moveTo(16, 48.5);
        c.lineTo(16, 38);
        c.cubicTo(16.5, 34.5, 21, 33, 28, 32.5);
        c.lineTo(41, 32.5);
        c.cubicTo(48, 33, 54.5, 34.5, 55, 38);
        c.lineTo(55, 48.5);
        c.closeSubpath();
        return c;
    }();
    return epaules;
}

void AuxDeuxCoins(QPainter& p, const std::function<void()>& dessineCoin) {
    dessineCoin();
    const QTransform avant = p.transform();
    p.setTransform(QTransform(-1, 0, 0, -1, kLargeur, kHauteur), true);
    dessineCoin();
    p.setTransform(avant);
}

QImage AssembleFeuille(const DessinsDuJeu& jeu) {
    QImage feuille(kColonnes * kLargeur, kLignes * kHauteur, QImage::Format_RGB32);
    for (int s = 1; s <= kLignes; ++s) {
        for (int v = 1; v <= kColonnes; ++v) {
            const QImage cellule = v == 1 ? jeu.as(s) : v >= 11 ? jeu.figure(v, s) : jeu.chiffre(v, s);
            const int x0 = (v - 1) * kLargeur, y0 = (s - 1) * kHauteur;
            for (int y = 0; y < kHauteur; ++y) {
                std::memcpy(feuille.scanLine(y0 + y) + x0 * 4, cellule.constScanLine(y),
                            kLargeur * 4);
            }
        }
    }
    VideTampon();
    return feuille;
}

}  // namespace cartes
