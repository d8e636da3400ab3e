// The short soak: a few thousand hands with a fixed seed, every invariant
// checked after every handler (the screen against the images at every
// tenth wait), and everything the soak must cover met.
#include <gtest/gtest.h>

#include <sstream>

#include "hasards.h"
#include "pilote.h"

namespace {

// Fewer hands where the build checks every memory access: it is many times
// slower, and the hands are the same ones.
#if defined(__SANITIZE_ADDRESS__)
constexpr long kCoups = 1500;
#else
constexpr long kCoups = 3000;
#endif

TEST(Soak, AFewThousandHandsKeepEveryInvariantAndCoverTheGame) {
    std::ostringstream trace;
    HasardGraine hasard(2024);
    Politique politique(2024, kCoups);
    OptionsPilote options;
    options.trace = &trace;
    options.ecranToutesLes = 10;
    Pilote pilote(politique, options);
    ASSERT_TRUE(pilote.Joue()) << pilote.Arret() << "\nlast actions:\n" << pilote.DernieresActions();

    const Bilan& b = pilote.Compte();
    EXPECT_GE(b.coups, kCoups);
    EXPECT_GT(b.abattages, 0);
    EXPECT_GT(b.couches, 0);
    EXPECT_GT(b.passes, 0);
    EXPECT_GT(b.partiesAbandonnees, 0);
    for (int n = 0; n < 3; ++n) EXPECT_GT(b.tournois[n], 0) << "level " << n;
    const std::string t = trace.str();
    const auto vu = [&t](const std::string& s) { return t.find(s) != std::string::npos; };
    for (const char* perso : {"cowboy", "mexican", "girl"})
        EXPECT_TRUE(vu(std::string("\"character\":\"") + perso + "\",\"mode\":\"training\"")) << perso;
    EXPECT_TRUE(vu("\"mode\":\"tournament\""));
    for (const char* premier : {"\"first\":0}", "\"first\":1}", "\"first\":2}"}) EXPECT_TRUE(vu(premier)) << premier;
    EXPECT_TRUE(vu("{\"event\":\"table\",\"language\":\"en\"}"));
    EXPECT_TRUE(vu("{\"event\":\"table\",\"language\":\"fr\"}"));
    EXPECT_TRUE(vu("\"text\":\"J'ai gagné\""));
    EXPECT_TRUE(vu("\"text\":\"I lose\""));
    std::printf("%ld hands in %.1f s (%.0f hands/s, checks %.1f s)\n", b.coups, b.secondes,
                b.coups / b.secondes, b.secondesVerifications);
}

}  // namespace
