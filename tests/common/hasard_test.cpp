#include <gtest/gtest.h>

#include <set>

#include "common/hasard.h"
#include "support/hasard_script.h"

TEST(Hasard, GeneratorStaysInUnitIntervalAndSpreadsEvenly) {
    HasardHorloge generateur(12345);
    int bandes[10] = {};
    for (int i = 0; i < 200000; ++i) {
        const double u = generateur.Rnd();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        ++bandes[static_cast<int>(u * 10)];
    }
    for (int n : bandes) EXPECT_NEAR(n, 20000, 800);
}

TEST(Hasard, IntegerDrawTakesTheIntegerPartPlusTheLowest) {
    HasardScript script{0.0, 0.999999, 0.5, 0.0769, 0.0770, 0.99};
    EXPECT_EQ(Tirage(100), 0);
    EXPECT_EQ(Tirage(100), 99);
    EXPECT_EQ(Tirage(4, 1), 3);
    EXPECT_EQ(Tirage(13, 1), 1);   // 0.0769 * 13 = 0.9997
    EXPECT_EQ(Tirage(13, 1), 2);   // 0.0770 * 13 = 1.001
    EXPECT_EQ(Tirage100(), 99);
}

// Runs started at the same instant read the same clocks: seeded back to
// back, a thousand generators must still start a thousand different ways.
TEST(Hasard, SeedingGivesEveryRunItsOwnSequence) {
    std::set<double> premiers;
    for (int i = 0; i < 1000; ++i) {
        SemeHasard();
        premiers.insert(Rnd());
    }
    EXPECT_EQ(premiers.size(), 1000u);
}

TEST(Hasard, ScriptReplacesTheRunsSourceOnlyWhileItLives) {
    {
        HasardScript script{0.25};
        EXPECT_EQ(Rnd(), 0.25);
    }
    std::set<double> vus;
    for (int i = 0; i < 5; ++i) vus.insert(Rnd());
    EXPECT_EQ(vus.size(), 5u);
}

TEST(Hasard, ScriptHelpersGiveTheWantedDraws) {
    HasardScript script;
    for (int r : {0, 1, 50, 98, 99}) script.AjouteR(r);
    script.Ajoute(ValeurPour(3, 4));
    for (int r : {0, 1, 50, 98, 99}) EXPECT_EQ(Tirage100(), r);
    EXPECT_EQ(Tirage(4), 3);
    EXPECT_EQ(script.Restants(), 0u);
}
