#pragma once
// Shared palette and drawing helpers of the scene pictures: one warm cartoon
// style, dark outlines, flat colours with simple shading.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace scene {

inline const QColor kContour{0x2b, 0x1a, 0x0e};
inline const QColor kJaune{0xff, 0xd8, 0x3a};
inline const QColor kFeutre{0x2f, 0x7f, 0x3b};
inline const QColor kFeutreFonce{0x1d, 0x5a, 0x27};
inline const QColor kFeutreClair{0x3f, 0x99, 0x4b};
inline const QColor kBois{0x8b, 0x5a, 0x2b};
inline const QColor kBoisFonce{0x5c, 0x3a, 0x1a};
inline const QColor kBoisClair{0xb8, 0x82, 0x48};
inline const QColor kPapier{0xdc, 0xe6, 0xbc};
inline const QColor kEncre{0x3c, 0x6a, 0x3a};
// The window colour of the dialogs, so pictures sit on them without a seam.
inline const QColor kFenetre{0xef, 0xef, 0xef};

// Transparent surface ready for painting.
QImage Toile(int largeur, int hauteur);
// Painter with antialiasing on.
void Lisse(QPainter& p);

// Outline of a text centred in a box, squeezed sideways if too wide.
QPainterPath CheminTexte(const QString& texte, const QRectF& boite, int taillePx, bool serif,
                         bool gras = true);
// A text centred in a box, squeezed sideways if too wide, with an optional
// dark outline of the given width.
void Texte(QPainter& p, const QString& texte, const QRectF& boite, int taillePx, bool serif,
           bool gras, const QColor& couleur, qreal contour = 0);
// A word filled in one colour with a dark outline of the given width.
void TexteContoure(QPainter& p, const QString& texte, const QRectF& boite, int taillePx,
                   const QColor& fond, qreal contour, bool serif = true);

// Deterministic hash noise in [0, 1) for textures: the same picture every run.
double Bruit(int x, int y, int graine);

// Copy of the table background under a rectangle, for pictures that stand
// on the table and must blend into it.
QImage FondSous(int x, int y, int largeur, int hauteur);

}  // namespace scene
