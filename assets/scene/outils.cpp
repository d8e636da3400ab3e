#include "assets/scene/outils.h"

#include "assets/scene/dessins.h"
#include "platform/polices.h"

#include <QFont>
#include <QFontMetricsF>

#include <algorithm>

#include <cmath>
#include <cstdint>

namespace scene {

QImage Toile(int largeur, int hauteur) {
    QImage img(largeur, hauteur, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void Lisse(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

namespace {

QFont Police(int taillePx, bool serif, bool gras) {
    QFont f(serif ? Polices().serif : Polices().sans);
    f.setPixelSize(taillePx);
    f.setBold(gras);
    f.setStyleStrategy(QFont::PreferAntialias);
    // Unhinted glyphs come out the same whichever thread draws them first.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

}  // namespace

QPainterPath CheminTexte(const QString& texte, const QRectF& boite, int taillePx, bool serif,
                         bool gras) {
    QPainterPath chemin;
    chemin.addText(0, 0, Police(taillePx, serif, gras), texte);
    const QRectF r = chemin.boundingRect();
    QTransform t;
    const qreal sx = r.width() > boite.width() ? boite.width() / r.width() : 1.0;
    t.translate(boite.center().x(), boite.center().y());
    t.scale(sx, 1.0);
    t.translate(-r.center().x(), -r.center().y());
    return t.map(chemin);
}

void Texte(QPainter& p, const QString& texte, const QRectF& boite, int taillePx, bool serif,
           bool gras, const QColor& couleur, qreal contour) {
    // Glyphs drawn through the glyph cache: much cheaper than outlines.
    QFont f = Police(taillePx, serif, gras);
    const QFontMetricsF m(f);
    const QRectF encre = m.tightBoundingRect(texte);
    const qreal largeur = m.horizontalAdvance(texte);
    if (largeur > boite.width()) {
        f.setStretch(std::max(50, int(100 * boite.width() / largeur)));
    }
    const QFontMetricsF m2(f);
    const qreal l2 = m2.horizontalAdvance(texte);
    const QPointF base(boite.center().x() - l2 / 2,
                       boite.center().y() - (encre.top() + encre.bottom()) / 2);
    p.save();
    p.setFont(f);
    if (contour > 0) {
        p.setPen(kContour);
        const qreal r = contour / 2;
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * M_PI / 4;
            p.drawText(base + QPointF(r * std::cos(a), r * std::sin(a)), texte);
        }
    }
    p.setPen(couleur);
    p.drawText(base, texte);
    p.restore();
}

void TexteContoure(QPainter& p, const QString& texte, const QRectF& boite, int taillePx,
                   const QColor& fond, qreal contour, bool serif) {
    Texte(p, texte, boite, taillePx, serif, true, fond, contour);
}

double Bruit(int x, int y, int graine) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(graine) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffffu) / double(0x1000000);
}

QImage FondSous(int x, int y, int largeur, int hauteur) {
    return FondSalle().copy(x, y, largeur, hauteur).convertToFormat(
        QImage::Format_ARGB32_Premultiplied);
}

}  // namespace scene
