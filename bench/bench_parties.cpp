// Whole games on the real table, shown offscreen, every delay 0: the soak's
// seeded player and driver without their checks, so that only the game and
// its drawing are timed. Prints hands per second, run by run, and the median.
//   QT_QPA_PLATFORM=offscreen ./bench_parties [hands [seed [runs]]]
// With BENCH_PEINTURES=1 in the environment it also prints, per hand, the
// paint events each control received and the passes that painted.
#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "hasards.h"
#include "pilote.h"
#include "platform/polices.h"
#include "render/form1.h"

namespace {

// Paint events per control, and paint passes of the table window.
class Compteur : public QObject {
public:
    Compteur() { qApp->installEventFilter(this); }
    ~Compteur() override { qApp->removeEventFilter(this); }
    void Affiche(long mains) const {
        std::vector<std::pair<long, std::string>> v;
        for (const auto& [n, c] : comptes_) v.push_back({c, n});
        std::sort(v.rbegin(), v.rend());
        for (const auto& [c, n] : v) std::printf("  %8.2f %s\n", double(c) / mains, n.c_str());
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            ++comptes_["paint " + Nom(o)];
        else if (e->type() == QEvent::UpdateRequest)
            ++comptes_["pass (update request)"];
        return false;
    }

private:
    // The table's named controls by name, the others by their parent's.
    static std::string Nom(const QObject* o) {
        auto* f = static_cast<Form1*>(FenetreTable::Instance());
        if (!f) return "?";
        const std::pair<const QObject*, const char*> noms[] = {
            {f, "Form1"}, {f->Table, "Table"}, {f->Card1, "Card"}, {f->Card2, "Card"},
            {f->Card3, "Card"}, {f->Card4, "Card"}, {f->Card5, "Card"},
            {f->CowboyGame, "CowboyGame"}, {f->PlayerMoneyBar, "PlayerMoneyBar"},
            {f->CowboyMoneyBar, "CowboyMoneyBar"}, {f->PotMoneyBar, "PotMoneyBar"},
            {f->PileBilletsPlayer, "PileBilletsPlayer"}, {f->PileBilletsCowboy, "PileBilletsCowboy"},
            {f->FenetrePot, "FenetrePot"}, {f->Bobble, "Bobble"}, {f->Say, "Say"},
            {f->FenetreMains, "FenetreMains"}, {f->FenetreVisage, "FenetreVisage"}};
        for (auto [w, n] : noms)
            if (w == o) return n;
        for (auto [w, n] : noms)
            if (w == o->parent()) return std::string("child of ") + n;
        for (auto [w, n] : noms)
            if (o->parent() && w == o->parent()->parent()) return std::string("grandchild of ") + n;
        return o->metaObject()->className();
    }
    std::map<std::string, long> comptes_;
};

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    PolicesAuDemarrage();
    const long mains = argc > 1 ? std::atol(argv[1]) : 5000;
    const uint64_t graine = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 2024;
    const int tours = argc > 3 ? std::atoi(argv[3]) : 3;
    std::vector<double> debits;
    for (int t = 0; t < tours; ++t) {
        std::unique_ptr<Compteur> compteur;
        if (qEnvironmentVariableIntValue("BENCH_PEINTURES")) compteur = std::make_unique<Compteur>();
        HasardGraine hasard(graine + t);
        Politique politique(graine + t, mains);
        OptionsPilote options;
        options.verifications = false;
        Pilote pilote(politique, options);
        if (!pilote.Joue()) {
            std::fprintf(stderr, "bench_parties: %s\n", pilote.Arret().c_str());
            return 1;
        }
        const Bilan& b = pilote.Compte();
        debits.push_back(double(b.coups) / b.secondes);
        std::printf("run %d: %ld hands, %ld games in %.2f s: %.0f hands/s\n", t + 1, b.coups,
                    b.parties, b.secondes, debits.back());
        if (compteur) compteur->Affiche(b.coups);
    }
    std::sort(debits.begin(), debits.end());
    std::printf("median: %.0f hands/s\n", debits[debits.size() / 2]);
    return 0;
}
