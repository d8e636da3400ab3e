// The settings file on disk: missing, rewritten, and failed writes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "shell/fichier_ini.h"
#include "support/fichier_ini_defaut.h"

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

// Makes a folder refuse new files while it lives, the files already in it
// staying writable: without write permission for an ordinary user; for
// root, who writes anywhere, by the file system's immutable flag.
class DossierFerme {
public:
    explicit DossierFerme(const QString& dossier) : chemin_(QFile::encodeName(dossier)) {
        if (geteuid() != 0) {
            ferme_ = chmod(chemin_.constData(), 0555) == 0;
            raison_ = "chmod failed";
            return;
        }
        ferme_ = Drapeau(true);
        raison_ = "the file system or the process cannot set the immutable flag";
    }
    ~DossierFerme() {
        if (!ferme_) return;
        if (geteuid() != 0)
            chmod(chemin_.constData(), 0755);
        else
            Drapeau(false);
    }
    bool Ferme() const { return ferme_; }
    const char* Raison() const { return raison_; }

private:
    bool Drapeau(bool immuable) const {
        const int fd = open(chemin_.constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) return false;
        int drapeaux = 0;
        bool ok = ioctl(fd, FS_IOC_GETFLAGS, &drapeaux) == 0;
        if (ok) {
            drapeaux = immuable ? (drapeaux | FS_IMMUTABLE_FL) : (drapeaux & ~FS_IMMUTABLE_FL);
            ok = ioctl(fd, FS_IOC_SETFLAGS, &drapeaux) == 0;
        }
        close(fd);
        return ok;
    }

    QByteArray chemin_;
    bool ferme_ = false;
    const char* raison_ = "";
};

// Peak memory of this process, in kilobytes.
long PicMemoireKo() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
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
    EXPECT_EQ(contenu, QByteArray::fromStdString(FichierINIDefaut("UK")));

    Reglages relu = DansDossier(dossier);
    ChargeFichierINI(relu);
    EXPECT_EQ(relu.LangueChoisie, "UK");
    // nothing but the file itself is left in the folder
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(FichierINI, RejectedFileGivesEveryDefault) {
    QTemporaryDir dossier;
    QByteArray texte = QByteArray::fromStdString(
        LignesINI({"3", "70", "30", "40", "50", "500", "230", "lent", "5", "2", "FR", "1", "10", "", "0"}));
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

TEST(FichierINI, FolderThatTakesNoNewFileHasItsFileWrittenInPlace) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("quarvelin.ini");
    Reglages r = DansDossier(dossier);
    r.LangueChoisie = "";
    SaveFichierINI(r, Partie{});
    {
        DossierFerme ferme(dossier.path());
        if (!ferme.Ferme()) GTEST_SKIP() << ferme.Raison();
        // the folder really refuses a new file
        EXPECT_FALSE(QFile(dossier.filePath("autre")).open(QIODevice::WriteOnly));
        r.LangueChoisie = "FR";
        r.Skill = 64;
        SaveFichierINI(r, Partie{});
    }
    Reglages relu = DansDossier(dossier);
    ChargeFichierINI(relu);
    EXPECT_EQ(relu.LangueChoisie, "FR");
    EXPECT_EQ(relu.Skill, 64);
    EXPECT_EQ(Lit(chemin).count("\r\n"), 34);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    // with no file to write in place, nothing is made and nothing is said
    QFile::remove(chemin);
    DossierFerme ferme(dossier.path());
    SaveFichierINI(r, Partie{});
    EXPECT_FALSE(QFile::exists(chemin));
}

TEST(FichierINI, FileSavedWithAByteOrderMarkKeepsItsSettings) {
    QTemporaryDir dossier;
    Reglages r = DansDossier(dossier);
    r.LangueChoisie = "FR";
    r.DosCarte = 3;
    SaveFichierINI(r, Partie{});
    const QString chemin = dossier.filePath("quarvelin.ini");
    Ecrit(chemin, "\xEF\xBB\xBF" + Lit(chemin));
    Reglages relu = DansDossier(dossier);
    ChargeFichierINI(relu);
    EXPECT_EQ(relu.LangueChoisie, "FR");
    EXPECT_EQ(relu.DosCarte, 3);
}

