// Replays: the actions and values files as the driver reads and writes
// them, a soak's dump that replays to the same trace, the same replay twice
// byte for byte, a short hand-written replay against its expected trace
// (its waits included), and the errors that stop a replay.
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "common/etat.h"
#include "hasards.h"
#include "pilote.h"
#include "platform/minuterie.h"
#include "render/attendre.h"

namespace {

std::string Fichier(const std::string& nom) {
    std::ifstream f(std::string(DONNEES_SOAK) + "/" + nom, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

struct Rejeu {
    std::string trace, arret, dernieres;
    bool ok = false;
    std::size_t restants = 0;
};

// A replay of the two texts, with the face timers stopped as the program
// stops them.
Rejeu Rejoue(const std::string& valeurs, const std::string& actions) {
    Minuterie::Suspend(true);
    std::istringstream v(valeurs), a(actions);
    std::ostringstream trace;
    Rejeu r;
    {
        HasardFichier hasard(v);
        EXPECT_EQ(hasard.Erreur(), "");
        ScriptActions script(a);
        OptionsPilote options;
        options.trace = &trace;
        options.erreurHasard = [&hasard] { return hasard.Erreur(); };
        Pilote pilote(script, options);
        r.ok = pilote.Joue();
        r.arret = pilote.Arret();
        r.dernieres = pilote.DernieresActions();
        r.restants = hasard.Restants();
    }
    Minuterie::Suspend(false);
    r.trace = trace.str();
    return r;
}

TEST(ActionsFile, EveryActionReadsBackAsWritten) {
    const char* lignes[] = {"bet50", "bet20", "bet10", "call", "check", "pass", "fold", "ok", "draw",
                            "draw 1 3 5", "draw 2 4 2", "training cowboy 0 100 45 25 300",
                            "training mexican 95 80 25 45 400", "training girl 1 2 3 4 500",
                            "tournament easy", "tournament medium", "tournament hard", "first 0",
                            "first 2", "language en", "language fr", "progression 0", "progression 8356",
                            "progression -1"};
    for (const char* ligne : lignes) {
        std::string erreur;
        const auto a = LitAction(ligne, erreur);
        ASSERT_TRUE(a) << ligne << ": " << erreur;
        EXPECT_EQ(TexteAction(*a), ligne);
    }
    std::string erreur;
    // The cards are clicked in the order written.
    EXPECT_EQ(TexteAction(*LitAction("  draw 531   # the low ones", erreur)), "draw 5 3 1");
    EXPECT_EQ(TexteAction(*LitAction("draw 11", erreur)), "draw 1 1");
    EXPECT_FALSE(LitAction("   # a comment", erreur));
    EXPECT_EQ(erreur, "");
    for (const char* mauvaise : {"bet30", "draw 6", "draw 0", "call 10", "training cowboy 50 50 50 50",
                                 "training bandit 1 1 1 1 300", "training girl 1 1 101 1 300",
                                 "training girl 1 1 1 1 350", "tournament expert", "first 3",
                                 "language de", "progression", "progression all", "progression 40000"}) {
        EXPECT_FALSE(LitAction(mauvaise, erreur)) << mauvaise;
        EXPECT_NE(erreur, "") << mauvaise;
    }
}

TEST(ValuesFile, ValuesAreReadInOrderAndRunningOutIsAnError) {
    std::istringstream texte("0.25\n# a comment\n\n0.5  # half\n0\n0.9999999999999999\n");
    {
        HasardFichier h(texte);
        EXPECT_EQ(h.Erreur(), "");
        EXPECT_EQ(Rnd(), 0.25);
        EXPECT_EQ(Rnd(), 0.5);
        EXPECT_EQ(Rnd(), 0.0);
        EXPECT_EQ(Rnd(), 0.9999999999999999);
        EXPECT_EQ(h.Restants(), 0u);
        const double apres = Rnd();
        EXPECT_TRUE(apres >= 0 && apres < 1);
        EXPECT_EQ(h.Erreur(), "the random values ran out after 4 draws");
    }
    for (const char* mauvaise : {"1\n", "-0.1\n", "0.5x\n", "half\n", "1e300\n"}) {
        std::istringstream t(mauvaise);
        HasardFichier h(t);
        EXPECT_EQ(h.Erreur().rfind("values line 1: ", 0), 0u) << mauvaise;
    }
    // What the soak writes reads back as the same value.
    for (double v : {0.1, 1.0 / 3, 0x1.fffffffffffffp-1, 5e-324, 0.0}) {
        std::istringstream t(TexteValeur(v));
        HasardFichier h(t);
        EXPECT_EQ(Rnd(), v);
    }
}

TEST(Replay, ASoaksDumpReplaysToTheSameTraceByteForByteTwice) {
    std::ostringstream valeurs, actions, trace;
    {
        HasardGraine hasard(11, &valeurs);
        Politique politique(11, 400);
        OptionsPilote options;
        options.trace = &trace;
        options.journalActions = &actions;
        Pilote pilote(politique, options);
        ASSERT_TRUE(pilote.Joue()) << pilote.Arret() << "\n" << pilote.DernieresActions();
    }
    const Rejeu premier = Rejoue(valeurs.str(), actions.str());
    ASSERT_TRUE(premier.ok) << premier.arret << "\n" << premier.dernieres;
    EXPECT_EQ(premier.restants, 0u);
    EXPECT_EQ(premier.trace, trace.str());
    EXPECT_GT(premier.trace.size(), 10000u);
    const Rejeu second = Rejoue(valeurs.str(), actions.str());
    EXPECT_EQ(second.trace, premier.trace);
}

TEST(Replay, AHandWrittenReplayGivesItsExpectedTrace) {
    const Rejeu r = Rejoue(Fichier("court.values"), Fichier("court.actions"));
    ASSERT_TRUE(r.ok) << r.arret << "\n" << r.dernieres;
    EXPECT_EQ(r.restants, 0u);
    EXPECT_EQ(r.trace, Fichier("court.jsonl"));
}

TEST(Replay, ACardClickedTwiceBeforeDrawIsNotDrawn) {
    std::string actions = Fichier("court.actions");
    const std::string tirage = "draw 4 5";
    ASSERT_NE(actions.find(tirage), std::string::npos);
    actions.replace(actions.find(tirage), tirage.size(), "draw 3 4 3 5");
    const Rejeu r = Rejoue(Fichier("court.values"), actions);
    ASSERT_TRUE(r.ok) << r.arret << "\n" << r.dernieres;
    // The same run: only the action's own line differs.
    std::string attendue = Fichier("court.jsonl");
    const std::string apres = "\"after\":\"draw 4 5\"";
    attendue.replace(attendue.find(apres), apres.size(), "\"after\":\"draw 3 4 3 5\"");
    EXPECT_EQ(r.trace, attendue);
}

// The flow's waits are traced with the delay they name; a face timer's pause
// comes when the clock lets it tick, and would make a soak's trace differ
// from its replay's.
TEST(Trace, TheFlowsWaitsAreTracedNotAFaceTimersPauses) {
    const Reglages avant = EtatDuJeu().reglages;
    EtatDuJeu().reglages.DelayCard = 0;
    std::ostringstream sortie;
    Trace trace(sortie);
    ObserveAttentes(&trace);
    Attendre(Delai::Card);
    Minuterie tell(nullptr);
    tell.SurTick([&tell] {
        Attendre(Delai::YeuxAnime);
        tell.SetInterval(0);
    });
    tell.SetInterval(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return tell.Ticks() > 0; }, 10000));
    Attendre(Delai::MexDent);
    ObserveAttentes(nullptr);
    EtatDuJeu().reglages = avant;
    EXPECT_EQ(sortie.str(),
              "{\"event\":\"wait\",\"delay\":\"DelayCard\"}\n"
              "{\"event\":\"wait\",\"delay\":\"MexDent\",\"ms\":100}\n");
}

TEST(Replay, AProgressionLineLocksTheCharactersOfTheSetUpDialog) {
    struct Cas {
        const char* lignes;
        const char* joue;  // the opponent the game starts with
    } cas[] = {
        {"training mexican", "mexican"},  // a fresh table has every character unlocked
        {"progression 0\ntraining mexican", "cowboy"},
        {"progression 4721\ntraining mexican", "mexican"},
        {"progression 4721\ntraining girl", "cowboy"},
        {"progression 8356\ntraining girl", "girl"},
        // A fresh table unlocks them all again.
        {"progression 0\nlanguage en\ntraining girl", "girl"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.lignes);
        const Rejeu r = Rejoue(Fichier("court.values"),
                               std::string("language en\nfirst 0\n") + c.lignes + " 60 100 20 30 300\n");
        ASSERT_TRUE(r.ok) << r.arret;
        EXPECT_NE(r.trace.find(std::string("{\"event\":\"game\",\"character\":\"") + c.joue + "\""),
                  std::string::npos);
    }
}

TEST(Replay, WhatCannotBePlayedStopsTheReplay) {
    const std::string valeurs = Fichier("court.values");
    const std::string debut = "language en\nfirst 0\ntraining cowboy 60 100 20 30 300\n";
    // At the opening the player may pass or bet, not call, draw or press OK.
    for (const char* action : {"call", "draw", "ok", "check"}) {
        const Rejeu r = Rejoue(valeurs, debut + action + "\n");
        EXPECT_FALSE(r.ok);
        std::string attendu = "\"";
        attendu.append(action).append("\" is not offered: ");
        EXPECT_EQ(r.arret.rfind(attendu, 0), 0u) << r.arret;
    }
    const Rejeu mauvaise = Rejoue(valeurs, debut + "raise 20\n");
    EXPECT_EQ(mauvaise.arret, "actions line 4: \"raise 20\": not an action");
    const Rejeu courte = Rejoue("0.5\n0.5\n", debut);
    EXPECT_EQ(courte.arret, "the random values ran out after 2 draws");
}

}  // namespace
