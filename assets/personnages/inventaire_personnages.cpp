#include "assets/inventaire.h"

// The three opponents: bodies, hands, face frames with their masks, the fans
// of held cards and the medallions. Each character lives in one SVG file, so
// that its frames, body and portraits can share the same face drawing.

namespace {

constexpr auto O = GenreImage::Opaque;
constexpr auto S = GenreImage::Sprite;
constexpr auto M = GenreImage::Masque;
constexpr auto C = GenreImage::Cadre;

constexpr const char* kCowboy = ":/personnages/cowboy.svg";
constexpr const char* kMex = ":/personnages/mexicain.svg";
constexpr const char* kFille = ":/personnages/fille.svg";
constexpr const char* kCartes = ":/personnages/cartes_tenues.svg";

const EntreeInventaire kPersonnages[] = {
    // Cowboy: face window 55 x 49
    {"Cowboy", 317, 273, S, kCowboy, nullptr, nullptr},
    {"Mains", 74, 52, S, kCowboy, nullptr, nullptr},
    {"VisageYeuxMask", 55, 49, M, kCowboy, nullptr, nullptr},
    {"VisageBoucheMask", 55, 49, M, kCowboy, nullptr, nullptr},
    {"VisageYeuxOuverts", 55, 49, C, kCowboy, nullptr, "VisageYeuxMask"},
    {"VisageCligne", 55, 49, C, kCowboy, nullptr, "VisageYeuxMask"},
    {"YeuxPlisses", 55, 49, C, kCowboy, nullptr, "VisageYeuxMask"},
    {"YeuxCarte1", 55, 49, C, kCowboy, nullptr, "VisageYeuxMask"},
    {"YeuxCarte2", 55, 49, C, kCowboy, nullptr, "VisageYeuxMask"},
    {"YeuxAnime1", 55, 49, C, kCowboy, nullptr, "VisageYeuxMask"},
    {"YeuxAnime2", 55, 49, C, kCowboy, nullptr, "VisageYeuxMask"},
    {"YeuxAnime3", 55, 49, C, kCowboy, nullptr, "VisageYeuxMask"},
    {"VBoucheFermee", 55, 49, C, kCowboy, nullptr, "VisageBoucheMask"},
    {"VBoucheOuverte", 55, 49, C, kCowboy, nullptr, "VisageBoucheMask"},
    {"CowMed1", 65, 65, O, kCowboy, nullptr, nullptr},
    {"CowMed2", 65, 65, O, kCowboy, nullptr, nullptr},
    {"CowMed3", 65, 65, O, kCowboy, nullptr, nullptr},

    // Mexican: face window 100 x 100
    {"Mexicain", 399, 304, S, kMex, nullptr, nullptr},
    {"MainsMex", 74, 52, S, kMex, nullptr, nullptr},
    {"MexYeuxMask", 100, 100, M, kMex, nullptr, nullptr},
    {"MexVisageMask", 100, 100, M, kMex, nullptr, nullptr},
    {"MexGoutteMask", 100, 100, M, kMex, nullptr, nullptr},
    {"MexYeuxOuverts", 100, 100, C, kMex, nullptr, "MexYeuxMask"},
    {"MexYeuxFermes", 100, 100, C, kMex, nullptr, "MexYeuxMask"},
    {"MexYeuxPlis1", 100, 100, C, kMex, nullptr, "MexYeuxMask"},
    {"MexYeuxPlis2", 100, 100, C, kMex, nullptr, "MexYeuxMask"},
    {"MexVisage", 100, 100, C, kMex, nullptr, "MexVisageMask"},
    {"MexCigare1", 100, 100, C, kMex, nullptr, "MexVisageMask"},
    {"MexCigare2", 100, 100, C, kMex, nullptr, "MexVisageMask"},
    {"MexCigare3", 100, 100, C, kMex, nullptr, "MexVisageMask"},
    {"MexCigare4", 100, 100, C, kMex, nullptr, "MexVisageMask"},
    {"MexCigare5", 100, 100, C, kMex, nullptr, "MexVisageMask"},
    {"MexDent1", 100, 100, C, kMex, nullptr, "MexVisageMask"},
    {"MexGoutte1", 100, 100, C, kMex, nullptr, "MexGoutteMask"},
    {"MexGoutte2", 100, 100, C, kMex, nullptr, "MexGoutteMask"},
    {"MexGoutte3", 100, 100, C, kMex, nullptr, "MexGoutteMask"},
    {"MexGoutte4", 100, 100, C, kMex, nullptr, "MexGoutteMask"},
    {"MexMed1", 65, 65, O, kMex, nullptr, nullptr},
    {"MexMed2", 65, 65, O, kMex, nullptr, nullptr},
    {"MexMed3", 65, 65, O, kMex, nullptr, nullptr},

    // Girl: face window 53 x 58
    {"Fille", 254, 272, S, kFille, nullptr, nullptr},
    {"MainsFille", 74, 52, S, kFille, nullptr, nullptr},
    {"FilleYeuxMask", 53, 58, M, kFille, nullptr, nullptr},
    {"FilleBoucheMask", 53, 58, M, kFille, nullptr, nullptr},
    {"FilleYeuxOuverts", 53, 58, C, kFille, nullptr, "FilleYeuxMask"},
    {"FilleYeuxFermes", 53, 58, C, kFille, nullptr, "FilleYeuxMask"},
    {"FilleYeuxPlisses", 53, 58, C, kFille, nullptr, "FilleYeuxMask"},
    {"FilleYeuxTic", 53, 58, C, kFille, nullptr, "FilleYeuxMask"},
    {"FilleBoucheFermee", 53, 58, C, kFille, nullptr, "FilleBoucheMask"},
    {"FilleBoucheOuverte", 53, 58, C, kFille, nullptr, "FilleBoucheMask"},
    {"FilleBoucheTic", 53, 58, C, kFille, nullptr, "FilleBoucheMask"},
    {"FilleMed1", 65, 65, O, kFille, nullptr, nullptr},
    {"FilleMed2", 65, 65, O, kFille, nullptr, nullptr},
    {"FilleMed3", 65, 65, O, kFille, nullptr, nullptr},

    // The backs of the cards the opponent holds, fanned behind its hands
    {"Cartes1", 74, 52, S, kCartes, nullptr, nullptr},
    {"Cartes2", 74, 52, S, kCartes, nullptr, nullptr},
    {"Cartes3", 74, 52, S, kCartes, nullptr, nullptr},
    {"Cartes4", 74, 52, S, kCartes, nullptr, nullptr},
    {"Cartes5", 74, 52, S, kCartes, nullptr, nullptr},
};

}  // namespace

std::span<const EntreeInventaire> InventairePersonnages() {
    return kPersonnages;
}
