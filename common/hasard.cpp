#include "hasard.h"

#include <chrono>
#include <exception>
#include <random>

namespace {
uint64_t Rotation(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

// splitmix64 spreads one seed over the four words of the state, which must
// not all be zero.
uint64_t SplitMix(uint64_t& x) {
    uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
}  // namespace

HasardHorloge::HasardHorloge(uint64_t graine) {
    for (auto& mot : etat_) mot = SplitMix(graine);
}

double HasardHorloge::Rnd() {
    const uint64_t resultat = Rotation(etat_[1] * 5, 7) * 9;
    const uint64_t t = etat_[1] << 17;
    etat_[2] ^= etat_[0];
    etat_[3] ^= etat_[1];
    etat_[1] ^= etat_[2];
    etat_[0] ^= etat_[3];
    etat_[2] ^= t;
    etat_[3] = Rotation(etat_[3], 45);
    // 53 random bits scaled by 2^-53: at most 1 - 2^-53, never 1.0
    return static_cast<double>(resultat >> 11) * 0x1.0p-53;
}

namespace {
HasardHorloge& GenerateurDuJeu() {
    static HasardHorloge generateur(0x5EED);
    return generateur;
}
SourceHasard* sourceInstallee = nullptr;
}  // namespace

SourceHasard& Hasard() { return sourceInstallee ? *sourceInstallee : GenerateurDuJeu(); }

namespace {
// Two runs started at the same instant read the same clock, so the system's
// entropy decides; the clock only stirs in case that entropy is a fixed
// sequence on some platform.
uint64_t GraineDeDemarrage() {
    uint64_t horloge = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    uint64_t graine = SplitMix(horloge);
    try {
        std::random_device systeme;
        graine ^= (static_cast<uint64_t>(systeme()) << 32) ^ systeme();
    } catch (const std::exception&) {
        // no entropy source: the clock alone
    }
    return graine;
}
}  // namespace

void SemeHasard() {
    GenerateurDuJeu() = HasardHorloge(GraineDeDemarrage());
    sourceInstallee = nullptr;
}

void InstalleHasard(SourceHasard* source) { sourceInstallee = source; }
