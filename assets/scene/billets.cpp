// Bills: the ones stacked in the two piles, and the ones thrown on the pot.
#include "assets/scene/dessins.h"
#include "assets/scene/outils.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

namespace scene {
namespace {

// Face of a bill in its own frame: length along x, centred on the origin.
void FaceBillet(QPainter& p, qreal longueur, qreal largeur) {
    const QRectF r(-longueur / 2, -largeur / 2, longueur, largeur);
    p.setPen(QPen(kContour, 1.2));
    p.setBrush(kPapier);
    p.drawRect(r);
    p.setPen(QPen(kEncre, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(2.2, 2.2, -2.2, -2.2));
    p.setBrush(kPapier.darker(110));
    p.drawEllipse(QPointF(0, 0), largeur * 0.42, largeur * 0.32);
    p.setPen(Qt::NoPen);
    p.setBrush(kEncre);
    const QPainterPath dollar = CheminTexte(QStringLiteral("$"), QRectF(-5, -5, 10, 10), 9, false);
    p.drawPath(dollar);
    for (const qreal s : {-1.0, 1.0})
        p.drawEllipse(QPointF(s * (longueur / 2 - 6), 0), 2.2, 2.2);
}

}  // namespace

QImage DessineBilletPile(int largeur, int hauteur) {
    // A bill lying flat, seen from the player's seat: narrower at the far
    // end, with its edge at the bottom. Stacked 2 pixels apart, the edges of
    // the bills below show as a striped pile.
    QImage img = Toile(largeur, hauteur);
    QPainter p(&img);
    Lisse(p);
    const qreal bas = hauteur - 2.5, retrait = largeur * 0.12;
    QPainterPath dessus;
    dessus.moveTo(0.75 + retrait, 1);
    dessus.lineTo(largeur - 0.75 - retrait, 1);
    dessus.lineTo(largeur - 0.75, bas);
    dessus.lineTo(0.75, bas);
    dessus.closeSubpath();
    p.setPen(QPen(kContour, 1.2));
    p.setBrush(kPapier);
    p.drawPath(dessus);
    // Inner border, following the perspective.
    QTransform t;
    t.quadToQuad(QPolygonF({QPointF(0, 0), QPointF(1, 0), QPointF(1, 1), QPointF(0, 1)}),
                 QPolygonF({QPointF(retrait + 4, 4.5), QPointF(largeur - retrait - 4, 4.5),
                            QPointF(largeur - 4, bas - 3.5), QPointF(4, bas - 3.5)}),
                 t);
    p.setPen(QPen(kEncre, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(t.map(QPolygonF({QPointF(0, 0), QPointF(1, 0), QPointF(1, 1), QPointF(0, 1)})));
    p.save();
    p.setTransform(t, true);
    p.setPen(QPen(kEncre, 0));
    p.setBrush(kPapier.darker(110));
    p.drawEllipse(QPointF(0.5, 0.5), 0.3, 0.2);
    p.restore();
    // Denomination marks in the near corners.
    p.setPen(Qt::NoPen);
    p.setBrush(kEncre);
    p.drawPath(CheminTexte(QStringLiteral("$"), QRectF(largeur / 2.0 - 5, hauteur * 0.42, 10, 12),
                           11, false));
    p.drawEllipse(QPointF(9, bas - 8), 2.0, 1.6);
    p.drawEllipse(QPointF(largeur - 9, bas - 8), 2.0, 1.6);
    p.end();
    // The paper's edge: the two rows that stay visible under the next bill
    // of the pile, a light one and a shadowed one.
    for (int x = 1; x < largeur - 1; ++x) {
        img.setPixel(x, hauteur - 2, qRgb(0xc4, 0xd0, 0x9c));
        img.setPixel(x, hauteur - 1, qRgb(0x5a, 0x6c, 0x48));
    }
    img.setPixel(0, hauteur - 2, kContour.rgb());
    img.setPixel(largeur - 1, hauteur - 2, kContour.rgb());
    img.setPixel(0, hauteur - 1, kContour.rgb());
    img.setPixel(largeur - 1, hauteur - 1, kContour.rgb());
    return img;
}

QImage DessineBilletPot(int largeur, int hauteur, double angle) {
    // The largest bill of fixed proportions that fits the box at this angle.
    const double rapport = 2.2;
    const double a = angle * M_PI / 180.0;
    const double c = std::abs(std::cos(a)), s = std::abs(std::sin(a));
    const double lBoite = c + s / rapport, hBoite = s + c / rapport;
    const double longueur = std::min((largeur - 2.5) / lBoite, (hauteur - 2.5) / hBoite);
    QImage img = Toile(largeur, hauteur);
    QPainter p(&img);
    Lisse(p);
    p.translate(largeur / 2.0, hauteur / 2.0);
    p.rotate(angle);
    FaceBillet(p, longueur, longueur / rapport);
    p.end();
    return img;
}

}  // namespace scene
