// The "Western" face sheet: aged paper, slab-serif indices in ink, a
// sheriff's star on the aces, and courts as cowboy, saloon girl and sheriff.

#include "assets/cartes/cartes.h"
#include "assets/cartes/outils_cartes.h"
#include "platform/polices.h"

#include <cmath>
#include <numbers>
#include <map>

namespace cartes {
namespace {

const QColor kBrique{0x9e, 0x24, 0x1a};
const QColor kEncre{0x2b, 0x1c, 0x12};
const QColor kBrun{0x6e, 0x43, 0x1f};
const QColor kCuir{0x9a, 0x62, 0x2e};
const QColor kLaiton{0xd9, 0xa8, 0x3a};
const QColor kPeau{0xef, 0xc9, 0x9e};
const QColor kCreme{0xf6, 0xea, 0xcb};

QColor Encre(int couleur) { return EstRouge(couleur) ? kBrique : kEncre; }

const std::array<QPainterPath, 13>& Rangs() {
    static const std::array<QPainterPath, 13> rangs = [] {
        std::array<QPainterPath, 13> r;
        QFont f(Polices().serif, 20, QFont::Black);
        f.setStretch(QFont::Condensed);
        for (int v = 1; v <= 13; ++v)
            r[static_cast<size_t>(v - 1)] = TexteAjuste(TexteRang(v), f, QRectF(3.5, 4.5, 10.5, 10));
        // The "10" no wider than the other digits: the 1 keeps a short slab
        // foot, and the box puts the 1's stem, the 0's sides and the 0's
        // counter each on a whole pixel column, so that the 0 stays open.
        r[9] = DixEtroit(f, QRectF(5.9, 4.5, 6.4, 10), {.piedDuUn = 0.3, .ecart = 0.8, .gras = 0.2});
        return r;
    }();
    return rangs;
}

void DessineIndex(QPainter& p, int valeur, int couleur) {
    p.setPen(Qt::NoPen);
    p.setBrush(Encre(couleur));
    RempliChemin(p, Rangs()[static_cast<size_t>(valeur - 1)]);
    DessinePip(p, couleur, QPointF(8.7, 21.5), 8.5);
}

void IndexDesDeuxCoins(QPainter& p, int valeur, int couleur) {
    AuxDeuxCoins(p, [&] { DessineIndex(p, valeur, couleur); });
}

const QImage& Vierge() {
    static const QImage corps = CorpsCarte(
        [](QPainter& p, const QRectF& r) {
            // Paper darkening towards the lower right and browned at the
            // edges, as paper that has been handled.
            p.drawImage(0, 0, PeintPixels([&r](qreal x, qreal y) {
                const qreal t = ((x - r.left()) + (y - r.top())) / (r.width() + r.height());
                const QRgb papier = Melange(qRgb(0xf5, 0xe8, 0xc6), qRgb(0xe6, 0xcf, 0x9c), t);
                const qreal d = std::hypot(x - r.center().x(), y - r.center().y()) / 58;
                return Melange(papier, qRgb(0x8a, 0x5a, 0x22), (d - 0.55) / 0.45 * 0.35);
            }));
            p.setPen(Qt::NoPen);
            for (quint32 k = 0; k < 70; ++k) {
                const quint32 h = Hache(k + 1);
                const qreal x = 2 + (h & 0xff) * (kLargeur - 4) / 255.0;
                const qreal y = 2 + ((h >> 8) & 0xff) * (kHauteur - 4) / 255.0;
                p.setBrush(QColor(0x7a, 0x50, 0x20, 25 + static_cast<int>((h >> 16) % 40)));
                p.drawEllipse(QPointF(x, y), 0.5 + ((h >> 24) % 3) * 0.25, 0.5);
            }
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(0xa8, 0x7c, 0x45), 0.8));
            p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 3, 3);
        },
        QColor(0x4a, 0x30, 0x18));
    return corps;
}

QImage CarteChiffre(int valeur, int couleur) {
    QImage c = Vierge();
    QPainter p(&c);
    p.setRenderHint(QPainter::Antialiasing);
    IndexDesDeuxCoins(p, valeur, couleur);
    for (const Pip& pip : DispositionPips(valeur))
        DessinePip(p, couleur, QPointF(pip.x, pip.y), 12.5, pip.y > 48.5);
    return c;
}

QPainterPath Etoile(QPointF c, int branches, qreal rExt, qreal rInt) {
    QPainterPath e;
    for (int k = 0; k < 2 * branches; ++k) {
        const qreal a = -std::numbers::pi / 2 + k * std::numbers::pi / branches;
        const qreal r = (k % 2) ? rInt : rExt;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (k == 0) e.moveTo(pt); else e.lineTo(pt);
    }
    e.closeSubpath();
    return e;
}

