// The application of the runs without a person: the offscreen window system
// unless another is asked for, and the game's fonts registered as at a
// start-up. The offscreen system cannot pass a fixed-size window's size
// hints on, and Qt says so for every table the runs open: a line that tells
// nothing about the game, dropped so that the runs' own report stands alone.
#pragma once

#include <QApplication>

#include <cstdlib>

#include "platform/polices.h"

class ApplicationHorsEcran : public QApplication {
public:
    ApplicationHorsEcran(int& argc, char** argv) : QApplication(HorsEcran(argc), argv) {
        static const QtMessageHandler suivant = qInstallMessageHandler(nullptr);
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& contexte, const QString& texte) {
            if (texte == QLatin1String("This plugin does not support propagateSizeHints()")) return;
            suivant(type, contexte, texte);
        });
        PolicesAuDemarrage();
    }

private:
    static int& HorsEcran(int& argc) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return argc;
    }
};
