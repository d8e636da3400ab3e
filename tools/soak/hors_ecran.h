// The application of the runs without a person: the offscreen window system
// unless another is asked for, and the game's fonts registered as at a
// start-up. The offscreen system has no window manager to pass size hints,
// raises or keyboard grabs to, and Qt says so each time: lines that tell
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
            if (texte.startsWith(QLatin1String("This plugin does not support "))) return;
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
