#include "shell/options.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "assets/magasin.h"
#include "common/textes_dialogues.h"
#include "dialogues_test_outils.h"
#include "modal.h"
#include "render/form1.h"
#include "shell/menus.h"
#include "support/fichier_ini_defaut.h"

namespace {

class Options : public EtatPreserve {};

const QImage& Magasin(const char* nom) { return MagasinImages::Instance().Image(QString::fromUtf8(nom)); }

// The defaults of the three delays and of the card back, as the file of a
// first start holds them.
const std::vector<std::string> kDefaut = ValeursINIDefaut();
const QString kDelayCard = QString::fromStdString(kDefaut[6]);
const QString kDelayTurn = QString::fromStdString(kDefaut[7]);
const QString kDelayBill = QString::fromStdString(kDefaut[8]);

TEST_F(Options, OpensOnTheRunningSettingsInEnglish) {
    Reglages& r = EtatDuJeu().reglages;
    r.LangueChoisie = "UK";
    r.DosCarte = 3;
    r.TypeCartes = 2;
    r.PremierJoueur = 1;
    r.DelayCard = 100;
    r.DelayTurn = 2000;
    r.DelayBill = 0;
    OptionsDorvane d;
    EXPECT_EQ(d.windowTitle(), "Options");
    EXPECT_EQ(d.OptSave->text(), "Save");
    EXPECT_EQ(d.Frame1[2]->title(), "Language");
    EXPECT_EQ(d.Label3[1]->text(), "Delay between 2 turns :");
    EXPECT_TRUE(d.Lang[1]->isChecked());
    EXPECT_EQ(d.Lang[1]->text(), "English");
    EXPECT_TRUE(d.Option1[1]->isChecked());
    EXPECT_EQ(d.DelayCard->text(), "100");
    EXPECT_EQ(d.DelayTurn->text(), "2000");
    EXPECT_EQ(d.DelayBill->text(), "0");
    EXPECT_EQ(d.BackName->text(), "Solo");
    EXPECT_EQ(d.GameName->text(), "Western");
    EXPECT_TRUE(d.OptCan->isEnabled());
    // The third back starts at x 144 of the strip; the sample card is the
    // queen of hearts, column 12 of the sheet.
    EXPECT_TRUE(MemesPixels(d.BackChoose->Surface(), Magasin("DosCartes").copy(144, 0, 71, 96)));
    EXPECT_TRUE(MemesPixels(d.GameChoose->Surface(), Magasin("TabCartes2").copy(781, 0, 71, 96)));
}

TEST_F(Options, OpensInFrenchWithFrenchSelected) {
    EtatDuJeu().reglages.LangueChoisie = "FR";
    OptionsDorvane d;
    EXPECT_EQ(d.OptSave->text(), "Sauver");
    EXPECT_EQ(d.OptDef->text(), "D\u00e9faut");
    EXPECT_EQ(d.OptCan->text(), "Annuler");
    EXPECT_EQ(d.OK->text(), "OK");
    EXPECT_EQ(d.Label1[0]->text(), "Premier joueur :");
    EXPECT_EQ(d.Frame1[2]->title(), "Langage");
    EXPECT_EQ(d.Option1[1]->text(), "Votre adversaire");
    EXPECT_EQ(d.Label4[0]->text(), "ms  (1s = 1000ms)");
    EXPECT_EQ(d.Lang[0]->text(), "Fran\u00e7ais");
    EXPECT_EQ(d.LangueInfo->text(),
              "Note: cliquez sur Sauver pour prendre en compte la modification de la langue lors "
              "du prochain lancement.");
    EXPECT_TRUE(d.Lang[0]->isChecked());
    EXPECT_FALSE(d.Lang[1]->isChecked());
    // Default back and set: "Real Western", "Typical".
    EXPECT_EQ(d.BackName->text(), "Real Western");
    EXPECT_EQ(d.GameName->text(), "Typical");
}

TEST_F(Options, DelayBoxesReplaceWhatIsNotANumberByTheirDefault) {
    OptionsDorvane d;
    d.DelayCard->setText("12");
    d.DelayCard->end(false);
    d.DelayCard->insert("a");  // as a typed letter
    EXPECT_EQ(d.DelayCard->text(), kDelayCard);
    d.DelayTurn->setText("");
    EXPECT_EQ(d.DelayTurn->text(), kDelayTurn);
    // Out of the 16-bit range: refused like a letter.
    d.DelayBill->setText("40000");
    EXPECT_EQ(d.DelayBill->text(), kDelayBill);
    d.DelayBill->setText("-32769");
    EXPECT_EQ(d.DelayBill->text(), kDelayBill);
    // Negative and fractional numbers are numbers.
    d.DelayCard->setText(" -7 ");
    EXPECT_EQ(d.DelayCard->text(), " -7 ");
    d.DelayTurn->setText("32767");
    d.DelayBill->setText("12.6");
    d.OK->click();
    const Reglages& r = EtatDuJeu().reglages;
    EXPECT_EQ(r.DelayCard, -7);
    EXPECT_EQ(r.DelayTurn, 32767);
    EXPECT_EQ(r.DelayBill, 13);
}

TEST_F(Options, OkAtRandomAppliesWithoutWriting) {
    Reglages& r = EtatDuJeu().reglages;
    r.PremierJoueur = 0;
    OptionsDorvane d;
    d.show();
    d.Option1[2]->click();
    d.ScrollBack->setValue(11);
    d.Lang[0]->click();
    d.OK->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(r.PremierJoueur, 2);
    EXPECT_EQ(r.DosCarte, 11);
    EXPECT_EQ(r.LangueChoisie, "");  // the language option is for Save only
    EXPECT_FALSE(FichierEcrit());
}

TEST_F(Options, EnterInADelayBoxPressesOk) {
    OptionsDorvane d;
    d.show();
    d.DelayTurn->setFocus();
    d.DelayTurn->setText("700");
    QTest::keyClick(d.DelayTurn, Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(EtatDuJeu().reglages.DelayTurn, 700);
    EXPECT_FALSE(FichierEcrit());
}

TEST_F(Options, ScrollBarsTakeTheFocusAndMoveOneBackAtATime) {
    OptionsDorvane d;
    d.show();
    for (QScrollBar* barre : {d.ScrollBack, d.ScrollGame})
        EXPECT_TRUE(barre->focusPolicy() & Qt::TabFocus);
    d.ScrollBack->setValue(1);
    d.ScrollBack->setFocus();
    QTest::keyClick(d.ScrollBack, Qt::Key_Right);
    EXPECT_EQ(d.ScrollBack->value(), 2);
    EXPECT_EQ(d.BackName->text(), "Imperial");
    QTest::keyClick(d.ScrollBack, Qt::Key_Left);
    QTest::keyClick(d.ScrollBack, Qt::Key_Right);
    QTest::keyClick(d.ScrollBack, Qt::Key_Right);
    EXPECT_EQ(d.ScrollBack->value(), 3);

    // Clicks in the track, far right of the thumb, then far left of it.
    QStyleOptionSlider option;
    option.initFrom(d.ScrollBack);
    option.orientation = Qt::Horizontal;
    option.minimum = d.ScrollBack->minimum();
    option.maximum = d.ScrollBack->maximum();
    option.sliderPosition = option.sliderValue = d.ScrollBack->value();
    option.pageStep = d.ScrollBack->pageStep();
    option.singleStep = d.ScrollBack->singleStep();
    const QRect piste = d.ScrollBack->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                               QStyle::SC_ScrollBarGroove, d.ScrollBack);
    const QPoint droite(piste.right() - 2, piste.center().y());
    const QPoint gauche(piste.left() + 2, piste.center().y());
    for (int attendu : {4, 5, 6}) {
        QTest::mouseClick(d.ScrollBack, Qt::LeftButton, {}, droite);
        EXPECT_EQ(d.ScrollBack->value(), attendu);
    }
    QTest::mouseClick(d.ScrollBack, Qt::LeftButton, {}, gauche);
    EXPECT_EQ(d.ScrollBack->value(), 5);
    QTest::mouseClick(d.ScrollGame, Qt::LeftButton, {}, droite);
    EXPECT_EQ(d.ScrollGame->value(), 2);
}

TEST_F(Options, DefaultThenCancelChangesNothingButTheFaceSheet) {
    Reglages& r = EtatDuJeu().reglages;
    r.DosCarte = 2;
    r.TypeCartes = 2;
    r.PremierJoueur = 1;
    r.DelayCard = 50;
    const Reglages avant = r;
    OptionsDorvane d;
    d.show();
    EXPECT_EQ(&Cartes(), &Magasin("TabCartes2"));
    d.OptDef->click();
    EXPECT_TRUE(d.Option1[2]->isChecked());
    EXPECT_EQ(d.DelayCard->text(), kDelayCard);
    EXPECT_EQ(d.DelayTurn->text(), kDelayTurn);
    EXPECT_EQ(d.DelayBill->text(), kDelayBill);
    EXPECT_EQ(d.ScrollBack->value(), std::stoi(kDefaut[12]));
    EXPECT_EQ(d.BackName->text(), "Real Western");
    EXPECT_EQ(d.GameName->text(), "Typical");
    d.OptCan->click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(r.DosCarte, avant.DosCarte);
    EXPECT_EQ(r.TypeCartes, 2);
    EXPECT_EQ(r.PremierJoueur, 1);
    EXPECT_EQ(r.DelayCard, 50);
    // The face sheet switched at once and stays.
    EXPECT_EQ(&Cartes(), &Magasin("TabCartes"));
    EXPECT_FALSE(FichierEcrit());
}

TEST_F(Options, WesternChosenThenCancelledStaysInUse) {
    OptionsDorvane d;
    d.ScrollGame->setValue(2);
    d.OptCan->click();
    EXPECT_EQ(&Cartes(), &Magasin("TabCartes2"));
    EXPECT_EQ(EtatDuJeu().reglages.TypeCartes, 1);
}

TEST_F(Options, SaveWithTheOtherLanguageWritesItAndKeepsTheRunningOne) {
    Reglages& r = EtatDuJeu().reglages;
    r.LangueChoisie = "UK";
    Form1 table;
    const QString menuAvant = table.MenuHelp->text();
    OptionsDorvane d(&table);
    d.show();
    d.Lang[0]->click();
    d.DelayTurn->setText("900");
    {
        RepondeurMessages oui(QMessageBox::Yes, [](QMessageBox& m) {
            EXPECT_EQ(m.windowTitle(), "Save options");
            EXPECT_EQ(m.text(), "Are you sure ?");
            EXPECT_EQ(m.defaultButton(), m.button(QMessageBox::No));
            EXPECT_EQ(m.buttons().size(), 2);
        });
        d.OptSave->click();
        EXPECT_EQ(oui.Vues(), 1);
    }
    const auto lignes = LignesINI();
    ASSERT_EQ(lignes.size(), 34u);
    EXPECT_EQ(lignes[7], "900");
    EXPECT_EQ(lignes[10], "FR");
    EXPECT_EQ(r.LangueChoisie, "UK");
    EXPECT_EQ(table.MenuHelp->text(), menuAvant);
    EXPECT_EQ(r.DelayTurn, 900);
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(d.OptCan->isEnabled());
    // Any change makes Cancel available again.
    d.Option1[0]->click();
    EXPECT_TRUE(d.OptCan->isEnabled());
}

// A Save that does not happen says so in a box of its own, in the running
// language: the file, then why; the dialog stays open.
TEST_F(Options, SaveThatFailsSaysSoAndWhy) {
    struct Cas {
        const char* langue;
        std::function<void(Reglages&)> prepare;
        std::string pourquoi;
    };
    const Cas cas[] = {
        {"UK", [](Reglages& r) { mkdir((r.Chemin + "quarvelin.ini").c_str(), 0755); },
         "Its name is taken by something that is not a file."},
        {"FR", [](Reglages& r) { r.ErreurLecture = EACCES; },
         "Il n'a pas pu \u00eatre lu au d\u00e9marrage, il est donc gard\u00e9 tel quel."},
        {"UK", [](Reglages& r) { r.ErreurLecture = EFBIG; },
         "Its first lines are too long to be read at start-up, so it is kept as it is."},
        {"FR", [](Reglages& r) { r.Chemin += "absent/"; },
         std::string("Le syst\u00e8me l'a refus\u00e9 : ") + std::strerror(ENOENT) + "."},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.pourquoi);
        Reglages& r = EtatDuJeu().reglages;
        const std::string dossier = r.Chemin;
        r.LangueChoisie = c.langue;
        c.prepare(r);
        OptionsDorvane d;
        d.show();
        QString titre, texte;
        QList<QAbstractButton*> boutons;
        PiloteModal pilote({[](QWidget* w) { static_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click(); },
                            [&](QWidget* w) {
                                auto* m = static_cast<QMessageBox*>(w);
                                titre = m->windowTitle();
                                texte = m->text();
                                boutons = m->buttons();
                                m->button(QMessageBox::Ok)->click();
                            }});
        d.OptSave->click();
        EXPECT_EQ(pilote.Vus(), (std::vector<std::string>{"QMessageBox", "QMessageBox"}));
        const bool fr = r.Francais();
        EXPECT_EQ(titre, Texte(textes_dialogues::SauverTitre.Dans(fr)));
        EXPECT_EQ(texte, Texte(textes_dialogues::SauverEchec.Dans(fr)) + "\n" +
                             QString::fromStdString(r.Chemin + "quarvelin.ini") + "\n\n" +
                             QString::fromStdString(c.pourquoi));
        EXPECT_EQ(boutons.size(), 1);
        EXPECT_TRUE(d.isVisible());
        r.Chemin = dossier;
        r.ErreurLecture = 0;
    }
}

