#include "hasard.h"

#include <chrono>

double HasardHorloge::Rnd() {
    // 53 random bits scaled by 2^-53: at most 1 - 2^-53, never 1.0
    return static_cast<double>(moteur_() >> 11) * 0x1.0p-53;
}

namespace {
HasardHorloge& GenerateurDuJeu() {
    static HasardHorloge generateur(0x5EED);
    return generateur;
}
SourceHasard* sourceInstallee = nullptr;
}  // namespace

SourceHasard& Hasard() { return sourceInstallee ? *sourceInstallee : GenerateurDuJeu(); }

void SemeHasard() {
    const auto maintenant = std::chrono::steady_clock::now().time_since_epoch().count() ^
                            std::chrono::system_clock::now().time_since_epoch().count();
    GenerateurDuJeu() = HasardHorloge(static_cast<uint64_t>(maintenant));
    sourceInstallee = nullptr;
}

void InstalleHasard(SourceHasard* source) { sourceInstallee = source; }