// The ace: a six-pointed sheriff's star with ball tips, the suit in its heart.
QImage CarteAs(int couleur) {
    QImage c = Vierge();
    QPainter p(&c);
    p.setRenderHint(QPainter::Antialiasing);
    IndexDesDeuxCoins(p, 1, couleur);
    const QPointF centre(35.5, 48);
    p.setPen(QPen(kBrun, 1));
    p.setBrush(kLaiton);
    p.drawPath(Etoile(centre, 6, 23, 13));
    for (int k = 0; k < 6; ++k) {
        const qreal a = -std::numbers::pi / 2 + k * std::numbers::pi / 3;
        p.drawEllipse(QPointF(centre.x() + 23.5 * std::cos(a), centre.y() + 23.5 * std::sin(a)), 2.6,
                      2.6);
    }
    // Facets: each point lit on one side, shaded on the other.
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 6; ++k) {
        const qreal a = -std::numbers::pi / 2 + k * std::numbers::pi / 3;
        const QPointF pointe(centre.x() + 22 * std::cos(a), centre.y() + 22 * std::sin(a));
        const QPointF creux(centre.x() + 12 * std::cos(a + std::numbers::pi / 6), centre.y() + 12 * std::sin(a + std::numbers::pi / 6));
        p.setBrush(QColor(0xb0, 0x7e, 0x22));
        p.drawPolygon(QPolygonF({centre, pointe, creux}));
        const QPointF creux2(centre.x() + 12 * std::cos(a - std::numbers::pi / 6), centre.y() + 12 * std::sin(a - std::numbers::pi / 6));
        p.setBrush(QColor(0xf2, 0xd0, 0x72));
        p.drawPolygon(QPolygonF({centre, pointe, creux2}));
    }
    p.setBrush(kCreme);
    p.setPen(QPen(kBrun, 0.8));
    p.drawEllipse(centre, 10.5, 10.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Encre(couleur));
    DessinePip(p, couleur, centre, 14);
    return c;
}

