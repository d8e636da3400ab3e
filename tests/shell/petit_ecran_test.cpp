// The table window on a screen smaller than itself (640 x 480): its frame
// stays on the screen, so that the title bar and the menus can be reached.
// A program of its own, for its screen is chosen before Qt starts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

#include "common/etat.h"
#include "render/form1.h"
#include "shell/demarrage.h"
#include "shell/intro.h"
#include "modal.h"
#include "support/fichier_ini_defaut.h"

namespace {

void Jouer(QWidget* w) {
    auto* i = qobject_cast<Intro*>(w);
    ASSERT_NE(i, nullptr);
    i->Play->click();
}

TEST(PetitEcran, TableFrameStaysInsideTheScreen) {
    const QRect ecran = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(ecran.size(), QSize(640, 480));
    QTemporaryDir dossier;
    const QString avant = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dossier.path()));
    {
        QFile f("quarvelin.ini");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(FichierINIDefaut("UK")));
    }
    Form1 f;
    PiloteModal pilote({Jouer});
    Form_Load(f);
    QDir::setCurrent(avant);
    EXPECT_EQ(pilote.Vus(), (std::vector<std::string>{"Intro"}));
    QTest::qWait(20);
    const QRect cadre = f.frameGeometry();
    EXPECT_EQ(cadre.topLeft(), ecran.topLeft());
    // the menu bar is on the screen
    EXPECT_TRUE(ecran.contains(f.menuBar()->mapToGlobal(QPoint(0, 0))));
}

}  // namespace

int main(int argc, char** argv) {
    // One 640 x 480 screen of the offscreen platform, with window frames.
    QTemporaryDir dossier;
    const QString config = dossier.filePath("ecran.json");
    QFile f(config);
    if (!f.open(QIODevice::WriteOnly)) return 1;
    f.write(R"({"windowFrameMargins": true, "screens": [
        {"name": "petit", "x": 0, "y": 0, "width": 640, "height": 480,
         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    f.close();
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.toStdString()).c_str(), 1);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
