#include "rules/abattage.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/hasard_script.h"

namespace {

// "As 10h 7d 2c": value A K Q J 10..2, suit s(4) h(1) d(3) c(2).
Main Cartes(const std::string& texte) {
    std::istringstream flux(texte);
    Main main{};
    std::string carte;
    for (std::size_t i = 0; i < 5 && flux >> carte; ++i) {
        const std::string v = carte.substr(0, carte.size() - 1);
        const char s = carte.back();
        int16_t valeur = v == "A" ? 1 : v == "K" ? 13 : v == "Q" ? 12 : v == "J" ? 11 : static_cast<int16_t>(std::stoi(v));
        int16_t couleur = s == 's' ? 4 : s == 'h' ? 1 : s == 'd' ? 3 : 2;
        main[i] = {valeur, couleur};
    }
    return main;
}

struct Duel {
    const char* quoi;
    const char* cowboy;
    const char* player;
    const char* gagnant;
};

class Yeux final : public YeuxCowboy {
public:
    void ArreteYeuxAnime() override { journal += "anime "; }
    void ArreteYeuxCarte() override { journal += "carte "; }
    std::string journal;
};

void Juge(const std::vector<Duel>& duels) {
    for (const Duel& d : duels) {
        SCOPED_TRACE(std::string(d.quoi) + ": " + d.cowboy + " against " + d.player);
        HasardScript aucunTirage;
        Evaluation ev;
        MarquesPaquet paquet;
        EXPECT_EQ(QuiGagne(ev, paquet, Cartes(d.cowboy), Cartes(d.player), nullptr), d.gagnant);
    }
}

}  // namespace

TEST(QuiGagne, HigherCategoryWinsWhateverTheValues) {
    Juge({
        {"straight over trips", "9h 8c 7d 6s 5h", "As Ah Ad Kc Qd", "Cowboy"},
        {"flush over straight", "Ah Kc Qd Js 10h", "2d 5d 7d 9d Jd", "Player"},
        {"pair over nothing", "2h 2c 3d 4s 6h", "As Kh Qd Jc 9d", "Cowboy"},
        {"full house over flush", "3h 3c 3d 2s 2h", "As Ks Qs Js 9s", "Cowboy"},
        {"four over full house", "Ah Ac Ad Kc Kd", "2h 2c 2d 2s 3h", "Player"},
        {"straight flush over four", "As Ah Ad Ac Kh", "2c 3c 4c 5c 6c", "Player"},
    });
}

TEST(QuiGagne, NothingAgainstNothing) {
    Juge({
        {"the Ace counts 14", "Ah 3c 5d 7s 9h", "Ks Qc Jd 9c 7c", "Cowboy"},
        {"second card decides", "Ah Qc 9d 7s 4h", "As Jc 10d 9s 8h", "Cowboy"},
        {"last card decides", "Kh Qc 9d 7s 3h", "Kc Qd 9h 7c 4d", "Player"},
        {"same values: the Ace of spades", "Ah Kc 9d 7s 4h", "As Kd 9c 7h 4d", "Player"},
        {"same values: hearts over diamonds", "Kd Qc 9d 7s 4h", "Kh Qd 9c 7h 4d", "Player"},
        {"same values: diamonds over clubs", "Kd Qc 9d 7s 4h", "Kc Qd 9c 7h 4d", "Cowboy"},
    });
}

TEST(QuiGagne, OnePairAgainstOnePair) {
    Juge({
        {"higher pair", "Qh Qc 9d 7s 4h", "Kh Kc 2d 3s 5h", "Player"},
        {"pair of Aces counts 14", "Ah Ac 2d 3s 5h", "Kh Kc Qd Js 9h", "Cowboy"},
        {"highest kicker first", "7h 7c Kd Qs Jh", "7d 7s Ac 9h 4c", "Player"},
        {"last kicker", "9h 9c Kd 8s 3h", "9d 9s Kh 8c 2c", "Cowboy"},
        {"same kickers: the opponent's pair holds the spade", "7s 7h Kd 9c 4h", "7d 7c Kh 9d 4s", "Cowboy"},
        {"same kickers: the player's pair holds the spade", "7d 7c Kh 9d 4s", "7s 7h Kd 9c 4h", "Player"},
    });
}

TEST(QuiGagne, TwoPairsAgainstTwoPairs) {
    Juge({
        {"Aces count 14 in the higher pair", "Kh Kc Qd Qs 2h", "Ah Ac 3d 3s Kd", "Player"},
        {"Aces over Kings and Queens", "Ah Ac 2d 2s 3h", "Kh Kc Qd Qs Jh", "Cowboy"},
        {"lower pair decides", "Jh Jc 9d 9s 2h", "Jd Js 10h 10c 2d", "Player"},
        {"an Ace kicker counts 14", "8h 8c 5d 5s Kh", "8d 8s 5h 5c Ah", "Player"},
        {"kicker suit: spades over hearts", "8h 8c 5d 5s Ks", "8d 8s 5h 5c Kh", "Cowboy"},
        {"kicker suit: diamonds over clubs", "8h 8c 5d 5s Kc", "8d 8s 5h 5c Kd", "Player"},
        {"pairs in any positions", "2h Qc 9d Qs 9h", "9s Qd 9c Qh 3c", "Player"},
    });
}

