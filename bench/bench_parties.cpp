// Whole games on the real table, shown offscreen, every delay 0: a seeded
// player clicks at random among the actions offered, as the whole-game test
// does, and answers every showdown's OK. Prints hands per second.
//   QT_QPA_PLATFORM=offscreen ./bench_parties [hands [seed [runs]]]
// With BENCH_PEINTURES=1 in the environment it also prints, per hand, the
// paint events each control received and the passes that painted.
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <random>
#include <vector>

#include "common/etat.h"
#include "common/hasard.h"
#include "platform/fenetre_table.h"
#include "render/form1.h"
#include "shell/demarrage.h"
#include "table/jeu.h"
#include "table/offre.h"

namespace {

// Paint events per control, and paint passes of the table window.
class Compteur : public QObject {
public:
    explicit Compteur(Form1& f) {
        const std::pair<QWidget*, const char*> noms[] = {
            {f.Table, "Table"}, {f.Card1, "Card1"}, {f.Card2, "Card2"}, {f.Card3, "Card3"},
            {f.Card4, "Card4"}, {f.Card5, "Card5"}, {f.CowboyGame, "CowboyGame"},
            {f.PlayerMoneyBar, "PlayerMoneyBar"}, {f.CowboyMoneyBar, "CowboyMoneyBar"},
            {f.PotMoneyBar, "PotMoneyBar"}, {f.PileBilletsPlayer, "PileBilletsPlayer"},
            {f.PileBilletsCowboy, "PileBilletsCowboy"}, {f.FenetrePot, "FenetrePot"},
            {f.Bobble, "Bobble"}, {f.Say, "Say"}, {f.FenetreMains, "FenetreMains"},
            {f.FenetreVisage, "FenetreVisage"}, {&f, "Form1"}};
        for (auto [w, n] : noms) noms_[w] = n;
        qApp->installEventFilter(this);
    }
    ~Compteur() override { qApp->removeEventFilter(this); }
    void Affiche(int mains) const {
        std::vector<std::pair<long, std::string>> v;
        for (const auto& [n, c] : comptes_) v.push_back({c, n});
        std::sort(v.rbegin(), v.rend());
        for (const auto& [c, n] : v) std::printf("  %8.2f %s\n", double(c) / mains, n.c_str());
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            auto i = noms_.find(o);
            std::string n = i != noms_.end() ? i->second : o->metaObject()->className();
            if (i == noms_.end() && o->parent()) {
                auto j = noms_.find(o->parent());
                if (j != noms_.end()) n += " in " + j->second;
            }
            ++comptes_["paint " + n];
        } else if (e->type() == QEvent::UpdateRequest) {
            ++comptes_["pass (update request)"];
        }
        return false;
    }

private:
    std::map<const QObject*, std::string> noms_;
    std::map<std::string, long> comptes_;
};

struct Resultat {
    int mains = 0, parties = 0;
    double secondes = 0;
};

Resultat Joue(int mains, uint64_t graine) {
    EtatDuJeu() = Etat{};
    Reglages& r = EtatDuJeu().reglages;
    r.DelayCard = r.DelayTurn = r.DelayBill = 0;
    r.LangueChoisie = "UK";
    r.PremierJoueur = 2;
    HasardHorloge hasard(graine);
    InstalleHasard(&hasard);
    std::mt19937 joueur(static_cast<uint32_t>(graine));
    auto choisit = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(joueur); };

    Form1 f;
    DisposeTable(f);
    Jeu* jeu = new Jeu(f, ServicesJeu{[&] {
                                          // The set-up dialog's OK with a random opponent.
                                          Reglages& g = EtatDuJeu().reglages;
                                          g.ChoixCowboy = static_cast<int16_t>(1 + choisit(3));
                                          g.Skill = choisit(101);
                                          g.Emotion = choisit(101);
                                          g.Bluff = choisit(101);
                                          g.Risk = static_cast<int16_t>(choisit(101));
                                          g.ArgentDepart = static_cast<int16_t>(100 * (3 + choisit(3)));
                                          EtatDuJeu().partie.ModeTournoi = false;
                                          EtatDuJeu().partie.ReglagesSauves = false;
                                      },
                                      [] {}});
    f.SurClic(f.MenuEnter, [jeu] { jeu->MenuEnter_Click(); }, Acces::PendantAttenteOK);
    f.SurClic(f.TournEasy, [jeu] { jeu->TournEasy_Click(); }, Acces::PendantAttenteOK);
    f.SurClic(f.TournMed, [jeu] { jeu->TournMed_Click(); }, Acces::PendantAttenteOK);
    f.SurClic(f.TournHard, [jeu] { jeu->TournHard_Click(); }, Acces::PendantAttenteOK);
    f.show();
    if (!QTest::qWaitForWindowExposed(&f)) std::fprintf(stderr, "table not exposed\n");

    auto clique = [&](const Picture& w) {
        QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {},
                          f.Table->mapTo(&f, w.geometry().center()));
    };
    // OK at every showdown, and the box that closes a won tournament.
    QTimer ok;
    ok.setInterval(0);
    QObject::connect(&ok, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->accept();
            return;
        }
        if (PorteeAttenteOK::EnCours() && !f.TrameOK->isVisible()) clique(*f.BtnOKUp);
    });
    ok.start();

    std::unique_ptr<Compteur> compteur;
    if (qEnvironmentVariableIntValue("BENCH_PEINTURES")) compteur = std::make_unique<Compteur>(f);

    Resultat res;
    const auto debut = std::chrono::steady_clock::now();
    while (res.mains < mains) {
        const int avant = EtatDuJeu().partie.NbCoups;
        const std::vector<BoutonTable> offerts = BoutonsOfferts(f);
        if (offerts.empty()) {
            switch (choisit(4)) {
            case 0: f.TournEasy->trigger(); break;
            case 1: f.TournMed->trigger(); break;
            case 2: f.TournHard->trigger(); break;
            default: f.MenuEnter->trigger(); break;
            }
            ++res.parties;
        } else {
            const BoutonTable b = offerts[choisit(static_cast<int>(offerts.size()))];
            if (b == BoutonTable::Draw)
                for (int i = 0; i < 5; ++i)
                    if (CarteCliquable(f, i) && choisit(2)) clique(*f.Cards[i]);
            clique(BoutonUp(f, b));
        }
        // A tournament counts its hands from 0.
        const int apres = EtatDuJeu().partie.NbCoups;
        res.mains += apres >= avant ? apres - avant : apres;
    }
    res.secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    if (compteur) compteur->Affiche(res.mains);
    InstalleHasard(nullptr);
    return res;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int mains = argc > 1 ? std::atoi(argv[1]) : 5000;
    const uint64_t graine = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 2024;
    const int tours = argc > 3 ? std::atoi(argv[3]) : 3;
    std::vector<double> debits;
    for (int t = 0; t < tours; ++t) {
        const Resultat r = Joue(mains, graine + t);
        debits.push_back(r.mains / r.secondes);
        std::printf("run %d: %d hands, %d games in %.2f s: %.0f hands/s\n", t + 1, r.mains,
                    r.parties, r.secondes, debits.back());
    }
    std::sort(debits.begin(), debits.end());
    std::printf("median: %.0f hands/s\n", debits[debits.size() / 2]);
    return 0;
}
