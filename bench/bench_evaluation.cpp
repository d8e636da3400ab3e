// Speed of the hand evaluator on every five-card hand, beside a plain
// counting evaluator as the yardstick, and of the opponent's keep choice.
#include <benchmark/benchmark.h>

#include <vector>

#include "common/etat.h"
#include "common/hasard.h"
#include "rules/choix_cartes.h"
#include "rules/evaluation.h"

namespace {

constexpr int64_t kMains = 2598960;

// The textbook way: count each value, then read the counts. Same outputs
// as EvalueMain with five cards; kept out of line like the real one.
[[gnu::noinline]] void EvalueEnComptant(Evaluation& ev) {
    int compte[15] = {};
    double poids = 0;
    for (int i = 0; i < 5; ++i) {
        const int v = ev.ValEval[i];
        ++compte[v];
        poids += v == 1 ? 0.1 : (v - 1) / 130.0;
    }
    int paires = 0, brelans = 0, carres = 0, plusBasse = 14, plusHaute = 0;
    for (int v = 1; v <= 13; ++v) {
        if (compte[v] == 2) ++paires;
        else if (compte[v] == 3) ++brelans;
        else if (compte[v] >= 4) ++carres;
        if (compte[v] && v < plusBasse) plusBasse = v;
        if (compte[v] && v > plusHaute) plusHaute = v;
    }
    const bool couleur = ev.CoulEval[0] == ev.CoulEval[1] && ev.CoulEval[0] == ev.CoulEval[2] &&
                         ev.CoulEval[0] == ev.CoulEval[3] && ev.CoulEval[0] == ev.CoulEval[4];
    const bool distinctes = paires + brelans + carres == 0;
    const bool suite = distinctes && (plusHaute - plusBasse == 4 ||
                                      (compte[1] && compte[10] && compte[11] && compte[12] && compte[13]));
    double categorie;
    if (suite && couleur) categorie = Echelle::QuinteFlush;
    else if (carres) categorie = Echelle::Carre;
    else if (brelans && paires) categorie = Echelle::Full;
    else if (couleur) categorie = Echelle::Couleur;
    else if (suite) categorie = Echelle::Suite;
    else if (brelans) categorie = Echelle::Brelan;
    else if (paires == 2) categorie = Echelle::DeuxPaires;
    else if (paires) categorie = Echelle::Paire;
    else categorie = Echelle::Rien;
    ev.CategorieMain = categorie;
    ev.PoidsMain = poids + categorie;
}

// Runs `evalue` on every hand of the deck, filling each position only when
// its card changes, as a dealer walking the hands in order would.
template <typename F>
void ToutesLesMains(benchmark::State& state, F evalue) {
    Evaluation ev;
    for (auto _ : state) {
        double somme = 0;
        for (int a = 0; a < 52; ++a) {
            ev.ValEval[0] = static_cast<int16_t>(a % 13 + 1);
            ev.CoulEval[0] = static_cast<int16_t>(a / 13 + 1);
            for (int b = a + 1; b < 52; ++b) {
                ev.ValEval[1] = static_cast<int16_t>(b % 13 + 1);
                ev.CoulEval[1] = static_cast<int16_t>(b / 13 + 1);
                for (int c = b + 1; c < 52; ++c) {
                    ev.ValEval[2] = static_cast<int16_t>(c % 13 + 1);
                    ev.CoulEval[2] = static_cast<int16_t>(c / 13 + 1);
                    for (int d = c + 1; d < 52; ++d) {
                        ev.ValEval[3] = static_cast<int16_t>(d % 13 + 1);
                        ev.CoulEval[3] = static_cast<int16_t>(d / 13 + 1);
                        for (int e = d + 1; e < 52; ++e) {
                            ev.ValEval[4] = static_cast<int16_t>(e % 13 + 1);
                            ev.CoulEval[4] = static_cast<int16_t>(e / 13 + 1);
                            evalue(ev);
                            somme += ev.PoidsMain;
                        }
                    }
                }
            }
        }
        benchmark::DoNotOptimize(somme);
    }
    state.SetItemsProcessed(state.iterations() * kMains);
}

void BM_EvalueMain(benchmark::State& state) {
    MarquesPaquet paquet;
    paquet.Vide();
    ToutesLesMains(state, [&](Evaluation& ev) { EvalueMain(ev, paquet, 5); });
}
BENCHMARK(BM_EvalueMain)->Unit(benchmark::kMillisecond);

void BM_EvalueEnComptant(benchmark::State& state) {
    ToutesLesMains(state, [](Evaluation& ev) { EvalueEnComptant(ev); });
}
BENCHMARK(BM_EvalueEnComptant)->Unit(benchmark::kMillisecond);

// The keep choice on a fixed set of dealt hands, with the game's generator.
void BM_ChoixCartesCowboy(benchmark::State& state) {
    struct Donnee {
        Main main;
        MarquesPaquet paquet;
    };
    std::vector<Donnee> donnes(1024);
    HasardHorloge tirage(2026);
    for (Donnee& d : donnes) {
        d.paquet.Vide();
        for (Carte& c : d.main) {
            do {
                c.valeur = static_cast<int16_t>(tirage.Rnd() * 13 + 1);
                c.couleur = static_cast<int16_t>(tirage.Rnd() * 4 + 1);
            } while (d.paquet(c.valeur, c.couleur) != MarqueCarte::Libre);
            d.paquet(c.valeur, c.couleur) = MarqueCarte::Cowboy;
        }
    }
    Evaluation ev;
    std::size_t i = 0;
    for (auto _ : state) {
        const Donnee& d = donnes[i++ % donnes.size()];
        ChoixCartesCowboy(ev, d.paquet, d.main, 50, false);
        benchmark::DoNotOptimize(ev.MeilleurPoids);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ChoixCartesCowboy);

}  // namespace

BENCHMARK_MAIN();
