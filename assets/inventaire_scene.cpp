#include "assets/inventaire.h"

#include "assets/cartes/cartes.h"
#include "assets/scene/dessins.h"

namespace {

using namespace scene;

constexpr auto O = GenreImage::Opaque;
constexpr auto S = GenreImage::Sprite;

const EntreeInventaire kScene[] = {
    {"BackGround", 670, 510, O, nullptr, +[] { return DessineBackGround(); }, nullptr},
    {"CowboyGame", 387, 124, O, nullptr, +[] { return DessineCowboyGame(); }, nullptr},
    {"TabCartes", 923, 384, O, nullptr, &DessineTabCartes, nullptr},
    {"TabCartes2", 923, 384, O, nullptr, &DessineTabCartes2, nullptr},
    {"DosCartes", 791, 96, O, nullptr, &DessineDosCartes, nullptr},
    // Action buttons: English, then French; OK serves both languages.
    {"BtnDrawUp", 79, 54, O, nullptr, +[] { return DessineBouton(QStringLiteral("Draw"), false, kBoutonDrawY); }, nullptr},
    {"BtnDrawDown", 77, 50, O, nullptr, +[] { return DessineBouton(QStringLiteral("Draw"), true, kBoutonDrawY); }, nullptr},
    {"BtnCallUp", 79, 54, O, nullptr, +[] { return DessineBouton(QStringLiteral("Call"), false, kBoutonCallY); }, nullptr},
    {"BtnCallDown", 77, 50, O, nullptr, +[] { return DessineBouton(QStringLiteral("Call"), true, kBoutonCallY); }, nullptr},
    {"BtnFoldUp", 79, 54, O, nullptr, +[] { return DessineBouton(QStringLiteral("Fold"), false, kBoutonFoldY); }, nullptr},
    {"BtnFoldDown", 77, 50, O, nullptr, +[] { return DessineBouton(QStringLiteral("Fold"), true, kBoutonFoldY); }, nullptr},
    {"BtnCheckUp", 79, 54, O, nullptr, +[] { return DessineBouton(QStringLiteral("Check"), false, kBoutonCallY); }, nullptr},
    {"BtnCheckDown", 77, 50, O, nullptr, +[] { return DessineBouton(QStringLiteral("Check"), true, kBoutonCallY); }, nullptr},
    {"BtnPassUp", 79, 54, O, nullptr, +[] { return DessineBouton(QStringLiteral("Pass"), false, kBoutonFoldY); }, nullptr},
    {"BtnPassDown", 77, 50, O, nullptr, +[] { return DessineBouton(QStringLiteral("Pass"), true, kBoutonFoldY); }, nullptr},
    {"BtnOKUp", 79, 54, O, nullptr, +[] { return DessineBouton(QStringLiteral("OK"), false, kBoutonDrawY); }, nullptr},
    {"BtnOKDown", 77, 50, O, nullptr, +[] { return DessineBouton(QStringLiteral("OK"), true, kBoutonDrawY); }, nullptr},
    {"ImgChangeUp", 79, 54, O, nullptr, +[] { return DessineBouton(QStringLiteral("Changer"), false, kBoutonDrawY); }, nullptr},
    {"ImgChangeDown", 77, 50, O, nullptr, +[] { return DessineBouton(QStringLiteral("Changer"), true, kBoutonDrawY); }, nullptr},
    {"ImgSuivreUp", 79, 54, O, nullptr, +[] { return DessineBouton(QStringLiteral("Suivre"), false, kBoutonCallY); }, nullptr},
    {"ImgSuivreDown", 77, 50, O, nullptr, +[] { return DessineBouton(QStringLiteral("Suivre"), true, kBoutonCallY); }, nullptr},
    {"ImgVerifUp", 79, 54, O, nullptr, +[] { return DessineBouton(QStringLiteral("Vérifier"), false, kBoutonCallY); }, nullptr},
    {"ImgVerifDown", 77, 50, O, nullptr, +[] { return DessineBouton(QStringLiteral("Vérifier"), true, kBoutonCallY); }, nullptr},
    {"ImgParoleUp", 79, 54, O, nullptr, +[] { return DessineBouton(QStringLiteral("Parole"), false, kBoutonFoldY); }, nullptr},
    {"ImgParoleDown", 77, 50, O, nullptr, +[] { return DessineBouton(QStringLiteral("Parole"), true, kBoutonFoldY); }, nullptr},
    {"ImgCoucheUp", 79, 54, O, nullptr, +[] { return DessineBouton(QStringLiteral("Coucher"), false, kBoutonFoldY); }, nullptr},
    {"ImgCoucheDown", 77, 50, O, nullptr, +[] { return DessineBouton(QStringLiteral("Coucher"), true, kBoutonFoldY); }, nullptr},
    // Bet plates, side by side, and the boards under them.
    {"BtnBill50Up", 37, 88, O, nullptr, +[] { return DessinePlaque(50, false, LargeurPlaque50, PlaquesX); }, nullptr},
    {"BtnBill50Down", 37, 88, O, nullptr, +[] { return DessinePlaque(50, true, LargeurPlaque50, PlaquesX); }, nullptr},
    {"BtnBill20Up", 30, 88, O, nullptr, +[] { return DessinePlaque(20, false, LargeurPlaque20, PlaquesX + LargeurPlaque50); }, nullptr},
    {"BtnBill20Down", 30, 88, O, nullptr, +[] { return DessinePlaque(20, true, LargeurPlaque20, PlaquesX + LargeurPlaque50); }, nullptr},
    {"BtnBill10Up", 33, 88, O, nullptr, +[] { return DessinePlaque(10, false, 33, PlaquesX + LargeurPlaque50 + LargeurPlaque20); }, nullptr},
    {"BtnBill10Down", 33, 88, O, nullptr, +[] { return DessinePlaque(10, true, 33, PlaquesX + LargeurPlaque50 + LargeurPlaque20); }, nullptr},
    {"BtnBet", 100, 25, O, nullptr, +[] { return DessinePlanche(QStringLiteral("Bet")); }, nullptr},
    {"BtnRaise", 100, 25, O, nullptr, +[] { return DessinePlanche(QStringLiteral("Raise")); }, nullptr},
    {"ImgMiser", 100, 25, O, nullptr, +[] { return DessinePlanche(QStringLiteral("Miser")); }, nullptr},
    {"ImgEncherir", 100, 25, O, nullptr, +[] { return DessinePlanche(QStringLiteral("Enchérir")); }, nullptr},
    // Covers over unavailable actions.
    {"TrameDraw", 80, 54, S, nullptr, +[] { return DessineTrame(80, 54); }, nullptr},
    {"TrameCall", 80, 54, S, nullptr, +[] { return DessineTrame(80, 54); }, nullptr},
    {"TrameFold", 80, 54, S, nullptr, +[] { return DessineTrame(80, 54); }, nullptr},
    {"TrameCheck", 80, 54, S, nullptr, +[] { return DessineTrame(80, 54); }, nullptr},
    {"TramePass", 80, 54, S, nullptr, +[] { return DessineTrame(80, 54); }, nullptr},
    {"TrameOK", 80, 54, S, nullptr, +[] { return DessineTrame(80, 54); }, nullptr},
    {"TramePlaque", 100, 112, S, nullptr, +[] { return DessineTrame(100, 112); }, nullptr},
    // Money.
    {"BillPlayer", 47, 67, S, nullptr, +[] { return DessineBilletPile(47, 67); }, nullptr},
    {"BillCowboy", 41, 58, S, nullptr, +[] { return DessineBilletPile(41, 58); }, nullptr},
    {"Bill1", 50, 30, S, nullptr, +[] { return DessineBilletPot(50, 30, 8); }, nullptr},
    {"Bill2", 46, 47, S, nullptr, +[] { return DessineBilletPot(46, 47, 40); }, nullptr},
    {"Bill3", 38, 49, S, nullptr, +[] { return DessineBilletPot(38, 49, 70); }, nullptr},
    {"Bill4", 50, 39, S, nullptr, +[] { return DessineBilletPot(50, 39, -22); }, nullptr},
    {"PlayerMoneyBar", 55, 29, O, nullptr, +[] { return DessineBarreArgent(); }, nullptr},
    {"CowboyMoneyBar", 55, 29, O, nullptr, +[] { return DessineBarreArgent(); }, nullptr},
    {"PotMoneyBar", 62, 47, O, nullptr, +[] { return DessineBarrePot(); }, nullptr},
    {"Bobble", BobbleLargeur, BobbleHauteur, O, nullptr, +[] { return DessineBobble(BobbleLargeur, BobbleHauteur); }, nullptr},
    // Dialogs.
    {"VertTable", 116, 102, O, nullptr, +[] { return DessineVertTable(); }, nullptr},
    {"ImageDrapeauUK0", 96, 64, O, nullptr, +[] { return DessineDrapeauUK(0); }, nullptr},
    {"ImageDrapeauUK1", 96, 64, O, nullptr, +[] { return DessineDrapeauUK(1); }, nullptr},
    {"ImageDrapeauUK2", 96, 64, O, nullptr, +[] { return DessineDrapeauUK(2); }, nullptr},
    {"ImageDrapeauUK3", 96, 64, O, nullptr, +[] { return DessineDrapeauUK(3); }, nullptr},
    {"ImageDrapeauUK4", 96, 64, O, nullptr, +[] { return DessineDrapeauUK(4); }, nullptr},
    {"ImageDrapeauFR0", 96, 64, O, nullptr, +[] { return DessineDrapeauFR(0); }, nullptr},
    {"ImageDrapeauFR1", 96, 64, O, nullptr, +[] { return DessineDrapeauFR(1); }, nullptr},
    {"ImageDrapeauFR2", 96, 64, O, nullptr, +[] { return DessineDrapeauFR(2); }, nullptr},
    {"ImageDrapeauFR3", 96, 64, O, nullptr, +[] { return DessineDrapeauFR(3); }, nullptr},
    {"ImageDrapeauFR4", 96, 64, O, nullptr, +[] { return DessineDrapeauFR(4); }, nullptr},
    {"AboutUK", 400, 220, O, nullptr, +[] { return DessineAPropos(false); }, nullptr},
    {"AboutFR", 400, 220, O, nullptr, +[] { return DessineAPropos(true); }, nullptr},
    {"Picture1", 128, 128, O, nullptr, +[] { return DessinePicture1(); }, nullptr},
};

}  // namespace

std::span<const EntreeInventaire> InventaireScene() {
    return kScene;
}
