// The "Typical" face sheet: white cards, classic pips, two-headed courts in
// red, blue and yellow.

#include "assets/cartes/cartes.h"
#include "assets/cartes/outils_cartes.h"
#include "platform/polices.h"

#include <map>

namespace cartes {
namespace {

const QColor kRouge{0xc4, 0x16, 0x1c};
const QColor kNoir{0x16, 0x16, 0x18};
const QColor kBleu{0x1f, 0x3f, 0x9a};
const QColor kJaune{0xf2, 0xc2, 0x1a};
const QColor kPeau{0xf8, 0xdc, 0xc2};
const QColor kBlanc{0xfd, 0xfd, 0xfa};

QColor Encre(int couleur) { return EstRouge(couleur) ? kRouge : kNoir; }

struct Index {
    std::array<QPainterPath, 13> rangs;
};

const Index& Indices() {
    static const Index idx = [] {
        Index i;
        QFont f(Polices().sans, 20, QFont::Bold);
        for (int v = 1; v <= 13; ++v)
            i.rangs[static_cast<size_t>(v - 1)] = TexteAjuste(TexteRang(v), f, QRectF(1.5, 4, 12, 10));
        i.rangs[9] = DixEtroit(f, QRectF(3, 4, 9, 10), {.piedDuUn = 0, .ecart = 0.5, .gras = 0.4});
        return i;
    }();
    return idx;
}

// Rank letter and small pip in the top-left corner, within x < 14, y < 32.
void DessineIndex(QPainter& p, int valeur, int couleur) {
    p.setPen(Qt::NoPen);
    p.setBrush(Encre(couleur));
    RempliChemin(p, Indices().rangs[static_cast<size_t>(valeur - 1)]);
    DessinePip(p, couleur, QPointF(7.5, 21), 9);
}

void IndexDesDeuxCoins(QPainter& p, int valeur, int couleur) {
    AuxDeuxCoins(p, [&] { DessineIndex(p, valeur, couleur); });
}

const QImage& Vierge() {
    static const QImage corps = CorpsCarte(
        [](QPainter& p, const QRectF& r) { p.fillRect(r, kBlanc); }, QColor(0x30, 0x30, 0x30));
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

QImage CarteAs(int couleur) {
    QImage c = Vierge();
    QPainter p(&c);
    p.setRenderHint(QPainter::Antialiasing);
    IndexDesDeuxCoins(p, 1, couleur);
    if (couleur == 4) {
        // The ace of spades carries the deck's one flourish.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kNoir, 0.8));
        p.drawEllipse(QPointF(35.5, 48), 24, 24);
        p.setPen(QPen(kNoir, 0.5));
        p.drawEllipse(QPointF(35.5, 48), 21.5, 21.5);
        p.setPen(Qt::NoPen);
        p.setBrush(kNoir);
        DessinePip(p, couleur, QPointF(35.5, 47), 32);
    } else {
        DessinePip(p, couleur, QPointF(35.5, 48), 30);
    }
    return c;
}

// Upper half of a court figure, inside the frame; the lower half is its
// point reflection.
void DessineFigure(QPainter& p, int valeur, int couleur) {
    const bool rouge = EstRouge(couleur);
    const QColor robe = rouge ? kRouge : kBleu;
    const QColor robe2 = rouge ? kBleu : kRouge;
    const QPen trait(kNoir, 0.8);
    p.setPen(trait);

    // Shoulders and robe.
    const QPainterPath& corps = EpaulesFigure();
    p.setBrush(robe);
    p.drawPath(corps);
    // Front panel with a lozenge pattern.
    QPainterPath panneau;
    panneau.moveTo(30, 32);
    panneau.lineTo(39, 32);
    panneau.lineTo(41, 48.5);
    panneau.lineTo(28, 48.5);
    panneau.closeSubpath();
    p.setBrush(kJaune);
    p.drawPath(panneau);
    p.setBrush(robe2);
    for (int k = 0; k < 3; ++k) {
        const qreal y = 36 + k * 5;
        p.drawPolygon(QPolygonF({QPointF(34.5, y - 2), QPointF(36.5, y), QPointF(34.5, y + 2),
                                 QPointF(32.5, y)}));
    }
    // Arms along the sides of the robe.
    p.setBrush(Qt::NoBrush);
    QPainterPath bras;
    bras.moveTo(23, 35);
    bras.cubicTo(21, 40, 21.5, 45, 24, 48.5);
    bras.moveTo(46, 35);
    bras.cubicTo(48, 40, 47.5, 45, 45, 48.5);
    p.drawPath(bras);
    // Collar.
    p.setBrush(valeur == 12 ? kBlanc : kJaune);
    QPainterPath col;
    col.moveTo(26, 31);
    col.quadTo(34.5, 38, 43, 31);
    col.quadTo(34.5, 34, 26, 31);
    p.drawPath(col);

    // Held item, in front of the robe, with the hand that holds it.
    if (valeur == 13) {  // sword
        p.setBrush(QColor(0xd8, 0xdc, 0xe4));
        p.drawPolygon(QPolygonF({QPointF(47.5, 9), QPointF(49, 12), QPointF(49, 40), QPointF(46, 40),
                                 QPointF(46, 12)}));
        p.setBrush(kJaune);
        p.drawRect(QRectF(43.5, 36, 8, 2));
    } else if (valeur == 11) {  // halberd
        p.setBrush(kJaune);
        p.drawRect(QRectF(20.5, 14, 1.6, 34));
        p.setBrush(QColor(0xd8, 0xdc, 0xe4));
        QPainterPath lame;
        lame.moveTo(21.3, 8);
        lame.lineTo(23.5, 13);
        lame.quadTo(27, 15, 26, 19);
        lame.lineTo(21.3, 16);
        lame.quadTo(17.5, 17, 17.5, 13);
        lame.closeSubpath();
        p.drawPath(lame);
    }
    if (valeur != 12) {
        p.setBrush(kPeau);
        p.drawEllipse(valeur == 13 ? QPointF(47.5, 41) : QPointF(21.3, 41), 2.2, 2.2);
    }

    // Heads drawn a little larger than their outline coordinates.
    p.save();
    p.translate(34.5, 22.3);
    p.scale(1.15, 1.15);
    p.translate(-34.5, -23);
    // Hair behind the head.
    if (valeur == 12) {
        p.setBrush(kJaune);
        p.drawEllipse(QRectF(26.5, 15, 16, 19));
    } else if (valeur == 11) {
        p.setBrush(QColor(0xa0, 0x62, 0x2d));
        p.drawEllipse(QRectF(28, 16, 13, 14));
    }

    // Head.
    p.setBrush(kPeau);
    p.drawEllipse(QPointF(34.5, 23), 5, 6.2);
    p.setPen(Qt::NoPen);
    p.setBrush(kNoir);
    p.drawEllipse(QPointF(32.6, 22.5), 0.7, 0.7);
    p.drawEllipse(QPointF(36.4, 22.5), 0.7, 0.7);
    p.setBrush(kRouge);
    p.drawEllipse(QPointF(34.5, 26.3), 1.2, 0.6);
    p.setPen(trait);

    if (valeur == 13) {
        // Beard and crown.
        p.setBrush(kBlanc);
        QPainterPath barbe;
        barbe.moveTo(29.6, 24);
        barbe.quadTo(30, 32, 34.5, 33);
        barbe.quadTo(39, 32, 39.4, 24);
        barbe.quadTo(37.5, 28, 34.5, 27.4);
        barbe.quadTo(31.5, 28, 29.6, 24);
        p.drawPath(barbe);
        p.setBrush(kJaune);
        p.drawPolygon(QPolygonF({QPointF(28.5, 18.5), QPointF(28, 10), QPointF(31.2, 14),
                                 QPointF(34.5, 8.5), QPointF(37.8, 14), QPointF(41, 10),
                                 QPointF(40.5, 18.5)}));
        p.setPen(Qt::NoPen);
        p.setBrush(kRouge);
        p.drawEllipse(QPointF(34.5, 16), 1.1, 1.1);
        p.setBrush(kBleu);
        p.drawEllipse(QPointF(30.8, 16.4), 0.8, 0.8);
        p.drawEllipse(QPointF(38.2, 16.4), 0.8, 0.8);
    } else if (valeur == 12) {
        // Tiara and a rose in hand.
        p.setBrush(kJaune);
        p.drawPolygon(QPolygonF({QPointF(29.5, 18), QPointF(30.5, 13.5), QPointF(32.5, 15.5),
                                 QPointF(34.5, 12), QPointF(36.5, 15.5), QPointF(38.5, 13.5),
                                 QPointF(39.5, 18)}));
        p.setPen(QPen(QColor(0x2e, 0x7d, 0x32), 1));
        p.drawLine(QPointF(46, 44), QPointF(45, 35));
        p.setPen(trait);
        p.setBrush(kRouge);
        p.drawEllipse(QPointF(45, 33.5), 2.6, 2.6);
        p.setBrush(kJaune);
        p.drawEllipse(QPointF(45, 33.5), 0.9, 0.9);
        p.setBrush(kPeau);
        p.drawEllipse(QPointF(46, 43), 2.2, 2.2);
    } else {
        // Cap with a feather.
        p.setBrush(robe2);
        QPainterPath bonnet;
        bonnet.moveTo(28.5, 20);
        bonnet.cubicTo(27, 12, 42, 11, 41, 19);
        bonnet.lineTo(40.5, 20);
        bonnet.quadTo(34.5, 17, 28.5, 20);
        p.drawPath(bonnet);
        p.setBrush(kJaune);
        QPainterPath plume;
        plume.moveTo(39, 15);
        plume.cubicTo(44, 8, 48, 9, 50, 10);
        plume.cubicTo(47, 12, 44, 14, 40, 17);
        plume.closeSubpath();
        p.drawPath(plume);
    }
    p.restore();
}

// The figure depends only on the rank and the colour of the suit: drawn
// once for hearts and diamonds, once for clubs and spades.
const QImage& Figure(int valeur, bool rouge) {
    static std::map<int, QImage> figures;
    const int cle = valeur * 2 + (rouge ? 1 : 0);
    auto it = figures.find(cle);
    if (it == figures.end()) {
        QImage f = Vierge().copy(16, 7, 39, 41);
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
    {
        QPainter p(&c);
        p.setRenderHint(QPainter::Antialiasing);
        DessineIndex(p, valeur, couleur);
        p.drawImage(16, 7, Figure(valeur, EstRouge(couleur)));
        // Suit pip beside the head.
        DessinePip(p, couleur, QPointF(valeur == 11 ? 50 : 21.5, 12.5), 8);
    }
    RefleteHautEnBas(c);
    QPainter p(&c);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kNoir, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(15.5, 6.5, 40, 83));
    // Divider between the two heads.
    p.setPen(QPen(kJaune.darker(130), 1));
    p.drawLine(QPointF(16, 48), QPointF(55, 48));
    return c;
}

}  // namespace
}  // namespace cartes

QImage DessineTabCartes() {
    using namespace cartes;
    return AssembleFeuille({CarteAs, CarteChiffre, CarteFigure});
}
