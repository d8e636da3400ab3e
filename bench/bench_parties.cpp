// Whole games on the real table, shown offscreen, every delay 0: the soak's
// seeded player and driver without their checks, so that only the game and
// its drawing are timed. Prints hands per second, run by run, and the median.
//   QT_QPA_PLATFORM=offscreen ./bench_parties [hands [seed [runs]]]
// In the environment:
//   BENCH_PEINTURES=1  also prints, per hand, the paint events each control
//                      received, the passes that painted, and the controls
//                      hidden and shown again (or the reverse) between two
//                      passes, which nobody could see and Qt still repaints;
//   BENCH_SANS_TICS=1  the face timers never tick, so that two runs of a seed
//                      do the same work (for instruction counts under
//                      valgrind --tool=callgrind).

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "hasards.h"
#include "hors_ecran.h"
#include "pilote.h"
#include "platform/minuterie.h"
#include "render/form1.h"

namespace {

// Paint events per control, passes of the table window, and churn.
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
        switch (e->type()) {
        case QEvent::Paint:
            ++comptes_["paint " + Nom(o)];
            break;
        case QEvent::UpdateRequest:
            ++comptes_["pass"];
            for (const auto& [w, n] : bascules_)
                if (n >= 2) ++comptes_["hidden and shown between passes: " + Nom(w)];
            bascules_.clear();
            break;
        case QEvent::Show:
        case QEvent::Hide:
            if (o->isWidgetType()) ++bascules_[o];
            break;
        default:
            break;
        }
        return false;
    }

private:
    // The table's named controls by name, the others by their place.
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
            {f->FenetreMains, "FenetreMains"}, {f->FenetreVisage, "FenetreVisage"},
            {f->TrameDraw, "TrameDraw"}, {f->TrameCall, "TrameCall"}, {f->TrameFold, "TrameFold"},
            {f->TrameCheck, "TrameCheck"}, {f->TramePass, "TramePass"}, {f->TrameOK, "TrameOK"},
            {&f->TramePlaque[0], "TramePlaque(0)"}, {&f->TramePlaque[1], "TramePlaque(1)"},
            {&f->TramePlaque[2], "TramePlaque(2)"}, {&f->TramePlaque[6], "TramePlaque(6)"},
            {&f->TramePlaque[7], "TramePlaque(7)"}};
        for (auto [w, n] : noms)
            if (w == o) return n;
        auto* w = qobject_cast<const QWidget*>(o);
        if (w && o->parent() == f->Table)
            return "control at " + std::to_string(w->x()) + "," + std::to_string(w->y()) + " " +
                   std::to_string(w->width()) + "x" + std::to_string(w->height());
        for (auto [p, n] : noms)
            if (p == o->parent()) return std::string("label of ") + n;
        return o->metaObject()->className();
    }
    std::map<std::string, long> comptes_;
    std::map<const QObject*, int> bascules_;
};

}  // namespace

int main(int argc, char** argv) {
    ApplicationHorsEcran app(argc, argv);
    const long mains = argc > 1 ? std::atol(argv[1]) : 5000;
    const uint64_t graine = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 2024;
    const int tours = argc > 3 ? std::atoi(argv[3]) : 3;
    if (qEnvironmentVariableIntValue("BENCH_SANS_TICS")) Minuterie::Suspend(true);
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
