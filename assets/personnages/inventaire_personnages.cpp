#include "assets/inventaire.h"

std::span<const EntreeInventaire> InventairePersonnages() {
    return {};
}
