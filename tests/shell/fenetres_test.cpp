// The language dialog, the intro and about windows, and the links.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "common/etat.h"
#include "shell/about.h"
#include "shell/image_cliquable.h"
#include "shell/intro.h"
#include "shell/langue.h"
#include "shell/liens.h"
#include "support/images.h"
#include "capteur_liens.h"

namespace {

// Sets the run's language for one test.
class Langage {
public:
    explicit Langage(const char* code) : avant_(EtatDuJeu().reglages.LangueChoisie) {
        EtatDuJeu().reglages.LangueChoisie = code;
    }
    ~Langage() { EtatDuJeu().reglages.LangueChoisie = avant_; }

private:
    std::string avant_;
};

// A stand-in for the table window, placed away from the origin.
struct FausseTable {
    QWidget w;
    FausseTable() { w.setGeometry(200, 100, 678, 555); }
};

}  // namespace

TEST(Langue, ButtonsAndFlagsSetTheCodeAndClose) {
    FausseTable table;
    {
        Reglages r;
        Langue d(&table.w, r);
        d.Command1->click();
        EXPECT_EQ(r.LangueChoisie, "UK");
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    {
        Reglages r;
        Langue d(&table.w, r);
        d.FR->click();
        EXPECT_EQ(r.LangueChoisie, "FR");
    }
    {
        Reglages r;
        Langue d(&table.w, r);
        d.show();
        QTest::mouseClick(d.DrapeauFR, Qt::LeftButton);
        EXPECT_EQ(r.LangueChoisie, "FR");
        EXPECT_FALSE(d.isVisible());
    }
    {
        Reglages r;
        Langue d(&table.w, r);
        d.show();
        QTest::mouseClick(d.DrapeauUK, Qt::LeftButton);
        EXPECT_EQ(r.LangueChoisie, "UK");
    }
}

// From the keyboard: the dialog opens with the focus on the English button,
// Tab reaches the other button and each flag, which then shows a frame,
// and Enter or Space on the focused control chooses its language as a
// click does.
TEST(Langue, EnterOrSpaceOnTheFocusedControlChooseItsLanguage) {
    FausseTable table;
    // each button, then each flag: the English one first, then the French one
    const char* const noms[] = {"English button", "French button", "British flag", "French flag"};
    for (int controle = 0; controle < 4; ++controle)
        for (Qt::Key touche : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            SCOPED_TRACE(noms[controle] + std::string(" ") +
                         QKeySequence(touche).toString().toStdString());
            Reglages r;
            Langue d(&table.w, r);
            d.Timer1->stop();
            d.show();
            d.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
            ASSERT_EQ(QApplication::focusWidget(), d.Command1);

            QWidget* const controles[] = {d.Command1, d.FR, d.DrapeauUK, d.DrapeauFR};
            QWidget* cible = controles[controle];
            auto* drapeau = qobject_cast<ImageCliquable*>(cible);
            if (drapeau) {
                EXPECT_TRUE(MemesPixels(drapeau->grab().toImage(), drapeau->image()));
            }
            for (int tab = 0; tab < 4 && QApplication::focusWidget() != cible; ++tab)
                QTest::keyClick(d.windowHandle(), Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(), cible);
            if (drapeau) {
                // the frame: the picture's edge in the highlight colour
                const QImage vu = drapeau->grab().toImage();
                EXPECT_EQ(vu.pixel(1, vu.height() / 2), d.palette().color(QPalette::Highlight).rgb());
                EXPECT_EQ(vu.pixel(vu.width() / 2, 1), d.palette().color(QPalette::Highlight).rgb());
            }

            QTest::keyClick(d.windowHandle(), touche,
                            touche == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            EXPECT_EQ(r.LangueChoisie, controle % 2 == 0 ? "UK" : "FR");
            EXPECT_EQ(d.result(), QDialog::Accepted);
            EXPECT_FALSE(d.isVisible());
        }
}

TEST(Langue, ClosedByItsWindowBoxSetsNothing) {
    FausseTable table;
    Reglages r;
    Langue d(&table.w, r);
    QTimer::singleShot(0, &d, [&d] { d.close(); });
    EXPECT_EQ(d.exec(), QDialog::Rejected);
    EXPECT_EQ(r.LangueChoisie, "");
}

TEST(Langue, FlagsCycleThroughFiveFramesAcrossDialogs) {
    FausseTable table;
    Reglages r;
    FrameDrapeau = 0;
    {
        Langue d(&table.w, r);
        EXPECT_EQ(d.Timer1->interval(), 85);
        EXPECT_TRUE(d.Timer1->isActive());
        // frames 0 1 2 3 4 then 0 again
        for (int tick = 0; tick < 6; ++tick) {
            const int montre = tick % 5;
            d.Timer1_Timer();
            EXPECT_TRUE(MemesPixels(d.DrapeauFR->image(), d.ImageDrapeauFR[montre])) << tick;
            EXPECT_TRUE(MemesPixels(d.DrapeauUK->image(), d.ImageDrapeauUK[montre])) << tick;
        }
        EXPECT_EQ(FrameDrapeau, 1);
        EXPECT_FALSE(MemesPixels(d.ImageDrapeauFR[0], d.ImageDrapeauFR[1]));
    }
    // not reset when the dialog opens again
    Langue d(&table.w, r);
    d.Timer1_Timer();
    EXPECT_TRUE(MemesPixels(d.DrapeauFR->image(), d.ImageDrapeauFR[1]));
    EXPECT_EQ(FrameDrapeau, 2);

    // the timer itself drives the frames
    const int avant = FrameDrapeau;
    QTest::qWait(85 * 3 + 40);
    EXPECT_NE(FrameDrapeau, avant);
    FrameDrapeau = 0;
}

TEST(Fenetres, SecondaryWindowsCentreOverTheTable) {
    FausseTable table;
    Reglages r;
    Langage l("UK");
    Langue langue(&table.w, r);
    Intro intro(&table.w);
    About about(&table.w);
    for (QWidget* w : {static_cast<QWidget*>(&langue), static_cast<QWidget*>(&intro),
                       static_cast<QWidget*>(&about)}) {
        EXPECT_EQ(w->x(), 200 + (678 - w->width()) / 2) << w->metaObject()->className();
        EXPECT_EQ(w->y(), 100 + (555 - w->height()) / 2) << w->metaObject()->className();
    }
}

TEST(Fenetres, FirstDialogIsCentredAgainOnceItsFrameIsKnown) {
    // As at the first start: the dialog is placed while the table has no
    // frame yet, so its outer size is only guessed.
    Reglages r;
    Langage l("UK");
    QWidget table;
    table.setGeometry(200, 100, 670, 530);
    Langue langue(&table, r);
    table.show();
    langue.show();
    const auto centre = [&] {
        const QRect t = table.frameGeometry();
        const QRect d = langue.frameGeometry();
        return QPoint(t.x() + (t.width() - d.width()) / 2, t.y() + (t.height() - d.height()) / 2);
    };
    ASSERT_NE(langue.frameGeometry().size(), langue.size()) << "no frame on this platform";
    EXPECT_TRUE(QTest::qWaitFor([&] { return langue.frameGeometry().topLeft() == centre(); }, 5000))
        << langue.frameGeometry().x() << "," << langue.frameGeometry().y();
    // Moved by the player afterwards, it stays where it was put.
    langue.move(10, 20);
    QTest::qWait(20);
    EXPECT_EQ(langue.pos(), QPoint(10, 20));
}

TEST(Liens, TargetsByLanguage) {
    Reglages r;
    for (const char* code : {"UK", "", "DE", "fr"}) {
        r.LangueChoisie = code;
        EXPECT_EQ(CibleCommentaires(r),
                  "mailto:contact@example.com?subject=Quarvelin%20:%20Comments%20and%20Suggestions")
            << code;
        EXPECT_EQ(CibleAide(r), "mailto:contact@example.com?subject=Quarvelin%20:%20I%20need%20help")
            << code;
    }
    r.LangueChoisie = "FR";
    EXPECT_EQ(CibleCommentaires(r),
              "mailto:contact@example.com?subject=Quarvelin%20:%20Commentaires%20et%20Suggestions");
    EXPECT_EQ(CibleAide(r),
              "mailto:contact@example.com?subject=Quarvelin%20:%20Besoin%20d'aide%20");
    EXPECT_EQ(CibleSite(), "https://www.example.com/quarvelin/?Ver=v1.30");
}

TEST(Liens, HandlersHandTheExactTargetsToTheDesktop) {
    CapteurLiens capteur;
    {
        Langage l("FR");
        ForHelp_Click();
        ForFun_Click();
        MenuSite_Click();
    }
    {
        Langage l("UK");
        ForHelp_Click();
    }
    ASSERT_EQ(capteur.cibles.size(), 4u);
    EXPECT_EQ(capteur.cibles[0], "mailto:contact@example.com?subject=Quarvelin%20:%20Besoin%20d'aide%20");
    EXPECT_EQ(capteur.cibles[1],
              "mailto:contact@example.com?subject=Quarvelin%20:%20Commentaires%20et%20Suggestions");
    EXPECT_EQ(capteur.cibles[2], "https://www.example.com/quarvelin/?Ver=v1.30");
    EXPECT_EQ(capteur.cibles[3], "mailto:contact@example.com?subject=Quarvelin%20:%20I%20need%20help");
}

TEST(Intro, TextsFollowTheLanguage) {
    FausseTable table;
    {
        Langage l("FR");
        Intro intro(&table.w);
        EXPECT_EQ(intro.IntroText->text(),
                  QString::fromUtf8(
                      "Réussirez-vous à battre au poker toute la bande de cowboys en un minimum de "
                      "coups ?\n\nBientot sur le site Internet, un classement mondial des meilleurs "
                      "joueurs !\n\nPetite info :\n\nChaque personnage a ses propres tics qui, si vous "
                      "arrivez à les identifier, vous permettront d'avoir une idée de la qualité du "
                      "jeu de votre adversaire !"));
        EXPECT_EQ(intro.Mail->text(),
                  QString::fromUtf8("Mailez-nous pour nous donner votre avis sur ce jeu !"));
        EXPECT_EQ(intro.Play->text(), "O K");
    }
    for (const char* code : {"UK", "", "XX"}) {
        Langage l(code);
        Intro intro(&table.w);
        EXPECT_TRUE(intro.IntroText->text().startsWith(
            "Will you succeed to defeat the band of cowboys in a minimum of attempts ?\n\nSoon on "
            "the website"))
            << code;
        EXPECT_TRUE(intro.IntroText->text().endsWith("\n\nNote :\n\nEach character has his own tics "
                                                     "witch allow you to know (if you can identify "
                                                     "them), if your opponent has a good hand or not !"));
        EXPECT_EQ(intro.Mail->text(), "E-Mail us to give any comments or suggestions !");
    }
}

TEST(Intro, MailSendsTheCommentsMailAndStaysOpenPlayCloses) {
    FausseTable table;
    CapteurLiens capteur;
    Langage l("FR");
    Intro intro(&table.w);
    bool ouverteApresMail = false;
    QTimer::singleShot(0, &intro, [&] {
        intro.Mail->click();
        ouverteApresMail = intro.isVisible();
        intro.Play->click();
    });
    EXPECT_EQ(intro.exec(), QDialog::Accepted);
    EXPECT_TRUE(ouverteApresMail);
    ASSERT_EQ(capteur.cibles.size(), 1u);
    EXPECT_EQ(capteur.cibles[0],
              "mailto:contact@example.com?subject=Quarvelin%20:%20Commentaires%20et%20Suggestions");
}

// A click on the picture or Enter closes it as OK, Escape as a cancel.
TEST(About, ShowsThePictureOfTheLanguageAndClosesOnItsClickOrEnter) {
    FausseTable table;
    struct Cas {
        const char* langue;
        Qt::Key touche;  // none: a click on the picture
        int fin;
    };
    const Cas cas[] = {{"FR", Qt::Key_unknown, QDialog::Accepted},
                       {"UK", Qt::Key_unknown, QDialog::Accepted},
                       {"UK", Qt::Key_Return, QDialog::Accepted},
                       {"FR", Qt::Key_Enter, QDialog::Accepted},
                       {"UK", Qt::Key_Escape, QDialog::Rejected}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.langue + std::string(" ") + QKeySequence(c.touche).toString().toStdString());
        Langage l(c.langue);
        const bool francais = std::string(c.langue) == "FR";
        About about(&table.w);
        EXPECT_EQ(about.windowTitle(), francais ? "A propos..." : "About");
        ImageCliquable* montree = francais ? about.AboutFR : about.AboutUK;
        EXPECT_TRUE(montree->isVisibleTo(&about));
        EXPECT_FALSE((francais ? about.AboutUK : about.AboutFR)->isVisibleTo(&about));
        EXPECT_FALSE(MemesPixels(about.AboutUK->image(), about.AboutFR->image()));
        about.setResult(-1);
        about.show();
        if (c.touche == Qt::Key_unknown) {
            QTest::mouseClick(montree, Qt::LeftButton);
        } else {
            about.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
            // nothing in it takes the focus: the keys go to the window itself
            ASSERT_EQ(QApplication::focusWidget(), nullptr);
            QTest::keyClick(about.windowHandle(), c.touche,
                            c.touche == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        }
        EXPECT_EQ(about.result(), c.fin);
        EXPECT_FALSE(about.isVisible());
    }
}
