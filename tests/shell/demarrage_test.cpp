// The start-up of the table window, first and later starts, and the menus.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "common/disposition.h"
#include "common/etat.h"
#include "render/form1.h"
#include "shell/about.h"
#include "shell/image_cliquable.h"
#include "shell/demarrage.h"
#include "shell/intro.h"
#include "shell/langue.h"
#include "shell/menus.h"
#include "capteur_liens.h"
#include "modal.h"
#include "support/fichier_ini_defaut.h"
#include "support/images.h"

namespace {

QByteArray FichierDefaut(const std::string& langue) { return QByteArray::fromStdString(FichierINIDefaut(langue)); }

void ClicFR(QWidget* w) {
    auto* l = qobject_cast<Langue*>(w);
    ASSERT_NE(l, nullptr);
    QTest::mouseClick(l->DrapeauFR, Qt::LeftButton);
}
void Fermer(QWidget* w) { w->close(); }
void Jouer(QWidget* w) {
    auto* i = qobject_cast<Intro*>(w);
    ASSERT_NE(i, nullptr);
    i->Play->click();
}
// French if asked, then the intro played.
void Repond(QWidget* w) {
    if (qobject_cast<Langue*>(w))
        ClicFR(w);
    else
        Jouer(w);
}

// Each test starts in an empty folder of its own, with a fresh state.
class Demarrage : public ::testing::Test {
protected:
    void SetUp() override {
        avant_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dossier_.path()));
        EtatDuJeu() = Etat{};
    }
    void TearDown() override {
        QDir::setCurrent(avant_);
        // whatever bytes the names inside hold
        std::filesystem::remove_all(dossier_.path().toStdString());
        EtatDuJeu() = Etat{};
        DispositionDuJeu() = Disposition{};
    }
    QString Chemin() const { return dossier_.filePath("quarvelin.ini"); }
    QByteArray Fichier() const {
        QFile f(Chemin());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
    void Ecrit(const QByteArray& contenu) const {
        QFile f(Chemin());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    }

    QTemporaryDir dossier_;
    QString avant_;
};

}  // namespace

TEST(CheminReglages, OneTrailingSeparator) {
    EXPECT_EQ(CheminReglages("/home/joueur"), "/home/joueur/");
    EXPECT_EQ(CheminReglages("/home/joueur/"), "/home/joueur/");
    EXPECT_EQ(CheminReglages("/"), "/");
}

