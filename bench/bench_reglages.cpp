// The settings file: what one save costs now that it reaches the disk
// (the new file flushed, renamed, the folder flushed), and one read. A save
// happens at start-up and after a few player actions, never per hand.
//   ./bench_reglages [--benchmark_min_time=2]
#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdlib.h>

#include "shell/fichier_ini.h"

namespace {

// A folder of its own beside the other temporary files, on the disk they use.
std::string Dossier() {
    std::string modele = std::filesystem::temp_directory_path() / "bench-reglages-XXXXXX";
    return std::string(mkdtemp(modele.data())) + "/";
}

void Sauvegarde(benchmark::State& state) {
    Reglages r;
    r.Chemin = Dossier();
    r.LangueChoisie = "FR";
    for (auto _ : state) SaveFichierINI(r, Partie{});
    std::filesystem::remove_all(r.Chemin);
}
BENCHMARK(Sauvegarde)->Unit(benchmark::kMillisecond);

void Lecture(benchmark::State& state) {
    Reglages r;
    r.Chemin = Dossier();
    SaveFichierINI(r, Partie{});
    for (auto _ : state) ChargeFichierINI(r);
    std::filesystem::remove_all(r.Chemin);
}
BENCHMARK(Lecture)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
