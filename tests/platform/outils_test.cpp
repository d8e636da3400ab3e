// Message boxes and the hand-over of addresses to the desktop.
#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include "platform/outils.h"

namespace {

// Answers the next message box with `touche` once it is up; records it.
struct Reponse {
    QString titre, texte;
    QList<QMessageBox::StandardButton> boutons;
    void Arme(Qt::Key touche) {
        auto* t = new QTimer;
        t->setInterval(10);
        QObject::connect(t, &QTimer::timeout, [this, t, touche] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            titre = box->windowTitle();
            texte = box->text();
            for (QAbstractButton* b : box->buttons()) boutons << box->standardButton(b);
            QTest::keyClick(box, touche);
            t->stop();
            t->deleteLater();
        });
        t->start();
    }
};

TEST(Outils, YesNoBoxAnswersNoOnEnterAndYesOnlyWhenChosen) {
    Reponse r;
    r.Arme(Qt::Key_Return);
    EXPECT_FALSE(MessageOuiNon(nullptr, "Options", "Save?"));
    EXPECT_EQ(r.titre, QStringLiteral("Options"));
    EXPECT_EQ(r.boutons.size(), 2);
    Reponse oui;
    oui.Arme(Qt::Key_Y);  // the Yes button's mnemonic
    EXPECT_TRUE(MessageOuiNon(nullptr, "Options", "Save?"));
}

TEST(Outils, OkBoxHasItsTitleAndOneButton) {
    Reponse r;
    r.Arme(Qt::Key_Return);
    MessageOK(nullptr, "Tournament", "You won!");
    EXPECT_EQ(r.titre, QStringLiteral("Tournament"));
    EXPECT_EQ(r.texte, QStringLiteral("You won!"));
    ASSERT_EQ(r.boutons.size(), 1);
    EXPECT_EQ(r.boutons[0], QMessageBox::Ok);
}

class Capteur : public QObject {
    Q_OBJECT
public:
    QList<QUrl> recues;
public slots:
    void Ouvre(const QUrl& u) { recues << u; }
};

TEST(Outils, AddressesGoToTheDesktopUnchanged) {
    Capteur c;
    QDesktopServices::setUrlHandler("mailto", &c, "Ouvre");
    QDesktopServices::setUrlHandler("https", &c, "Ouvre");
    OuvreAdresse("mailto:contact@example.org?subject=Quarvelin help");
    OuvreAdresse("https://example.org/quarvelin?Ver=v1.30");
    QDesktopServices::unsetUrlHandler("mailto");
    QDesktopServices::unsetUrlHandler("https");
    ASSERT_EQ(c.recues.size(), 2);
    EXPECT_EQ(c.recues[0].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(c.recues[0].path(), QStringLiteral("contact@example.org"));
    EXPECT_EQ(c.recues[1].query(), QStringLiteral("Ver=v1.30"));
}

}  // namespace

#include "outils_test.moc"
