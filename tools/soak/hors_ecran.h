// The offscreen window system cannot pass a fixed-size window's size hints
// on, and Qt says so once for every table the runs open: a line that tells
// nothing about the game, dropped so that the runs' own report stands alone.
#pragma once

#include <QtGlobal>

#include <cstring>

inline void TaisAvisHorsEcran() {
    static const QtMessageHandler suivant = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& contexte, const QString& texte) {
        if (texte == QLatin1String("This plugin does not support propagateSizeHints()")) return;
        suivant(type, contexte, texte);
    });
}
