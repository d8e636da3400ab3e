// The strip of the eleven card backs, each drawn after its name.

#include "assets/cartes/cartes.h"
#include "assets/cartes/outils_cartes.h"
#include "platform/polices.h"

#include <cmath>
#include <numbers>
#include <cstring>

namespace cartes {
namespace {

const QColor kOr{0xe0, 0xb4, 0x4c};
const QColor kBordDos{0x2a, 0x2a, 0x2a};

// White margin and an inner field; returns the field.
QRectF Marge(QPainter& p, const QRectF& r, int marge, QColor fond) {
    p.fillRect(r, QColor(0xfb, 0xfb, 0xf6));
    const QRectF champ = r.adjusted(marge, marge, -marge, -marge);
    p.setClipRect(champ.toAlignedRect());
    p.fillRect(champ, fond);
    return champ;
}

void Cadre(QPainter& p, const QRectF& r, QColor c, qreal epaisseur, qreal rayon = 2.5) {
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, epaisseur));
    p.drawRoundedRect(r, rayon, rayon);
}

// 1: a fine red lattice on a white margin.
void SimplePoker(QPainter& p, const QRectF& r) {
    const QRectF champ = Marge(p, r, 4, QColor(0xb3, 0x1e, 0x2a));
    p.setPen(QPen(QColor(0xf4, 0xe6, 0xe6), 0.8));
    for (qreal d = -100; d < 100; d += 5) {
        p.drawLine(QPointF(champ.left() + d, champ.top()), QPointF(champ.left() + d + 100, champ.top() + 100));
        p.drawLine(QPointF(champ.right() - d, champ.top()), QPointF(champ.right() - d - 100, champ.top() + 100));
    }
    Cadre(p, champ.adjusted(2, 2, -2, -2), QColor(0xfb, 0xfb, 0xf6), 1);
}

void Couronne(QPainter& p, QPointF c, qreal e) {
    QTransform t = p.transform();
    p.translate(c);
    p.scale(e, e);
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x08), 0.12));
    p.setBrush(kOr);
    p.drawPolygon(QPolygonF({QPointF(-1, 0.6), QPointF(-1.15, -0.7), QPointF(-0.5, -0.1), QPointF(0, -1),
                             QPointF(0.5, -0.1), QPointF(1.15, -0.7), QPointF(1, 0.6)}));
    p.drawRect(QRectF(-1, 0.6, 2, 0.35));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc0, 0x10, 0x28));
    p.drawEllipse(QPointF(0, 0.2), 0.18, 0.18);
    p.setBrush(QColor(0x18, 0x50, 0xb0));
    p.drawEllipse(QPointF(-0.55, 0.3), 0.13, 0.13);
    p.drawEllipse(QPointF(0.55, 0.3), 0.13, 0.13);
    p.setBrush(kOr);
    for (qreal x : {-1.15, 0.0, 1.15}) p.drawEllipse(QPointF(x, x == 0 ? -1.05 : -0.75), 0.15, 0.15);
    p.setTransform(t);
}

// 2: crimson with a gold diaper of dots, a double gold frame and a crown.
void Imperial(QPainter& p, const QRectF& r) {
    p.drawImage(0, 0, PeintPixels([c = r.center()](qreal x, qreal y) {
        return Melange(qRgb(0x9a, 0x16, 0x2a), qRgb(0x5a, 0x08, 0x16), std::hypot(x - c.x(), y - c.y()) / 55);
    }));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe0, 0xb4, 0x4c, 170));
    for (int j = 0; j < 20; ++j)
        for (int i = 0; i < 16; ++i)
            if ((i + j) % 2 == 0) p.drawEllipse(QPointF(i * 5 + 0.5, j * 5 + 0.5), 0.8, 0.8);
    Cadre(p, r.adjusted(3, 3, -3, -3), kOr, 1.2, 2);
    Cadre(p, r.adjusted(6, 6, -6, -6), kOr, 0.6, 1.5);
    p.setPen(QPen(kOr, 1.2));
    p.setBrush(QColor(0x4a, 0x06, 0x12));
    p.drawEllipse(r.center(), 17, 21);
    p.setPen(QPen(kOr, 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.center(), 14.5, 18.5);
    Couronne(p, r.center() + QPointF(0, 1), 9);
}

