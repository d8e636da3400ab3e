#include "etat.h"

#include <charconv>

std::string TexteArgent(int montant) { return std::string("$").append(std::to_string(montant)); }

int LitArgent(const std::string& caption) {
    if (caption.size() < 2) return 0;
    int montant = 0;
    const char* debut = caption.data() + 1;
    const char* fin = caption.data() + caption.size();
    auto [reste, erreur] = std::from_chars(debut, fin, montant);
    return (erreur == std::errc{} && reste == fin) ? montant : 0;
}

Etat& EtatDuJeu() {
    static Etat etat;
    return etat;
}
