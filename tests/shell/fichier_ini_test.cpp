// The settings file on disk: missing, rewritten, and failed writes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "shell/fichier_ini.h"

namespace {

QByteArray Lit(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

void Ecrit(const QString& chemin, const QByteArray& contenu) {
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}

Reglages DansDossier(const QTemporaryDir& dossier) {
    Reglages r;
    r.Chemin = (dossier.path() + '/').toStdString();
    return r;
}

}  // namespace

TEST(FichierINI, MissingFileGivesDefaultsAndSaveWritesAComplete34LineFile) {
    QTemporaryDir dossier;
    Reglages r = DansDossier(dossier);
    r.Skill = 5;
    r.LangueChoisie = "FR";
    ChargeFichierINI(r);
    EXPECT_EQ(r.Skill, 50);
    EXPECT_EQ(r.LangueChoisie, "");
    EXPECT_EQ(r.Chemin, (dossier.path() + '/').toStdString());

    r.LangueChoisie = "UK";
    SaveFichierINI(r, Partie{});
    const QByteArray contenu = Lit(dossier.filePath("quarvelin.ini"));
    EXPECT_EQ(contenu.count("\r\n"), 34);
    EXPECT_TRUE(contenu.startsWith("1\r\n50\r\n30\r\n40\r\n50\r\n400\r\n230\r\n1500\r\n5\r\n2\r\nUK\r\n"));

    Reglages relu = DansDossier(dossier);
    ChargeFichierINI(relu);
    EXPECT_EQ(relu.LangueChoisie, "UK");
    // nothing but the file itself is left in the folder
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(FichierINI, RejectedFileGivesEveryDefault) {
    QTemporaryDir dossier;
    QByteArray texte = "3\r\n70\r\n30\r\n40\r\n50\r\n500\r\n230\r\nlent\r\n5\r\n2\r\nFR\r\n1\r\n10\r\n\r\n0\r\n";
    for (int i = 0; i < 19; ++i) texte += " \r\n";
    Ecrit(dossier.filePath("quarvelin.ini"), texte);
    Reglages r = DansDossier(dossier);
    ChargeFichierINI(r);
    EXPECT_EQ(r.ChoixCowboy, 1);
    EXPECT_EQ(r.Skill, 50);
    EXPECT_EQ(r.ArgentDepart, 400);
    EXPECT_EQ(r.LangueChoisie, "");

    // the same file with a number on line 8 is taken whole
    texte.replace("lent", "1200");
    Ecrit(dossier.filePath("quarvelin.ini"), texte);
    ChargeFichierINI(r);
    EXPECT_EQ(r.ChoixCowboy, 3);
    EXPECT_EQ(r.DelayTurn, 1200);
    EXPECT_EQ(r.LangueChoisie, "FR");
}

TEST(FichierINI, FileThatIsADirectoryIsNeitherReadNorReplaced) {
    QTemporaryDir dossier;
    ASSERT_TRUE(QDir(dossier.path()).mkdir("quarvelin.ini"));
    Reglages r = DansDossier(dossier);
    r.Skill = 9;
    ChargeFichierINI(r);
    EXPECT_EQ(r.Skill, 50);
    r.Skill = 9;
    SaveFichierINI(r, Partie{});  // silent
    EXPECT_TRUE(QFileInfo(dossier.filePath("quarvelin.ini")).isDir());
    EXPECT_EQ(r.Skill, 9);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

TEST(FichierINI, WriteThatFailsMidwayLeavesTheOldFileWhole) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("quarvelin.ini");
    Reglages ancien = DansDossier(dossier);
    ancien.LangueChoisie = "FR";
    ancien.Skill = 81;
    SaveFichierINI(ancien, Partie{});
    const QByteArray avant = Lit(chemin);
    ASSERT_EQ(avant.count("\r\n"), 34);

    // Files may grow no larger than 20 bytes: the new file's write fails
    // half-way, for root too.
    rlimit ancienne{};
    getrlimit(RLIMIT_FSIZE, &ancienne);
    const auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit petite = ancienne;
    petite.rlim_cur = 20;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &petite), 0);
    Reglages nouveau = ancien;
    nouveau.LangueChoisie = "UK";
    nouveau.Skill = 12;
    SaveFichierINI(nouveau, Partie{});
    setrlimit(RLIMIT_FSIZE, &ancienne);
    std::signal(SIGXFSZ, ancienSignal);

    EXPECT_EQ(Lit(chemin), avant);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(FichierINI, ReadOnlyFolderKeepsTheOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("quarvelin.ini");
    Reglages r = DansDossier(dossier);
    r.LangueChoisie = "FR";
    SaveFichierINI(r, Partie{});
    const QByteArray avant = Lit(chemin);
    QFile::setPermissions(dossier.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    r.LangueChoisie = "UK";
    SaveFichierINI(r, Partie{});
    QFile::setPermissions(dossier.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(Lit(chemin), avant);
}
