// The game menu as the shell wires it, during the showdown's OK wait: the
// other windows leave the showdown alone; a new game from the set-up
// dialog abandons it.
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "shell/aide.h"
#include "shell/choose.h"
#include "shell/menus.h"
#include "table_outils.h"

namespace {

using B = BoutonTable;

class MenusJeu : public testing::Test {
protected:
    QTemporaryDir dossier;
    Form1 f;

    void SetUp() override {
        EtatDuJeu() = Etat{};
        Reglages& r = EtatDuJeu().reglages;
        r.Chemin = (dossier.path() + "/").toStdString();  // the settings written there
        r.DelayCard = r.DelayTurn = r.DelayBill = 0;
        r.LangueChoisie = "UK";
        r.PremierJoueur = 0;
        r.Emotion = 100;
        DisposeTable(f);
        ConnecteMenus(f);
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    }
    void TearDown() override {
        if (MonHelp* a = AideOuverte()) delete a;
    }
    void Clique(B b) { ::Clique(f, b); }
    // Check offered with these hands, as after the opponent's check.
    void VersAbattage(int player, int cowboy, int pot) {
        Argent& a = EtatDuJeu().argent;
        a = {cowboy, player, pot};
        f.MontreArgent();
        Donne& d = EtatDuJeu().donne;
        d.Paquet.Vide();
        d.CartesCowboy = mains::Carre;
        d.CartesPlayer = mains::SuiteJoueur;
        EtatDuJeu().mises.ApresDraw = true;
        PoseOffre(f, Offre::Check);
    }
};

// Each step runs on the next modal window to appear.
void ApresModal(std::function<void(QWidget*)> etape) {
    auto* t = new QTimer;
    t->setInterval(2);
    QObject::connect(t, &QTimer::timeout, [t, etape] {
        if (QWidget* m = QApplication::activeModalWidget(); m && m->isVisible()) {
            t->stop();
            t->deleteLater();
            etape(m);
        }
    });
    t->start();
}

TEST_F(MenusJeu, OtherWindowsDuringTheOkWaitLeaveTheShowdownAlone) {
    {
        HasardSuite s;
        f.TournEasy->trigger();
    }
    ASSERT_TRUE(EtatDuJeu().partie.ModeTournoi);
    VersAbattage(290, 290, 20);
    int fenetres = 0;
    RepondOK ok([&](Form1&) {
        f.MenuHelp->trigger();  // modeless
        fenetres += AideOuverte() != nullptr;
        ApresModal([&](QWidget* m) {
            ++fenetres;
            static_cast<QDialog*>(m)->reject();
        });
        f.MenuAbout->trigger();
        ApresModal([&](QWidget* m) {
            ++fenetres;
            m->close();
        });
        f.MenuOptions->trigger();
        // Still waiting: nothing paid, the tournament untouched.
        EXPECT_EQ(EtatDuJeu().argent.pot, 20);
        EXPECT_TRUE(PorteeAttenteOK::EnCours());
    });
    HasardSuite s;
    Clique(B::Check);
    EXPECT_EQ(fenetres, 3);
    EXPECT_EQ(ok.Attentes(), 1);
    // The four tens took the pot; the next hand is dealt.
    EXPECT_EQ(EtatDuJeu().argent.cowboy, 300);
    EXPECT_TRUE(EtatDuJeu().partie.ModeTournoi);
}

TEST_F(MenusJeu, TrainingChosenInTheSetUpDialogDuringTheOkWait) {
    {
        HasardSuite s;
        f.TournEasy->trigger();
    }
    VersAbattage(290, 290, 20);
    RepondOK ok(
        [&](Form1&) {
            ApresModal([](QWidget* m) {
                auto* choose = dynamic_cast<Choose*>(m);
                ASSERT_NE(choose, nullptr);
                choose->OptionMoney[3]->click();  // $500
                choose->OK->click();
            });
            f.MenuEnter->trigger();
        },
        false);
    HasardSuite s;
    Clique(B::Check);
    EXPECT_EQ(ok.Forcees(), 0);
    const Etat& e = EtatDuJeu();
    EXPECT_FALSE(e.partie.ModeTournoi);
    EXPECT_EQ(e.argent.player, 490);
    EXPECT_EQ(e.argent.cowboy, 490);
    EXPECT_EQ(e.argent.pot, 20);
    // The dialog wrote the settings file.
    EXPECT_TRUE(QFile::exists(dossier.path() + "/quarvelin.ini"));
}

}  // namespace