// 3: one single rosette on a plain field.
void Solo(QPainter& p, const QRectF& r) {
    p.drawImage(0, 0, PeintPixels([c = r.center()](qreal x, qreal y) {
        return Melange(qRgb(0x1a, 0x7a, 0x84), qRgb(0x0b, 0x3e, 0x46), std::hypot(x - c.x(), y - c.y()) / 60);
    }));
    const QPointF c = r.center();
    const QColor creme(0xf2, 0xe8, 0xcf);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 16; ++k) {
        const qreal a = k * std::numbers::pi / 8;
        const qreal l = (k % 2) ? 18 : 27;
        QPainterPath rayon;
        rayon.moveTo(c);
        rayon.lineTo(c + QPointF(std::cos(a - 0.2) * 9, std::sin(a - 0.2) * 9));
        rayon.lineTo(c + QPointF(std::cos(a) * l, std::sin(a) * l));
        rayon.lineTo(c + QPointF(std::cos(a + 0.2) * 9, std::sin(a + 0.2) * 9));
        rayon.closeSubpath();
        p.setBrush(k % 2 ? QColor(0xc9, 0xa8, 0x5c) : creme);
        p.drawPath(rayon);
    }
    p.setBrush(QColor(0x0b, 0x3e, 0x46));
    p.setPen(QPen(creme, 1));
    p.drawEllipse(c, 5, 5);
    Cadre(p, r.adjusted(3, 3, -3, -3), creme, 0.8);
}

// 4: a club plaid, as on the decks kept at a bridge table.
void Bridge(QPainter& p, const QRectF& r) {
    // Green bands woven over navy, crossed by thin red and gold threads.
    const QImage tissu = PeintPixels([](qreal x, qreal y) {
        const int u = static_cast<int>(x) % 12, v = static_cast<int>(y) % 12;
        if (u == 5 || v == 5) return qRgb(0xb8, 0x2c, 0x34);
        // The gold thread shows every other stitch, as woven.
        if ((u == 10 && static_cast<int>(y) % 2 == 0) || (v == 10 && static_cast<int>(x) % 2 == 0))
            return qRgb(0xc8, 0xae, 0x58);
        const bool bu = u >= 2 && u < 9, bv = v >= 2 && v < 9;
        if (bu && bv) return qRgb(0x2a, 0x7a, 0x4a);
        if (bu || bv) return qRgb(0x22, 0x56, 0x5a);
        return qRgb(0x1a, 0x2c, 0x5e);
    });
    const QRectF champ = Marge(p, r, 4, QColor(0x1a, 0x2c, 0x5e));
    p.drawImage(0, 0, tissu);
    Cadre(p, champ, QColor(0x1a, 0x2c, 0x5e), 1);
}

QPainterPath FleurDeLys() {
    QPainterPath f;
    // Middle petal, a tall drop.
    f.moveTo(0, -1);
    f.cubicTo(0.34, -0.72, 0.34, -0.25, 0.1, 0.22);
    f.lineTo(-0.1, 0.22);
    f.cubicTo(-0.34, -0.25, -0.34, -0.72, 0, -1);
    f.closeSubpath();
    for (int s : {-1, 1}) {
        // Side petal rising from the band and curling down at its tip.
        QPainterPath c;
        c.moveTo(0.08 * s, 0.22);
        c.cubicTo(0.2 * s, -0.25, 0.7 * s, -0.55, 0.95 * s, -0.2);
        c.cubicTo(1.05 * s, 0.0, 0.85 * s, 0.18, 0.7 * s, 0.02);
        c.cubicTo(0.62 * s, 0.15, 0.4 * s, 0.2, 0.08 * s, 0.3);
        c.closeSubpath();
        f = f.united(c);
        // Flared foot under the band.
        QPainterPath p;
        p.moveTo(0.06 * s, 0.4);
        p.cubicTo(0.2 * s, 0.45, 0.45 * s, 0.55, 0.5 * s, 0.8);
        p.cubicTo(0.35 * s, 0.65, 0.15 * s, 0.62, 0, 0.62);
        p.lineTo(0, 0.4);
        p.closeSubpath();
        f = f.united(p);
    }
    QPainterPath bande;
    bande.addRect(QRectF(-0.42, 0.22, 0.84, 0.18));
    return f.united(bande).simplified();
}

