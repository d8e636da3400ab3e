// The opponent's face: what each face timer's tick paints into the face
// window, its draws and its next interval, on the real table window.
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/etat.h"
#include "render/form1.h"
#include "support/hasard_script.h"
#include "visage_outils.h"

namespace {

constexpr QRgb kFond = qRgb(0x12, 0x34, 0x56);

// Face window sizes: cowboy, Mexican, girl.
const QSize kTailles[] = {{55, 49}, {100, 100}, {53, 58}};

struct Visage : testing::Test {
    Form1 form;
    Picture& fenetre = *form.FenetreVisage;
    Scene& scene = EtatDuJeu().scene;
    std::unique_ptr<Pellicule> film;
    QImage fond;

    void SetUp() override {
        EtatDuJeu() = Etat{};
        form.show();
        fenetre.Show();
        film = std::make_unique<Pellicule>(fenetre);
    }
    void TearDown() override {
        Immobile();
        EtatDuJeu() = Etat{};
    }
    // The face window of `perso`, plain, nothing painted yet.
    void Face(int16_t perso) {
        EtatDuJeu().partie.PersoCowboy = perso;
        const QSize t = kTailles[perso >= 1 && perso <= 3 ? perso - 1 : 0];
        fenetre.Resize(t.width(), t.height());
        fenetre.Surface().fill(kFond);
        fond = fenetre.Surface().copy();
        QApplication::processEvents();
        film->Vide();
    }
    // No face timer ticks by itself while a test waits.
    void Immobile() {
        for (Minuterie* m : form.TimersVisage) m->SetInterval(0);
    }
    const QImage& Vu() const { return fenetre.Surface(); }
    // The frames painted, each checked against its picture and mask.
    void FramesSont(const std::vector<std::pair<const char*, const char*>>& attendues) {
        ASSERT_EQ(film->images.size(), attendues.size());
        for (size_t i = 0; i < attendues.size(); ++i)
            EXPECT_TRUE(Porte(film->images[i], attendues[i].first, attendues[i].second))
                << "frame " << i;
    }
};

struct Yeux {
    const char *ouverts, *fermes, *plisse, *masque;
};
const Yeux kYeux[] = {
    {"VisageYeuxOuverts", "VisageCligne", "YeuxPlisses", "VisageYeuxMask"},
    {"MexYeuxOuverts", "MexYeuxFermes", "MexYeuxPlis2", "MexYeuxMask"},
    {"FilleYeuxOuverts", "FilleYeuxFermes", "FilleYeuxPlisses", "FilleYeuxMask"},
};

TEST_F(Visage, BlinkClosesFor150MsThenOpensWithAQuickSecondBlinkOneTimeInFour) {
    // r = Int(Rnd x 4), then the interval's own draw.
    struct Cas {
        int r;
        double valeur;
        int intervalle;
    } const cas[] = {
        {1, ValeurPour(0, 1000), 100},    {1, ValeurPour(999, 1000), 1099},
        {0, ValeurPour(0, 5000), 500},    {2, ValeurPour(4999, 5000), 5499},
        {3, ValeurPour(2500, 5000), 3000},
    };
    for (int16_t perso = 1; perso <= 3; ++perso)
        for (const Cas& c : cas) {
            SCOPED_TRACE(testing::Message() << "character " << perso << ", r " << c.r);
            const Yeux& y = kYeux[perso - 1];
            Face(perso);
            {
                HasardScript aucun;
                form.TimerCligne_Timer();
            }
            EXPECT_TRUE(scene.YeuxFermes);
            EXPECT_EQ(form.TimerCligne->Interval(), 150);
            EXPECT_TRUE(Porte(Vu(), y.fermes, y.masque, fond));
            {
                HasardScript h{ValeurPour(c.r, 4), c.valeur};
                form.TimerCligne_Timer();
            }
            EXPECT_FALSE(scene.YeuxFermes);
            EXPECT_EQ(form.TimerCligne->Interval(), c.intervalle);
            EXPECT_TRUE(Porte(Vu(), y.ouverts, y.masque, fond));
            EXPECT_EQ(film->images.size(), 2u) << "one repaint per frame";
        }
}

TEST_F(Visage, NoCharacterLeftMeansNoBlinkNoSquintNoDrawAndNoNewInterval) {
    for (int16_t perso : {PersoBandeBattue, int16_t(0)})
        for (bool fermes : {false, true}) {
            Face(perso);
            scene.YeuxFermes = fermes;
            form.TimerCligne->SetInterval(7777);
            form.TimerYeuxPlisses->SetInterval(8888);
            {
                HasardScript aucun;
                form.TimerCligne_Timer();
                form.TimerYeuxPlisses_Timer();
            }
            EXPECT_EQ(form.TimerCligne->Interval(), 7777);
            EXPECT_EQ(form.TimerYeuxPlisses->Interval(), 8888);
            EXPECT_EQ(scene.YeuxFermes, fermes);
            EXPECT_TRUE(film->images.empty());
            EXPECT_EQ(Vu(), fond);
        }
}

TEST_F(Visage, MouthTogglesForCowboyAndGirlAndKeepsItsPaceForEveryone) {
    struct Cas {
        int16_t perso;
        const char *ouverte, *fermee, *masque;
    } const cas[] = {
        {1, "VBoucheOuverte", "VBoucheFermee", "VisageBoucheMask"},
        {3, "FilleBoucheOuverte", "FilleBoucheFermee", "FilleBoucheMask"},
    };
    for (const Cas& c : cas) {
        Face(c.perso);
        ASSERT_TRUE(scene.BoucheOuverte) << "open at start-up";
        {
            HasardScript h{ValeurPour(0, 8000), ValeurPour(7999, 8000)};
            form.TimerDent_Timer();
            EXPECT_FALSE(scene.BoucheOuverte);
            EXPECT_EQ(form.TimerDent->Interval(), 1000);
            EXPECT_TRUE(Porte(Vu(), c.fermee, c.masque, fond));
            form.TimerDent_Timer();
        }
        EXPECT_TRUE(scene.BoucheOuverte);
        EXPECT_EQ(form.TimerDent->Interval(), 8999);
        EXPECT_TRUE(Porte(Vu(), c.ouverte, c.masque, fond));
    }
    // The Mexican has no mouth to move, nor has anyone once the band is
    // beaten; the timer goes on drawing its interval.
    for (int16_t perso : {int16_t(2), PersoBandeBattue}) {
        Face(perso);
        {
            HasardScript h{0.5};
            form.TimerDent_Timer();
        }
        EXPECT_EQ(form.TimerDent->Interval(), 5000);
        EXPECT_TRUE(scene.BoucheOuverte);
        EXPECT_TRUE(film->images.empty());
    }
}

TEST_F(Visage, SquintOnlyOverOpenEyesAndTheNextBlinkPaintsOverIt) {
    for (int16_t perso : {int16_t(1), int16_t(3)}) {
        const Yeux& y = kYeux[perso - 1];
        // Closed eyes: nothing, but the next squint is still drawn.
        Face(perso);
        scene.YeuxFermes = true;
        {
            HasardScript h{ValeurPour(0, 10000)};
            form.TimerYeuxPlisses_Timer();
        }
        EXPECT_EQ(form.TimerYeuxPlisses->Interval(), 5000);
        EXPECT_TRUE(film->images.empty());
        EXPECT_TRUE(scene.YeuxFermes);

        scene.YeuxFermes = false;
        {
            HasardScript h{ValeurPour(9999, 10000)};
            form.TimerYeuxPlisses_Timer();
        }
        EXPECT_EQ(form.TimerYeuxPlisses->Interval(), 14999);
        EXPECT_TRUE(Porte(Vu(), y.plisse, y.masque, fond));
        EXPECT_FALSE(scene.YeuxFermes);
        // The squint stays until the blink draws the eyes again.
        {
            HasardScript aucun;
            form.TimerCligne_Timer();
        }
        EXPECT_TRUE(Porte(Vu(), y.fermes, y.masque, fond));
    }
}

TEST_F(Visage, MexicanSquintsInTwoFrames200MsApart) {
    Face(2);
    PausesVues pauses;
    {
        HasardScript h{0.25};
        form.TimerYeuxPlisses_Timer();
    }
    FramesSont({{"MexYeuxPlis1", "MexYeuxMask"}, {"MexYeuxPlis2", "MexYeuxMask"}});
    EXPECT_EQ(pauses.vues, std::vector<std::string>{"PlisseMexicain 200"});
    EXPECT_GE(film->instants[1] - film->instants[0], 199);
    EXPECT_EQ(form.TimerYeuxPlisses->Interval(), 7500);
    EXPECT_TRUE(Porte(Vu(), "MexYeuxPlis2", "MexYeuxMask", fond));
    EXPECT_TRUE(form.EstActive()) << "the pause ends with the table enabled";
}

TEST_F(Visage, CigarCyclesThroughItsSixStepsWithTheirIntervals) {
    Face(2);
    struct Pas {
        const char* image;
        double valeur;
        int intervalle;
        int16_t suivant;
    } const pas[] = {
        {"MexCigare1", ValeurPour(2999, 3000), 3999, 1},
        {"MexCigare2", ValeurPour(0, 800), 300, 2},
        {"MexCigare3", ValeurPour(799, 800), 1099, 3},
        {"MexCigare4", 0.5, 700, 4},
        {"MexCigare5", ValeurPour(0, 800), 300, 5},
        {"MexVisage", ValeurPour(9999, 10000), 14999, 0},
        {"MexCigare1", ValeurPour(0, 3000), 1000, 1},
    };
    for (const Pas& p : pas) {
        SCOPED_TRACE(p.image);
        {
            HasardScript h{p.valeur};
            form.TimerMexCigare_Timer();
        }
        EXPECT_TRUE(Porte(Vu(), p.image, "MexVisageMask", fond));
        EXPECT_EQ(form.TimerMexCigare->Interval(), p.intervalle);
        EXPECT_EQ(scene.FrameCigare, p.suivant);
    }
}

TEST_F(Visage, MexicanRestFaceRepaintsTheWholeFaceEyesAndDropIncluded) {
    // The rest face's mask covers the eyes and the drop.
    const QImage& visage = ImageMagasin("MexVisageMask");
    for (const char* masque : {"MexYeuxMask", "MexGoutteMask"}) {
        const QImage& m = ImageMagasin(masque);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                if ((m.pixel(x, y) & 0xFFFFFF) == 0) {
                    ASSERT_EQ(visage.pixel(x, y) & 0xFFFFFF, 0u) << masque << " " << x << "," << y;
                }
    }
    // The three ends: the cigar's last step, the drop's last step, the grin.
    const std::function<void()> fins[] = {
        [&] {
            scene.FrameCigare = 5;
            HasardScript h{0.0};
            form.TimerMexCigare_Timer();
        },
        [&] {
            scene.FrameGoutte = 4;
            form.TimerMexGoutte_Timer();
        },
        [&] { form.TimerMexDent_Timer(); },
    };
    for (const auto& fin : fins) {
        Face(2);
        scene.YeuxFermes = false;
        {
            HasardScript aucun;
            form.TimerCligne_Timer();  // eyes closed
        }
        Immobile();
        form.DessineVisage("MexGoutte3", "MexGoutteMask");
        fin();
        EXPECT_TRUE(Porte(Vu(), "MexVisage", "MexVisageMask", fond));
        EXPECT_TRUE(scene.YeuxFermes) << "the flag keeps its value";
    }
}

TEST_F(Visage, TellsWithPausesPlayTheirFramesThenStop) {
    struct Cas {
        int16_t perso;
        void (Form1::*tick)();
        Minuterie* timer;
        std::vector<std::pair<const char*, const char*>> frames;
        int pause;
    } const cas[] = {
        {1, &Form1::TimerYeuxCarte_Timer, form.TimerYeuxCarte,
         {{"YeuxCarte1", "VisageYeuxMask"},
          {"YeuxCarte2", "VisageYeuxMask"},
          {"VisageYeuxOuverts", "VisageYeuxMask"}},
         150},
        {1, &Form1::TimerYeuxAnime_Timer, form.TimerYeuxAnime,
         {{"YeuxAnime1", "VisageYeuxMask"},
          {"YeuxAnime2", "VisageYeuxMask"},
          {"YeuxAnime3", "VisageYeuxMask"},
          {"VisageYeuxOuverts", "VisageYeuxMask"}},
         100},
        {2, &Form1::TimerMexDent_Timer, form.TimerMexDent,
         {{"MexDent1", "MexVisageMask"}, {"MexVisage", "MexVisageMask"}},
         100},
    };
    for (const Cas& c : cas) {
        Face(c.perso);
        c.timer->SetInterval(20000);
        PausesVues pauses;
        {
            HasardScript aucun;
            (form.*c.tick)();
        }
        FramesSont(c.frames);
        // One pause between two frames, of exactly its length.
        ASSERT_EQ(pauses.vues.size(), c.frames.size() - 1);
        for (const std::string& p : pauses.vues) EXPECT_EQ(p.substr(p.find(' ') + 1), std::to_string(c.pause));
        for (size_t i = 1; i < film->instants.size(); ++i)
            EXPECT_GE(film->instants[i] - film->instants[i - 1], c.pause - 1);
        EXPECT_EQ(c.timer->Interval(), 0);
        EXPECT_TRUE(c.timer->Enabled()) << "only the interval stops it";
        EXPECT_TRUE(form.EstActive()) << "the pauses end with the table enabled";
    }
}

TEST_F(Visage, CowboyTellFallingWhileTheEyesAreClosedIsLost) {
    for (Minuterie* tell : {form.TimerYeuxCarte, form.TimerYeuxAnime}) {
        Face(1);
        scene.YeuxFermes = true;
        const long avant = tell->Ticks();
        tell->SetInterval(5);  // through the real timer
        ASSERT_TRUE(QTest::qWaitFor([&] { return tell->Ticks() > avant; }, 2000));
        QTest::qWait(40);
        EXPECT_EQ(tell->Ticks(), avant + 1) << "not repeated";
        EXPECT_EQ(tell->Interval(), 0);
        EXPECT_TRUE(film->images.empty());
        EXPECT_EQ(Vu(), fond);
    }
}

TEST_F(Visage, GirlTicsShowWhateverTheEyesAndStop) {
    Face(3);
    {
        HasardScript aucun;
        form.TimerCligne_Timer();  // eyes closed
    }
    Immobile();
    form.TimerFilleTicYeux->SetInterval(3000);
    form.TimerFilleTicYeux_Timer();
    EXPECT_TRUE(Porte(Vu(), "FilleYeuxTic", "FilleYeuxMask", fond));
    EXPECT_EQ(form.TimerFilleTicYeux->Interval(), 0);
    EXPECT_TRUE(scene.YeuxFermes);

    form.TimerFilleTicBouche->SetInterval(3000);
    form.TimerFilleTicBouche_Timer();
    EXPECT_TRUE(Porte(Vu(), "FilleBoucheTic", "FilleBoucheMask"));
    EXPECT_TRUE(Porte(Vu(), "FilleYeuxTic", "FilleYeuxMask")) << "the eye tic stays";
    EXPECT_EQ(form.TimerFilleTicBouche->Interval(), 0);
}

TEST_F(Visage, DropRunsDown100MsApartAndAStoppedDropResumesAtTheArmedInterval) {
    Face(2);
    form.TimerMexGoutte->SetInterval(2500);  // as armed
    const char* gouttes[] = {"MexGoutte1", "MexGoutte2", "MexGoutte3", "MexGoutte4"};
    for (int i = 0; i < 4; ++i) {
        form.TimerMexGoutte_Timer();
        EXPECT_TRUE(Porte(Vu(), gouttes[i], "MexGoutteMask", fond)) << i;
        EXPECT_EQ(form.TimerMexGoutte->Interval(), 100);
        EXPECT_EQ(scene.FrameGoutte, i + 1);
    }
    form.TimerMexGoutte_Timer();
    EXPECT_TRUE(Porte(Vu(), "MexVisage", "MexVisageMask", fond));
    EXPECT_EQ(form.TimerMexGoutte->Interval(), 0);
    EXPECT_EQ(scene.FrameGoutte, 0);

    // Cut at step 2 by a new arming that arms the drop again, 1321 ms.
    Face(2);
    form.TimerMexGoutte_Timer();
    form.TimerMexGoutte_Timer();
    ASSERT_EQ(scene.FrameGoutte, 2);
    Immobile();
    EtatDuJeu().reglages.Emotion = 0;
    EtatDuJeu().donne.CartesCowboy = {{{1, 1}, {13, 2}, {9, 3}, {6, 4}, {3, 1}}};  // nothing
    {
        HasardScript h{R(50), R(99), ValeurPour(321, 5000), ValeurPour(0, 20000)};
        form.ArmeTics();
    }
    ASSERT_EQ(form.TimerMexGoutte->Interval(), 1321);
    form.TimerMexGoutte_Timer();
    EXPECT_TRUE(Porte(Vu(), "MexGoutte3", "MexGoutteMask", fond));
    EXPECT_EQ(form.TimerMexGoutte->Interval(), 1321) << "only the first step sets 100 ms";
    EXPECT_EQ(scene.FrameGoutte, 3);
}

// Characters may share a kind of tell or idle animation, each with frames
// of its own: a tick paints only what the character at the table has.
TEST_F(Visage, ATickOfAKindTheCharacterLacksPaintsNothing) {
    struct Cas {
        void (Form1::*tick)();
        int16_t perso;
    } const cas[] = {
        {&Form1::TimerYeuxCarte_Timer, 2},    {&Form1::TimerYeuxAnime_Timer, 3},
        {&Form1::TimerMexDent_Timer, 1},      {&Form1::TimerMexGoutte_Timer, 3},
        {&Form1::TimerMexCigare_Timer, 1},    {&Form1::TimerFilleTicYeux_Timer, 2},
        {&Form1::TimerFilleTicBouche_Timer, PersoBandeBattue},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(&c - cas);
        Face(c.perso);
        scene.YeuxFermes = false;
        {
            HasardScript aucun;
            (form.*c.tick)();
        }
        EXPECT_TRUE(film->images.empty());
        EXPECT_EQ(Vu(), fond);
    }
}

TEST_F(Visage, EveryFaceTimerTicksIntoItsOwnHandler) {
    struct Cas {
        Minuterie* timer;
        int16_t perso;
    } const cas[] = {
        {form.TimerCligne, 1},    {form.TimerDent, 3},        {form.TimerYeuxPlisses, 2},
        {form.TimerYeuxCarte, 1}, {form.TimerYeuxAnime, 1},   {form.TimerMexCigare, 2},
        {form.TimerMexDent, 2},   {form.TimerMexGoutte, 2},   {form.TimerFilleTicBouche, 3},
        {form.TimerFilleTicYeux, 3},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(&c - cas);
        Face(c.perso);
        scene.YeuxFermes = false;
        const long avant = c.timer->Ticks();
        c.timer->SetInterval(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return c.timer->Ticks() > avant; }, 2000));
        EXPECT_FALSE(film->images.empty()) << "a frame painted";
        EXPECT_NE(c.timer->Interval(), 1) << "the tick set its next interval";
        Immobile();
    }
}

}  // namespace
