// The random-input run's watchdog: it tells a stuck handler and a stopped
// event loop from a flow that waits for the player, however long, and its
// allowance follows the delays in force.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "chien_de_garde.h"
#include "common/etat.h"

namespace {

using namespace std::chrono_literals;

Reglages Delais(int16_t carte, int16_t tour, int16_t billet) {
    Reglages r;
    r.DelayCard = carte;
    r.DelayTurn = tour;
    r.DelayBill = billet;
    return r;
}

Releve Occupe(double maintenant, double dernierLibre, double duree) {
    Releve r;
    r.maintenant = r.dernierSignal = maintenant;
    r.dernierLibre = dernierLibre;
    r.occupe = true;
    r.duree = duree;
    return r;
}

TEST(ChienDeGarde, AHandlerIsOverdueOnlyPastItsAllowanceAndTheMargin) {
    // Due 4 s after the flow last waited for the player, 5 s of margin.
    EXPECT_EQ(Verdict(Occupe(108.9, 100, 4), 5), "");
    EXPECT_EQ(Verdict(Occupe(109.5, 100, 4), 5),
              "hang: no handler has returned for 9.5 s (due within 4.0 s with the delays in force)");
    // A flow that waits for the player is never overdue.
    Releve libre = Occupe(500, 0, 4);
    libre.occupe = false;
    EXPECT_EQ(Verdict(libre, 5), "");
    // Whatever the flow, the event loop must go on.
    libre.dernierSignal = 494;
    EXPECT_EQ(Verdict(libre, 5), "hang: the event loop has handled nothing for 6.0 s");
}

TEST(ChienDeGarde, TheAllowanceFollowsTheDelays) {
    const double rapides = DureeHandler(Delais(1, 1, 1));
    const double lents = DureeHandler(Delais(230, 1500, 5));
    EXPECT_GT(rapides, 3.0);
    EXPECT_LT(rapides, 4.0);
    // The defaults: a dozen turns of 1.5 s alone are 18 s.
    EXPECT_GT(lents, 18.0 + 3.0);
    // Two piles of 50 bills and a pot of 100: each bill's wait counts.
    EXPECT_GT(DureeHandler(Delais(0, 0, 20)) - DureeHandler(Delais(0, 0, 0)), 200 * 0.020);
    EXPECT_EQ(DureeHandler(Delais(-5, -5, -5)), DureeHandler(Delais(0, 0, 0)));
}

TEST(ChienDeGarde, FailsTheRunWhenNoHandlerReturnsAndNamesTheLastInputs) {
    std::atomic<bool> echoue = false;
    std::string pourquoi, dernieres;
    ChienDeGarde garde(0.2, [&](const std::string& p, const std::string& d) {
        pourquoi = p;
        dernieres = d;
        echoue = true;
    });
    garde.Note("click the table (10, 20) on BtnFoldUp");
    garde.Situation("handlers 1");
    garde.Libre();
    garde.Occupe(0.1);
    // The main thread goes on reporting, but nothing returns.
    for (int i = 0; i < 400 && !echoue; ++i) {
        garde.Occupe(0.1);
        std::this_thread::sleep_for(10ms);
    }
    ASSERT_TRUE(echoue);
    EXPECT_NE(pourquoi.find("hang: no handler has returned for "), std::string::npos) << pourquoi;
    EXPECT_NE(pourquoi.find("\nthe flow: handlers 1"), std::string::npos) << pourquoi;
    EXPECT_NE(dernieres.find("click the table (10, 20) on BtnFoldUp\n"), std::string::npos) << dernieres;
}

TEST(ChienDeGarde, KeepsQuietWhileTheFlowWaitsForThePlayer) {
    std::atomic<bool> echoue = false;
    ChienDeGarde garde(2.0, [&](const std::string&, const std::string&) { echoue = true; });
    // Busy and free in turn, each busy spell well within its allowance.
    const auto fin = std::chrono::steady_clock::now() + 600ms;
    for (bool occupe = false; std::chrono::steady_clock::now() < fin; occupe = !occupe) {
        if (occupe)
            garde.Occupe(0.05);
        else
            garde.Libre();
        std::this_thread::sleep_for(10ms);
    }
    garde.Arrete();
    EXPECT_FALSE(echoue);
}

}  // namespace
