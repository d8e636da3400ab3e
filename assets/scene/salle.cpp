// The saloon behind the table, the table itself, and the pictures that sit
// on it (the showdown board, the speech bubble, the cloth tile of the help).
#include "assets/scene/dessins.h"
#include "assets/scene/outils.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace scene {
namespace {

constexpr int kL = 670;
constexpr int kH = 510;
constexpr int kBord = 9;         // dark wooden border
constexpr int kSol = 252;        // where the wall meets the floor
constexpr QPointF kCentreTable{335, 425};
constexpr qreal kRayonX = 358, kRayonY = 220;  // outer edge of the rail
constexpr qreal kRail = 15;

void Mur(QPainter& p) {
    // Vertical planks; knots only away from where the opponent sits.
    const QColor tons[] = {QColor(0xb7, 0x7e, 0x46), QColor(0xad, 0x75, 0x40),
                           QColor(0xb3, 0x7a, 0x43)};
    const int largeurPlanche = 28;
    for (int i = 0, x = 0; x < kL; ++i, x += largeurPlanche) {
        p.fillRect(QRectF(x, 0, largeurPlanche, kSol), tons[i % 3]);
        p.fillRect(QRectF(x, 0, 3, kSol), QColor(0xc4, 0x8d, 0x55));
        p.setPen(QPen(QColor(0x6b, 0x44, 0x24), 1.5));
        p.drawLine(QPointF(x + 0.75, 0), QPointF(x + 0.75, kSol));
        if (x < 105 || x > 540) {
            const qreal ky = 40 + Bruit(i, 1, 7) * 180;
            p.setPen(QPen(QColor(0x7a, 0x4c, 0x26), 1.2));
            p.setBrush(QColor(0x95, 0x62, 0x33));
            p.drawEllipse(QPointF(x + 14, ky), 3.0, 5.0);
        }
    }
    // Rail along the wall and the skirting board.
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, 140, kL, 7), QColor(0x7a, 0x4a, 0x22));
    p.fillRect(QRectF(0, 140, kL, 2), QColor(0xa3, 0x6b, 0x36));
    p.fillRect(QRectF(0, kSol - 9, kL, 9), QColor(0x4e, 0x2f, 0x16));
    p.fillRect(QRectF(0, kSol - 9, kL, 2), QColor(0x7a, 0x4a, 0x22));
}

