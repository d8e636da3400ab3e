// Arming the opponent's tells from its hand and self-control, and stopping
// every face timer at a game start.
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

#include "common/etat.h"
#include "render/form1.h"
#include "support/hasard_script.h"
#include "support/visages_attendus.h"

namespace {

const Main kRien = {{{1, 1}, {13, 2}, {9, 3}, {6, 4}, {3, 1}}};

// A pair of `v` with three odd cards of other values.
Main Paire(int16_t v) {
    const int16_t k[3] = {int16_t(v >= 7 || v == 1 ? 2 : 9), int16_t(v >= 7 || v == 1 ? 4 : 11),
                          int16_t(v >= 7 || v == 1 ? 6 : 13)};
    return {{{v, 1}, {v, 2}, {k[0], 3}, {k[1], 4}, {k[2], 1}}};
}

struct Arme : testing::Test {
    Form1 form;
    Etat& e = EtatDuJeu();

    void SetUp() override {
        e = Etat{};
        e.argent.cowboy = 300;
    }
    void TearDown() override {
        for (Minuterie* m : form.TimersVisage) m->SetInterval(0);
        e = Etat{};
    }
    Minuterie& Faible(int16_t perso) { return *(form.*kVisagesAttendus[perso - 1].faible); }
    Minuterie& Fort(int16_t perso) { return *(form.*kVisagesAttendus[perso - 1].fort); }
};

TEST_F(Arme, SelfControlDecidesWhetherAndWhenATellComes) {
    // A hand of nothing at Risk 0: the big-pair test draws once (99: no).
    struct Cas {
        int Emotion, r;
        int base, allonge;  // -1: not drawn
        int delai;          // 0: no tell
    } const cas[] = {
        {0, 0, -1, -1, 0},             // r <= Emotion even at 0
        {0, 1, 0, 19999, 1000},        // 1 to 6 s at 0
        {0, 99, 4999, 0, 5999},
        {98, 98, -1, -1, 0},
        {98, 99, 4999, 19999, 25598},  // the longest delay
        {98, 99, 0, 25, 1024},         // 1024.5: a half goes to the even neighbour
        {98, 99, 1, 25, 1026},         // 1025.5
        {98, 99, 0, 75, 1074},         // 1073.5
        {50, 51, 0, 1, 1000},          // 1000.5
        {50, 51, 0, 3, 1002},          // 1001.5
        {100, 99, -1, -1, 0},          // never at 100
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message() << "Emotion " << c.Emotion << ", r " << c.r);
        e.reglages.Emotion = c.Emotion;
        e.reglages.Risk = 0;
        e.partie.PersoCowboy = 1;
        e.donne.CartesCowboy = kRien;
        HasardScript h{R(c.r)};
        if (c.delai) h.Ajoute({R(99), ValeurPour(c.base, 5000), ValeurPour(c.allonge, 20000)});
        form.ArmeTics();
        EXPECT_EQ(form.TimerYeuxCarte->Interval(), c.delai);
        EXPECT_EQ(form.TimerYeuxAnime->Interval(), 0);
    }
}

