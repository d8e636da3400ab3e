// Action buttons, bet plates and boards, their covers, and the money panels.
#include "assets/scene/dessins.h"
#include "assets/scene/outils.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <map>
#include <utility>

namespace scene {
namespace {

// Square panel with a light top-left edge and a dark bottom-right edge.
void Biseau(QPainter& p, const QRectF& r, qreal e, const QColor& clair, const QColor& sombre,
            const QColor& milieu) {
    p.setPen(Qt::NoPen);
    QPainterPath haut;
    haut.moveTo(r.topLeft());
    haut.lineTo(r.topRight());
    haut.lineTo(r.right() - e, r.top() + e);
    haut.lineTo(r.left() + e, r.top() + e);
    haut.lineTo(r.left() + e, r.bottom() - e);
    haut.lineTo(r.bottomLeft());
    haut.closeSubpath();
    p.setBrush(sombre);
    p.drawRect(r);
    p.setBrush(clair);
    p.drawPath(haut);
    p.setBrush(milieu);
    p.drawRect(r.adjusted(e, e, -e, -e));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kContour, 1));
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

struct Teinte {
    QColor papier, encre;
};

QRectF OvaleBouton(bool enfonce) {
    return enfonce ? QRectF(2.5, 3.5, 72, 44) : QRectF(2, 2, 75, 48);
}

Teinte TeinteBillet(int montant) {
    switch (montant) {
    case 50: return {QColor(0xe6, 0xd6, 0xe2), QColor(0x6a, 0x2c, 0x5a)};
    case 20: return {QColor(0xec, 0xdc, 0xae), QColor(0x7a, 0x4a, 0x1a)};
    default: return {kPapier, kEncre};
    }
}

// An upright bill seen from the front, in the given rectangle.
void BilletDebout(QPainter& p, const QRectF& r, int montant) {
    const Teinte t = TeinteBillet(montant);
    p.setPen(QPen(kContour, 1.5));
    p.setBrush(t.papier);
    p.drawRect(r);
    p.setPen(QPen(t.encre, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(2.5, 2.5, -2.5, -2.5));
    // Portrait medallion in the middle.
    const QPointF c = r.center();
    const qreal rx = r.width() / 2 - 6;
    p.setBrush(t.papier.darker(112));
    p.drawEllipse(c, rx, rx * 1.25);
    p.setPen(Qt::NoPen);
    p.setBrush(t.encre);
    p.drawEllipse(QPointF(c.x(), c.y() - rx * 0.35), rx * 0.38, rx * 0.42);
    p.drawChord(QRectF(c.x() - rx * 0.7, c.y() + rx * 0.1, rx * 1.4, rx * 1.2), 0, 180 * 16);
    // Amount in the corners.
    const QString n = QString::number(montant);
    Texte(p, n, QRectF(r.left() + 3, r.top() + 3, r.width() - 6, 10), 9, false, true, t.encre);
    Texte(p, n, QRectF(r.left() + 3, r.bottom() - 13, r.width() - 6, 10), 9, false, true, t.encre);
}

// The oval without its word; the same for every button of a place and state.
QImage CorpsBouton(bool enfonce, int yTable) {
    const int l = enfonce ? 77 : 79, h = enfonce ? 50 : 54;
    QImage img = FondSous(kBoutonsX, yTable, l, h);
    QPainter p(&img);
    Lisse(p);
    const QRectF ovale = OvaleBouton(enfonce);
    if (!enfonce) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawEllipse(ovale.translated(1.5, 2.5));
    }
    // Pressed: light from below, as if the button sank into the table.
    QRadialGradient corps(enfonce ? ovale.center() + QPointF(4, 10) : ovale.center() + QPointF(-10, -12),
                          ovale.width() * 0.7);
    corps.setColorAt(0, enfonce ? QColor(0x8a, 0x54, 0x26) : QColor(0xb0, 0x72, 0x3a));
    corps.setColorAt(1, enfonce ? QColor(0x3e, 0x22, 0x0c) : QColor(0x5a, 0x34, 0x14));
    p.setPen(QPen(kContour, 2));
    p.setBrush(corps);
    p.drawEllipse(ovale);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(enfonce ? QColor(0x2e, 0x18, 0x08) : QColor(0xc8, 0x8c, 0x50), 1.2));
    p.drawEllipse(ovale.adjusted(3.5, 3.5, -3.5, -3.5));
    if (!enfonce) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 240, 210, 70));
        p.drawEllipse(QRectF(ovale.left() + 14, ovale.top() + 5, ovale.width() - 28, 10));
    }
    p.end();
    return img;
}

}  // namespace

