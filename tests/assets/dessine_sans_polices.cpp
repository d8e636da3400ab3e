// Draws the pictures with text in a process that sees no font of the
// system (the test gives it an empty font configuration): the button words,
// the plates' values, the card corners, a caption and a menu. Writes them as
// PNG files into the folder given, and on its output the number of font
// families the system offered (besides Qt's generic names) and the family the menus resolved to.
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenuBar>

#include <cstdio>

#include "assets/magasin.h"
#include "platform/etiquette.h"
#include "platform/polices.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    QApplication app(argc, argv);
    // Qt's generic names aside, the families of real fonts
    int familles = 0;
    for (const QString& f : QFontDatabase::families())
        if (f != "Sans Serif" && f != "Serif" && f != "Monospace") ++familles;
    std::printf("system families: %d\n", familles);
    PolicesAuDemarrage();
    const QDir sortie(QString::fromLocal8Bit(argv[1]));
    const MagasinImages magasin;
    for (const char* nom : {"BtnDrawUp", "ImgVerifUp", "BtnBill50Up", "BtnBet", "TabCartes", "TabCartes2",
                            "DosCartes", "AboutUK"})
        if (!magasin.Image(QString::fromLatin1(nom)).save(sortie.filePath(QString::fromLatin1(nom) + ".png")))
            return 3;
    QWidget fond;
    fond.resize(80, 20);
    Etiquette caption(&fond, 0, 0, 80, 20, QStringLiteral("$400"), kJaune);
    fond.grab().toImage().save(sortie.filePath("caption.png"));
    QMenuBar menus;
    menus.addMenu(QStringLiteral("Game"));
    const QFontInfo info(menus.font());
    std::printf("menu family: %s\n", qPrintable(info.family()));
    std::printf("menu glyphs: %d\n", QFontMetrics(menus.font()).inFont(QLatin1Char('G')) ? 1 : 0);
    return 0;
}
