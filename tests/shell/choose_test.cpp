#include "shell/choose.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include "assets/magasin.h"
#include "dialogues_test_outils.h"
#include "support/hasard_script.h"

namespace {

const QImage& Magasin(const char* nom) { return MagasinImages::Instance().Image(QString::fromUtf8(nom)); }

// The three bill piles draw two values per bill: 4 + 8 + 12 bills.
constexpr int TiragesPiles = 48;

class ChooseTest : public EtatPreserve {
protected:
    // Piles that do not sway: every direction draw 1, every step 0.
    static std::vector<double> PilesDroites() {
        std::vector<double> v;
        for (int i = 0; i < TiragesPiles / 2; ++i) {
            v.push_back(ValeurPour(1, 2));
            v.push_back(ValeurPour(0, 2));
        }
        return v;
    }
};

TEST_F(ChooseTest, BillPilesSwayByTheirDrawsInOrder) {
    // First pile: +1, -1, 0 (direction 1, step 0), -1, each a direction then a step.
    std::vector<double> v{ValeurPour(1, 2), ValeurPour(1, 2), ValeurPour(0, 2), ValeurPour(1, 2),
                          ValeurPour(1, 2), ValeurPour(0, 2), ValeurPour(0, 2), ValeurPour(1, 2)};
    const auto reste = PilesDroites();
    v.insert(v.end(), reste.begin() + 8, reste.end());
    HasardScript script(v);
    Choose d;
    EXPECT_EQ(script.Restants(), 0u);

    // By hand: x runs 6, 5, 5, 4 and the bills stand at H - 62, -64, -66, -68.
    const QImage& billet = Magasin("BillCowboy");
    const QImage& masque = Magasin("BillCowboyMask");
    QImage attendu = d.BillChoose[1]->Surface();
    attendu.fill(d.BillChoose[1]->palette().color(QPalette::Window));
    const int h = attendu.height();
    const int xs[] = {6, 5, 5, 4};
    for (int n = 0; n < 4; ++n) {
        QPainter p(&attendu);
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        p.drawImage(xs[n], h - 62 - 2 * n, masque);
        p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        p.drawImage(xs[n], h - 62 - 2 * n, billet);
    }
    EXPECT_TRUE(MemesPixels(d.BillChoose[1]->Surface(), attendu));
}

TEST_F(ChooseTest, LabelsShowTheirValuesFromTheFirstShowing) {
    Reglages& r = EtatDuJeu().reglages;
    r.Skill = 0;  // the slider's own starting position
    r.Bluff = 30;
    r.Risk = 100;
    r.Emotion = 65;
    HasardScript script(PilesDroites());
    Choose d;
    EXPECT_EQ(d.Label1[0]->text(), "Skill : 0%");
    EXPECT_EQ(d.Label1[1]->text(), "Bluff Addicted : 30%");
    EXPECT_EQ(d.Label1[2]->text(), "Risk Addicted : 100%");
    EXPECT_EQ(d.Label1[3]->text(), "Self Control : 65%");
    d.SliderSkill->setValue(42);
    EXPECT_EQ(d.Label1[0]->text(), "Skill : 42%");
}

TEST_F(ChooseTest, FrenchCaptions) {
    EtatDuJeu().reglages.LangueChoisie = "FR";
    HasardScript script(PilesDroites());
    Choose d;
    EXPECT_EQ(d.windowTitle(), "D\u00e9finissez les qualit\u00e9s de votre adversaire :");
    EXPECT_EQ(d.Label1[0]->text(), "Intelligence : 50%");
    EXPECT_EQ(d.Label1[3]->text(), "Gestion des \u00e9motions : 50%");
    EXPECT_EQ(d.OK->text(), "C'est parti !");
    EXPECT_EQ(d.Default->text(), "D\u00e9faut");
    EXPECT_EQ(d.Cancel->text(), "Annuler");
    EXPECT_EQ(d.OptionMoney[3]->text(), "$500");
}

TEST_F(ChooseTest, OkStoresTheSetUpAndWritesTheFile) {
    HasardScript script(PilesDroites());
    Choose d;
    d.show();
    d.SliderSkill->setValue(70);
    d.SliderBluff->setValue(10);
    d.SliderRisk->setValue(90);
    d.SliderEmotion->setValue(20);
    d.OptionMoney[3]->click();
    EXPECT_TRUE(d.BillChoose[3]->ABordure());
    EXPECT_FALSE(d.BillChoose[2]->ABordure());
    d.OK->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    const Reglages& r = EtatDuJeu().reglages;
    EXPECT_EQ(r.Skill, 70);
    EXPECT_EQ(r.Bluff, 10);
    EXPECT_EQ(r.Risk, 90);
    EXPECT_EQ(r.Emotion, 20);
    EXPECT_EQ(r.ArgentDepart, 500);
    EXPECT_EQ(r.ChoixCowboy, 1);
    EXPECT_FALSE(EtatDuJeu().partie.ChoixAnnule);
    const auto l = LignesINI();
    ASSERT_EQ(l.size(), 34u);
    // Skill, bluff, risk, self-control, money.
    EXPECT_EQ(l[1], "70");
    EXPECT_EQ(l[2], "10");
    EXPECT_EQ(l[3], "90");
    EXPECT_EQ(l[4], "20");
    EXPECT_EQ(l[5], "500");
}

TEST_F(ChooseTest, EnterPressesOk) {
    HasardScript script(PilesDroites());
    Choose d;
    d.show();
    d.SliderBluff->setFocus();
    d.SliderBluff->setValue(61);
    QTest::keyClick(d.SliderBluff, Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(EtatDuJeu().reglages.Bluff, 61);
    EXPECT_EQ(LignesINI().size(), 34u);
}

TEST_F(ChooseTest, LockedCharactersAreRefusedWithAMessage) {
    EtatDuJeu().reglages.Progression = 0;
    HasardScript script(PilesDroites());
    Choose d;
    d.show();
    EXPECT_TRUE(MemesPixels(d.ChooseM->Surface(), Magasin("MexMed1")));
    EXPECT_TRUE(MemesPixels(d.ChooseF->Surface(), Magasin("FilleMed1")));
    RepondeurMessages ok(QMessageBox::Ok, [](QMessageBox& m) {
        EXPECT_EQ(m.windowTitle(), "Caution");
        EXPECT_EQ(m.text(),
                  "You must have defeat this cowboy in the tournament mode to be able to select him.\n");
        EXPECT_EQ(m.buttons().size(), 1);
    });
    d.ChooseOpp[1]->click();
    EXPECT_EQ(ok.Vues(), 1);
    EXPECT_TRUE(d.ChooseOpp[0]->isChecked());
    d.ChooseOpp[2]->click();
    EXPECT_EQ(ok.Vues(), 2);
    EXPECT_TRUE(d.ChooseOpp[0]->isChecked());
    d.OK->click();
    EXPECT_EQ(EtatDuJeu().reglages.ChoixCowboy, 1);
}

TEST_F(ChooseTest, MexicanUnlockedLeavesTheGirlLocked) {
    EtatDuJeu().reglages.Progression = ProgressionMexicain;
    EtatDuJeu().reglages.LangueChoisie = "FR";
    HasardScript script(PilesDroites());
    Choose d;
    d.show();
    EXPECT_TRUE(MemesPixels(d.ChooseM->Surface(), Magasin("MexMed2")));
    EXPECT_TRUE(MemesPixels(d.ChooseF->Surface(), Magasin("FilleMed1")));
    RepondeurMessages ok(QMessageBox::Ok, [](QMessageBox& m) {
        EXPECT_EQ(m.windowTitle(), "Attention");
        EXPECT_TRUE(m.text().startsWith("Vous devez avoir d\u00e9j\u00e0 battu ce cowboy"));
    });
    d.ChooseOpp[1]->click();
    EXPECT_EQ(ok.Vues(), 0);
    EXPECT_TRUE(d.ChooseOpp[1]->isChecked());
    d.ChooseOpp[2]->click();
    EXPECT_EQ(ok.Vues(), 1);
    EXPECT_TRUE(d.ChooseOpp[0]->isChecked());
}

TEST_F(ChooseTest, AllUnlockedAcceptsEveryoneAndRestartsTheZoom) {
    EtatDuJeu().reglages.Progression = ProgressionTous;
    HasardScript script(PilesDroites());
    Choose d;
    d.show();
    EXPECT_TRUE(MemesPixels(d.ChooseF->Surface(), Magasin("FilleMed2")));
    RepondeurMessages ok(QMessageBox::Ok);
    for (int i = 0; i < 5; ++i) d.Timer1_Timer();
    EXPECT_EQ(d.AnimChoose, 95);
    d.ChooseOpp[2]->click();
    EXPECT_EQ(ok.Vues(), 0);
    EXPECT_TRUE(d.ChooseOpp[2]->isChecked());
    EXPECT_EQ(d.AnimChoose, 100);
    // The cowboy's portrait is whole again.
    EXPECT_TRUE(MemesPixels(d.ChooseC->Surface(), Magasin("CowMed2")));
    d.OK->click();
    EXPECT_EQ(EtatDuJeu().reglages.ChoixCowboy, 3);
}

TEST_F(ChooseTest, AnyOtherMarkerUnlocksNothing) {
    EtatDuJeu().reglages.Progression = ProgressionTous + 1;
    HasardScript script(PilesDroites());
    Choose d;
    EXPECT_TRUE(MemesPixels(d.ChooseM->Surface(), Magasin("MexMed1")));
    RepondeurMessages ok(QMessageBox::Ok);
    d.ChooseOpp[1]->click();
    EXPECT_EQ(ok.Vues(), 1);
}

TEST_F(ChooseTest, SettingsNamingALockedCharacterAreRefusedAtOnce) {
    EtatDuJeu().reglages.ChoixCowboy = 3;
    EtatDuJeu().reglages.Progression = ProgressionMexicain;
    HasardScript script(PilesDroites());
    RepondeurMessages ok(QMessageBox::Ok);
    Choose d;
    EXPECT_EQ(ok.Vues(), 1);
    EXPECT_TRUE(d.ChooseOpp[0]->isChecked());
}

TEST_F(ChooseTest, DuringATournamentShowsTheSavedTrainingSetUp) {
    Etat& e = EtatDuJeu();
    e.partie.ModeTournoi = true;
    e.partie.ReglagesSauves = true;
    e.reglages.Skill = 90;  // the tournament opponent's
    e.reglages.ArgentDepart = 500;
    e.partie.SauveSkill = 35;
    e.partie.SauveBluff = 15;
    e.partie.SauveRisk = 25;
    e.partie.SauveEmotion = 45;
    e.partie.SauveArgent = 300;
    HasardScript script(PilesDroites());
    Choose d;
    d.show();
    EXPECT_EQ(d.SliderSkill->value(), 35);
    EXPECT_EQ(d.SliderBluff->value(), 15);
    EXPECT_EQ(d.SliderRisk->value(), 25);
    EXPECT_EQ(d.SliderEmotion->value(), 45);
    EXPECT_TRUE(d.OptionMoney[1]->isChecked());
    EXPECT_TRUE(d.BillChoose[1]->ABordure());
    d.OK->click();
    EXPECT_FALSE(e.partie.ModeTournoi);
    EXPECT_FALSE(e.partie.ReglagesSauves);
    EXPECT_EQ(e.reglages.Skill, 35);
    EXPECT_EQ(e.reglages.ArgentDepart, 300);
    const auto l = LignesINI();
    ASSERT_EQ(l.size(), 34u);
    EXPECT_EQ(l[1], "35");
    EXPECT_EQ(l[5], "300");
}

TEST_F(ChooseTest, DefaultThenCancelChangesNothing) {
    Reglages& r = EtatDuJeu().reglages;
    r.Skill = 80;
    r.ArgentDepart = 300;
    r.ChoixCowboy = 2;
    r.Progression = ProgressionMexicain;
    const Reglages avant = r;
    HasardScript script(PilesDroites());
    Choose d;
    d.show();
    d.Default->click();
    EXPECT_EQ(d.SliderSkill->value(), 50);
    EXPECT_EQ(d.SliderEmotion->value(), 50);
    EXPECT_EQ(d.SliderBluff->value(), 30);
    EXPECT_EQ(d.SliderRisk->value(), 40);
    EXPECT_TRUE(d.OptionMoney[2]->isChecked());
    EXPECT_TRUE(d.ChooseOpp[0]->isChecked());
    d.Cancel->click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_TRUE(EtatDuJeu().partie.ChoixAnnule);
    EXPECT_EQ(r.Skill, avant.Skill);
    EXPECT_EQ(r.ArgentDepart, avant.ArgentDepart);
    EXPECT_EQ(r.ChoixCowboy, avant.ChoixCowboy);
    EXPECT_FALSE(FichierEcrit());
}

TEST_F(ChooseTest, TheCloseBoxCountsAsCancel) {
    HasardScript script(PilesDroites());
    Choose d;
    d.show();
    d.close();
    EXPECT_TRUE(EtatDuJeu().partie.ChoixAnnule);
    EXPECT_FALSE(FichierEcrit());
}

TEST_F(ChooseTest, ValuesOutOfRangeSelectTheDefaults) {
    Reglages& r = EtatDuJeu().reglages;
    r.ArgentDepart = 250;
    r.ChoixCowboy = 7;
    HasardScript script(PilesDroites());
    Choose d;
    EXPECT_TRUE(d.OptionMoney[2]->isChecked());
    EXPECT_TRUE(d.ChooseOpp[0]->isChecked());
    d.OK->click();
    EXPECT_EQ(r.ArgentDepart, 400);
    EXPECT_EQ(r.ChoixCowboy, 1);
}

TEST_F(ChooseTest, PortraitZoomGoesDownToEightyAndBack) {
    HasardScript script(PilesDroites());
    Choose d;
    EXPECT_EQ(d.Timer1->interval(), 16);
    for (int i = 0; i < 10; ++i) d.Timer1_Timer();
    EXPECT_EQ(d.AnimChoose, 90);
    // 65 x 90 % = 58.5 pixels, taken to the even 58, centred 3 pixels in.
    const QImage& s = d.ChooseC->Surface();
    const QColor fond = d.ChooseC->palette().color(QPalette::Window);
    QImage attendu(65, 65, QImage::Format_RGB32);
    attendu.fill(fond);
    {
        QPainter p(&attendu);
        p.drawImage(QRect(3, 3, 58, 58), Magasin("CowMed2"), QRect(0, 0, 65, 65));
    }
    EXPECT_TRUE(MemesPixels(s, attendu));
    for (int i = 0; i < 10; ++i) d.Timer1_Timer();
    EXPECT_EQ(d.AnimChoose, 80);
    d.Timer1_Timer();
    EXPECT_EQ(d.AnimChoose, 81);
    for (int i = 0; i < 19; ++i) d.Timer1_Timer();
    EXPECT_EQ(d.AnimChoose, 100);
    d.Timer1_Timer();
    EXPECT_EQ(d.AnimChoose, 99);
}

}  // namespace
