#include "hasards.h"

#include <charconv>

#include "actions_joueur.h"
#include "platform/minuterie.h"

HasardSuite::HasardSuite(std::vector<double> debut, uint64_t graine)
    : debut_(std::move(debut)), generateur_(graine) {
    InstalleHasard(this);
}

HasardSuite::~HasardSuite() { InstalleHasard(nullptr); }

double HasardSuite::Rnd() {
    ++tires_;
    return suivant_ < debut_.size() ? debut_[suivant_++] : generateur_.Rnd();
}

HasardGraine::HasardGraine(uint64_t graine, std::ostream* journal)
    : jeu_(graine), tics_(graine ^ 0x7A1C5u), journal_(journal) {
    InstalleHasard(this);
}

HasardGraine::~HasardGraine() { InstalleHasard(nullptr); }

double HasardGraine::Rnd() {
    if (Minuterie::TicksEnCours() > 0) return tics_.Rnd();
    const double v = jeu_.Rnd();
    ++tires_;
    if (journal_) *journal_ << TexteValeur(v) << '\n';
    return v;
}

std::string TexteValeur(double v) {
    char texte[32];
    const auto [fin, erreur] = std::to_chars(texte, texte + sizeof texte, v);
    return erreur == std::errc{} ? std::string(texte, fin) : std::string("0");
}


HasardFichier::HasardFichier(std::istream& valeurs) : secours_(1) {
    std::string ligne;
    for (int numero = 1; std::getline(valeurs, ligne); ++numero) {
        const std::string_view texte = TexteUtile(ligne);
        if (texte.empty()) continue;
        double v = 0;
        const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), v);
        if (erreur != std::errc{} || fin != texte.data() + texte.size() || !(v >= 0.0 && v < 1.0)) {
            erreur_ = "values line " + std::to_string(numero) + ": \"" + std::string(texte) +
                      "\" is not a value in [0, 1)";
            return;
        }
        valeurs_.push_back(v);
    }
    InstalleHasard(this);
}

HasardFichier::~HasardFichier() { InstalleHasard(nullptr); }

double HasardFichier::Rnd() {
    if (suivant_ < valeurs_.size()) return valeurs_[suivant_++];
    if (erreur_.empty())
        erreur_ = "the random values ran out after " + std::to_string(valeurs_.size()) + " draws";
    ++suivant_;
    return secours_.Rnd();
}