// 5: gold lilies on royal blue.
void FrenchKings(QPainter& p, const QRectF& r) {
    static const QPainterPath lys = FleurDeLys();
    p.fillRect(r, QColor(0x1b, 0x35, 0x8a));
    p.setPen(Qt::NoPen);
    p.setBrush(kOr);
    const QTransform avant = p.transform();
    for (int j = 0; j < 6; ++j) {
        for (int i = 0; i < 4; ++i) {
            const qreal x = 10 + i * 17 + ((j % 2) ? 8.5 : 0);
            const qreal y = 10 + j * 16;
            QTransform t = avant;
            t.translate(x, y);
            t.scale(6, 6);
            p.setTransform(t);
            RempliChemin(p, lys);
        }
    }
    p.setTransform(avant);
    Cadre(p, r.adjusted(2, 2, -2, -2), kOr, 1);
}

// 6 and 7: diagonal stripes struck through by a lightning bolt.
void Strikes(QPainter& p, const QRectF& r, QColor fonce, QColor clair, bool miroir) {
    const QRectF champ = Marge(p, r, 4, clair);
    p.setPen(QPen(fonce, 2.4));
    for (qreal d = -100; d < 110; d += 5) {
        if (miroir)
            p.drawLine(QPointF(champ.right() - d, champ.top()), QPointF(champ.right() - d - 100, champ.top() + 100));
        else
            p.drawLine(QPointF(champ.left() + d, champ.top()), QPointF(champ.left() + d + 100, champ.top() + 100));
    }
    QPolygonF eclair({QPointF(40, 12), QPointF(24, 50), QPointF(34, 50), QPointF(28, 84), QPointF(48, 40),
                      QPointF(37, 40), QPointF(45, 12)});
    if (miroir)
        for (QPointF& pt : eclair) pt.setX(kLargeur - pt.x());
    p.setPen(QPen(fonce.darker(160), 1.2));
    p.setBrush(QColor(0xfb, 0xfb, 0xf6));
    p.drawPolygon(eclair);
    Cadre(p, champ, fonce.darker(130), 1);
}

// 8: a dusk sky over hills, with stars and a crescent moon.
void Atmosphere(QPainter& p, const QRectF& r) {
    p.drawImage(0, 0, PeintPixels([](qreal, qreal y) {
        return Interpole({{0, qRgb(0x14, 0x10, 0x3a)},
                          {0.55, qRgb(0x5a, 0x2a, 0x78)},
                          {0.8, qRgb(0xe0, 0x70, 0x48)},
                          {1, qRgb(0xf6, 0xc0, 0x60)}},
                         y / kHauteur);
    }));
    p.setPen(Qt::NoPen);
    for (quint32 k = 0; k < 40; ++k) {
        const quint32 h = Hache(k + 101);
        const QPointF pt(2 + (h & 0xff) * 67 / 255.0, 2 + ((h >> 8) & 0xff) * 50 / 255.0);
        p.setBrush(QColor(255, 255, 240, 120 + static_cast<int>((h >> 16) % 130)));
        const qreal t = (h >> 24) % 4 == 0 ? 0.8 : 0.45;
        p.drawEllipse(pt, t, t);
    }
    QPainterPath lune, ombre;
    lune.addEllipse(QPointF(48, 20), 8, 8);
    ombre.addEllipse(QPointF(52, 17), 7.5, 7.5);
    p.setBrush(QColor(0xfa, 0xf0, 0xc8));
    p.drawPath(lune.subtracted(ombre));
    QPainterPath collines;
    collines.moveTo(0, 96);
    collines.lineTo(0, 78);
    collines.cubicTo(15, 70, 25, 72, 36, 79);
    collines.cubicTo(46, 72, 58, 68, 71, 75);
    collines.lineTo(71, 96);
    collines.closeSubpath();
    p.setBrush(QColor(0x1a, 0x12, 0x2a));
    p.drawPath(collines);
    Cadre(p, r.adjusted(2, 2, -2, -2), QColor(0xe8, 0xb4, 0x5c), 0.8);
}