QImage DessineBouton(const QString& mot, bool enfonce, int yTable) {
    // The store calls every drawing from one thread: a plain cache will do.
    static std::map<std::pair<bool, int>, QImage> corps;
    auto it = corps.find({enfonce, yTable});
    if (it == corps.end())
        it = corps.emplace(std::pair{enfonce, yTable}, CorpsBouton(enfonce, yTable)).first;
    QImage img = it->second.copy();
    QPainter p(&img);
    Lisse(p);
    const QRectF boite = OvaleBouton(enfonce).adjusted(9, 0, -9, 0).translated(enfonce ? 0.5 : 0, enfonce ? 1 : 0);
    TexteContoure(p, mot, boite, 17, enfonce ? kJaune.darker(115) : kJaune, 3.0);
    p.end();
    return img;
}

QImage DessinePlaque(int montant, bool enfonce, int largeur, int xTable) {
    const int h = 88;
    QImage img = FondSous(xTable, kPlaquesY, largeur, h);
    QPainter p(&img);
    Lisse(p);
    const qreal d = enfonce ? 2 : 0;
    const QRectF billet(3.5, 4.5 + d, largeur - 7, 58);
    if (!enfonce) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 80));
        p.drawRect(billet.translated(2, 2));
    }
    BilletDebout(p, billet, montant);
    if (enfonce) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawRect(billet);
    }
    TexteContoure(p, QStringLiteral("$%1").arg(montant), QRectF(1, 66 + d, largeur - 2, 18), 14,
                  enfonce ? kJaune.darker(115) : kJaune, 3.0, false);
    p.end();
    return img;
}

QImage DessinePlanche(const QString& mot) {
    // The board fills its picture to the edges: no table shows around it,
    // so it sits on the help's cloth as it does on the table.
    const int l = 100, h = 25;
    QImage img = Toile(l, h);
    QPainter p(&img);
    Lisse(p);
    const QRectF planche(0.75, 0.75, l - 1.5, h - 1.5);
    QLinearGradient bois(planche.topLeft(), planche.bottomLeft());
    bois.setColorAt(0, QColor(0xb0, 0x76, 0x3c));
    bois.setColorAt(1, QColor(0x74, 0x46, 0x1e));
    p.setPen(QPen(kContour, 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(bois);
    p.drawRect(planche);
    // Grain.
    p.setPen(QPen(QColor(0x5e, 0x38, 0x16, 150), 0.8));
    for (int i = 0; i < 3; ++i) {
        QPainterPath fil;
        const qreal y = 6 + i * 6.5;
        fil.moveTo(4, y);
        fil.cubicTo(30, y - 2, 60, y + 2.5, 96, y - 0.5);
        p.drawPath(fil);
    }
    // Nails.
    p.setPen(QPen(kContour, 0.8));
    p.setBrush(QColor(0xc0, 0xc0, 0xb0));
    p.drawEllipse(QPointF(6, h / 2.0), 1.8, 1.8);
    p.drawEllipse(QPointF(l - 6, h / 2.0), 1.8, 1.8);
    TexteContoure(p, mot, QRectF(12, 2, l - 24, h - 4), 16, kJaune, 3.0);
    p.end();
    return img;
}

QImage DessineTrame(int largeur, int hauteur) {
    // Every other pixel green, the rest see-through: the button shows
    // through, dimmed, and reads as unavailable.
    QImage img = Toile(largeur, hauteur);
    const QRgb vert = kFeutreFonce.rgb();
    for (int y = 0; y < hauteur; ++y) {
        QRgb* ligne = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = (y & 1); x < largeur; x += 2)
            ligne[x] = vert;
    }
    return img;
}

QImage DessineBarreArgent() {
    QImage img(55, 29, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    Lisse(p);
    Biseau(p, QRectF(0, 0, 55, 29), 3, QColor(0xa8, 0x74, 0x40), QColor(0x3a, 0x20, 0x0a),
           QColor(0x64, 0x3c, 0x1a));
    p.end();
    return img;
}

QImage DessineBarrePot() {
    QImage img(62, 47, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    Lisse(p);
    Biseau(p, QRectF(0, 0, 62, 47), 4, QColor(0xf0, 0x86, 0x48), QColor(0x7a, 0x22, 0x0c),
           QColor(0xc4, 0x4a, 0x1e));
    // A thin groove between the word and the amount.
    p.setPen(QPen(QColor(0x8a, 0x2c, 0x10), 1));
    p.drawLine(QPointF(6, 20.5), QPointF(56, 20.5));
    p.end();
    return img;
}

}  // namespace scene
