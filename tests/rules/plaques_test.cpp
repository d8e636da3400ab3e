#include "rules/plaques.h"

#include <gtest/gtest.h>

namespace {

// Covers as the table shows them, $50 $20 $10, then the boards.
std::string Lis(const Plaques& p) {
    std::string s;
    for (bool couverte : p.couvertes) s += couverte ? 'X' : '.';
    return s + (p.tableauxCouverts ? " boards covered" : "");
}

}  // namespace

TEST(RegleDesPlaques, OpeningABettingTurn) {
    EXPECT_EQ(Lis(RegleDesPlaques(0, 45, 200)), "X..");
    EXPECT_EQ(Lis(RegleDesPlaques(0, 5, 200)), "XXX boards covered");
    EXPECT_EQ(Lis(RegleDesPlaques(0, 50, 50)), "...");   // exactly b may bet b
    EXPECT_EQ(Lis(RegleDesPlaques(0, 500, 19)), "XX.");  // the opponent could not meet 20
    EXPECT_EQ(Lis(RegleDesPlaques(0, 10, 10)), "XX.");
    EXPECT_EQ(Lis(RegleDesPlaques(0, 0, 300)), "XXX boards covered");
    EXPECT_EQ(Lis(RegleDesPlaques(0, 300, 0)), "XXX boards covered");
}

TEST(RegleDesPlaques, RaisingOverABet) {
    EXPECT_EQ(Lis(RegleDesPlaques(20, 60, 300)), "X..");
    EXPECT_EQ(Lis(RegleDesPlaques(20, 30, 300)), "XX.");
    EXPECT_EQ(Lis(RegleDesPlaques(20, 70, 300)), "...");
    EXPECT_EQ(Lis(RegleDesPlaques(20, 30, 10)), "XX.");
    EXPECT_EQ(Lis(RegleDesPlaques(20, 29, 10)), "XXX boards covered");
    EXPECT_EQ(Lis(RegleDesPlaques(50, 59, 500)), "XXX boards covered");
}

TEST(BaisseMise, BetsComeDownToWhatBothCanPay) {
    struct Ligne {
        CodeAction code;
        int c, p;
        SansMise sansMise;
        CodeAction finale;
        Bilingue phrase;
    };
    const std::vector<Ligne> lignes{
        {"BE50", 300, 15, SansMise::Passe, "BE10", {"I bet $10", "Je mise $10"}},
        {"BE50", 300, 5, SansMise::Passe, "PA", {"I pass", "Parole"}},
        {"BE50", 300, 30, SansMise::Passe, "BE20", {"I bet $20", "Je mise $20"}},
        {"BE50", 50, 50, SansMise::Passe, "BE50", {"I bet $50", "Je mise $50"}},
        {"BE50", 49, 400, SansMise::Passe, "BE20", {"I bet $20", "Je mise $20"}},
        {"BE20", 19, 400, SansMise::Passe, "BE10", {"I bet $10", "Je mise $10"}},
        {"BE20", 20, 20, SansMise::Passe, "BE20", {"I bet $20", "Je mise $20"}},
        {"BE10", 10, 10, SansMise::Passe, "BE10", {"I bet $10", "Je mise $10"}},
        {"BE10", 9, 400, SansMise::Passe, "PA", {"I pass", "Parole"}},
        {"PA", 300, 300, SansMise::Passe, "PA", {"I pass", "Parole"}},
        {"BE50", 300, 40, SansMise::PasseAussi, "BE20", {"I bet $20", "Je mise $20"}},
        {"BE50", 300, 10, SansMise::PasseAussi, "BE10", {"I bet $10", "Je mise $10"}},
        {"BE50", 300, 0, SansMise::PasseAussi, "PA", {"I pass too", "Parole aussi"}},
        {"PA", 300, 300, SansMise::PasseAussi, "PA", {"I pass too", "Parole aussi"}},
        {"BE20", 0, 300, SansMise::Verifie, "CH", {"I check", "Je vérifie"}},
        {"BE10", 300, 0, SansMise::Verifie, "CH", {"I check", "Je vérifie"}},
        {"CH", 300, 300, SansMise::Verifie, "CH", {"I check", "Je vérifie"}},
        {"BE20", 300, 300, SansMise::Verifie, "BE20", {"I bet $20", "Je mise $20"}},
    };
    for (const Ligne& l : lignes) {
        SCOPED_TRACE(l.code + " with c " + std::to_string(l.c) + ", p " + std::to_string(l.p));
        const ParoleCowboy parole = BaisseMise(l.code, l.c, l.p, l.sansMise);
        EXPECT_EQ(parole.code, l.finale);
        EXPECT_EQ(parole.phrase, l.phrase);
    }
}
