#include <gtest/gtest.h>

#include "common/actions.h"
#include "common/etat.h"

TEST(Argent, CaptionsRoundTrip) {
    EXPECT_EQ(TexteArgent(400), "$400");
    EXPECT_EQ(TexteArgent(0), "$0");
    EXPECT_EQ(LitArgent("$400"), 400);
    EXPECT_EQ(LitArgent("$0"), 0);
    EXPECT_EQ(LitArgent(TexteArgent(-20)), -20);
}

TEST(Argent, MalformedCaptionsReadAsZero) {
    EXPECT_EQ(LitArgent(""), 0);
    EXPECT_EQ(LitArgent("$"), 0);
    EXPECT_EQ(LitArgent("$12x"), 0);
}

TEST(Actions, KindAndAmount) {
    EXPECT_EQ(GenreAction("BE50"), "BE");
    EXPECT_EQ(MontantAction("BE50"), 50);
    EXPECT_EQ(MontantAction("RA10"), 10);
    EXPECT_EQ(GenreAction("PA"), "PA");
    EXPECT_EQ(MontantAction("CA"), 0);
}

TEST(MarquesPaquet, MarksByValueAndSuitAndEmptying) {
    MarquesPaquet paquet;
    paquet(1, 1) = MarqueCarte::Cowboy;
    paquet(13, 4) = MarqueCarte::Player;
    EXPECT_EQ(paquet(1, 1), MarqueCarte::Cowboy);
    EXPECT_EQ(paquet(13, 4), MarqueCarte::Player);
    EXPECT_EQ(paquet(13, 3), MarqueCarte::Libre);
    paquet.Vide();
    EXPECT_EQ(paquet(1, 1), MarqueCarte::Libre);
    EXPECT_EQ(paquet(13, 4), MarqueCarte::Libre);
}

TEST(Cartes, SuitOrderForTies) {
    EXPECT_GT(RangCouleur(4), RangCouleur(1));
    EXPECT_GT(RangCouleur(1), RangCouleur(3));
    EXPECT_GT(RangCouleur(3), RangCouleur(2));
}
