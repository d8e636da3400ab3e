// The pictures do not depend on the fonts of the system: a process that
// sees none draws them exactly as this one does.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include "assets/magasin.h"
#include "platform/etiquette.h"
#include "platform/polices.h"
#include "support/images.h"

namespace {

TEST(Polices, PicturesDrawTheSameWithNoFontOfTheSystem) {
    QTemporaryDir dossier;
    // A font configuration with no font folder at all.
    const QString config = dossier.filePath("fonts.conf");
    {
        QFile f(config);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
                "<cachedir>" + dossier.filePath("cache").toUtf8() + "</cachedir>\n</fontconfig>\n");
    }
    QProcess dessin;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("FONTCONFIG_FILE", config);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    dessin.setProcessEnvironment(env);
    dessin.start(QStringLiteral(DESSINE_SANS_POLICES), {dossier.path()});
    ASSERT_TRUE(dessin.waitForFinished(60000));
    const QString sortie = QString::fromUtf8(dessin.readAllStandardOutput());
    ASSERT_EQ(dessin.exitCode(), 0) << sortie.toStdString() << dessin.readAllStandardError().toStdString();
    EXPECT_TRUE(sortie.contains("system families: 0\n")) << sortie.toStdString();
    EXPECT_TRUE(sortie.contains("menu family: " + Polices().sans + "\n")) << sortie.toStdString();
    EXPECT_TRUE(sortie.contains("menu glyphs: 1\n")) << sortie.toStdString();

    const MagasinImages& ici = MagasinImages::Instance();
    for (const char* nom : {"BtnDrawUp", "ImgVerifUp", "BtnBill50Up", "BtnBet", "TabCartes", "TabCartes2",
                            "DosCartes", "AboutUK"}) {
        const QImage la(dossier.filePath(QString::fromLatin1(nom) + ".png"));
        EXPECT_TRUE(MemesPixels(la, ici.Image(QString::fromLatin1(nom)))) << nom;
    }
    QWidget fond;
    fond.resize(80, 20);
    Etiquette caption(&fond, 0, 0, 80, 20, QStringLiteral("$400"), kJaune);
    EXPECT_TRUE(MemesPixels(QImage(dossier.filePath("caption.png")), fond.grab().toImage()));
}

}  // namespace
