#include "assets/cartes/cartes.h"
#include "assets/cartes/outils_cartes.h"

#include <QHash>

#include <cstring>

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

void DessinePip(QPainter& p, int couleur, QPointF c, qreal taille, bool renverse) {
    const QTransform avant = p.transform();
    QTransform t = avant;
    t.translate(c.x(), c.y());
    if (renverse) t.rotate(180);
    t.scale(taille, taille);
    p.setTransform(t);
    p.drawPath(FormeCouleur(couleur));
    p.setTransform(avant);
}

QPainterPath TexteAjuste(const QString& texte, const QFont& police, const QRectF& boite) {
    // Cap height measured on a letter without descender, so Q and J keep
    // the same height as K.
    QPainterPath reference;
    reference.addText(0, 0, police, QStringLiteral("K"));
    const qreal hautCap = -reference.boundingRect().top();
    QPainterPath brut;
    brut.addText(0, 0, police, texte);
    const QRectF b = brut.boundingRect();
    const qreal sy = boite.height() / hautCap;
    const qreal sx = std::min(sy, boite.width() / b.width());
    QTransform t;
    t.translate(boite.center().x() - (b.left() + b.width() / 2) * sx, boite.bottom());
    t.scale(sx, sy);
    return t.map(brut);
}

QImage CorpsCarte(const std::function<void(QPainter&, const QRectF&)>& fond, QColor bord) {
    QImage cellule(kLargeur, kHauteur, QImage::Format_RGB32);
    cellule.fill(kFeutre);
    QPainter p(&cellule);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF corps(0.5, 0.5, kLargeur - 1, kHauteur - 1);
    QPainterPath contour;
    contour.addRoundedRect(corps, 4.5, 4.5);
    p.setClipPath(contour);
    fond(p, corps);
    p.setClipping(false);
    p.setPen(QPen(bord, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(contour);
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
    constexpr qreal g = 22, m = 35.5, d = 49;
    constexpr qreal h = 17.5, b = 78.5, c = 48;
    constexpr qreal h3 = 37.83, b3 = 58.17;  // inner rows of 9 and 10
    static const Pip p2[] = {{m, h}, {m, b}};
    static const Pip p3[] = {{m, h}, {m, c}, {m, b}};
    static const Pip p4[] = {{g, h}, {d, h}, {g, b}, {d, b}};
    static const Pip p5[] = {{g, h}, {d, h}, {m, c}, {g, b}, {d, b}};
    static const Pip p6[] = {{g, h}, {d, h}, {g, c}, {d, c}, {g, b}, {d, b}};
    static const Pip p7[] = {{g, h}, {d, h}, {m, (h + c) / 2}, {g, c}, {d, c}, {g, b}, {d, b}};
    static const Pip p8[] = {{g, h}, {d, h}, {m, (h + c) / 2}, {g, c}, {d, c},
                             {m, (c + b) / 2}, {g, b}, {d, b}};
    static const Pip p9[] = {{g, h}, {d, h}, {g, h3}, {d, h3}, {m, c},
                             {g, b3}, {d, b3}, {g, b}, {d, b}};
    static const Pip p10[] = {{g, h}, {d, h}, {m, (h + h3) / 2}, {g, h3}, {d, h3},
                              {g, b3}, {d, b3}, {m, (b3 + b) / 2}, {g, b}, {d, b}};
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

QImage AssembleFeuille(const std::function<QImage(int valeur, int couleur)>& dessineCellule) {
    QImage feuille(kColonnes * kLargeur, kLignes * kHauteur, QImage::Format_RGB32);
    for (int s = 1; s <= kLignes; ++s) {
        for (int v = 1; v <= kColonnes; ++v) {
            const QImage cellule = dessineCellule(v, s);
            const int x0 = (v - 1) * kLargeur, y0 = (s - 1) * kHauteur;
            for (int y = 0; y < kHauteur; ++y) {
                std::memcpy(feuille.scanLine(y0 + y) + x0 * 4, cellule.constScanLine(y),
                            kLargeur * 4);
            }
        }
    }
    return feuille;
}

}  // namespace cartes
