// The settings file: what one save costs now that it reaches the disk
// (the new file flushed, renamed, the folder flushed), and one read: of the
// file the game writes, of a file whose lines end just within what the
// reader scans, and of a 4 GiB sparse file whose lines never end. A save
// happens at start-up and after a few player actions, never per hand; a
// read only at start-up. The files are in the page cache after the first
// read; a first read from the disk costs some 20 to 30 ms at the bound.
//   ./bench_reglages [--benchmark_min_time=2]
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <stdlib.h>
#include <unistd.h>

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

// One read of the file that `fait` lays in a folder of its own.
void Lecture(benchmark::State& state, void (*fait)(const Reglages&)) {
    Reglages r;
    r.Chemin = Dossier();
    fait(r);
    for (auto _ : state) ChargeFichierINI(r);
    std::filesystem::remove_all(r.Chemin);
}
void Ecrite(const Reglages& r) { SaveFichierINI(r, Partie{}); }
// The 34 lines written by the game, the first blank one stretched so that
// the 34th ends on the last byte scanned.
void ALaBorne(const Reglages& r) {
    std::string texte = TexteINI(r, Partie{});
    texte.insert(texte.find("\r\n \r\n") + 2, TailleMaxLectureINI + 1 - texte.size(), 'x');
    std::ofstream(r.Chemin + NomFichierINI, std::ios::binary) << texte;
}
void Zeros(const Reglages& r) {
    std::ofstream(r.Chemin + NomFichierINI, std::ios::binary).close();
    truncate((r.Chemin + NomFichierINI).c_str(), off_t(4) << 30);
}
BENCHMARK_CAPTURE(Lecture, ecrite, Ecrite)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Lecture, a_la_borne, ALaBorne)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Lecture, zeros_4_gio, Zeros)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
