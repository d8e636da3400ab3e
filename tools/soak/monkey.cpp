// monkey: random input on the real table, offscreen, for a given time.
//
//   monkey [--seconds N] [--seed N] [--watchdog S] [--step MS]
//       sends random clicks, menu items, dialog changes and keys for N
//       seconds (60 by default), then closes the table; S is the watchdog's
//       margin in seconds (5), MS the longest pause between two inputs (12).
// Exits with 0 when the run went through, 1 on a fault (a breach, a hang, a
// dialog that misbehaves), 2 on bad arguments.
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <execinfo.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "chien_de_garde.h"
#include "hasards.h"
#include "hors_ecran.h"
#include "pilote.h"
#include "singe.h"

namespace {

int Usage(const char* erreur) {
    std::fprintf(stderr,
                 "monkey: %s\n"
                 "usage: monkey [--seconds N] [--seed N] [--watchdog SECONDS] [--step MS]\n",
                 erreur);
    return 2;
}

bool Nombre(const std::string& t, double& v) {
    char* fin = nullptr;
    v = std::strtod(t.c_str(), &fin);
    return !t.empty() && fin && !*fin && v >= 0;
}

uint64_t g_graine = 0;
ChienDeGarde* g_garde = nullptr;

#if !defined(__SANITIZE_ADDRESS__)
// A crash: the seed, the stack and the last inputs, as far as a dying
// process can tell them, then the signal's own end.
void SurPlantage(int signal) {
    char t[96];
    const int n = std::snprintf(t, sizeof t, "monkey: seed %llu, crashed (signal %d)\n",
                                static_cast<unsigned long long>(g_graine), signal);
    (void)!write(2, t, n);
    void* pile[64];
    backtrace_symbols_fd(pile, backtrace(pile, 64), 2);
    if (g_garde) {
        const std::string dernieres = "last inputs:\n" + g_garde->DernieresSiLibres();
        (void)!write(2, dernieres.data(), dernieres.size());
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
#endif

// The settings file of the folder the run started in, as it was.
std::string Empreinte() {
    const QFileInfo ini(QDir::current().filePath(QStringLiteral("quarvelin.ini")));
    if (!ini.exists()) return "none";
    return std::to_string(ini.size()) + " " + ini.lastModified().toString(Qt::ISODateWithMs).toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    ApplicationHorsEcran app(argc, argv);

    double secondes = 60, marge = 5, pas = 12, graineLue = -1;
    std::string graineTexte;
    for (int i = 1; i < argc; ++i) {
        const std::string opt = argv[i];
        if (++i >= argc) return Usage(("no value after " + opt).c_str());
        const std::string valeur = argv[i];
        double* cible = opt == "--seconds" ? &secondes : opt == "--watchdog" ? &marge : opt == "--step" ? &pas
                        : opt == "--seed" ? &graineLue : nullptr;
        if (!cible) return Usage(("unknown option " + opt).c_str());
        if (!Nombre(valeur, *cible)) return Usage((opt + " takes a number").c_str());
        if (cible == &graineLue) graineTexte = valeur;
    }
    if (pas < 1) return Usage("--step takes at least 1 ms");
#if defined(__SANITIZE_ADDRESS__)
    // Every memory access checked: the drawing is several times slower.
    marge *= 4;
#endif
    const uint64_t graine = graineTexte.empty() ? GraineAuHasard() : std::strtoull(graineTexte.c_str(), nullptr, 10);

    QTemporaryDir dossier;
    if (!dossier.isValid()) return Usage("no temporary folder for the settings");
    const std::string avant = Empreinte();

    std::printf("monkey: seed %llu, %.0f s\n", static_cast<unsigned long long>(graine), secondes);
    std::fflush(stdout);
    // The game's draws come from the seed; when the inputs land depends on
    // the clock, so a seed names a run rather than replays it.
    HasardGraine hasard(graine);
    ChienDeGarde garde(marge, [graine](const std::string& pourquoi, const std::string& dernieres) {
        std::fprintf(stderr, "monkey: seed %llu, %s\nlast inputs:\n%s",
                     static_cast<unsigned long long>(graine), pourquoi.c_str(), dernieres.c_str());
        std::fflush(stderr);
        // The main thread is stuck: nothing else can end the run.
        std::_Exit(1);
    });

    g_graine = graine;
    g_garde = &garde;
#if !defined(__SANITIZE_ADDRESS__)
    // The sanitizers report crashes themselves.
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) std::signal(signal, SurPlantage);
#endif

    OptionsSinge options;
    options.graine = graine;
    options.secondes = secondes;
    options.pasMax = static_cast<int>(pas);
    options.dossier = dossier.path().toStdString();
    Singe singe(options, garde);
    const bool ok = singe.Joue();
    garde.Arrete();
    g_garde = nullptr;

    const BilanSinge& b = singe.Compte();
    std::printf("%ld inputs in %.1f s (%ld clicks, %ld keys, %ld close boxes), %ld menu items clicked\n",
                b.entrees, b.secondes, b.clics, b.touches, b.fermetures, b.elements);
    std::printf("%ld handlers run; %ld tables, %ld closed (by the close box %ld times during a wait, "
                "%ld during the OK wait); %ld games started, %ld finished; %ld hands\n",
                b.handlers, b.tables, b.tablesFermees, b.fermeturesEnAttente, b.fermeturesAttenteOK,
                b.parties, b.finies, b.coups);
    std::printf("%ld dialogs opened:", b.dialogues);
    for (const auto& [genre, n] : b.parGenre) std::printf(" %s %ld,", genre.c_str(), n);
    std::printf(" help windows %ld, links %ld\n", b.aides, b.liens);
    std::printf("%ld checks where the flow waited for the player; inputs nested %d deep at most\n",
                b.verifications, b.profondeurMax);

    std::string faute = singe.Faute();
    if (faute.empty() && Empreinte() != avant) faute = "the settings file of the current folder was written";
    if (!faute.empty()) {
        std::printf("1 fault\n");
        std::fprintf(stderr, "monkey: seed %llu, after %.1f s: %s\nlast inputs:\n%s",
                     static_cast<unsigned long long>(graine), b.secondes, faute.c_str(),
                     garde.Dernieres().c_str());
        return 1;
    }
    std::printf("no fault\n");
    (void)ok;
    return 0;
}