void Fenetre(QPainter& p) {
    const QRectF cadre(22, 24, 80, 104);
    const QRectF vitre = cadre.adjusted(6, 6, -6, -6);
    // Sky, desert and a mesa outside.
    QLinearGradient ciel(vitre.topLeft(), vitre.bottomLeft());
    ciel.setColorAt(0, QColor(0x7c, 0xc4, 0xe8));
    ciel.setColorAt(0.6, QColor(0xc8, 0xe6, 0xf0));
    ciel.setColorAt(0.61, QColor(0xe8, 0xb8, 0x6a));
    ciel.setColorAt(1, QColor(0xd8, 0x9a, 0x50));
    p.setPen(Qt::NoPen);
    p.setBrush(ciel);
    p.drawRect(vitre);
    QPainterPath mesa;
    mesa.moveTo(vitre.left(), vitre.top() + 60);
    mesa.lineTo(vitre.left() + 14, vitre.top() + 60);
    mesa.lineTo(vitre.left() + 20, vitre.top() + 46);
    mesa.lineTo(vitre.left() + 44, vitre.top() + 46);
    mesa.lineTo(vitre.left() + 52, vitre.top() + 60);
    mesa.lineTo(vitre.right(), vitre.top() + 60);
    mesa.lineTo(vitre.right(), vitre.top() + 64);
    mesa.lineTo(vitre.left(), vitre.top() + 64);
    mesa.closeSubpath();
    p.setBrush(QColor(0xb5, 0x5d, 0x2e));
    p.drawPath(mesa);
    // Frame and glazing bars.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBoisFonce, 6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(cadre.adjusted(3, 3, -3, -3));
    p.setPen(QPen(kBoisFonce, 3));
    p.drawLine(QPointF(cadre.center().x(), vitre.top()), QPointF(cadre.center().x(), vitre.bottom()));
    p.drawLine(QPointF(vitre.left(), vitre.center().y()), QPointF(vitre.right(), vitre.center().y()));
    p.setPen(QPen(kContour, 1.5));
    p.drawRect(cadre);
    // Sill.
    p.setPen(QPen(kContour, 1.5));
    p.setBrush(kBois);
    p.drawRect(QRectF(cadre.left() - 5, cadre.bottom(), cadre.width() + 10, 6));
    // Red curtains tied back, and their pelmet.
    const QColor rouge(0xb0, 0x24, 0x1e), rougeFonce(0x7a, 0x14, 0x12);
    for (int cote = 0; cote < 2; ++cote) {
        const qreal bord = cote == 0 ? cadre.left() - 6 : cadre.right() + 6;
        const qreal s = cote == 0 ? 1 : -1;
        QPainterPath rideau;
        rideau.moveTo(bord, cadre.top() - 2);
        rideau.lineTo(bord + s * 26, cadre.top() - 2);
        rideau.cubicTo(bord + s * 22, cadre.top() + 30, bord + s * 6, cadre.top() + 58,
                       bord + s * 8, cadre.top() + 66);
        rideau.cubicTo(bord + s * 14, cadre.top() + 82, bord + s * 16, cadre.top() + 96,
                       bord + s * 14, cadre.bottom() + 4);
        rideau.lineTo(bord, cadre.bottom() + 4);
        rideau.closeSubpath();
        QLinearGradient g(QPointF(bord, 0), QPointF(bord + s * 26, 0));
        g.setColorAt(0, rougeFonce);
        g.setColorAt(0.5, rouge);
        g.setColorAt(1, rougeFonce);
        p.setBrush(g);
        p.setPen(QPen(kContour, 1.5));
        p.drawPath(rideau);
        p.setPen(QPen(rougeFonce, 1));
        p.drawLine(QPointF(bord + s * 6, cadre.top() + 4), QPointF(bord + s * 5, cadre.bottom()));
        // Gold tie-back.
        p.setPen(QPen(kContour, 1));
        p.setBrush(QColor(0xe0, 0xb0, 0x3a));
        p.drawRoundedRect(QRectF(bord + (s > 0 ? 0 : -12), cadre.top() + 62, 12, 5), 2, 2);
    }
    p.setPen(QPen(kContour, 1.5));
    p.setBrush(rouge);
    QPainterPath lambrequin;
    lambrequin.moveTo(cadre.left() - 8, cadre.top() - 8);
    lambrequin.lineTo(cadre.right() + 8, cadre.top() - 8);
    lambrequin.lineTo(cadre.right() + 8, cadre.top() + 4);
    for (int i = 4; i >= 0; --i) {
        const qreal x0 = cadre.left() - 8 + i * (cadre.width() + 16) / 5.0;
        const qreal x1 = x0 + (cadre.width() + 16) / 5.0;
        lambrequin.lineTo(x1, cadre.top() + 4);
        lambrequin.quadTo((x0 + x1) / 2, cadre.top() + 12, x0, cadre.top() + 4);
    }
    lambrequin.closeSubpath();
    p.drawPath(lambrequin);
    p.setBrush(QColor(0xe0, 0xb0, 0x3a));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(cadre.left() - 8, cadre.top() - 8, cadre.width() + 16, 2.5));
}

