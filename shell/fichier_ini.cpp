#include "shell/fichier_ini.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>

namespace {
QString CheminINI(const Reglages& reglages) {
    return QString::fromStdString(reglages.Chemin) + QLatin1String(NomFichierINI);
}
}  // namespace

void ChargeFichierINI(Reglages& reglages) {
    QFile fichier(CheminINI(reglages));
    if (fichier.open(QIODevice::ReadOnly)) {
        const QByteArray contenu = fichier.readAll();
        if (fichier.error() == QFileDevice::NoError &&
            LitTexteINI(std::string_view(contenu.constData(), std::size_t(contenu.size())), reglages))
            return;
    }
    ReglagesParDefaut(reglages);
}

void SaveFichierINI(const Reglages& reglages, const Partie& partie) {
    // Written beside the old file and renamed over it in one step, so that a
    // failure leaves the old file whole.
    // Unbuffered, so that a short write (disk full) is seen here rather than
    // lost in the buffer's flush, which would commit a truncated file.
    QSaveFile fichier(CheminINI(reglages));
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
    const std::string texte = TexteINI(reglages, partie);
    if (fichier.write(texte.data(), qint64(texte.size())) != qint64(texte.size())) {
        fichier.cancelWriting();
        return;
    }
    fichier.commit();
}
