#include <gtest/gtest.h>

#include "rules/choix_cartes.h"
#include "support/hasard_script.h"

namespace {

constexpr int16_t H = 1, C = 2, D = 3, S = 4;  // hearts, clubs, diamonds, spades

// The opponent's hand, dealt: its cards are marked in the deck.
struct MainCowboy {
    Main main;
    MarquesPaquet paquet;
    explicit MainCowboy(Main m) : main(m) {
        paquet.Vide();
        for (const Carte& c : main)
            if (c.valeur > 0) paquet(c.valeur, c.couleur) = MarqueCarte::Cowboy;
    }
};

// Runs the keep choice with the same blur values for every candidate.
Evaluation Choisit(const MainCowboy& d, int Skill, bool Limite, double u = 0.5) {
    HasardScript script;
    script.Ajoute(u, Limite ? 32 : 64);
    Evaluation ev;
    ChoixCartesCowboy(ev, d.paquet, d.main, Skill, Limite);
    return ev;
}

}  // namespace

TEST(ChoixCartesCowboy, DrawsTwoValuesForEveryCandidate) {
    const MainCowboy d(Main{{{2, H}, {9, C}, {5, D}, {13, S}, {11, H}}});
    {
        HasardScript script;
        script.Ajoute(0.5, 64);  // 32 keeps
        Evaluation ev;
        ChoixCartesCowboy(ev, d.paquet, d.main, 50, false);
    }
    {
        HasardScript script;
        script.Ajoute(0.5, 32);  // the 16 keeps of three cards or more
        Evaluation ev;
        ChoixCartesCowboy(ev, d.paquet, d.main, 50, true);
    }
}

TEST(ChoixCartesCowboy, MadeHandsStandPat) {
    const MainCowboy suite(Main{{{8, H}, {5, C}, {7, D}, {6, S}, {9, C}}});
    const MainCowboy full(Main{{{8, H}, {3, C}, {8, D}, {3, S}, {8, C}}});
    const MainCowboy quinte(Main{{{10, S}, {1, S}, {12, S}, {11, S}, {13, S}}});
    const MainCowboy couleur(Main{{{2, S}, {5, S}, {8, S}, {11, S}, {13, S}}});
    for (const MainCowboy* d : {&suite, &full, &quinte, &couleur}) {
        const Evaluation ev = Choisit(*d, 100, false);
        EXPECT_EQ(ev.GardeProba, "12345");
        EXPECT_EQ(ev.GardePoids, "12345");
    }
}

TEST(ChoixCartesCowboy, FourCloseSuitedCardsOutweighAMadeFlush) {
    // the straight-flush draw of 2-3-4-5 weighs more than the flush held,
    // while standing pat stays the likeliest
    const MainCowboy d(Main{{{2, S}, {3, S}, {4, S}, {5, S}, {9, S}}});
    const Evaluation ev = Choisit(d, 100, false);
    EXPECT_EQ(ev.GardeProba, "12345");
    EXPECT_EQ(ev.GardePoids, "1234");
    EXPECT_EQ(ev.CategorieMain, 423);
}

TEST(ChoixCartesCowboy, TwoPairsOrFourOfAKindDrawOneCard) {
    const MainCowboy deuxPaires(Main{{{13, H}, {4, C}, {13, D}, {9, S}, {4, S}}});
    Evaluation ev = Choisit(deuxPaires, 100, false);
    EXPECT_EQ(ev.GardeProba, "1235");
    EXPECT_EQ(ev.GardePoids, "1235");
    EXPECT_EQ(ev.CategorieMain, 9);

    const MainCowboy carre(Main{{{6, H}, {6, C}, {12, D}, {6, S}, {6, D}}});
    ev = Choisit(carre, 100, false);
    EXPECT_EQ(ev.GardeProba, "1245");
    EXPECT_EQ(ev.GardePoids, "1245");
    EXPECT_EQ(ev.CategorieMain, 1410);
}

TEST(ChoixCartesCowboy, TieKeepsTheEarlierKeepAndFourCardsSetBothChoices) {
    // Three Sevens with a Two and a Three: keeping the Sevens with either
    // kicker scores the same chance, and "1235" comes before "1234". The
    // best weight alone would keep the three Sevens, but a four-card
    // chance winner decides both.
    const MainCowboy d(Main{{{7, H}, {7, C}, {7, D}, {2, S}, {3, H}}});
    const Evaluation ev = Choisit(d, 100, false);
    EXPECT_EQ(ev.GardeProba, "1235");
    EXPECT_EQ(ev.GardePoids, "1235");
    EXPECT_EQ(ev.CategorieMain, 19);
    // 1 + 19 + full 3/47 + four 1/47
    EXPECT_NEAR(ev.MeilleureProba, 20 + 4 / 47.0, 1e-12);
    // the three Sevens alone: 19, pair 44*9 and full 3*44 over 2162, four 2/47
    EXPECT_NEAR(ev.MeilleurPoids,
                18 / 130.0 + 19 + (396 + 424 * 132) / 2162.0 + 1410 * 2 / 47.0, 1e-9);
}

