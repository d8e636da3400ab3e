#include "shell/fichier_ini.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

namespace {

QString CheminINI(const Reglages& reglages) {
    return QString::fromStdString(reglages.Chemin) + QLatin1String(NomFichierINI);
}

// The temporary files of a save are named after the file, a dot and six
// ASCII letters.
bool EstNomTemporaire(const QString& nom) {
    const QString prefixe = QLatin1String(NomFichierINI) + QLatin1Char('.');
    if (nom.size() != prefixe.size() + 6 || !nom.startsWith(prefixe)) return false;
    for (const QChar c : QStringView(nom).mid(prefixe.size()))
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))) return false;
    return true;
}

}  // namespace

void ChargeFichierINI(Reglages& reglages) {
    QFile fichier(CheminINI(reglages));
    if (fichier.open(QIODevice::ReadOnly)) {
        // One byte more than a settings file may hold tells a bigger one.
        const QByteArray contenu = fichier.read(qint64(TailleMaxFichierINI) + 1);
        if (fichier.error() == QFileDevice::NoError &&
            LitTexteINI(std::string_view(contenu.constData(), std::size_t(contenu.size())), reglages))
            return;
    }
    ReglagesParDefaut(reglages);
}

void SaveFichierINI(const Reglages& reglages, const Partie& partie) {
    const QString chemin = CheminINI(reglages);
    const std::string texte = TexteINI(reglages, partie);
    // Written beside the old file and renamed over it in one step, so that a
    // failure leaves the old file whole.
    // Unbuffered, so that a short write (disk full) is seen here rather than
    // lost in the buffer's flush, which would commit a truncated file.
    QSaveFile fichier(chemin);
    if (fichier.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (fichier.write(texte.data(), qint64(texte.size())) != qint64(texte.size())) {
            fichier.cancelWriting();
            return;
        }
        fichier.commit();
        return;
    }
    // No file could be made beside it (a folder that takes no new files):
    // an existing file that may be written is rewritten in place.
    if (!QFileInfo(chemin).isFile()) return;
    QFile surPlace(chemin);
    if (!surPlace.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) return;
    surPlace.write(texte.data(), qint64(texte.size()));
}

void NettoieTemporairesINI(const Reglages& reglages) {
    QDir dossier(QString::fromStdString(reglages.Chemin));
    const QStringList candidats =
        dossier.entryList({QLatin1String(NomFichierINI) + QLatin1String(".*")},
                          QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& nom : candidats) {
        const QFileInfo info(dossier.filePath(nom));
        // never a file bigger than a settings file: that is not one of ours
        if (EstNomTemporaire(nom) && info.size() <= qint64(TailleMaxFichierINI))
            QFile::remove(info.filePath());
    }
}
