// soak: whole games on the real table, offscreen, without a person.
//
//   soak [--seed N] [--hands N] [--trace FILE] [--dump PREFIX] [--no-checks]
//       plays N hands (100000 by default) with a seeded player and checks
//       the table after every handler; --dump writes PREFIX.values and
//       PREFIX.actions, the two files of a replay of the run.
//   soak --values FILE --actions FILE [--trace FILE] [--no-checks]
//       replays a run: the random values and the player's actions of the
//       files, in order; the face timers never tick.
// Exits with 0 when the run went through, 1 on a breach or an error.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "common/etat.h"
#include "hasards.h"
#include "hors_ecran.h"
#include "pilote.h"
#include "platform/minuterie.h"

namespace {

struct Arguments {
    std::string graine, coups = "100000", trace, dump, valeurs, actions;
    bool verifications = true;
};

int Usage(const char* erreur) {
    std::fprintf(stderr,
                 "soak: %s\n"
                 "usage: soak [--seed N] [--hands N] [--trace FILE] [--dump PREFIX] [--no-checks]\n"
                 "       soak --values FILE --actions FILE [--trace FILE] [--no-checks]\n",
                 erreur);
    return 2;
}

double Part(long n, long sur) { return sur > 0 ? 100.0 * double(n) / double(sur) : 0.0; }

void Rapport(const Pilote& pilote) {
    const Bilan& b = pilote.Compte();
    const auto part = [&b](double s) { return b.secondes > 0 ? 100 * s / b.secondes : 0.0; };
    const double driver = b.secondes - b.secondesJeu - b.secondesVerifications;
    std::printf("%ld hands in %.1f s: %.0f hands/s (the game %.0f%%, the checks %.0f%%, the driver %.0f%%)\n",
                b.coups, b.secondes, b.secondes > 0 ? b.coups / b.secondes : 0.0, part(b.secondesJeu),
                part(b.secondesVerifications), part(driver));
    std::printf("%ld games started, %ld finished, %ld abandoned for a new one; %ld actions\n",
                b.parties, b.partiesFinies, b.partiesAbandonnees, b.actions);
    const char* niveaux[] = {"easy", "medium", "hard"};
    for (int n = 0; n < 3; ++n)
        std::printf("tournaments %-6s: %ld started, %ld won, %ld lost\n", niveaux[n], b.tournois[n],
                    b.tournoisGagnes[n], b.tournoisPerdus[n]);
    const char* persos[] = {"", "cowboy", "mexican", "girl"};
    for (int p = 1; p <= 3; ++p)
        std::printf("opponent %-7s: won %ld of %ld games (%.1f%%), took %ld of %ld pots (%.1f%%)\n",
                    persos[p], b.gagneesCowboy[p], b.finies[p], Part(b.gagneesCowboy[p], b.finies[p]),
                    b.potsCowboy[p], b.pots[p], Part(b.potsCowboy[p], b.pots[p]));
    std::printf("hands ended by a fold %.1f%%, two passes %.1f%%, a showdown %.1f%% "
                "(%ld, %ld, %ld; the rest cut short by a new game)\n",
                Part(b.couches, b.coups), Part(b.passes, b.coups), Part(b.abattages, b.coups),
                b.couches, b.passes, b.abattages);
}

}  // namespace

int main(int argc, char** argv) {
    ApplicationHorsEcran app(argc, argv);

    Arguments a;
    for (int i = 1; i < argc; ++i) {
        const std::string opt = argv[i];
        if (opt == "--no-checks") {
            a.verifications = false;
            continue;
        }
        std::string* cible = opt == "--seed"      ? &a.graine
                             : opt == "--hands"   ? &a.coups
                             : opt == "--trace"   ? &a.trace
                             : opt == "--dump"    ? &a.dump
                             : opt == "--values"  ? &a.valeurs
                             : opt == "--actions" ? &a.actions
                                                  : nullptr;
        if (!cible) return Usage(("unknown option " + opt).c_str());
        if (++i >= argc) return Usage(("no value after " + opt).c_str());
        *cible = argv[i];
    }
    const bool rejeu = !a.valeurs.empty() || !a.actions.empty();
    if (rejeu && (a.valeurs.empty() || a.actions.empty()))
        return Usage("a replay takes both --values and --actions");

    std::ofstream trace;
    OptionsPilote options;
    options.verifications = a.verifications;
    if (!a.trace.empty()) {
        trace.open(a.trace, std::ios::binary);
        if (!trace) return Usage(("cannot write " + a.trace).c_str());
        options.trace = &trace;
    }

    if (rejeu) {
        std::ifstream valeurs(a.valeurs), actions(a.actions);
        if (!valeurs) return Usage(("cannot read " + a.valeurs).c_str());
        if (!actions) return Usage(("cannot read " + a.actions).c_str());
        HasardFichier hasard(valeurs);
        if (!hasard.Erreur().empty()) {
            std::fprintf(stderr, "soak: %s\n", hasard.Erreur().c_str());
            return 1;
        }
        // The faces keep their intervals but never move: the run depends on
        // the two files alone.
        Minuterie::Suspend(true);
        ScriptActions script(actions);
        options.erreurHasard = [&hasard] { return hasard.Erreur(); };
        Pilote pilote(script, options);
        const bool ok = pilote.Joue();
        Rapport(pilote);
        std::printf("%zu random values drawn, %zu left\n", hasard.Tires(), hasard.Restants());
        if (!ok) {
            std::fprintf(stderr, "soak: replay stopped at actions line %d: %s\nlast actions:\n%s",
                         script.Ligne(), pilote.Arret().c_str(), pilote.DernieresActions().c_str());
            return 1;
        }
        return 0;
    }

    char* fin = nullptr;
    const uint64_t graine = a.graine.empty() ? GraineAuHasard() : std::strtoull(a.graine.c_str(), &fin, 10);
    const long coups = std::strtol(a.coups.c_str(), nullptr, 10);
    if ((!a.graine.empty() && (!fin || *fin)) || coups <= 0) return Usage("--seed and --hands take whole numbers");

    std::ofstream journalValeurs, journalActions;
    if (!a.dump.empty()) {
        journalValeurs.open(a.dump + ".values", std::ios::binary);
        journalActions.open(a.dump + ".actions", std::ios::binary);
        if (!journalValeurs || !journalActions) return Usage(("cannot write " + a.dump + ".*").c_str());
        options.journalActions = &journalActions;
    }
    std::printf("soak: seed %llu, %ld hands\n", static_cast<unsigned long long>(graine), coups);
    std::fflush(stdout);
    HasardGraine hasard(graine, a.dump.empty() ? nullptr : &journalValeurs);
    Politique politique(graine, coups);
    Pilote pilote(politique, options);
    const bool ok = pilote.Joue();
    Rapport(pilote);
    if (!ok) {
        std::fprintf(stderr,
                     "soak: seed %llu, hand %ld (hand %d of its game): %s\nlast actions:\n%s",
                     static_cast<unsigned long long>(graine), pilote.Compte().coups,
                     int(EtatDuJeu().partie.NbCoups), pilote.Arret().c_str(),
                     pilote.DernieresActions().c_str());
        std::fprintf(stderr, "replay it: soak --seed %llu --hands %ld --dump breach, then\n"
                             "           soak --values breach.values --actions breach.actions\n",
                     static_cast<unsigned long long>(graine), coups);
        return 1;
    }
    return 0;
}
