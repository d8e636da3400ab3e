// The scene of a game: table and medallions, each character's body with its
// idle timers, its hands over the cards it holds, and the card pictures.
#include "common/hasard.h"
#include "support/visages_attendus.h"
#include "table_dessin.h"

namespace {

struct Scene : TableDessin {
    Partie& partie = EtatDuJeu().partie;
    ::Scene& scene = EtatDuJeu().scene;

    QImage Fond() const { return ImageMagasin("BackGround"); }
    QImage Medaillon(int k) const { return form.Table->Surface().copy(580, 25 + 80 * k, 65, 65); }
};

TEST_F(Scene, TrainingShowsTheTableOnlyAndATournamentTheThreeMedallions) {
    form.Table->Surface().fill(Qt::red);
    partie.PersoCowboy = 2;
    form.AffBackground();
    EXPECT_EQ(form.Table->Surface(), Fond());

    struct Cas {
        int16_t perso;
        const char* medailles[3];
    } cas[] = {
        {1, {"CowMed2", "MexMed1", "FilleMed1"}},
        {2, {"CowMed3", "MexMed2", "FilleMed1"}},
        {3, {"CowMed3", "MexMed3", "FilleMed2"}},
        {PersoBandeBattue, {"CowMed3", "MexMed3", "FilleMed2"}},
    };
    partie.ModeTournoi = true;
    for (const Cas& c : cas) {
        partie.PersoCowboy = c.perso;
        form.AffBackground();
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(Medaillon(k), ImageMagasin(c.medailles[k])) << c.perso << " slot " << k;
        // Nothing else of the table changes.
        QImage reste = form.Table->Surface();
        Copie(reste, 580, 25, 65, 225, Fond(), 580, 25, OpRaster::SrcCopy);
        EXPECT_EQ(reste, Fond());
    }
}

struct Corps {
    int16_t perso;
    const char* corps;
    int x, y;
};

// The body where it stands, and the idle face timers it starts, in order,
// each one's interval drawn in its range.
TEST_F(Scene, EachCharactersBodyIsDrawnAndItsIdleTimersStartedInOrder) {
    const Corps cas[] = {
        {1, "Cowboy", 170, 40},
        {2, "Mexicain", 125, 16},
        {3, "Fille", 212, 18},
    };
    // A low, a middle and a high draw: each timer shows which one it took.
    const double tirages[] = {0.0, 0.5, 0.999};
    for (const Corps& c : cas) {
        for (Minuterie* m : form.TimersVisage) {
            m->SetInterval(0);
            m->SetEnabled(false);
        }
        form.AffBackground();
        partie.PersoCowboy = c.perso;
        // The cowboy stands where the deal put him, not at his record.
        scene.CowboyX = 170;
        scene.CowboyY = 40;
        scene.FrameCigare = 3;
        HasardScript h{tirages[0], tirages[1], tirages[2]};
        form.AffCowboy();

        QImage attendu = Fond();
        Sprite(attendu, c.corps, c.x, c.y);
        EXPECT_EQ(form.Table->Surface(), attendu) << c.corps;
        int lances = 0;
        for (Minuterie* m : form.TimersVisage) lances += m->Interval() > 0;
        EXPECT_EQ(lances, 3) << c.corps;
        for (int j = 0; j < 3; ++j) {
            const VisageAttendu::Lancement& l = kVisagesAttendus[c.perso - 1].ralenti[j];
            EXPECT_EQ((form.*l.timer)->Interval(), int(tirages[j] * l.etendue) + l.plusBas)
                << c.corps << " timer " << j;
            EXPECT_TRUE((form.*l.timer)->Enabled()) << c.corps;
        }
        EXPECT_EQ(scene.FrameCigare, c.perso == 2 ? 0 : 3);
    }
}

TEST_F(Scene, NoOneToDrawForAnyOtherCharacter) {
    for (int16_t perso : {int16_t(0), PersoBandeBattue}) {
        partie.PersoCowboy = perso;
        scene.FrameCigare = 2;
        HasardScript h;  // no draw
        form.AffCowboy();
        EXPECT_EQ(form.Table->Surface(), Fond());
        for (Minuterie* m : form.TimersVisage) EXPECT_EQ(m->Interval(), 0);
        EXPECT_EQ(scene.FrameCigare, 2);
    }
}

TEST_F(Scene, HandsOfEachCharacterAndTheGirlsForAnyOtherValue) {
    const std::pair<int16_t, const char*> cas[] = {
        {1, "Mains"},      {2, "MainsMex"}, {3, "MainsFille"},
        {0, "MainsFille"}, {PersoBandeBattue, "MainsFille"}};
    Picture& f = *form.FenetreMains;
    for (auto [perso, mains] : cas) {
        partie.PersoCowboy = perso;
        f.Surface().fill(Qt::darkGreen);
        f.Hide();
        QImage attendu = f.Surface();
        Sprite(attendu, mains, 0, 0);
        form.AffMains();
        EXPECT_EQ(f.Surface(), attendu) << perso;
        EXPECT_FALSE(f.Visible()) << "the callers show the window";
    }
}

TEST_F(Scene, HandsWindowRebuiltFromTheTableTheFanAndTheHands) {
    Picture& f = *form.FenetreMains;
    f.Move(286, 189, 74, 52);  // where the deal puts the Mexican's
    partie.PersoCowboy = 2;
    form.AffCowboy();  // a body under the window, with the draws of its timers
    for (int k = 0; k <= 5; ++k) {
        f.Surface().fill(Qt::red);
        f.Hide();
        form.AffMainsCartes(k);
        QImage attendu = SousTable(f);
        // No card held: the bare hands are the fan's layer.
        Sprite(attendu, k == 0 ? "Mains" : QString("Cartes%1").arg(k).toLatin1().constData(), 0, 0);
        Sprite(attendu, "MainsMex", 0, 0);
        EXPECT_EQ(f.Surface(), attendu) << k;
        EXPECT_TRUE(f.Visible());
    }
}

TEST_F(Scene, CardFacesFromTheSheetInUseAndBacksFromTheStrip) {
    Picture& carte = *form.Card1;
    const struct {
        const char* feuille;
        int valeur, couleur;
    } faces[] = {{"TabCartes", 1, 4}, {"TabCartes", 13, 1}, {"TabCartes2", 7, 3}};
    for (const auto& f : faces) {
        DispositionDuJeu().Cartes = f.feuille;
        form.PeintFace(carte, f.valeur, f.couleur);
        EXPECT_EQ(carte.Surface(), ImageMagasin(f.feuille).copy((f.valeur - 1) * 71,
                                                                (f.couleur - 1) * 96, 71, 96))
            << f.feuille << " " << f.valeur << " " << f.couleur;
    }
    for (int16_t dos : {int16_t(1), int16_t(3), int16_t(11)}) {
        EtatDuJeu().reglages.DosCarte = dos;
        form.PeintDos(carte);
        EXPECT_EQ(carte.Surface(), ImageMagasin("DosCartes").copy((dos - 1) * 72, 0, 71, 96)) << dos;
    }
    EXPECT_FALSE(carte.Visible()) << "the flow shows the cards";
}

}  // namespace
