#include "assets/inventaire.h"

#include "assets/cartes/cartes.h"

namespace {

constexpr auto O = GenreImage::Opaque;

const EntreeInventaire kScene[] = {
    {"TabCartes", 923, 384, O, nullptr, &DessineTabCartes, nullptr},
    {"TabCartes2", 923, 384, O, nullptr, &DessineTabCartes2, nullptr},
    {"DosCartes", 791, 96, O, nullptr, &DessineDosCartes, nullptr},
};

}  // namespace

std::span<const EntreeInventaire> InventaireScene() {
    return kScene;
}