TEST_F(Arme, WeakOrStrongByTheHandAndTheBigPairTest) {
    struct Cas {
        const char* nom;
        Main main;
        int16_t Risk;
        int argent;
        std::vector<int> tirages;  // those of the big-pair test
        bool faible;
    } const cas[] = {
        {"Aces", Paire(1), 0, 300, {99}, false},
        {"Kings", Paire(13), 0, 300, {99}, false},
        {"Queens", Paire(12), 0, 300, {99}, false},
        {"Jacks, allowed", Paire(11), 50, 300, {50, 99}, false},
        {"Jacks, refused", Paire(11), 50, 300, {51}, true},
        {"Tens, allowed", Paire(10), 0, 300, {0, 99}, false},
        {"Tens, refused", Paire(10), 0, 300, {1}, true},
        {"Nines, both allowed", Paire(9), 50, 300, {10, 50}, false},
        {"Nines, second refused", Paire(9), 50, 300, {10, 51}, true},
        {"Nines, only $100", Paire(9), 100, 100, {0, 0}, true},
        {"Eights, $101", Paire(8), 0, 101, {0, 0}, false},
        {"Sevens", Paire(7), 100, 500, {0, 0}, true},
        {"Twos", Paire(2), 100, 500, {0, 0}, true},
        {"nothing", kRien, 100, 500, {0, 0}, true},
        {"two pairs", {{{7, 1}, {7, 2}, {4, 3}, {4, 4}, {13, 1}}}, 0, 300, {99}, false},
        {"three of a kind", {{{2, 1}, {2, 2}, {2, 3}, {5, 4}, {9, 1}}}, 0, 300, {99}, false},
        {"straight", {{{5, 1}, {6, 2}, {7, 3}, {8, 4}, {9, 1}}}, 0, 300, {99}, false},
    };
    for (int16_t perso = 1; perso <= 3; ++perso)
        for (const Cas& c : cas) {
            SCOPED_TRACE(testing::Message() << c.nom << ", character " << perso);
            e.partie.PersoCowboy = perso;
            e.reglages.Emotion = 10;
            e.reglages.Risk = c.Risk;
            e.argent.cowboy = c.argent;
            e.donne.CartesCowboy = c.main;
            // Stopped by a game start: the arming enables it again.
            Faible(perso).SetEnabled(false);
            Fort(perso).SetEnabled(false);
            HasardScript h{R(11)};
            for (int r : c.tirages) h.AjouteR(r);
            h.Ajoute({ValeurPour(2000, 5000), ValeurPour(10000, 20000)});
            form.ArmeTics();
            Minuterie& arme = c.faible ? Faible(perso) : Fort(perso);
            Minuterie& autre = c.faible ? Fort(perso) : Faible(perso);
            EXPECT_EQ(arme.Interval(), 4000);  // 2000 + 1000 + 10000 x 10 / 100
            EXPECT_TRUE(arme.Enabled());
            EXPECT_EQ(autre.Interval(), 0);
            // The evaluation is left in the shared variables.
            EXPECT_EQ(e.eval.ValEval[4], c.main[4].valeur);
            arme.SetInterval(0);
        }
}

TEST_F(Arme, ACallRemovesThePendingTellEvenWhenItArmsNothing) {
    for (int16_t perso = 1; perso <= 3; ++perso) {
        e.partie.PersoCowboy = perso;
        e.reglages.Emotion = 50;
        Faible(perso).SetInterval(4000);
        Fort(perso).SetInterval(9000);
        {
            HasardScript h{R(50)};
            form.ArmeTics();
        }
        EXPECT_EQ(Faible(perso).Interval(), 0);
        EXPECT_EQ(Fort(perso).Interval(), 0);
    }
    // Once the band is beaten: no draw, nothing touched.
    e.partie.PersoCowboy = PersoBandeBattue;
    form.TimerYeuxCarte->SetInterval(4000);
    {
        HasardScript aucun;
        form.ArmeTics();
    }
    EXPECT_EQ(form.TimerYeuxCarte->Interval(), 4000);
}

TEST_F(Arme, GameStartStopsAllTenFaceTimersTheGirlsTellsToo) {
    for (Minuterie* m : form.TimersVisage) {
        m->SetEnabled(true);
        m->SetInterval(1234);
    }
    form.ArretTimers();
    for (Minuterie* m : form.TimersVisage) {
        EXPECT_EQ(m->Interval(), 0);
        EXPECT_FALSE(m->Enabled());
    }

    // A girl's tic armed in the last game no longer reaches the next face.
    e.partie.PersoCowboy = 3;
    form.show();
    form.FenetreVisage->Show();
    form.FenetreVisage->Surface().fill(Qt::black);
    const QImage avant = form.FenetreVisage->Surface().copy();
    form.TimerFilleTicYeux->SetEnabled(true);
    form.TimerFilleTicYeux->SetInterval(5);
    const long ticks = form.TimerFilleTicYeux->Ticks();
    form.ArretTimers();
    e.partie.PersoCowboy = 1;
    QTest::qWait(40);
    EXPECT_EQ(form.TimerFilleTicYeux->Ticks(), ticks);
    EXPECT_EQ(form.FenetreVisage->Surface(), avant);

    // The next game's body starts its idle timers again, enabled.
    e.partie.PersoCowboy = 2;
    {
        HasardScript h{0.0, 0.0, 0.0};
        form.AffCowboy();
    }
    for (Minuterie* m : {form.TimerMexCigare, form.TimerCligne, form.TimerYeuxPlisses}) {
        EXPECT_TRUE(m->Enabled());
        EXPECT_GT(m->Interval(), 0);
    }
    EXPECT_FALSE(form.TimerFilleTicYeux->Enabled());
}

}  // namespace