// 9: two families of rings that interfere: an optical unrest.
void Trouble(QPainter& p, const QRectF&) {
    p.drawImage(0, 0, PeintPixels([](qreal x, qreal y) {
        const bool ra = static_cast<int>(std::hypot(x - 22, y - 34) / 3.2) % 2 == 0;
        const bool rb = static_cast<int>(std::hypot(x - 50, y - 64) / 3.2) % 2 == 0;
        return ra == rb ? qRgb(0x14, 0x0a, 0x1e) : (ra ? qRgb(0xd8, 0x20, 0x8c) : qRgb(0xf4, 0xd2, 0x3a));
    }));
}

// 10: tooled leather with a stitched border, a horseshoe and stars.
void RealWestern(QPainter& p, const QRectF& r) {
    p.drawImage(0, 0, PeintPixels([c = r.center() - QPointF(6, 10)](qreal x, qreal y) {
        return Melange(qRgb(0xa8, 0x6a, 0x32), qRgb(0x5a, 0x32, 0x14), std::hypot(x - c.x(), y - c.y()) / 62);
    }));
    p.setPen(QPen(QColor(0xf0, 0xdc, 0xb0), 0.9, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 3, 3);
    p.setPen(QPen(QColor(0x40, 0x22, 0x0c), 0.8));
    p.drawRoundedRect(r.adjusted(6.5, 6.5, -6.5, -6.5), 2, 2);
    const QPointF c = r.center() + QPointF(0, 4);
    QPainterPath fer;
    fer.moveTo(c.x() - 14, c.y() - 14);
    fer.cubicTo(c.x() - 20, c.y() + 18, c.x() + 20, c.y() + 18, c.x() + 14, c.y() - 14);
    fer.lineTo(c.x() + 8, c.y() - 14);
    fer.cubicTo(c.x() + 11, c.y() + 9, c.x() - 11, c.y() + 9, c.x() - 8, c.y() - 14);
    fer.closeSubpath();
    p.setPen(QPen(QColor(0x30, 0x1a, 0x08), 0.8));
    p.setBrush(QColor(0xa8, 0xa8, 0xb0));
    p.drawPath(fer);
    // A glint along the left arm of the shoe.
    p.setPen(QPen(QColor(0xee, 0xee, 0xf2), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath reflet;
    reflet.moveTo(c.x() - 11.5, c.y() - 12);
    reflet.cubicTo(c.x() - 15, c.y() + 4, c.x() - 9, c.y() + 10, c.x() - 4, c.y() + 10.5);
    p.drawPath(reflet);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x1a, 0x08));
    for (int k = 0; k < 3; ++k) {
        for (int s : {-1, 1}) {
            const qreal t = 0.2 + k * 0.28;
            const QPointF trou(c.x() + s * (11 + 1.5 * std::sin(t * 3)), c.y() - 11 + t * 22 - k * 1.5);
            p.drawEllipse(trou, 0.9, 0.9);
        }
    }
    auto etoile = [&](QPointF o, qreal re) {
        QPainterPath e;
        for (int k = 0; k < 10; ++k) {
            const qreal a = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
            const qreal rr = (k % 2) ? re * 0.42 : re;
            const QPointF pt = o + QPointF(rr * std::cos(a), rr * std::sin(a));
            if (k == 0) e.moveTo(pt); else e.lineTo(pt);
        }
        e.closeSubpath();
        p.setBrush(QColor(0xe8, 0xc0, 0x5a));
        p.setPen(QPen(QColor(0x40, 0x22, 0x0c), 0.5));
        p.drawPath(e);
    };
    etoile(QPointF(c.x(), c.y() - 24), 7);
    for (QPointF o : {QPointF(12, 12), QPointF(59, 12), QPointF(12, 84), QPointF(59, 84)}) etoile(o, 3.2);
}

QPainterPath Abeille() {
    QPainterPath b;
    b.addEllipse(QPointF(0, 0.15), 0.28, 0.55);
    b.addEllipse(QPointF(0, -0.5), 0.2, 0.18);
    QPainterPath ailes;
    ailes.addEllipse(QPointF(-0.42, -0.2), 0.36, 0.2);
    ailes.addEllipse(QPointF(0.42, -0.2), 0.36, 0.2);
    return b.united(ailes).simplified();
}

// 11: imperial green strewn with golden bees, the year in a laurel wreath.
void Bonapart(QPainter& p, const QRectF& r) {
    static const QPainterPath abeille = Abeille();
    p.fillRect(r, QColor(0x1c, 0x46, 0x2a));
    p.setPen(Qt::NoPen);
    p.setBrush(kOr);
    const QTransform avant = p.transform();
    for (int j = 0; j < 8; ++j) {
        for (int i = 0; i < 6; ++i) {
            const qreal x = 6 + i * 12 + ((j % 2) ? 6 : 0);
            const qreal y = 6 + j * 12;
            if (std::hypot(x - 35.5, (y - 48) * 0.8) < 22) continue;
            QTransform t = avant;
            t.translate(x, y);
            t.scale(3.6, 3.6);
            p.setTransform(t);
            RempliChemin(p, abeille);
        }
    }
    p.setTransform(avant);
    const QPointF c = r.center();
    // Laurel: leaves along two arcs meeting at the bottom.
    for (int s : {-1, 1}) {
        for (int k = 0; k < 9; ++k) {
            const qreal a = std::numbers::pi / 2 + s * (0.35 + k * 0.29);
            const QPointF f(c.x() + 15 * std::cos(a), c.y() + 18 * std::sin(a));
            QTransform t = avant;
            t.translate(f.x(), f.y());
            t.rotate(a * 180 / std::numbers::pi + (s > 0 ? 60 : 120));
            p.setTransform(t);
            p.drawEllipse(QPointF(0, 0), 3.4, 1.3);
        }
    }
    p.setTransform(avant);
    static const QPainterPath annee = [] {
        QFont f(Polices().serif, 20, QFont::Bold);
        return TexteAjuste(QStringLiteral("1858"), f, QRectF(26, 43.5, 19, 9));
    }();
    p.drawPath(annee);
    Cadre(p, r.adjusted(3, 3, -3, -3), kOr, 1);
    Cadre(p, r.adjusted(5, 5, -5, -5), kOr, 0.5);
}

QImage Dos(int k) {
    return CorpsCarte(
        [k](QPainter& p, const QRectF& r) {
            switch (k) {
                case 1: SimplePoker(p, r); break;
                case 2: Imperial(p, r); break;
                case 3: Solo(p, r); break;
                case 4: Bridge(p, r); break;
                case 5: FrenchKings(p, r); break;
                case 6: Strikes(p, r, QColor(0x1f, 0x4f, 0xb8), QColor(0x9c, 0xbc, 0xec), false); break;
                case 7: Strikes(p, r, QColor(0xb8, 0x1f, 0x2a), QColor(0xec, 0xa8, 0xa8), true); break;
                case 8: Atmosphere(p, r); break;
                case 9: Trouble(p, r); break;
                case 10: RealWestern(p, r); break;
                default: Bonapart(p, r); break;
            }
        },
        kBordDos);
}

}  // namespace
}  // namespace cartes

QImage DessineDosCartes() {
    using namespace cartes;
    QImage bande(kNbDos * kPasDos - 1, kHauteur, QImage::Format_RGB32);
    bande.fill(kFeutre);
    for (int k = 1; k <= kNbDos; ++k) {
        const QImage dos = Dos(k);
        for (int y = 0; y < kHauteur; ++y)
            std::memcpy(bande.scanLine(y) + (k - 1) * kPasDos * 4, dos.constScanLine(y), kLargeur * 4);
    }
    VideTampon();
    return bande;
}
