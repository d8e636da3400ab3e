// The two flags of the language dialog, five frames of a wave each.
#include "assets/scene/dessins.h"
#include "assets/scene/outils.h"

#include <cmath>
#include <functional>

namespace scene {
namespace {

constexpr int kL = 96, kH = 64;
constexpr int kFlagL = 76, kFlagH = 42;
constexpr int kFlagX = 12, kFlagY = 11;
constexpr int kImages = 5;

QImage DrapeauPlat(const std::function<void(QPainter&, const QRectF&)>& motif) {
    QImage img = Toile(kFlagL, kFlagH);
    QPainter p(&img);
    Lisse(p);
    const QRectF r(0, 0, kFlagL, kFlagH);
    p.setClipRect(r);
    motif(p, r);
    p.setClipping(false);
    p.setPen(QPen(kContour, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(1, 1, -1, -1));
    p.end();
    return img;
}

void MotifUK(QPainter& p, const QRectF& r) {
    const qreal h = r.height();
    p.fillRect(r, QColor(0x1f, 0x3a, 0x8a));
    p.setPen(QPen(Qt::white, h / 5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.setPen(QPen(QColor(0xc8, 0x20, 0x2e), h / 14, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.center().x() - h / 6, r.top(), h / 3, h));
    p.drawRect(QRectF(r.left(), r.center().y() - h / 6, r.width(), h / 3));
    p.setBrush(QColor(0xc8, 0x20, 0x2e));
    p.drawRect(QRectF(r.center().x() - h / 10, r.top(), h / 5, h));
    p.drawRect(QRectF(r.left(), r.center().y() - h / 10, r.width(), h / 5));
}

void MotifFR(QPainter& p, const QRectF& r) {
    const qreal t = r.width() / 3;
    p.fillRect(QRectF(r.left(), r.top(), t, r.height()), QColor(0x1f, 0x4f, 0xa8));
    p.fillRect(QRectF(r.left() + t, r.top(), t, r.height()), QColor(0xf6, 0xf6, 0xf2));
    p.fillRect(QRectF(r.left() + 2 * t, r.top(), t + 1, r.height()), QColor(0xe0, 0x3a, 0x32));
}

QImage Drapeau(const QImage& plat, int image) {
    QImage img(kL, kH, QImage::Format_ARGB32_Premultiplied);
    img.fill(kFenetre);
    QPainter p(&img);
    Lisse(p);
    // Pole with a gold knob.
    p.setPen(QPen(kContour, 1.2));
    p.setBrush(QColor(0x8b, 0x5a, 0x2b));
    p.drawRect(QRectF(7, 6, 4, kH - 8));
    p.setBrush(QColor(0xe0, 0xb0, 0x3a));
    p.drawEllipse(QPointF(9, 5), 3.2, 3.2);
    p.end();
    // The cloth: each column moved up or down along a travelling wave and
    // shaded by its slope; the wave grows away from the pole.
    const double phase = 2 * M_PI * image / kImages;
    const double onde = 2 * M_PI / 48.0;
    const QImage src = plat.convertToFormat(QImage::Format_ARGB32);
    for (int x = 0; x < kFlagL; ++x) {
        const double amp = 1.0 + 3.5 * x / double(kFlagL);
        const double dy = amp * std::sin(onde * x - phase);
        const double lum = 1.0 + 0.22 * std::cos(onde * x - phase) * (0.4 + 0.6 * x / double(kFlagL));
        for (int y = 0; y < kH; ++y) {
            const double sy = y - kFlagY - dy;
            const int y0 = int(std::floor(sy));
            const double f = sy - y0;
            auto lit = [&](int yy) -> QRgb {
                return (yy >= 0 && yy < kFlagH) ? src.pixel(x, yy) : 0u;
            };
            const QRgb a = lit(y0), b = lit(y0 + 1);
            const double alpha = (qAlpha(a) * (1 - f) + qAlpha(b) * f) / 255.0;
            if (alpha <= 0) continue;
            auto canal = [&](int ca, int cb) {
                const double v = (ca * qAlpha(a) * (1 - f) + cb * qAlpha(b) * f) / (255.0 * alpha);
                return std::clamp(v * lum, 0.0, 255.0);
            };
            const double r = canal(qRed(a), qRed(b)), g = canal(qGreen(a), qGreen(b)),
                         bl = canal(qBlue(a), qBlue(b));
            QRgb* d = reinterpret_cast<QRgb*>(img.scanLine(y)) + kFlagX + x;
            const QColor fond = QColor::fromRgb(*d);
            *d = qRgb(int(r * alpha + fond.red() * (1 - alpha) + 0.5),
                      int(g * alpha + fond.green() * (1 - alpha) + 0.5),
                      int(bl * alpha + fond.blue() * (1 - alpha) + 0.5));
        }
    }
    return img;
}

}  // namespace

QImage DessineDrapeauUK(int image) {
    static const QImage plat = DrapeauPlat(&MotifUK);
    return Drapeau(plat, image);
}

QImage DessineDrapeauFR(int image) {
    static const QImage plat = DrapeauPlat(&MotifFR);
    return Drapeau(plat, image);
}

}  // namespace scene
