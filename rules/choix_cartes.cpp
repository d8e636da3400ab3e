#include "choix_cartes.h"

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

// Scales a score by a random factor between Skill % and 100 %.
double Floute(double valeur, int Skill) {
    const double facteur = (Skill + (100 - Skill) * Rnd()) / 100;
    return valeur * facteur;
}

}  // namespace

void ChoixCartesCowboy(Evaluation& ev, const MarquesPaquet& paquet, const Main& CartesCowboy,
                       int Skill, bool Limite) {
    ev.MeilleureProba = 0;
    ev.MeilleurPoids = 0;
    ev.GardeProba.clear();
    ev.GardePoids.clear();
    double categorieCinq = 0;

    for (int i = Limite ? kPremierSansPetites : 0; i < 32; ++i) {
        const std::string_view motif = kCandidats[i];
        const int k = static_cast<int>(motif.size());
        for (int j = 0; j < k; ++j) {
            const Carte& carte = CartesCowboy[motif[j] - '1'];
            ev.ValEval[j] = carte.valeur;
            ev.CoulEval[j] = carte.couleur;
        }
        EvalueMain(ev, paquet, k);
        if (k == 5) categorieCinq = ev.CategorieMain;

        // u1 for the score, then u2 for the weight
        ev.CategorieMain = Floute(ev.CategorieMain, Skill);
        ev.PoidsMain = Floute(ev.PoidsMain, Skill);

        // Strict: of two equal scores the earlier keep stays.
        if (ev.CategorieMain > ev.MeilleureProba) {
            ev.MeilleureProba = ev.CategorieMain;
            ev.GardeProba = motif;
        }
        if (ev.PoidsMain > ev.MeilleurPoids) {
            ev.MeilleurPoids = ev.PoidsMain;
            ev.GardePoids = motif;
        }
    }

    // A four-card draw that is most likely to come in is also the one to play.
    if (ev.GardeProba.size() == 4) ev.GardePoids = ev.GardeProba;
    // The decisions that follow judge the five cards as they are.
    ev.CategorieMain = categorieCinq;
}
