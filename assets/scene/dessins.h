#pragma once
// Pictures of the table window and dialogs drawn in code (all but the
// characters and the cards). Each returns a picture of its exact size, with
// alpha where the picture is a sprite.

#include <QImage>
#include <QString>

namespace scene {

// Positions on the table where the buttons stand, so that their felt matches.
inline constexpr int kBoutonsX = 551;
inline constexpr int kBoutonDrawY = 330;
inline constexpr int kBoutonCallY = 385;
inline constexpr int kBoutonFoldY = 440;
inline constexpr int kPlaquesY = 380;
inline constexpr int kPlanchesX = 450;
inline constexpr int kPlanchesY = 468;

const QImage& FondSalle();  // the table background, drawn once
QImage DessineBackGround();
QImage DessineVertTable();
QImage DessineCowboyGame();
QImage DessineBobble();

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
