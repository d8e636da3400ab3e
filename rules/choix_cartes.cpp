#include "choix_cartes.h"

#include <array>
#include <string_view>

#include "common/hasard.h"
#include "evaluation.h"

namespace {

// Every keep, in the order they are tried: none, one card, two, three,
// four (leaving out the first card, then the second...), all five.
constexpr std::string_view kCandidats[32] = {
    "",
    "1", "2", "3", "4", "5",
    "12", "13", "14", "15", "23", "24", "25", "34", "35", "45",
    "123", "124", "125", "134", "135", "145", "234", "235", "245", "345",
    "2345", "1345", "1245", "1235", "1234",
    "12345",
};
// With a limit the opponent changes at most two cards: start at the threes.
constexpr int kPremierSansPetites = 16;

// The hand positions of each keep, read once from its pattern.
struct Positions {
    int n = 0;
    int pos[5] = {};
};
constexpr std::array<Positions, 32> ConstruitPositions() {
    std::array<Positions, 32> t{};
    for (int i = 0; i < 32; ++i) {
        for (char chiffre : kCandidats[i]) t[i].pos[t[i].n++] = chiffre - '1';
    }
    return t;
}
constexpr std::array<Positions, 32> kPositions = ConstruitPositions();

// A random factor between Skill % and 100 %.
double Facteur(int Skill, double u) { return (Skill + (100 - Skill) * u) / 100; }

}  // namespace

void ChoixCartesCowboy(Evaluation& ev, const MarquesPaquet& paquet, const Main& CartesCowboy,
                       int Skill, bool Limite) {
    const CartesInvisibles invisibles = CompteInvisibles(paquet);
    // the game's one source, looked up once for the 64 draws of the call
    SourceHasard& hasard = Hasard();
    ev.MeilleureProba = 0;
    ev.MeilleurPoids = 0;
    int gardeProba = -1, gardePoids = -1;  // no keep yet: ""
    double categorieCinq = 0;

    for (int i = Limite ? kPremierSansPetites : 0; i < 32; ++i) {
        const int k = kPositions[i].n;
        for (int j = 0; j < k; ++j) {
            const Carte& carte = CartesCowboy[kPositions[i].pos[j]];
            ev.ValEval[j] = carte.valeur;
            ev.CoulEval[j] = carte.couleur;
        }
        EvalueMain(ev, invisibles, k);
        if (k == 5) categorieCinq = ev.CategorieMain;

        // u1 for the score, then u2 for the weight
        const double u1 = hasard.Rnd();
        const double u2 = hasard.Rnd();
        ev.CategorieMain *= Facteur(Skill, u1);
        ev.PoidsMain *= Facteur(Skill, u2);

        // Strict: of two equal scores the earlier keep stays.
        if (ev.CategorieMain > ev.MeilleureProba) {
            ev.MeilleureProba = ev.CategorieMain;
            gardeProba = i;
        }
        if (ev.PoidsMain > ev.MeilleurPoids) {
            ev.MeilleurPoids = ev.PoidsMain;
            gardePoids = i;
        }
    }

    // A four-card draw that is most likely to come in is also the one to play.
    if (gardeProba >= 0 && kCandidats[gardeProba].size() == 4) gardePoids = gardeProba;
    ev.GardeProba = gardeProba >= 0 ? kCandidats[gardeProba] : "";
    ev.GardePoids = gardePoids >= 0 ? kCandidats[gardePoids] : "";
    // The decisions that follow judge the five cards as they are.
    ev.CategorieMain = categorieCinq;
}