TEST(ChoixCartesCowboy, LimitKeepsAtLeastThreeCards) {
    const MainCowboy rien(Main{{{2, H}, {9, C}, {5, D}, {13, S}, {11, H}}});
    const Evaluation libre = Choisit(rien, 100, false);
    EXPECT_LT(libre.GardeProba.size(), 3u);
    for (int Skill : {0, 50, 100})
        for (double u : {0.1, 0.9}) {
            const Evaluation ev = Choisit(rien, Skill, true, u);
            EXPECT_GE(ev.GardeProba.size(), 3u);
            EXPECT_GE(ev.GardePoids.size(), 3u);
            EXPECT_EQ(ev.CategorieMain, 0);
        }
}

TEST(ChoixCartesCowboy, SkillBlursChanceAndWeightByTheirOwnDraws) {
    // Skill 40: u1 = 0.5 gives a factor 0.7, u2 = 0.25 gives 0.55
    const MainCowboy d(Main{{{8, H}, {5, C}, {7, D}, {6, S}, {9, C}}});
    HasardScript script;
    for (int i = 0; i < 32; ++i) script.Ajoute({0.5, 0.25});
    Evaluation ev;
    ChoixCartesCowboy(ev, d.paquet, d.main, 40, false);
    EXPECT_EQ(ev.GardeProba, "12345");
    EXPECT_NEAR(ev.MeilleureProba, 0.7 * 106, 1e-9);
    EXPECT_NEAR(ev.MeilleurPoids, 0.55 * (106 + 30 / 130.0), 1e-9);
    EXPECT_EQ(ev.CategorieMain, 106);
}

TEST(ChoixCartesCowboy, FirstDrawBlursTheChanceSecondTheWeight) {
    // Skill 0: every keep scores 0 but the last, whose chance keeps 99 %
    // and its weight 1 %
    const MainCowboy d(Main{{{12, H}, {12, C}, {4, D}, {9, S}, {2, C}}});
    HasardScript script;
    script.Ajoute(0.0, 62);
    script.Ajoute({0.99, 0.01});
    Evaluation ev;
    ChoixCartesCowboy(ev, d.paquet, d.main, 0, false);
    EXPECT_EQ(ev.GardeProba, "12345");
    EXPECT_EQ(ev.GardePoids, "12345");
    EXPECT_NEAR(ev.MeilleureProba, 0.99, 1e-12);
    const double poids = 1 + (11 + 11 + 3 + 8 + 1) / 130.0;
    EXPECT_NEAR(ev.MeilleurPoids, 0.01 * poids, 1e-12);
    // the unblurred category is left for the decisions; the weight is the
    // last keep's, blurred
    EXPECT_EQ(ev.CategorieMain, 1);
    EXPECT_NEAR(ev.PoidsMain, 0.01 * poids, 1e-12);
}

TEST(ChoixCartesCowboy, EveryCallStartsAfreshAndZeroScoresNeverWin) {
    const MainCowboy d(Main{{{12, H}, {12, C}, {4, D}, {9, S}, {2, C}}});
    HasardScript script;
    script.Ajoute(0.0, 64);
    Evaluation ev;
    ev.MeilleureProba = 500;
    ev.MeilleurPoids = 500;
    ev.GardeProba = "12";
    ev.GardePoids = "345";
    ChoixCartesCowboy(ev, d.paquet, d.main, 0, false);
    EXPECT_EQ(ev.GardeProba, "");
    EXPECT_EQ(ev.GardePoids, "");
    EXPECT_EQ(ev.MeilleureProba, 0);
    EXPECT_EQ(ev.MeilleurPoids, 0);
    EXPECT_EQ(ev.CategorieMain, 1);
}

TEST(ChoixCartesCowboy, HandNotDealtYetIsJudgedWithoutFault) {
    const MainCowboy d(Main{});
    const Evaluation ev = Choisit(d, 50, false);
    EXPECT_EQ(ev.CategorieMain, 0);
}
