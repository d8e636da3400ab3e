#include "assets/scene/outils.h"

#include "assets/scene/dessins.h"

#include <QFont>

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

QPainterPath CheminTexte(const QString& texte, const QRectF& boite, int taillePx, bool serif,
                         bool gras) {
    QFont f(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    f.setPixelSize(taillePx);
    f.setBold(gras);
    f.setStyleStrategy(QFont::PreferAntialias);
    QPainterPath chemin;
    chemin.addText(0, 0, f, texte);
    const QRectF r = chemin.boundingRect();
    QTransform t;
    const qreal sx = r.width() > boite.width() ? boite.width() / r.width() : 1.0;
    t.translate(boite.center().x(), boite.center().y());
    t.scale(sx, 1.0);
    t.translate(-r.center().x(), -r.center().y());
    return t.map(chemin);
}

void TexteContoure(QPainter& p, const QString& texte, const QRectF& boite, int taillePx,
                   const QColor& fond, qreal contour, bool serif) {
    const QPainterPath chemin = CheminTexte(texte, boite, taillePx, serif);
    p.save();
    if (contour > 0) {
        p.setPen(QPen(kContour, contour, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(chemin);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fond);
    p.drawPath(chemin);
    p.restore();
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
