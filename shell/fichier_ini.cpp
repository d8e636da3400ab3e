#include "shell/fichier_ini.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryFile>

#include <cstdio>

namespace {

QString CheminINI(const Reglages& reglages) {
    return QString::fromStdString(reglages.Chemin) + QLatin1String(NomFichierINI);
}

// A save writes "quarvelin.ini.", six random letters or digits and
// SuffixeTemporaire beside the file, then renames it over the file: a name
// that no copy a player keeps of the file would take.
constexpr const char* SuffixeTemporaire = ".sauve";
constexpr int LettresTemporaire = 6;

bool EstNomTemporaire(const QString& nom) {
    const QString prefixe = QLatin1String(NomFichierINI) + QLatin1Char('.');
    const QLatin1String suffixe(SuffixeTemporaire);
    if (nom.size() != prefixe.size() + LettresTemporaire + suffixe.size() ||
        !nom.startsWith(prefixe) || !nom.endsWith(suffixe))
        return false;
    for (const QChar c : QStringView(nom).mid(prefixe.size(), LettresTemporaire))
        if (!(c.isDigit() || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))) return false;
    return true;
}

enum class Sauvegarde { Faite, Ratee, PasDeFichierAcote };

// Writes the whole text into a new file beside `chemin` and renames it over
// the old one in one step, so that a failure (disk full) leaves the old file
// whole and no temporary behind.
Sauvegarde EcritPuisRenomme(const QString& chemin, const std::string& texte) {
    QTemporaryFile fichier(chemin + QLatin1String(".XXXXXX") + QLatin1String(SuffixeTemporaire));
    if (!fichier.open()) return Sauvegarde::PasDeFichierAcote;
    // A temporary file is private to its owner; the settings file keeps the
    // permissions it had, or those of an ordinary new file.
    const QFileInfo ancien(chemin);
    fichier.setPermissions(ancien.exists() ? ancien.permissions()
                                           : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                                 QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
    // A short write must be seen before the rename: the buffer is flushed
    // and checked here.
    const bool ecrit = fichier.write(texte.data(), qint64(texte.size())) == qint64(texte.size()) &&
                       fichier.flush() && fichier.error() == QFileDevice::NoError;
    fichier.close();
    // rename() replaces the old file atomically, which QFile::rename will not
    if (!ecrit || std::rename(QFile::encodeName(fichier.fileName()).constData(),
                              QFile::encodeName(chemin).constData()) != 0)
        return Sauvegarde::Ratee;  // the temporary goes with `fichier`
    fichier.setAutoRemove(false);
    return Sauvegarde::Faite;
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
    if (EcritPuisRenomme(chemin, texte) != Sauvegarde::PasDeFichierAcote) return;
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