TEST_F(Options, SaveAnsweredNoDoesNothing) {
    EtatDuJeu().reglages.LangueChoisie = "FR";
    OptionsDorvane d;
    d.show();
    d.DelayCard->setText("1");
    RepondeurMessages non(QMessageBox::No, [](QMessageBox& m) {
        EXPECT_EQ(m.windowTitle(), "Sauver les options");
        EXPECT_EQ(m.text(), "Etes-vous s\u00fbr ?");
        EXPECT_EQ(m.button(QMessageBox::Yes)->text(), "Oui");
        EXPECT_EQ(m.button(QMessageBox::No)->text(), "Non");
    });
    d.OptSave->click();
    EXPECT_EQ(non.Vues(), 1);
    EXPECT_FALSE(FichierEcrit());
    EXPECT_EQ(EtatDuJeu().reglages.DelayCard, Reglages{}.DelayCard);
    EXPECT_TRUE(d.OptCan->isEnabled());
}

TEST_F(Options, OutOfRangeSettingsOpenWithoutHarm) {
    Reglages& r = EtatDuJeu().reglages;
    r.DosCarte = 40;
    r.TypeCartes = 7;
    r.PremierJoueur = 5;
    OptionsDorvane d;
    EXPECT_EQ(d.ScrollBack->value(), 11);
    EXPECT_EQ(d.BackName->text(), "Bonapart 1858");
    EXPECT_EQ(d.GameName->text(), "Western");
    d.OK->click();
    EXPECT_EQ(r.PremierJoueur, 2);
    EXPECT_EQ(r.DosCarte, 11);
}

TEST_F(Options, TheMenuItemOpensTheDialogModally) {
    Form1 table;
    ConnecteMenus(table);
    bool vu = false;
    QTimer sonde;
    sonde.setInterval(10);
    QObject::connect(&sonde, &QTimer::timeout, [&] {
        if (auto* d = dynamic_cast<OptionsDorvane*>(QApplication::activeModalWidget())) {
            vu = true;
            d->OptCan->click();
        }
    });
    sonde.start();
    table.MenuOptions->trigger();
    EXPECT_TRUE(vu);
}

}  // namespace
