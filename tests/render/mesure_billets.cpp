// Cost of the money drawing with every delay at 0, on a shown table (the
// offscreen platform unless told otherwise). Not a test: prints microseconds
// per call. mesure_billets [iterations]
#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "common/etat.h"
#include "render/form1.h"

namespace {

// Mean time of `op` in microseconds; `avant` (not timed) resets the state,
// and the events the call left pending are handled after it, also timed
// apart.
void Mesure(const char* nom, int n, const std::function<void()>& avant,
            const std::function<void()>& op) {
    QElapsedTimer t;
    qint64 ns = 0, nsPompe = 0;
    for (int i = 0; i < n; ++i) {
        avant();
        t.start();
        op();
        ns += t.nsecsElapsed();
        t.start();
        QApplication::processEvents();
        nsPompe += t.nsecsElapsed();
    }
    std::printf("%-28s %8.1f us per call, %6.1f us of pending repaints after it\n", nom,
                ns / 1000.0 / n, nsPompe / 1000.0 / n);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 2000;
    Etat& e = EtatDuJeu();
    e.reglages.DelayBill = e.reglages.DelayCard = e.reglages.DelayTurn = 0;
    Form1 f;
    for (Picture* w : {f.PileBilletsPlayer, f.PileBilletsCowboy, f.FenetrePot, f.PlayerMoneyBar,
                       f.CowboyMoneyBar, f.PotMoneyBar})
        f.RecopieTable(*w);
    f.show();
    QApplication::processEvents();
    e.argent = {.cowboy = 400, .player = 400, .pot = 0};
    f.ConstruitPiles();

    // Each call starts from a pile that shows the amount, as in play: the
    // opposite move, untimed, brings it back.
    Mesure("payment of $50 from $400", n, [&] { if (e.argent.player < 400) f.AffBilletsPlayer(50, "+"); },
           [&] { f.AffBilletsPlayer(50, "-"); });
    Mesure("payment of $10 from $400", n, [&] { if (e.argent.player < 400) f.AffBilletsPlayer(10, "+"); },
           [&] { f.AffBilletsPlayer(10, "-"); });
    Mesure("gain of $200 on $200", n, [&] { if (e.argent.player > 200) f.AffBilletsPlayer(200, "-"); },
           [&] { f.AffBilletsPlayer(200, "+"); });
    // The first payment of a game draws the whole pile.
    Mesure("payment of $10, pile redrawn", n,
           [&] {
               e.argent.player = 400;
               f.CopieTableSous(*f.PileBilletsPlayer);
           },
           [&] { f.AffBilletsPlayer(10, "-"); });
    Mesure("AddBilletsPot(5)", n, [] {}, [&] { f.AddBilletsPot(5); });
    return 0;
}