TEST(QuiGagne, ThreesFullHousesAndFours) {
    Juge({
        {"higher trips", "5h 5c 5d Ks Qh", "4h 4c 4d As Kh", "Cowboy"},
        {"trips of Aces count 14", "Kh Kc Kd 2s 3h", "Ah Ac Ad 4s 5h", "Player"},
        {"full house of Aces over Kings full of Queens", "Kh Kc Kd Qs Qh", "Ah Ac Ad 2s 2h", "Player"},
        {"the three anywhere in the hand", "Kh Qc Kd Qs Kc", "2s Ah 2h Ac Ad", "Player"},
        {"four Aces over four Kings", "Kh Kc Kd Ks 2h", "3h Ah Ac Ad As", "Player"},
        {"the four found after an odd first card", "2h Kh Kc Kd Ks", "Qh Qc 3d Qd Qs", "Cowboy"},
    });
}

TEST(QuiGagne, StraightsWithTheFiveHighStraightLowest) {
    Juge({
        {"higher straight", "9h 8c 7d 6s 5h", "10c 9d 8s 7h 6c", "Player"},
        {"same values: suit of the highest card", "10h 9c 8d 7s 6h", "10s 9d 8c 7h 6c", "Player"},
        {"Ace-high over King-high", "Ah Kc Qd Js 10h", "Ks Qc Jd 10s 9h", "Cowboy"},
        {"Ace-high straights: the Ace's suit", "Ah Kc Qd Js 10h", "As Kd Qc Jh 10s", "Player"},
        {"King-high over Five-high", "Kh Qc Jd 10s 9h", "Ah 2c 3d 4s 5h", "Cowboy"},
        {"Five-high under King-high", "As 2c 3d 4s 5h", "Kh Qc Jd 10s 9h", "Player"},
        {"Six-high over Five-high", "Ah 2c 3d 4s 5h", "2h 3c 4d 5s 6h", "Player"},
        {"Five-high straights: the Five's suit, not the Ace's", "As 2c 3d 4h 5h", "Ah 2d 3c 4d 5s", "Player"},
    });
}

TEST(QuiGagne, FlushesAndStraightFlushes) {
    Juge({
        {"higher flush", "Kh 10h 8h 6h 3h", "Ks 10s 8s 6s 2s", "Cowboy"},
        {"an Ace-high flush counts the Ace 14", "Ah 2h 3h 4h 9h", "Ks Qs Js 9s 7s", "Cowboy"},
        {"same values: spades over hearts", "Kh 10h 8h 6h 3h", "Ks 10s 8s 6s 3s", "Player"},
        {"same values: hearts over diamonds", "Kh 10h 8h 6h 3h", "Kd 10d 8d 6d 3d", "Cowboy"},
        {"same values: diamonds over clubs", "Kc 10c 8c 6c 3c", "Kd 10d 8d 6d 3d", "Player"},
        {"higher straight flush", "9h 8h 7h 6h 5h", "10s 9s 8s 7s 6s", "Player"},
        {"royal over King-high", "Ah Kh Qh Jh 10h", "Ks Qs Js 10s 9s", "Cowboy"},
        {"Five-high straight flush under Six-high", "Ah 2h 3h 4h 5h", "6s 5s 4s 3s 2s", "Player"},
        {"Five-high straight flush under King-high", "Ac 2c 3c 4c 5c", "Kd Qd Jd 10d 9d", "Player"},
        {"same straight flush values: the suit", "9d 8d 7d 6d 5d", "9c 8c 7c 6c 5c", "Cowboy"},
    });
}

TEST(QuiGagne, WhatNoRuleSeparatesGoesToTheOpponent) {
    Juge({
        {"nothing", "Ah Kc 9d 7s 4h", "Ah Kc 9d 7s 4h", "Cowboy"},
        {"pair with the spade", "7s 7h Kd 9c 4h", "7s 7h Kd 9c 4h", "Cowboy"},
        {"two pairs", "8h 8c 5d 5s Kh", "8h 8c 5d 5s Kh", "Cowboy"},
        {"straight", "9h 8c 7d 6s 5h", "9h 8c 7d 6s 5h", "Cowboy"},
        {"flush", "Kh 10h 8h 6h 3h", "Kh 10h 8h 6h 3h", "Cowboy"},
        {"four", "Kh Kc Kd Ks 2h", "Kh Kc Kd Ks 2h", "Cowboy"},
    });
}

TEST(QuiGagne, StopsBothTellsAndLeavesThePlayersEvaluation) {
    Yeux yeux;
    Evaluation ev;
    MarquesPaquet paquet;
    HasardScript aucunTirage;
    const Main cowboy = Cartes("Kh Kc Kd Qs Qh");
    const Main player = Cartes("Ah 3c 5d 7s 9h");
    EXPECT_EQ(QuiGagne(ev, paquet, cowboy, player, &yeux), "Cowboy");
    EXPECT_EQ(yeux.journal, "anime carte ");
    EXPECT_EQ(ev.CategorieMain, 0);
    EXPECT_EQ(ev.ValEval, (std::array<int16_t, 5>{1, 3, 5, 7, 9}));
    EXPECT_EQ(ev.CoulEval, (std::array<int16_t, 5>{1, 2, 3, 4, 1}));

    // Nothing changes between the two calls of a showdown.
    EXPECT_EQ(QuiGagne(ev, paquet, cowboy, player, &yeux), "Cowboy");
    EXPECT_EQ(yeux.journal, "anime carte anime carte ");
}
