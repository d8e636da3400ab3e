#include "common/personnages.h"

#include "common/etat.h"
#include "common/textes_jeu.h"

namespace {

using M = MinuterieVisage;

// ---- The cowboy.
constexpr Cadre kPlisseCowboy[] = {{"YeuxPlisses", "VisageYeuxMask"}};
constexpr Lancement kRalentiCowboy[] = {
    {M::Cligne, kPremierClin}, {M::Dent, kBouche}, {M::YeuxPlisses, kPlisse}};
// His two tells watch the cards, and only with open eyes.
constexpr Cadre kYeuxCarte[] = {{"YeuxCarte1", "VisageYeuxMask", Delai::YeuxCarte},
                                {"YeuxCarte2", "VisageYeuxMask", Delai::YeuxCarte},
                                {"VisageYeuxOuverts", "VisageYeuxMask"}};
constexpr Cadre kYeuxAnime[] = {{"YeuxAnime1", "VisageYeuxMask", Delai::YeuxAnime},
                                {"YeuxAnime2", "VisageYeuxMask", Delai::YeuxAnime},
                                {"YeuxAnime3", "VisageYeuxMask", Delai::YeuxAnime},
                                {"VisageYeuxOuverts", "VisageYeuxMask"}};

// ---- The Mexican: a cigar instead of a mouth animation.
constexpr Cadre kPlisseMex[] = {{"MexYeuxPlis1", "MexYeuxMask", Delai::PlisseMexicain},
                                {"MexYeuxPlis2", "MexYeuxMask"}};
constexpr Lancement kRalentiMex[] = {
    {M::MexCigare, kCigareRepos}, {M::Cligne, kPremierClin}, {M::YeuxPlisses, kPlisse}};
// The drop runs down a frame a tick, by `FrameGoutte`, then the rest face.
constexpr Cadre kGoutte[] = {{"MexGoutte1", "MexGoutteMask"},
                             {"MexGoutte2", "MexGoutteMask"},
                             {"MexGoutte3", "MexGoutteMask"},
                             {"MexGoutte4", "MexGoutteMask"},
                             {"MexVisage", "MexVisageMask"}};
constexpr Cadre kMexDent[] = {{"MexDent1", "MexVisageMask", Delai::MexDent},
                              {"MexVisage", "MexVisageMask"}};
constexpr PasCigare kCigare[] = {
    {{"MexCigare1", "MexVisageMask"}, kCigareAllume, 1},
    {{"MexCigare2", "MexVisageMask"}, kCigareBouffee, 2},
    {{"MexCigare3", "MexVisageMask"}, kCigareBouffee, 3},
    {{"MexCigare4", "MexVisageMask"}, kCigareBouffee, 4},
    {{"MexCigare5", "MexVisageMask"}, kCigareBouffee, 5},
    {{"MexVisage", "MexVisageMask"}, kCigareRepos, 0},
};

// ---- The girl: her tics need no open eyes, and stay until the eyes or the
// mouth are drawn again.
constexpr Cadre kPlisseFille[] = {{"FilleYeuxPlisses", "FilleYeuxMask"}};
constexpr Lancement kRalentiFille[] = {
    {M::Dent, kBouche}, {M::Cligne, kPremierClin}, {M::YeuxPlisses, kPlisse}};
constexpr Cadre kFilleTicYeux[] = {{"FilleYeuxTic", "FilleYeuxMask"}};
constexpr Cadre kFilleTicBouche[] = {{"FilleBoucheTic", "FilleBoucheMask"}};

static_assert(PersoCowboyFille == kNbPersos, "the girl is the last of the band");

// A sheet a block, its fields in the order of Personnage.
// clang-format off
constexpr Personnage kFiches[kNbPersos] = {
    {"Cowboy", "CowboyMask", "Mains", "MainsMask", &Disposition::GeoCowboy,
     {"YeuxPlisses",
      {"VisageYeuxOuverts", "VisageYeuxMask"},
      {"VisageCligne", "VisageYeuxMask"},
      kPlisseCowboy,
      Cadre{"VBoucheOuverte", "VisageBoucheMask"},
      Cadre{"VBoucheFermee", "VisageBoucheMask"}},
     kRalentiCowboy,
     {M::YeuxCarte, kYeuxCarte, true},
     {M::YeuxAnime, kYeuxAnime, true},
     {},
     {"CowMed1", "CowMed2", "CowMed3"},
     &TextesJeu::RemarqueCowboy,
     {90, 70, 45, 25},
     0},
    {"Mexicain", "MexicainMask", "MainsMex", "MainsMexMask", &Disposition::GeoMex,
     {"MexVisage",
      {"MexYeuxOuverts", "MexYeuxMask"},
      {"MexYeuxFermes", "MexYeuxMask"},
      kPlisseMex,
      std::nullopt,
      std::nullopt},
     kRalentiMex,
     {M::MexGoutte, kGoutte, false},
     {M::MexDent, kMexDent, false},
     kCigare,
     {"MexMed1", "MexMed2", "MexMed3"},
     &TextesJeu::RemarqueMexicain,
     {95, 80, 25, 45},
     ProgressionMexicain},
    {"Fille", "FilleMask", "MainsFille", "MainsFilleMask", &Disposition::GeoFille,
     {"FilleYeuxFermes",
      {"FilleYeuxOuverts", "FilleYeuxMask"},
      {"FilleYeuxFermes", "FilleYeuxMask"},
      kPlisseFille,
      Cadre{"FilleBoucheOuverte", "FilleBoucheMask"},
      Cadre{"FilleBoucheFermee", "FilleBoucheMask"}},
     kRalentiFille,
     {M::FilleTicYeux, kFilleTicYeux, false},
     {M::FilleTicBouche, kFilleTicBouche, false},
     {},
     {"FilleMed1", "FilleMed2", "FilleMed3"},
     &TextesJeu::RemarqueFille,
     {100, 90, 18, 28},
     ProgressionTous},
};
// clang-format on

// The unlock markers in the order they rise; any other value unlocks nothing.
int Niveau(int16_t marqueur) {
    if (marqueur == ProgressionTous) return 2;
    if (marqueur == ProgressionMexicain) return 1;
    return 0;
}

}  // namespace