TEST(FichierINI, HugeFileGivesTheDefaultsWithoutBeingLoaded) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("quarvelin.ini");
    Reglages r = DansDossier(dossier);
    r.Skill = 12;
    SaveFichierINI(r, Partie{});
    // a valid start, then 512 MB of nothing (a sparse file: no disk used)
    {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.resize(qint64(512) << 20));
    }
    const long avant = PicMemoireKo();
    Reglages lu = DansDossier(dossier);
    lu.Skill = 99;
    ChargeFichierINI(lu);
    EXPECT_EQ(lu.Skill, 50);
    EXPECT_LT(PicMemoireKo() - avant, 64 * 1024) << "kilobytes more at the peak";
}

TEST(FichierINI, TemporariesOfAnInterruptedSaveAreRemovedAtStart) {
    QTemporaryDir dossier;
    Reglages r = DansDossier(dossier);
    SaveFichierINI(r, Partie{});
    const QByteArray fichier = Lit(dossier.filePath("quarvelin.ini"));
    // what saves killed between writing and renaming leave, and look-alikes
    // that are not theirs
    const QStringList restes{"quarvelin.ini.AbCdEf.sauve", "quarvelin.ini.qw3r7y.sauve"};
    // a player's own copies among them: never removed
    const QStringList autres{"quarvelin.ini.backup", "quarvelin.ini.bak", "quarvelin.ini.AbCdEf",
                             "quarvelin.ini.abcdefg.sauve", "quarvelin.ini.AbCdE.sauve",
                             "quarvelin.ini.AbC-Ef.sauve", "autre.ini.AbCdEf.sauve",
                             "quarvelin.ini.Grosse.sauve"};
    for (const QString& nom : restes + autres) Ecrit(dossier.filePath(nom), fichier);
    // too big to be a temporary of ours
    Ecrit(dossier.filePath("quarvelin.ini.Grosse.sauve"), QByteArray(TailleMaxFichierINI + 1, 'x'));
    ASSERT_TRUE(QDir(dossier.path()).mkdir("quarvelin.ini.Dossie.sauve"));

    NettoieTemporairesINI(r);
    QStringList attendus = autres;
    attendus << "quarvelin.ini";
    attendus.sort();
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), attendus);
    EXPECT_TRUE(QFileInfo(dossier.filePath("quarvelin.ini.Dossie.sauve")).isDir());
    EXPECT_EQ(Lit(dossier.filePath("quarvelin.ini")), fichier);
}

// Saves killed at random instants, as a crash or a power cut would: the file
// is always one whole save, old or new, and the start-up's clean-up removes
// whatever a killed save left beside it.
TEST(FichierINI, SavesKilledAtAnyInstantLeaveAWholeFileAndNoTemporaryAfterCleanUp) {
    QTemporaryDir dossier;
    Reglages a = DansDossier(dossier), b = DansDossier(dossier);
    a.Skill = 11;
    b.Skill = 22;
    const std::string texteA = TexteINI(a, Partie{}), texteB = TexteINI(b, Partie{});
    SaveFichierINI(a, Partie{});
    int restes = 0;
    for (int essai = 0; essai < 100; ++essai) {
        const pid_t enfant = fork();
        ASSERT_GE(enfant, 0);
        if (enfant == 0) {
            for (;;) {
                SaveFichierINI(b, Partie{});
                SaveFichierINI(a, Partie{});
            }
        }
        usleep(3000 + (97 * essai) % 2000);
        kill(enfant, SIGKILL);
        waitpid(enfant, nullptr, 0);
        const QByteArray fichier = Lit(dossier.filePath("quarvelin.ini"));
        EXPECT_TRUE(fichier == texteA.c_str() || fichier == texteB.c_str()) << fichier.constData();
        restes += QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).size() - 1;
        NettoieTemporairesINI(a);
        EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"quarvelin.ini"});
    }
    RecordProperty("temporaries left by the kills", restes);
}

TEST(FichierINI, ASaveKeepsThePermissionsOfTheFile) {
    QTemporaryDir dossier;
    const Reglages r = DansDossier(dossier);
    const QString chemin = dossier.filePath("quarvelin.ini");
    SaveFichierINI(r, Partie{});
    EXPECT_TRUE(QFileInfo(chemin).permissions() & QFile::ReadOther) << "a new file is readable by all";
    const auto lecture = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser |
                         QFile::ReadGroup | QFile::WriteGroup;
    ASSERT_TRUE(QFile::setPermissions(chemin, lecture));
    SaveFichierINI(r, Partie{});
    EXPECT_EQ(QFileInfo(chemin).permissions(), lecture);
}
