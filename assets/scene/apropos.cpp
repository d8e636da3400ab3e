// The about pictures (one per language) and the intro's decorative emblem.
#include "assets/scene/dessins.h"
#include "assets/scene/outils.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace scene {
namespace {

const QColor kRougeCarte{0xc0, 0x1e, 0x1e};
const QColor kParchemin{0xf2, 0xe2, 0xb6};

// One playing card standing on its bottom centre, turned by angle degrees.
void Carte(QPainter& p, const QPointF& pied, qreal angle, qreal l, qreal h, const QString& valeur,
           const QString& couleur, bool rouge) {
    p.save();
    p.translate(pied);
    p.rotate(angle);
    const QRectF r(-l / 2, -h, l, h);
    p.setPen(QPen(kContour, 1.5));
    p.setBrush(QColor(0xfb, 0xf8, 0xee));
    p.drawRoundedRect(r, l * 0.12, l * 0.12);
    p.setPen(Qt::NoPen);
    p.setBrush(rouge ? kRougeCarte : kContour);
    p.drawPath(CheminTexte(valeur, QRectF(r.left() + 2, r.top() + 3, l * 0.3, h * 0.18), int(h * 0.18), false));
    p.drawPath(CheminTexte(couleur, QRectF(r.left() + 2, r.top() + 3 + h * 0.19, l * 0.3, h * 0.15),
                           int(h * 0.15), false));
    p.drawPath(CheminTexte(couleur, QRectF(r.left(), r.top() + h * 0.3, l, h * 0.5), int(h * 0.45), false));
    p.restore();
}

void Eventail(QPainter& p, const QPointF& pied, qreal l, qreal h) {
    Carte(p, pied, -22, l, h, QStringLiteral("A"), QStringLiteral("\u2660"), false);
    Carte(p, pied, 0, l, h, QStringLiteral("A"), QStringLiteral("\u2665"), true);
    Carte(p, pied, 22, l, h, QStringLiteral("A"), QStringLiteral("\u2663"), false);
}

void Etoile(QPainter& p, const QPointF& c, qreal r) {
    QPainterPath etoile;
    for (int i = 0; i < 10; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const qreal rr = (i % 2) ? r * 0.45 : r;
        const QPointF q(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
        if (i == 0)
            etoile.moveTo(q);
        else
            etoile.lineTo(q);
    }
    etoile.closeSubpath();
    p.setPen(QPen(kContour, 1.2));
    p.setBrush(QColor(0xe0, 0xb0, 0x3a));
    p.drawPath(etoile);
}

}  // namespace

namespace {

// Everything but the line on the game, shared by both languages.
QImage FondAPropos() {
    const int l = 400, h = 220;
    QImage img(l, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    Lisse(p);
    // Wooden frame around a sheet of parchment.
    QLinearGradient bois(QPointF(0, 0), QPointF(0, h));
    bois.setColorAt(0, QColor(0x8e, 0x5a, 0x2a));
    bois.setColorAt(1, QColor(0x5a, 0x34, 0x14));
    p.fillRect(QRectF(0, 0, l, h), bois);
    p.setPen(QPen(kContour, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, l - 2, h - 2));
    QRadialGradient papier(QPointF(l / 2.0, h / 2.0), l * 0.6);
    papier.setColorAt(0, kParchemin);
    papier.setColorAt(1, QColor(0xdc, 0xc0, 0x84));
    p.setBrush(papier);
    p.drawRect(QRectF(10, 10, l - 20, h - 20));
    // Title, version, one line on the game.
    TexteContoure(p, QStringLiteral("Quarvelin"), QRectF(20, 22, l - 40, 60), 50,
                  QColor(0xb8, 0x32, 0x1c), 4.0);
    Texte(p, QStringLiteral("v1.30"), QRectF(20, 84, l - 40, 20), 17, true, true, QColor(0x5a, 0x34, 0x14));
    p.setPen(QPen(QColor(0x5a, 0x34, 0x14), 1.5));
    p.drawLine(QPointF(60, 114), QPointF(l / 2.0 - 16, 114));
    p.drawLine(QPointF(l / 2.0 + 16, 114), QPointF(l - 60, 114));
    Etoile(p, QPointF(l / 2.0, 114), 9);
    Eventail(p, QPointF(l / 2.0, 204), 30, 44);
    p.end();
    return img;
}

}  // namespace

QImage DessineAPropos(bool francais) {
    static const QImage fond = FondAPropos();
    QImage img = fond.copy();
    QPainter p(&img);
    Lisse(p);
    const int l = img.width();
    const QString ligne = francais
        ? QStringLiteral("Poker à cinq cartes, en tête-à-tête, dans un saloon.")
        : QStringLiteral("Five-card draw poker, heads-up, in a Western saloon.");
    Texte(p, ligne, QRectF(24, 126, l - 48, 20), 14, true, false, kContour);
    p.end();
    return img;
}

QImage DessinePicture1() {
    const int c = 128;
    QImage img(c, c, QImage::Format_ARGB32_Premultiplied);
    img.fill(kFenetre);
    QPainter p(&img);
    Lisse(p);
    // A little card table seen from above, a fan of aces on it.
    const QPointF centre(c / 2.0, c / 2.0);
    p.setPen(QPen(kContour, 2));
    p.setBrush(QColor(0x7e, 0x4c, 0x22));
    p.drawEllipse(centre, c / 2.0 - 2, c / 2.0 - 2);
    QRadialGradient feutre(centre + QPointF(-10, -12), c / 2.0);
    feutre.setColorAt(0, kFeutreClair);
    feutre.setColorAt(1, kFeutreFonce);
    p.setBrush(feutre);
    p.drawEllipse(centre, c / 2.0 - 11, c / 2.0 - 11);
    p.setPen(QPen(QColor(0xb8, 0x80, 0x44), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, c / 2.0 - 6, c / 2.0 - 6);
    Eventail(p, QPointF(c / 2.0, c / 2.0 + 30), 34, 50);
    p.end();
    return img;
}

}  // namespace scene