void Portes(QPainter& p) {
    // Doorway with the street outside, and the two swinging half doors.
    const QRectF baie(562, 22, 90, kSol - 22);
    QLinearGradient dehors(baie.topLeft(), baie.bottomLeft());
    dehors.setColorAt(0, QColor(0x86, 0xc8, 0xea));
    dehors.setColorAt(0.45, QColor(0xd6, 0xec, 0xf2));
    dehors.setColorAt(0.46, QColor(0xe6, 0xc0, 0x7e));
    dehors.setColorAt(1, QColor(0xd2, 0x9e, 0x5c));
    p.setPen(Qt::NoPen);
    p.setBrush(dehors);
    p.drawRect(baie);
    // A building across the street.
    p.setBrush(QColor(0x9c, 0x6a, 0x3c));
    p.setPen(QPen(kContour, 1));
    p.drawRect(QRectF(baie.left() + 10, baie.top() + 58, 40, 62));
    p.setBrush(QColor(0x5a, 0x3a, 0x20));
    p.drawRect(QRectF(baie.left() + 22, baie.top() + 90, 14, 30));
    // Door frame.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBoisFonce, 7, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(baie.adjusted(-3.5, -3.5, 3.5, 0));
    p.setPen(QPen(kContour, 1.5));
    p.drawRect(baie.adjusted(-7, -7, 7, 0));
    // Bat-wing doors, slightly ajar.
    for (int cote = 0; cote < 2; ++cote) {
        const qreal x0 = cote == 0 ? baie.left() + 1 : baie.center().x() + 2;
        const qreal w = baie.width() / 2 - 3;
        const qreal haut = 100, bas = 196;
        QPainterPath battant;
        const qreal hautInterieur = haut - 12;
        if (cote == 0) {
            battant.moveTo(x0, haut);
            battant.quadTo(x0 + w * 0.6, haut - 2, x0 + w, hautInterieur);
        } else {
            battant.moveTo(x0, hautInterieur);
            battant.quadTo(x0 + w * 0.4, haut - 2, x0 + w, haut);
        }
        battant.lineTo(x0 + w, bas);
        battant.lineTo(x0, bas);
        battant.closeSubpath();
        p.setPen(QPen(kContour, 1.5));
        p.setBrush(kBois);
        p.drawPath(battant);
        // Slats.
        p.setPen(QPen(kBoisFonce, 1.2));
        for (qreal y = haut + 14; y < bas - 16; y += 7)
            p.drawLine(QPointF(x0 + 6, y), QPointF(x0 + w - 6, y));
        p.setPen(QPen(kContour, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(x0 + 4, haut + 10, w - 8, bas - haut - 24));
        p.setBrush(kBoisClair);
        p.drawRect(QRectF(x0 + 4, bas - 12, w - 8, 8));
    }
}

void Comptoir(QPainter& p) {
    // The bar counter behind the opponent: plain panels, nothing busy.
    const qreal haut = 158, gauche = 112, droite = 552;
    p.setPen(QPen(kContour, 1.5));
    QLinearGradient face(QPointF(0, haut), QPointF(0, kSol));
    face.setColorAt(0, QColor(0x6e, 0x40, 0x1c));
    face.setColorAt(1, QColor(0x52, 0x2e, 0x12));
    p.setBrush(face);
    p.drawRect(QRectF(gauche, haut, droite - gauche, kSol - haut - 9));
    // Recessed panels.
    p.setPen(QPen(QColor(0x3c, 0x22, 0x0c), 1.5));
    p.setBrush(QColor(0x63, 0x39, 0x18));
    const int n = 8;
    const qreal pas = (droite - gauche) / n;
    for (int i = 0; i < n; ++i)
        p.drawRect(QRectF(gauche + i * pas + 7, haut + 16, pas - 14, kSol - haut - 40));
    // Brass foot rail.
    p.setPen(QPen(kContour, 1));
    p.setBrush(QColor(0xd0, 0xa0, 0x40));
    p.drawRoundedRect(QRectF(gauche - 2, kSol - 20, droite - gauche + 4, 5), 2, 2);
    // Counter top, with its edge.
    p.setPen(QPen(kContour, 1.5));
    QLinearGradient dessus(QPointF(0, haut - 10), QPointF(0, haut + 6));
    dessus.setColorAt(0, QColor(0xc2, 0x8a, 0x4c));
    dessus.setColorAt(1, QColor(0x8e, 0x5a, 0x28));
    p.setBrush(dessus);
    p.drawRect(QRectF(gauche - 8, haut - 10, droite - gauche + 16, 14));
}

void Plancher(QPainter& p) {
    // Boards running across the room, wider toward the viewer.
    p.fillRect(QRectF(0, kSol, kL, kH - kSol), QColor(0x7e, 0x52, 0x2c));
    qreal y = kSol;
    qreal h = 8;
    int i = 0;
    while (y < kH) {
        const QColor ton = (i % 2) ? QColor(0x84, 0x56, 0x2e) : QColor(0x78, 0x4d, 0x28);
        p.fillRect(QRectF(0, y, kL, h), ton);
        p.setPen(QPen(QColor(0x4a, 0x2c, 0x14), 1.2));
        p.drawLine(QPointF(0, y), QPointF(kL, y));
        // Butt joints, staggered.
        for (int j = 0; j < 4; ++j) {
            const qreal x = std::fmod(60 + i * 97.0 + j * 181.0, kL);
            p.drawLine(QPointF(x, y), QPointF(x, y + h));
        }
        y += h;
        h *= 1.12;
        ++i;
    }
}

void Table(QPainter& p) {
    // Shadow on the floor.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(kCentreTable + QPointF(0, 14), kRayonX + 6, kRayonY + 4);
    // Wooden rail.
    p.setPen(QPen(kContour, 2));
    p.setBrush(QColor(0x7e, 0x4c, 0x22));
    p.drawEllipse(kCentreTable, kRayonX, kRayonY);
    p.setPen(QPen(QColor(0xb8, 0x80, 0x44), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kCentreTable, kRayonX - 4, kRayonY - 4);
    // The felt itself is shaded pixel by pixel (GrainFeutre), then outlined.
}

// The table's cloth, one weave for the felt and for the help's tile: a
// fine speckle with a darker thread every 3 rows and every 4 columns,
// repeating with the tile (whose sides the periods divide), so that tiles
// meet without a seam.
constexpr int kTuileL = 116, kTuileH = 102;
int GrainDrap(int x, int y) {
    x %= kTuileL;
    y %= kTuileH;
    int d = int(Bruit(x, y, 11) * 15) - 7;
    if (y % 3 == 0) d -= 3;
    if (x % 4 == 0) d -= 3;
    return d;
}

QRgb Drap(int r, int v, int b, int grain) {
    return qRgb(std::clamp(r + grain / 2, 0, 255), std::clamp(v + grain, 0, 255),
                std::clamp(b + grain / 2, 0, 255));
}

// The plain cloth of the help's tile, which is also the felt under the
// round buttons: their pictures, cut from the table, then show no edge on
// the help's cloth either. Its shade is the lit felt's mean there, and the
// felt fades into it over a few dozen pixels around the buttons.
constexpr int kDrapR = 0x2d, kDrapV = 0x7c, kDrapB = 0x39;
constexpr QRectF kSousBoutons(kBoutonsX - 2, kBoutonDrawY - 2, 79 + 4,
                              kBoutonFoldY + 54 - kBoutonDrawY + 4);
constexpr qreal kFondu = 48;

// How much of the plain cloth the felt takes at a pixel: all of it under
// the buttons, none beyond the fade.
qreal PartDrap(qreal x, qreal y) {
    const qreal dx = std::max({kSousBoutons.left() - x, 0.0, x - kSousBoutons.right()});
    const qreal dy = std::max({kSousBoutons.top() - y, 0.0, y - kSousBoutons.bottom()});
    const qreal t = 1 - std::min(1.0, std::hypot(dx, dy) / kFondu);
    return t * t * (3 - 2 * t);
}

void BordFeutre(QPainter& p) {
    p.setPen(QPen(kContour, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kCentreTable, kRayonX - kRail, kRayonY - kRail);
}

// The felt, lighter toward the middle, woven as the help's cloth, and plain
// under the round buttons. One pass over the pixels: cheaper than a
// gradient fill.
void GrainFeutre(QImage& img) {
    const qreal rx = kRayonX - kRail - 1, ry = kRayonY - kRail - 1;
    const QPointF lumiere = kCentreTable + QPointF(0, -30);
    // Colour by squared distance to the light, looked up rather than
    // computed: this loop covers a third of the picture.
    constexpr int kPas = 1024;
    int teinte[kPas + 1][3];
    const QColor stops[] = {kFeutreClair, kFeutre, kFeutreFonce};
    for (int i = 0; i <= kPas; ++i) {
        const qreal d = std::sqrt(i / qreal(kPas));
        const QColor& a = d < 0.7 ? stops[0] : stops[1];
        const QColor& b = d < 0.7 ? stops[1] : stops[2];
        const qreal f = d < 0.7 ? d / 0.7 : (d - 0.7) / 0.3;
        teinte[i][0] = int(a.red() + (b.red() - a.red()) * f);
        teinte[i][1] = int(a.green() + (b.green() - a.green()) * f);
        teinte[i][2] = int(a.blue() + (b.blue() - a.blue()) * f);
    }
    const qreal echelle = kPas / (kRayonX * kRayonX);
    for (int y = 0; y < img.height(); ++y) {
        QRgb* ligne = reinterpret_cast<QRgb*>(img.scanLine(y));
        const qreal dy = (y + 0.5 - kCentreTable.y()) / ry;
        if (std::abs(dy) >= 1) continue;
        const qreal demi = rx * std::sqrt(1 - dy * dy);
        const int x0 = std::max(0, int(std::ceil(kCentreTable.x() - demi)));
        const int x1 = std::min(img.width() - 1, int(kCentreTable.x() + demi));
        const qreal ly = y + 0.5 - lumiere.y();
        for (int x = x0; x <= x1; ++x) {
            const qreal lx = x + 0.5 - lumiere.x();
            const int i = std::min(kPas, int((lx * lx + ly * ly) * echelle));
            const qreal d = PartDrap(x + 0.5, y + 0.5);
            const auto vers = [d](int de, int a) { return int(std::lround(de + (a - de) * d)); };
            ligne[x] = Drap(vers(teinte[i][0], kDrapR), vers(teinte[i][1], kDrapV), vers(teinte[i][2], kDrapB),
                            GrainDrap(x, y));
        }
    }
}

void Cadre(QPainter& p) {
    QPainterPath cadre;
    cadre.addRect(QRectF(0, 0, kL, kH));
    cadre.addRect(QRectF(kBord, kBord, kL - 2 * kBord, kH - 2 * kBord));
    cadre.setFillRule(Qt::OddEvenFill);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4a, 0x2b, 0x12));
    p.drawPath(cadre);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x7a, 0x4c, 0x22), 1.5));
    p.drawRect(QRectF(3.5, 3.5, kL - 7, kH - 7));
    p.setPen(QPen(kContour, 2));
    p.drawRect(QRectF(1, 1, kL - 2, kH - 2));
    p.drawRect(QRectF(kBord - 1, kBord - 1, kL - 2 * kBord + 2, kH - 2 * kBord + 2));
    // Nail heads at the corners.
    p.setPen(QPen(kContour, 1));
    p.setBrush(QColor(0xc8, 0xa0, 0x50));
    for (const QPointF c : {QPointF(4.5, 4.5), QPointF(kL - 4.5, 4.5), QPointF(4.5, kH - 4.5),
                            QPointF(kL - 4.5, kH - 4.5)})
        p.drawEllipse(c, 2.2, 2.2);
}

