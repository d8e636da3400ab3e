#include <gtest/gtest.h>

#include "rules/grosse_paire.h"
#include "support/hasard_script.h"

namespace {

Main Cartes(int16_t a, int16_t b, int16_t c, int16_t d, int16_t e) {
    return Main{{{a, 1}, {b, 2}, {c, 3}, {d, 4}, {e, 1}}};
}

}  // namespace

TEST(GrossePaire, HighPairsAlwaysCountWhateverTheDraw) {
    {
        HasardScript script{R(99)};  // first draw fails: no second one
        EXPECT_TRUE(GrossePaire(Cartes(12, 3, 12, 7, 5), 0, 0));
    }
    {
        HasardScript script{R(99)};
        EXPECT_TRUE(GrossePaire(Cartes(1, 1, 9, 1, 4), 0, 0));
    }
    {
        HasardScript script{R(99)};
        EXPECT_TRUE(GrossePaire(Cartes(6, 13, 2, 13, 4), 0, 500));
    }
}

TEST(GrossePaire, SevensAndBelowNeverCount) {
    HasardScript script{R(0), R(0)};
    EXPECT_FALSE(GrossePaire(Cartes(7, 7, 2, 3, 4), 100, 500));
}

TEST(GrossePaire, JacksAndTensNeedTheFirstDrawUnderRisk) {
    {
        HasardScript script{R(99), R(99)};  // Risk 100: every draw succeeds
        EXPECT_TRUE(GrossePaire(Cartes(11, 4, 11, 2, 6), 100, 0));
    }
    {
        // Risk 0: only a draw of 0 succeeds
        HasardScript script{R(0), R(50)};
        EXPECT_TRUE(GrossePaire(Cartes(10, 10, 3, 2, 6), 0, 0));
    }
    {
        HasardScript script{R(1)};
        EXPECT_FALSE(GrossePaire(Cartes(10, 10, 3, 2, 6), 0, 0));
    }
    {
        // a draw equal to Risk still succeeds
        HasardScript script{R(40), R(99)};
        EXPECT_TRUE(GrossePaire(Cartes(4, 11, 3, 11, 4), 40, 0));
    }
    {
        HasardScript script{R(41)};
        EXPECT_FALSE(GrossePaire(Cartes(4, 11, 3, 11, 4), 40, 0));
    }
}

TEST(GrossePaire, NinesAndEightsNeedBothDrawsAndMoreThanAHundred) {
    {
        HasardScript script{R(99), R(99)};
        EXPECT_TRUE(GrossePaire(Cartes(9, 2, 9, 5, 6), 100, 101));
    }
    {
        HasardScript script{R(99), R(99)};
        EXPECT_FALSE(GrossePaire(Cartes(9, 2, 9, 5, 6), 100, 100));
    }
    {
        HasardScript script{R(0), R(0)};
        EXPECT_TRUE(GrossePaire(Cartes(8, 8, 3, 5, 6), 0, 200));
    }
    {
        HasardScript script{R(0), R(1)};
        EXPECT_FALSE(GrossePaire(Cartes(8, 8, 3, 5, 6), 0, 200));
    }
    {
        HasardScript script{R(1)};  // the first draw fails: no second one
        EXPECT_FALSE(GrossePaire(Cartes(8, 8, 3, 5, 6), 0, 200));
    }
}

TEST(GrossePaire, OnePairOfTwoIsEnough) {
    HasardScript script{R(30), R(90)};
    EXPECT_TRUE(GrossePaire(Cartes(11, 4, 4, 11, 2), 50, 300));
}