TEST_F(Demarrage, FirstStartAsksTheLanguageWritesTheFileThenShowsTheIntro) {
    Form1 f;
    ConnecteMenus(f);
    bool tableVisible = false;
    QPoint placeLangue, placeAttendue;
    QByteArray fichierPendantIntro;
    PiloteModal pilote({
        [&](QWidget* w) {
            tableVisible = f.isVisible();
            const QRect t = f.frameGeometry();
            placeLangue = w->pos();
            placeAttendue = QPoint(t.x() + (t.width() - w->frameGeometry().width()) / 2,
                                   t.y() + (t.height() - w->frameGeometry().height()) / 2);
            ClicFR(w);
        },
        [&](QWidget* w) {
            fichierPendantIntro = Fichier();
            Jouer(w);
        },
    });
    Form_Load(f);

    EXPECT_EQ(pilote.Vus(), (std::vector<std::string>{"Langue", "Intro"}));
    EXPECT_TRUE(tableVisible);
    EXPECT_EQ(placeLangue, placeAttendue);
    EXPECT_EQ(fichierPendantIntro, FichierDefaut("FR"));
    EXPECT_EQ(Fichier(), FichierDefaut("FR"));
    EXPECT_EQ(EtatDuJeu().reglages.LangueChoisie, "FR");
    EXPECT_EQ(EtatDuJeu().reglages.Chemin, (dossier_.path() + '/').toStdString());
    EXPECT_EQ(f.windowTitle(), "Quarvelin v1.30");

    // French menus, in every submenu; Options keeps its caption
    EXPECT_EQ(f.MenuGame->text(), "Jeu");
    EXPECT_EQ(f.MenuNewGame->text(), "Jouer");
    EXPECT_EQ(f.MenuEnter->text(), "Entrainement");
    EXPECT_EQ(f.MenuTourna->text(), "Tournoi");
    EXPECT_EQ(f.TournEasy->text(), "Facile (300$)");
    EXPECT_EQ(f.TournMed->text(), "Moyen (400$)");
    EXPECT_EQ(f.TournHard->text(), "Difficile (500$)");
    EXPECT_EQ(f.MenuOptions->text(), "Options...");
    EXPECT_EQ(f.MenuExit->text(), "Quitter");
    EXPECT_EQ(f.MenuAutre->text(), "Divers");
    EXPECT_EQ(f.MenuHelp->text(), "Aide");
    EXPECT_EQ(f.MenuSite->text(), "Site Internet");
    EXPECT_EQ(f.MenuContact->text(), "Mailez nous !");
    EXPECT_EQ(f.ForHelp->text(), "Pour obtenir de l'aide");
    EXPECT_EQ(f.ForFun->text(), "Pour commentaires/suggestions");
    EXPECT_EQ(f.MenuAbout->text(), "A propos...");
    EXPECT_EQ(f.MenuHelp->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(f.MenuEnter->shortcut(), QKeySequence(Qt::Key_F2));

    // French button pictures; OK and the plates have one picture
    const std::pair<Picture*, const char*> francais[] = {
        {f.BtnBet, "ImgMiser"},         {f.BtnRaise, "ImgEncherir"},
        {f.BtnDrawUp, "ImgChangeUp"},   {f.BtnDrawDown, "ImgChangeDown"},
        {f.BtnCallUp, "ImgSuivreUp"},   {f.BtnCallDown, "ImgSuivreDown"},
        {f.BtnCheckUp, "ImgVerifUp"},   {f.BtnCheckDown, "ImgVerifDown"},
        {f.BtnPassUp, "ImgParoleUp"},   {f.BtnPassDown, "ImgParoleDown"},
        {f.BtnFoldUp, "ImgCoucheUp"},   {f.BtnFoldDown, "ImgCoucheDown"},
    };
    for (const auto& [bouton, nom] : francais)
        EXPECT_TRUE(MemesPixels(bouton->Image(), ImageMagasin(nom)))
            << nom;
    EXPECT_TRUE(MemesPixels(f.BtnOKUp->Image(), ImageMagasin("BtnOKUp")));
}

TEST_F(Demarrage, LaterStartInEnglishGoesStraightToTheIntroAndRewritesTheFileUnchanged) {
    const QByteArray uk = QByteArray::fromStdString(LignesINI(
        {"3", "70", "20", "60", "90", "300", "100", "900", "2", "1", "UK", "2", "7", "", std::to_string(ProgressionTous)}));
    Ecrit(uk);
    Form1 f;
    const QImage anglais = f.BtnBet->Image();
    PiloteModal pilote({Jouer});
    Form_Load(f);
    EXPECT_EQ(pilote.Vus(), (std::vector<std::string>{"Intro"}));
    EXPECT_EQ(Fichier(), uk);
    EXPECT_EQ(f.MenuGame->text(), "Game");
    EXPECT_EQ(f.MenuAutre->text(), "Help");
    EXPECT_TRUE(MemesPixels(f.BtnBet->Image(), anglais));
    EXPECT_EQ(EtatDuJeu().reglages.DelayTurn, 900);
    // card set 2: the Western faces
    EXPECT_STREQ(DispositionDuJeu().Cartes, "TabCartes2");
}

TEST_F(Demarrage, UnknownCodeRunsInEnglishAndIsWrittenBackWithMendedValues) {
    // LF line ends, a skill above 100 and a card back out of range
    std::vector<std::string> lu = ValeursINIDefaut("DE");
    lu[0] = "2";
    lu[1] = "250";
    lu[12] = "40";
    Ecrit(QByteArray::fromStdString(LignesINI(lu, "\n")));
    Form1 f;
    PiloteModal pilote({Jouer});
    Form_Load(f);
    EXPECT_EQ(pilote.Vus(), (std::vector<std::string>{"Intro"}));
    lu[1] = "100";
    lu[12] = "10";
    EXPECT_EQ(Fichier(), QByteArray::fromStdString(LignesINI(lu)));
    EXPECT_EQ(f.MenuGame->text(), "Game");
    EXPECT_STREQ(DispositionDuJeu().Cartes, "TabCartes");
}

TEST_F(Demarrage, LanguageDialogClosedByItsBoxKeepsEnglishAndReturnsNextStart) {
    {
        Form1 f;
        PiloteModal pilote({Fermer, Jouer});
        Form_Load(f);
        EXPECT_EQ(pilote.Vus(), (std::vector<std::string>{"Langue", "Intro"}));
        EXPECT_EQ(Fichier(), FichierDefaut(""));
        EXPECT_EQ(f.MenuGame->text(), "Game");
    }
    EtatDuJeu() = Etat{};
    Form1 f;
    PiloteModal pilote({Fermer, Jouer});
    Form_Load(f);
    EXPECT_EQ(pilote.Vus(), (std::vector<std::string>{"Langue", "Intro"}));
}

TEST_F(Demarrage, RejectedFileIsReplacedByACompleteOne) {
    Ecrit("1\r\n50\r\n");  // far too short
    Form1 f;
    PiloteModal pilote({ClicFR, Jouer});
    Form_Load(f);
    EXPECT_EQ(Fichier(), FichierDefaut("FR"));
}

TEST_F(Demarrage, TableLayoutAfterLoad) {
    Ecrit(FichierDefaut("UK"));
    Form1 f;
    PiloteModal pilote({Jouer});
    Form_Load(f);

    const auto place = [](const Picture* p) { return QPoint(p->Left(), p->Top()); };
    EXPECT_EQ(place(f.Bobble), QPoint(400, 34));
    EXPECT_EQ(place(f.CowboyGame), QPoint(73, 256));
    // the action column: fold and pass at 440, 54-pixel buttons one pixel apart
    EXPECT_EQ(place(f.BtnFoldUp), QPoint(551, 440));
    EXPECT_EQ(place(f.BtnPassUp), QPoint(551, 440));
    EXPECT_EQ(place(f.BtnCallUp), QPoint(551, 385));
    EXPECT_EQ(place(f.BtnCheckUp), QPoint(551, 385));
    EXPECT_EQ(place(f.BtnDrawUp), QPoint(551, 330));
    EXPECT_EQ(place(f.BtnOKUp), QPoint(551, 330));
    EXPECT_EQ(place(f.BtnBill50Up), QPoint(450, 380));
    EXPECT_EQ(place(f.BtnBill20Up), QPoint(487, 380));
    EXPECT_EQ(place(f.BtnBill10Up), QPoint(517, 380));
    EXPECT_EQ(place(f.BtnBet), QPoint(450, 468));
    EXPECT_EQ(place(f.BtnRaise), QPoint(450, 468));
    const std::pair<Picture*, Picture*> paires[] = {
        {f.BtnBill50Down, f.BtnBill50Up}, {f.BtnBill20Down, f.BtnBill20Up},
        {f.BtnBill10Down, f.BtnBill10Up}, {f.BtnFoldDown, f.BtnFoldUp},
        {f.BtnPassDown, f.BtnPassUp},     {f.BtnCallDown, f.BtnCallUp},
        {f.BtnOKDown, f.BtnOKUp},         {f.BtnDrawDown, f.BtnDrawUp},
        {f.BtnCheckDown, f.BtnCheckUp},
    };
    for (const auto& [down, up] : paires) EXPECT_EQ(place(down), place(up));

    for (Picture* p : {f.BtnDrawUp, f.BtnCallUp, f.BtnPassUp, f.BtnBill50Up, f.BtnBill20Up,
                       f.BtnBill10Up, f.BtnBet})
        EXPECT_TRUE(p->Visible());
    for (Picture* p : {f.BtnFoldUp, f.BtnCheckUp, f.BtnOKUp, f.BtnRaise, f.BtnDrawDown})
        EXPECT_FALSE(p->Visible());
    EXPECT_TRUE(f.TrameDraw->Visible());

    // the frame of the cards: Card1 at x 87, Card5 ends at 446, cards 393..489
    EXPECT_EQ(QLine(f.Line1(0).X1(), f.Line1(0).Y1(), f.Line1(0).X2(), f.Line1(0).Y2()),
              QLine(85, 393, 85, 491));
    EXPECT_EQ(QLine(f.Line1(1).X1(), f.Line1(1).Y1(), f.Line1(1).X2(), f.Line1(1).Y2()),
              QLine(448, 393, 448, 491));
    EXPECT_EQ(QLine(f.Line1(2).X1(), f.Line1(2).Y1(), f.Line1(2).X2(), f.Line1(2).Y2()),
              QLine(85, 491, 448, 491));

    const Disposition& d = DispositionDuJeu();
    EXPECT_EQ(d.MedDY, 80);
    EXPECT_EQ(d.GeoMex, (GeoPerso{125, 16, 286, 189, 276, 81}));
    EXPECT_EQ(EtatDuJeu().mises.MiseDepart, 10);
    EXPECT_FALSE(EtatDuJeu().partie.ModeTournoi);
}

TEST_F(Demarrage, MenuItemsExitAboutAndLinks) {
    Ecrit(FichierDefaut("UK"));
    Form1 f;
    ConnecteMenus(f);
    {
        PiloteModal pilote({Jouer});
        Form_Load(f);
    }
    {
        PiloteModal pilote({[](QWidget* w) {
            auto* a = qobject_cast<About*>(w);
            ASSERT_NE(a, nullptr);
            QTest::mouseClick(a->AboutUK, Qt::LeftButton);
        }});
        f.MenuAbout->trigger();
        EXPECT_EQ(pilote.Vus(), (std::vector<std::string>{"About"}));
    }

    {
        CapteurLiens capteur;
        f.ForHelp->trigger();
        f.ForFun->trigger();
        f.MenuSite->trigger();
        EXPECT_EQ(capteur.cibles,
                  (std::vector<std::string>{
                      "mailto:contact@example.com?subject=Quarvelin%20:%20I%20need%20help",
                      "mailto:contact@example.com?subject=Quarvelin%20:%20Comments%20and%20Suggestions",
                      "https://www.example.com/quarvelin/?Ver=v1.30"}));
    }

    EXPECT_TRUE(f.isVisible());
    f.MenuExit->trigger();
    EXPECT_FALSE(f.isVisible());
}

TEST_F(Demarrage, StartRemovesTheTemporaryFilesOfAnInterruptedSave) {
    Ecrit(FichierDefaut("UK"));
    QFile reste(dossier_.filePath("quarvelin.ini.XyZ4bc.sauve"));
    ASSERT_TRUE(reste.open(QIODevice::WriteOnly));
    reste.write(FichierDefaut("FR"));
    reste.close();
    Form1 f;
    PiloteModal pilote({Jouer});
    Form_Load(f);
    EXPECT_FALSE(reste.exists());
    EXPECT_EQ(Fichier(), FichierDefaut("UK"));
}

// A folder named in Latin-1, as older systems name them, is no UTF-8: the
// file is kept there all the same, and the language asked only once. Run
// under the C locale as well.
TEST_F(Demarrage, StartInAFolderNamedInLatin1KeepsItsSettings) {
    const std::string cafe = dossier_.path().toStdString() + "/caf\xe9";
    ASSERT_EQ(mkdir(cafe.c_str(), 0755), 0);
    ASSERT_EQ(chdir(cafe.c_str()), 0);
    for (const auto& vus : {std::vector<std::string>{"Langue", "Intro"}, std::vector<std::string>{"Intro"}}) {
        EtatDuJeu() = Etat{};
        Form1 f;
        PiloteModal pilote({Repond, Repond});
        Form_Load(f);
        EXPECT_EQ(pilote.Vus(), vus);
        EXPECT_EQ(EtatDuJeu().reglages.Chemin, cafe + "/");
    }
    std::ostringstream lu;
    lu << std::ifstream(cafe + "/quarvelin.ini", std::ios::binary).rdbuf();
    EXPECT_EQ(lu.str(), FichierINIDefaut("FR"));
}