QImage DessineSalle() {
    QImage img(kL, kH, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::black);
    QPainter p(&img);
    Lisse(p);
    Mur(p);
    Fenetre(p);
    Portes(p);
    Plancher(p);
    Comptoir(p);
    Table(p);
    p.end();
    GrainFeutre(img);
    p.begin(&img);
    Lisse(p);
    BordFeutre(p);
    Cadre(p);
    p.end();
    return img;
}

}  // namespace

const QImage& FondSalle() {
    static const QImage fond = DessineSalle();
    return fond;
}

QImage DessineBackGround() {
    return FondSalle();
}

QImage DessineVertTable() {
    QImage img(kTuileL, kTuileH, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < kTuileH; ++y) {
        QRgb* ligne = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kTuileL; ++x) ligne[x] = Drap(kDrapR, kDrapV, kDrapB, GrainDrap(x, y));
    }
    return img;
}

QImage DessineCowboyGame() {
    // Green felt tray with a wooden bevel; the cards lie from (12, 14).
    const int l = 387, h = 124;
    QImage img(l, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::black);
    QPainter p(&img);
    Lisse(p);
    QLinearGradient bois(QPointF(0, 0), QPointF(0, h));
    bois.setColorAt(0, QColor(0xa8, 0x70, 0x38));
    bois.setColorAt(1, QColor(0x5c, 0x36, 0x16));
    p.setPen(Qt::NoPen);
    p.setBrush(bois);
    p.drawRect(QRectF(0, 0, l, h));
    // Bevel: light top and left, dark bottom and right.
    QPainterPath clair;
    clair.moveTo(0, 0);
    clair.lineTo(l, 0);
    clair.lineTo(l - 7, 7);
    clair.lineTo(7, 7);
    clair.lineTo(7, h - 7);
    clair.lineTo(0, h);
    clair.closeSubpath();
    p.setBrush(QColor(0xc8, 0x90, 0x50));
    p.drawPath(clair);
    QPainterPath sombre;
    sombre.moveTo(l, h);
    sombre.lineTo(0, h);
    sombre.lineTo(7, h - 7);
    sombre.lineTo(l - 7, h - 7);
    sombre.lineTo(l - 7, 7);
    sombre.lineTo(l, 0);
    sombre.closeSubpath();
    p.setBrush(QColor(0x4a, 0x2a, 0x10));
    p.drawPath(sombre);
    QRadialGradient feutre(QPointF(l / 2.0, h / 2.0), l / 2.0);
    feutre.setColorAt(0, kFeutreClair);
    feutre.setColorAt(1, kFeutreFonce);
    p.setBrush(feutre);
    p.setPen(QPen(kContour, 1.5));
    p.drawRect(QRectF(7.5, 7.5, l - 15, h - 15));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kContour, 2));
    p.drawRect(QRectF(1, 1, l - 2, h - 2));
    // Thin gold line framing the place of the cards.
    p.setPen(QPen(QColor(0xe0, 0xb0, 0x3a, 170), 1));
    p.drawRoundedRect(QRectF(9.5, 11.5, 364, 101), 4, 4);
    p.end();
    return img;
}

QImage DessineBobble(int largeur, int hauteur) {
    // The bubble on the wall above the table, drawn over the background it
    // hides so its corners blend in. The label inside has the window colour.
    QImage img = FondSous(BobbleX, BobbleY, largeur, hauteur);
    QPainter p(&img);
    Lisse(p);
    // Small corner radius: the rectangular label nearly fills the bubble.
    p.setPen(QPen(kContour, 1.5));
    p.setBrush(kFenetre);
    p.drawRoundedRect(QRectF(0.75, 0.75, largeur - 1.5, hauteur - 1.5), 3, 3);
    p.end();
    return img;
}

}  // namespace scene