const char* NomMinuterie(MinuterieVisage m) {
    static constexpr const char* kNoms[kNbMinuteriesVisage] = {
        "TimerCligne",         "TimerDent",        "TimerYeuxPlisses", "TimerYeuxCarte",
        "TimerYeuxAnime",      "TimerMexCigare",   "TimerMexDent",     "TimerMexGoutte",
        "TimerFilleTicBouche", "TimerFilleTicYeux"};
    return kNoms[static_cast<int>(m)];
}

bool PersoValide(int perso) { return perso >= 1 && perso <= kNbPersos; }

const Personnage* FichePerso(int perso) { return PersoValide(perso) ? &kFiches[perso - 1] : nullptr; }

const Personnage& FicheOuDerniere(int perso) {
    const Personnage* fiche = FichePerso(perso);
    return fiche ? *fiche : kFiches[kNbPersos - 1];
}

const Tell* TellDe(int perso, MinuterieVisage m) {
    const Personnage* fiche = FichePerso(perso);
    if (!fiche) return nullptr;
    for (const Tell* t : {&fiche->faible, &fiche->fort})
        if (t->minuterie == m) return t;
    return nullptr;
}

std::span<const PasCigare> Cigare(int perso) {
    const Personnage* fiche = FichePerso(perso);
    return fiche ? fiche->cigare : std::span<const PasCigare>{};
}

bool Deverrouille(int perso, int16_t progression) {
    const Personnage* fiche = FichePerso(perso);
    return fiche && Niveau(fiche->marqueur) <= Niveau(progression);
}

int16_t ProgressionApresVictoire(int perso, int16_t progression) {
    const Personnage* fiche = FichePerso(perso);
    return fiche && Niveau(fiche->marqueur) > Niveau(progression) ? fiche->marqueur : progression;
}
