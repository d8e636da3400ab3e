// The copies must match the plain per-pixel operations bit for bit, since
// sprites are drawn as mask AND then picture OR.
#include <QImage>

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "platform/raster.h"

namespace {

QImage Bruit(int w, int h, unsigned graine) {
    QImage img(w, h, QImage::Format_RGB32);
    std::mt19937 gen(graine);
    for (int y = 0; y < h; ++y) {
        auto* l = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) l[x] = 0xFF000000u | (gen() & 0xFFFFFFu);
    }
    return img;
}

bool Identiques(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.format() != b.format()) return false;
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), size_t(a.width()) * 4) != 0)
            return false;
    return true;
}

// The reference: the operation written out per pixel, with clipping.
QImage Reference(QImage dst, int x, int y, int w, int h, const QImage& src, int sx, int sy,
                 OpRaster op) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const int dx = x + i, dy = y + j, px = sx + i, py = sy + j;
            if (!dst.rect().contains(dx, dy) || !src.rect().contains(px, py)) continue;
            const QRgb s = src.pixel(px, py), d = dst.pixel(dx, dy);
            QRgb r = s;
            if (op == OpRaster::SrcAnd) r = s & d;
            if (op == OpRaster::SrcPaint) r = s | d;
            dst.setPixel(dx, dy, r | 0xFF000000u);
        }
    return dst;
}

struct CasCopie {
    int x, y, w, h, sx, sy;
};

TEST(Raster, CopiesMatchPlainLoopsIncludingClippedEdges) {
    const QImage src = Bruit(60, 40, 1);
    const QImage fond = Bruit(50, 30, 2);
    const CasCopie cas[] = {
        {5, 4, 20, 10, 3, 2},     // inside both
        {-7, -3, 30, 20, 0, 0},   // runs off the destination's top-left
        {40, 22, 30, 20, 10, 5},  // runs off its bottom-right
        {0, 0, 30, 20, 45, 30},   // runs off the source
        {0, 0, 60, 40, 0, 0},     // larger than the destination
    };
    for (OpRaster op : {OpRaster::SrcCopy, OpRaster::SrcAnd, OpRaster::SrcPaint})
        for (const auto& c : cas) {
            QImage dst = fond;
            Copie(dst, c.x, c.y, c.w, c.h, src, c.sx, c.sy, op);
            EXPECT_TRUE(Identiques(dst, Reference(fond, c.x, c.y, c.w, c.h, src, c.sx, c.sy, op)))
                << "op " << int(op) << " at " << c.x << "," << c.y;
        }
}

TEST(Raster, MaskedCopyGivesSpriteOverBackground) {
    // A 2 x 1 sprite: left pixel opaque red, right pixel transparent.
    QImage image(2, 1, QImage::Format_RGB32), masque(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(200, 10, 10));
    image.setPixel(1, 0, qRgb(0, 0, 0));
    masque.setPixel(0, 0, qRgb(0, 0, 0));
    masque.setPixel(1, 0, qRgb(255, 255, 255));
    QImage dst(3, 1, QImage::Format_RGB32);
    dst.fill(qRgb(1, 120, 33));
    CopieMasquee(dst, 1, 0, 2, 1, image, masque);
    EXPECT_EQ(dst.pixel(0, 0), qRgb(1, 120, 33));
    EXPECT_EQ(dst.pixel(1, 0), qRgb(200, 10, 10));
    EXPECT_EQ(dst.pixel(2, 0), qRgb(1, 120, 33));
}

TEST(Raster, MaskedCopyIsTheMaskAndThenThePictureEvenClipped) {
    const QImage image = Bruit(60, 40, 5), masque = Bruit(60, 40, 6), fond = Bruit(50, 30, 7);
    const CasCopie cas[] = {
        {5, 4, 20, 10, 3, 2}, {-7, -3, 30, 20, 0, 0}, {40, 22, 30, 20, 10, 5},
        {0, 0, 30, 20, 45, 30}, {0, 0, 60, 40, 0, 0}, {3, 3, 20, 20, -4, -6},
    };
    for (const auto& c : cas) {
        QImage vu = fond;
        CopieMasquee(vu, c.x, c.y, c.w, c.h, image, masque, c.sx, c.sy);
        const QImage attendu =
            Reference(Reference(fond, c.x, c.y, c.w, c.h, masque, c.sx, c.sy, OpRaster::SrcAnd), c.x,
                      c.y, c.w, c.h, image, c.sx, c.sy, OpRaster::SrcPaint);
        EXPECT_TRUE(Identiques(vu, attendu)) << "at " << c.x << "," << c.y;
    }
}

TEST(Raster, StretchedCopyDoublesEachPixelAndKeepsTheOperation) {
    const QImage src = Bruit(8, 6, 3);
    const QImage fond = Bruit(20, 16, 4);
    QImage dst = fond;
    CopieEtiree(dst, 2, 1, 16, 12, src, 0, 0, 8, 6, OpRaster::SrcPaint);
    QImage attendu = fond;
    for (int j = 0; j < 12; ++j)
        for (int i = 0; i < 16; ++i)
            attendu.setPixel(2 + i, 1 + j,
                             fond.pixel(2 + i, 1 + j) | src.pixel(i / 2, j / 2) | 0xFF000000u);
    EXPECT_TRUE(Identiques(dst, attendu));

    // Shrinking by two takes one pixel of each 2 x 2 block.
    QImage petit(4, 3, QImage::Format_RGB32);
    petit.fill(Qt::black);
    CopieEtiree(petit, 0, 0, 4, 3, src, 0, 0, 8, 6, OpRaster::SrcCopy);
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 4; ++i) {
            const QRgb p = petit.pixel(i, j);
            const bool bloc = p == src.pixel(2 * i, 2 * j) || p == src.pixel(2 * i + 1, 2 * j) ||
                              p == src.pixel(2 * i, 2 * j + 1) ||
                              p == src.pixel(2 * i + 1, 2 * j + 1);
            EXPECT_TRUE(bloc) << i << "," << j;
        }
}

TEST(Raster, SourceInAnotherFormatIsCopiedAsOpaque) {
    QImage src(4, 4, QImage::Format_ARGB32);
    src.fill(qRgba(10, 20, 30, 255));
    QImage dst(4, 4, QImage::Format_RGB32);
    dst.fill(Qt::white);
    Copie(dst, 0, 0, 4, 4, src, 0, 0, OpRaster::SrcCopy);
    EXPECT_EQ(dst.pixel(3, 3), qRgb(10, 20, 30));
}

}  // namespace
