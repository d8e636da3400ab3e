#pragma once
// Bit-block copies between picture surfaces (Format_RGB32 images).
// Sprites are drawn as mask with SrcAnd, then picture with SrcPaint.

#include <QImage>

enum class OpRaster {
    SrcCopy,   // plain copy
    SrcAnd,    // destination AND source (the mask)
    SrcPaint,  // destination OR source (the picture on black)
};

class Picture;

// Copies the w x h block of src at (sx, sy) to dst at (x, y); blocks that run
// off either image are clipped.
void Copie(QImage& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy,
           OpRaster op);
// The same block scaled to w x h (nearest pixel, no smoothing).
void CopieEtiree(QImage& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy,
                 int sw, int sh, OpRaster op);

// The same onto and from picture controls' persistent images. They do not
// repaint the destination: call Refresh() (or let the next paint show it).
void Copie(Picture& dst, int x, int y, int w, int h, const Picture& src, int sx, int sy,
           OpRaster op);
void Copie(Picture& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy,
           OpRaster op);
void CopieEtiree(Picture& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy,
                 int sw, int sh, OpRaster op);
// A sprite: mask with SrcAnd then picture with SrcPaint, each w x h at (sx, sy).
void CopieMasquee(QImage& dst, int x, int y, int w, int h, const QImage& image,
                  const QImage& masque, int sx = 0, int sy = 0);
void CopieMasquee(Picture& dst, int x, int y, int w, int h, const QImage& image,
                  const QImage& masque, int sx = 0, int sy = 0);
