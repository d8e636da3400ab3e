#include "platform/raster.h"

#include <QPainter>

#include "platform/picture.h"

namespace {

QPainter::CompositionMode Mode(OpRaster op) {
    switch (op) {
        case OpRaster::SrcAnd: return QPainter::RasterOp_SourceAndDestination;
        case OpRaster::SrcPaint: return QPainter::RasterOp_SourceOrDestination;
        case OpRaster::SrcCopy: break;
    }
    return QPainter::CompositionMode_Source;
}

// The raster operations are only bit-exact on RGB32 on both sides.
const QImage& EnRgb32(const QImage& src, QImage& tampon) {
    if (src.format() == QImage::Format_RGB32) return src;
    tampon = src.convertToFormat(QImage::Format_RGB32);
    return tampon;
}

}  // namespace

void Copie(QImage& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy,
           OpRaster op) {
    if (w <= 0 || h <= 0 || dst.isNull() || src.isNull()) return;
    QImage tampon;
    const QImage& s = EnRgb32(src, tampon);
    QPainter p(&dst);
    p.setCompositionMode(Mode(op));
    // Clip the source rectangle to the source image: QPainter would paint
    // the outside as black rather than leave it alone.
    QRect rs(sx, sy, w, h);
    const QRect vu = rs & s.rect();
    if (vu.isEmpty()) return;
    p.drawImage(QPoint(x + vu.x() - sx, y + vu.y() - sy), s, vu);
}

void CopieEtiree(QImage& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy,
                 int sw, int sh, OpRaster op) {
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0 || dst.isNull() || src.isNull()) return;
    QImage tampon;
    const QImage& s = EnRgb32(src, tampon);
    QPainter p(&dst);
    p.setCompositionMode(Mode(op));
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRect(x, y, w, h), s, QRect(sx, sy, sw, sh));
}

void Copie(Picture& dst, int x, int y, int w, int h, const Picture& src, int sx, int sy,
           OpRaster op) {
    Copie(dst.Surface(), x, y, w, h, src.Surface(), sx, sy, op);
}

void Copie(Picture& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy,
           OpRaster op) {
    Copie(dst.Surface(), x, y, w, h, src, sx, sy, op);
}

void CopieEtiree(Picture& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy,
                 int sw, int sh, OpRaster op) {
    CopieEtiree(dst.Surface(), x, y, w, h, src, sx, sy, sw, sh, op);
}

void CopieMasquee(QImage& dst, int x, int y, int w, int h, const QImage& image,
                  const QImage& masque, int sx, int sy) {
    Copie(dst, x, y, w, h, masque, sx, sy, OpRaster::SrcAnd);
    Copie(dst, x, y, w, h, image, sx, sy, OpRaster::SrcPaint);
}

void CopieMasquee(Picture& dst, int x, int y, int w, int h, const QImage& image,
                  const QImage& masque, int sx, int sy) {
    CopieMasquee(dst.Surface(), x, y, w, h, image, masque, sx, sy);
}
