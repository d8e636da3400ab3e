#pragma once
// Shared pieces of the card pictures: cell geometry, suit shapes, card body,
// corner indices. Internal to assets/cartes.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>

#include <array>
#include <functional>
#include <initializer_list>
#include <utility>
#include <span>

namespace cartes {

inline constexpr int kLargeur = 71;
inline constexpr int kHauteur = 96;
inline constexpr int kColonnes = 13;  // Ace..King
inline constexpr int kLignes = 4;     // hearts, clubs, diamonds, spades
inline constexpr int kPasDos = kLargeur + 1;
inline constexpr int kNbDos = 11;

// Outside the rounded corners: the green of the table felt, so a
// card laid on the table shows no light specks at its corners.
inline const QColor kFeutre{0x2f, 0x7f, 0x3b};

inline bool EstRouge(int couleur) { return couleur == 1 || couleur == 3; }

// Fixed integer hash for scattered specks and stars: the same picture on
// every run, and no draw taken from the game's random source.
inline quint32 Hache(quint32 n) {
    n ^= n >> 16;
    n *= 0x7feb352dU;
    n ^= n >> 15;
    n *= 0x846ca68bU;
    n ^= n >> 16;
    return n;
}

// Fills a path with the painter's brush. Shapes repeated at the same scale
// and sub-pixel phase (pips, indices, motifs) are rasterised once and then
// blitted, which keeps the whole deck within its start-up budget. Plain
// translations, scalings and half turns are cached; anything else is drawn.
// A shape is known by its address: pass only paths that live as long as the
// drawing of the picture (the static shapes of this folder).
void RempliChemin(QPainter& p, const QPainterPath& chemin);
// Drops the rasterised shapes once a picture is finished.
void VideTampon();

// A cell painted pixel by pixel, for gradients: Qt hands gradient and
// translucent fills of a hundred spans or more to worker threads, and waking
// them costs far more than filling a card. `couleur` gets pixel centres.
QImage PeintPixels(const std::function<QRgb(qreal x, qreal y)>& couleur);
// Colour at t (0..1) between gradient stops given in increasing order.
QRgb Interpole(std::initializer_list<std::pair<qreal, QRgb>> arrets, qreal t);
QRgb Melange(QRgb a, QRgb b, qreal t);  // a at 0, b at 1

// Suit shape in a unit box centred on the origin (y downwards); suits 1..4.
const QPainterPath& FormeCouleur(int couleur);

// Draws a suit shape of the given height centred on c, turned upside down
// when renverse (pips of a card's lower half face the other player).
void DessinePip(QPainter& p, int couleur, QPointF c, qreal taille, bool renverse = false);

// Text outline fitted to a box: its cap height becomes the box height, and
// it is squeezed sideways only when it would be wider than the box. The
// result is centred horizontally in the box, standing on its bottom.
QPainterPath TexteAjuste(const QString& texte, const QFont& police, const QRectF& boite);
// The same fit for an outline drawn at the origin's baseline in `police`
// made unhinted (PoliceNonHintee): unhinted outlines come out the same
// whatever the system's font configuration.
QPainterPath CheminAjuste(const QPainterPath& brut, const QFont& police, const QRectF& boite);
QFont PoliceNonHintee(const QFont& police);

// "10" in narrow digits, so that it takes no more width than a single
// character: a condensed 0 close beside a 1, fitted to `boite` as a text
// is. In the full face the pair fills the corner strip from the card's
// edge to its first pip.
struct FormeDix {
    qreal piedDuUn;  // reach of the 1's foot beyond its stem, in stem widths
    qreal ecart;     // from the 1's stem to the 0, in stem widths
    qreal gras;      // how far each stroke is widened after the squeeze
};
QPainterPath DixEtroit(const QFont& police, const QRectF& boite, const FormeDix& forme);

// A blank card: kFeutre corners, rounded body filled by `fond`, 1-px border.
// `fond` may paint the whole cell; the corners and border are laid over it
// afterwards (no clip path, which would push every fill to the threads).
QImage CorpsCarte(const std::function<void(QPainter&, const QRectF&)>& fond, QColor bord);

// Point-reflects the top half of a cell onto its bottom half (two-headed
// court figures and the lower corner index come out of one drawing).
void RefleteHautEnBas(QImage& cellule);

// Shoulders of a court figure in the upper half of its frame, the same in
// both decks so the two-headed figures meet at the middle line.
const QPainterPath& EpaulesFigure();

// Ranks as printed in the corners, value 1..13.
QString TexteRang(int valeur);

// Pip centres of the value cards 2..10 on a 71 x 96 card.
struct Pip { qreal x; qreal y; };
std::span<const Pip> DispositionPips(int valeur);

// Draws a corner as it is, then turned round into the opposite corner.
void AuxDeuxCoins(QPainter& p, const std::function<void()>& dessineCoin);

// A deck's sheet, 923 x 384: its Aces, number cards and courts by the
// deck's own drawings. The rasterised shapes are dropped at the end.
struct DessinsDuJeu {
    QImage (*as)(int couleur);
    QImage (*chiffre)(int valeur, int couleur);
    QImage (*figure)(int valeur, int couleur);
};
QImage AssembleFeuille(const DessinsDuJeu& jeu);

}  // namespace cartes