// Upper half of a court inside its frame; the lower half is its reflection.
void DessineFigure(QPainter& p, int valeur, int couleur) {
    const bool rouge = EstRouge(couleur);
    const QColor accent = rouge ? kBrique : QColor(0x2f, 0x6f, 0x78);
    const QPen trait(kEncre, 0.8);
    p.setPen(trait);

    // Shoulders: the jacket or dress of each figure.
    const QPainterPath& corps = EpaulesFigure();

    if (valeur == 11) {  // cowboy: shirt, leather vest, bandana, coiled lasso
        p.setBrush(rouge ? QColor(0xd9, 0xb8, 0x8a) : QColor(0x8f, 0xa8, 0xb8));
        p.drawPath(corps);
        p.setBrush(kCuir);
        p.drawPolygon(QPolygonF({QPointF(16, 48.5), QPointF(16, 41), QPointF(22, 34), QPointF(29, 32),
                                 QPointF(31, 48.5)}));
        p.drawPolygon(QPolygonF({QPointF(55, 48.5), QPointF(55, 41), QPointF(49, 34), QPointF(40, 32),
                                 QPointF(38, 48.5)}));
        p.setBrush(accent);
        p.drawPolygon(QPolygonF({QPointF(28, 31), QPointF(41, 31), QPointF(34.5, 39)}));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xc9, 0xa0, 0x5a), 1.2));
        p.drawEllipse(QPointF(47, 41), 4.5, 3.5);
        p.drawEllipse(QPointF(47, 41), 3, 2.2);
        p.setPen(trait);
    } else if (valeur == 12) {  // saloon girl: bare shoulders, low-cut dress, open fan
        QPainterPath epaules;
        epaules.moveTo(19, 48.5);
        epaules.lineTo(19, 41);
        epaules.cubicTo(20, 36.5, 24, 34.5, 29, 33.5);
        epaules.lineTo(40, 33.5);
        epaules.cubicTo(45, 34.5, 49, 36.5, 50, 41);
        epaules.lineTo(50, 48.5);
        epaules.closeSubpath();
        p.setBrush(kPeau);
        p.drawPath(epaules);
        p.setBrush(accent);
        QPainterPath robe;
        robe.moveTo(19, 48.5);
        robe.lineTo(19, 42.5);
        robe.quadTo(26, 38.5, 34.5, 42.5);
        robe.quadTo(43, 38.5, 50, 42.5);
        robe.lineTo(50, 48.5);
        robe.closeSubpath();
        p.drawPath(robe);
        // Black lace along the neckline.
        p.setPen(Qt::NoPen);
        p.setBrush(kEncre);
        for (const QPointF& debut : {QPointF(19, 42.5), QPointF(34.5, 42.5)}) {
            const QPointF c = debut + QPointF(7.5, -4), fin = debut + QPointF(15.5, 0);
            for (qreal t = 0.15; t < 1; t += 0.233) {
                const QPointF pt = (1 - t) * (1 - t) * debut + 2 * (1 - t) * t * c + t * t * fin;
                p.drawEllipse(pt, 0.9, 0.9);
            }
        }
        // Open fan in the other hand, ribs fanning from the hand.
        const QPointF main(47, 44);
        p.setPen(QPen(kEncre, 0.6));
        p.setBrush(kCreme);
        QPainterPath eventail;
        eventail.moveTo(main);
        eventail.arcTo(QRectF(main.x() - 9, main.y() - 9, 18, 18), 60, 80);
        eventail.closeSubpath();
        p.drawPath(eventail);
        for (int k = 1; k < 4; ++k) {
            const qreal a = (60 + k * 20) * std::numbers::pi / 180;
            p.drawLine(main, main + QPointF(9 * std::cos(a), -9 * std::sin(a)));
        }
        p.setPen(trait);
        p.setBrush(kPeau);
        p.drawEllipse(main, 2, 2);
    } else {  // sheriff: dark coat, white shirt, brass star, rifle
        p.setBrush(QColor(0x3b, 0x2a, 0x1e));
        p.drawPath(corps);
        p.setBrush(kCreme);
        p.drawPolygon(QPolygonF({QPointF(30, 32), QPointF(39, 32), QPointF(37, 48.5), QPointF(32, 48.5)}));
        p.setBrush(accent);
        p.drawPolygon(QPolygonF({QPointF(32, 32), QPointF(37, 32), QPointF(34.5, 35.5)}));
        p.setBrush(kLaiton);
        p.setPen(QPen(kBrun, 0.6));
        p.drawPath(Etoile(QPointF(24.5, 41), 6, 4.2, 2.3));
        p.setPen(trait);
        p.setBrush(QColor(0x80, 0x80, 0x86));
        p.drawRect(QRectF(47, 10, 2, 30));
        p.setBrush(kCuir);
        p.drawRect(QRectF(46.5, 36, 3, 12.5));
        p.setBrush(kPeau);
        p.drawEllipse(QPointF(48, 38.5), 2.2, 2.2);
    }

    // Heads drawn a little larger than their outline coordinates.
    p.save();
    p.translate(34.5, 22.3);
    p.scale(1.15, 1.15);
    p.translate(-34.5, -23);
    // Hair behind the head.
    if (valeur == 12) {
        // Curls falling either side of the face.
        p.setBrush(QColor(0x8a, 0x3a, 0x1a));
        p.drawEllipse(QPointF(29.2, 26), 3.2, 6);
        p.drawEllipse(QPointF(39.8, 26), 3.2, 6);
        p.drawEllipse(QRectF(28, 15.5, 13, 9));
    }

    // Head.
    p.setBrush(kPeau);
    p.drawEllipse(QPointF(34.5, 24), 5, 6.2);
    p.setPen(Qt::NoPen);
    p.setBrush(kEncre);
    p.drawEllipse(QPointF(32.6, 23.5), 0.7, 0.7);
    p.drawEllipse(QPointF(36.4, 23.5), 0.7, 0.7);
    p.setPen(trait);

    if (valeur == 12) {
        // Bun on top and a plume.
        p.setBrush(QColor(0x8a, 0x3a, 0x1a));
        p.drawEllipse(QPointF(34.5, 15.5), 5, 3.5);
        p.setBrush(accent.lighter(130));
        QPainterPath plume;
        plume.moveTo(38, 15);
        plume.cubicTo(41, 6, 47, 6, 49, 8);
        plume.cubicTo(45, 9, 42, 12, 39.5, 17);
        plume.closeSubpath();
        p.drawPath(plume);
        p.setPen(Qt::NoPen);
        p.setBrush(kBrique);
        p.drawEllipse(QPointF(34.5, 27.2), 1.3, 0.7);
        p.setBrush(kLaiton);
        p.drawEllipse(QPointF(29.2, 26.5), 0.9, 0.9);
        p.drawEllipse(QPointF(39.8, 26.5), 0.9, 0.9);
        p.setPen(QPen(kEncre, 1.2));
        p.drawLine(QPointF(31.5, 31.3), QPointF(37.5, 31.3));  // choker
    } else {
        // Moustache, and the hat: brown for the cowboy, black for the sheriff.
        p.setPen(Qt::NoPen);
        p.setBrush(valeur == 13 ? QColor(0x9a, 0x96, 0x90) : kBrun);
        QPainterPath moustache;
        moustache.moveTo(34.5, 26.3);
        moustache.cubicTo(32, 25.5, 30, 26.5, 29.8, 28.5);
        moustache.cubicTo(31.5, 27.3, 33, 27.8, 34.5, 27.4);
        moustache.cubicTo(36, 27.8, 37.5, 27.3, 39.2, 28.5);
        moustache.cubicTo(39, 26.5, 37, 25.5, 34.5, 26.3);
        p.drawPath(moustache);
        p.setPen(trait);
        const QColor chapeau = valeur == 13 ? QColor(0x2a, 0x20, 0x18) : kCuir;
        p.setBrush(chapeau);
        QPainterPath calotte;
        calotte.moveTo(28.5, 19);
        calotte.cubicTo(28, 12, 29.5, 9, 32, 9.5);
        calotte.quadTo(34.5, 11, 37, 9.5);
        calotte.cubicTo(39.5, 9, 41, 12, 40.5, 19);
        calotte.closeSubpath();
        p.drawPath(calotte);
        QPainterPath bord;
        bord.moveTo(21, 17);
        bord.quadTo(34.5, 23, 48, 17);
        bord.quadTo(34.5, 20, 21, 17);
        bord.closeSubpath();
        p.drawPath(bord);
        p.setPen(Qt::NoPen);
        p.setBrush(valeur == 13 ? kLaiton : accent);
        p.drawRect(QRectF(28.8, 16.2, 11.4, 1.6));
        p.setPen(trait);
    }
    p.restore();
}

