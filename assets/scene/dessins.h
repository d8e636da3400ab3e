#pragma once
// Pictures of the table window and dialogs drawn in code (all but the
// characters and the cards). Each returns a picture of its exact size, with
// alpha where the picture is a sprite.

#include <QImage>
#include <QString>

#include "common/disposition.h"

namespace scene {

// Positions on the table where the buttons stand, so that their felt
// matches: the round buttons are 54 pixels high, one pixel apart.
inline constexpr int kBoutonsX = BoutonsX;
inline constexpr int kBoutonFoldY = BoutonsPiedY;
inline constexpr int kBoutonCallY = kBoutonFoldY - 54 - 1;
inline constexpr int kBoutonDrawY = kBoutonCallY - 54 - 1;
inline constexpr int kPlaquesY = PlaquesY;

const QImage& FondSalle();  // the table background, drawn once
QImage DessineBackGround();
QImage DessineVertTable();
QImage DessineCowboyGame();
QImage DessineBobble(int largeur, int hauteur);

QImage DessineBouton(const QString& mot, bool enfonce, int yTable);
QImage DessinePlaque(int montant, bool enfonce, int largeur, int xTable);
QImage DessinePlanche(const QString& mot);
QImage DessineTrame(int largeur, int hauteur);
QImage DessineBarreArgent();
QImage DessineBarrePot();

QImage DessineBilletPile(int largeur, int hauteur);
QImage DessineBilletPot(int largeur, int hauteur, double angle);

QImage DessineDrapeauUK(int image);
QImage DessineDrapeauFR(int image);

QImage DessineAPropos(bool francais);
QImage DessinePicture1();

}  // namespace scene
