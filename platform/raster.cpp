#include "platform/raster.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

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

// The rows of a block of an RGB32 image from (x, y). The image is detached
// once here, not at every row as scanLine() would check it.
class Lignes {
public:
    Lignes(QImage& img, int x, int y)
        : debut_(img.bits() + qsizetype(y) * img.bytesPerLine() + qsizetype(x) * 4),
          pas_(img.bytesPerLine()) {}
    QRgb* operator[](int j) const { return reinterpret_cast<QRgb*>(debut_ + qsizetype(j) * pas_); }

private:
    uchar* debut_;
    qsizetype pas_;
};
class LignesConst {
public:
    LignesConst(const QImage& img, int x, int y)
        : debut_(img.constBits() + qsizetype(y) * img.bytesPerLine() + qsizetype(x) * 4),
          pas_(img.bytesPerLine()) {}
    const QRgb* operator[](int j) const {
        return reinterpret_cast<const QRgb*>(debut_ + qsizetype(j) * pas_);
    }

private:
    const uchar* debut_;
    qsizetype pas_;
};

// The usual case, RGB32 both sides, as a plain loop: small blocks (a bill,
// a face frame) cost less than setting up a painter.
template <typename Op>
void Boucle(QImage& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy, Op op) {
    Lignes d(dst, x, y);
    LignesConst s(src, sx, sy);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) d[j][i] = op(d[j][i], s[j][i]);
}

}  // namespace

void Copie(QImage& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy,
           OpRaster op) {
    if (w <= 0 || h <= 0 || dst.isNull() || src.isNull()) return;
    QImage tampon;
    const QImage& s = EnRgb32(src, tampon);
    if (dst.format() == QImage::Format_RGB32) {
        // Clip against both images, moving both corners together.
        const int gauche = std::max({0, -x, -sx}), haut = std::max({0, -y, -sy});
        x += gauche, sx += gauche, w -= gauche;
        y += haut, sy += haut, h -= haut;
        w = std::min({w, dst.width() - x, s.width() - sx});
        h = std::min({h, dst.height() - y, s.height() - sy});
        if (w <= 0 || h <= 0) return;
        switch (op) {
            case OpRaster::SrcCopy: {
                const Lignes d(dst, x, y);
                const LignesConst l(s, sx, sy);
                for (int j = 0; j < h; ++j) std::memmove(d[j], l[j], size_t(w) * sizeof(QRgb));
                break;
            }
            case OpRaster::SrcAnd:
                Boucle(dst, x, y, w, h, s, sx, sy, [](QRgb d, QRgb v) { return d & v; });
                break;
            case OpRaster::SrcPaint:
                Boucle(dst, x, y, w, h, s, sx, sy, [](QRgb d, QRgb v) { return d | v; });
                break;
        }
        return;
    }
    // Other destinations (a cover's alpha picture): through the painter.
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
    const auto rgb32 = [](const QImage& i) { return i.format() == QImage::Format_RGB32; };
    if (!(rgb32(dst) && rgb32(image) && rgb32(masque) && image.size() == masque.size()) ||
        &dst == &image || &dst == &masque) {
        Copie(dst, x, y, w, h, masque, sx, sy, OpRaster::SrcAnd);
        Copie(dst, x, y, w, h, image, sx, sy, OpRaster::SrcPaint);
        return;
    }
    // Both in one pass over the block: the same pixels as the two copies.
    const int gauche = std::max({0, -x, -sx}), haut = std::max({0, -y, -sy});
    x += gauche, sx += gauche, w -= gauche;
    y += haut, sy += haut, h -= haut;
    w = std::min({w, dst.width() - x, image.width() - sx});
    h = std::min({h, dst.height() - y, image.height() - sy});
    if (w <= 0 || h <= 0) return;
    const Lignes d(dst, x, y);
    const LignesConst m(masque, sx, sy), p(image, sx, sy);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) d[j][i] = (d[j][i] & m[j][i]) | p[j][i];
}

void CopieMasquee(Picture& dst, int x, int y, int w, int h, const QImage& image,
                  const QImage& masque, int sx, int sy) {
    CopieMasquee(dst.Surface(), x, y, w, h, image, masque, sx, sy);
}