// A horseshoe, open end up, for the seam between the two heads.
void FerACheval(QPainter& p, QPointF c) {
    p.setPen(QPen(kEncre, 0.7));
    p.setBrush(QColor(0x9a, 0x9a, 0x9e));
    QPainterPath fer;
    fer.moveTo(c.x() - 4.2, c.y() - 3.5);
    fer.cubicTo(c.x() - 5.5, c.y() + 5.5, c.x() + 5.5, c.y() + 5.5, c.x() + 4.2, c.y() - 3.5);
    fer.lineTo(c.x() + 2.4, c.y() - 3.5);
    fer.cubicTo(c.x() + 3.2, c.y() + 3, c.x() - 3.2, c.y() + 3, c.x() - 2.4, c.y() - 3.5);
    fer.closeSubpath();
    p.drawPath(fer);
}

// The figure depends only on the rank and the colour of the suit: drawn
// once for hearts and diamonds, once for clubs and spades.
const QImage& Figure(int valeur, bool rouge) {
    static std::map<int, QImage> figures;
    const int cle = valeur * 2 + (rouge ? 1 : 0);
    auto it = figures.find(cle);
    if (it == figures.end()) {
        QImage f(39, 41, QImage::Format_RGB32);
        f.fill(QColor(0xea, 0xd5, 0xa4));
        QPainter p(&f);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(-16, -7);
        DessineFigure(p, valeur, rouge ? 1 : 2);
        p.end();
        it = figures.emplace(cle, std::move(f)).first;
    }
    return it->second;
}

QImage CarteFigure(int valeur, int couleur) {
    QImage c = Vierge();
    const QRectF cadre(15.5, 6.5, 40, 83);
    {
        QPainter p(&c);
        p.setRenderHint(QPainter::Antialiasing);
        DessineIndex(p, valeur, couleur);
        p.drawImage(16, 7, Figure(valeur, EstRouge(couleur)));
        // Suit pip in the free upper corner of the frame.
        DessinePip(p, couleur, QPointF(valeur == 11 ? 50 : 21.5, 11.5), 7.5);
    }
    RefleteHautEnBas(c);
    QPainter p(&c);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBrun, 1));
    p.drawRect(cadre);
    p.setPen(QPen(kBrun, 0.6));
    p.drawRect(cadre.adjusted(1.5, 1.5, -1.5, -1.5));
    p.setPen(QPen(kEncre, 1));
    p.drawLine(QPointF(16, 48), QPointF(55, 48));
    FerACheval(p, QPointF(35.5, 48));
    return c;
}

}  // namespace
}  // namespace cartes

QImage DessineTabCartes2() {
    using namespace cartes;
    return AssembleFeuille({CarteAs, CarteChiffre, CarteFigure});
}
