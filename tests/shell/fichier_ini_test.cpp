// The settings file on disk: each kind of file a player may keep, as read
// and as saved, failed writes, kills and what a save flushes.
#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>

#include "shell/fichier_ini.h"
#include "support/fichier_ini_defaut.h"

namespace {

// Every fsync of this program passes here first, so that a test sees what a
// save flushes, and when.
std::function<void(int)> EspionFsync;

std::string Lit(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream contenu;
    contenu << f.rdbuf();
    return f ? contenu.str() : "<absent>";
}

void Ecrit(const std::string& chemin, const std::string& contenu) {
    std::ofstream(chemin, std::ios::binary | std::ios::trunc) << contenu;
}

std::string Lien(const std::string& chemin) {
    char cible[4096];
    return std::string(cible, std::size_t(std::max<ssize_t>(0, readlink(chemin.c_str(), cible, sizeof cible))));
}

// What a folder holds, to compare before and after: each entry with its
// mode, a file with its bytes, a link with where it leads, a folder with
// what it holds.
std::string Decrit(const std::string& dossier) {
    std::vector<std::string> noms;
    if (DIR* d = opendir(dossier.c_str())) {
        while (const dirent* e = readdir(d)) noms.push_back(e->d_name);
        closedir(d);
    }
    std::sort(noms.begin(), noms.end());
    std::string texte;
    for (const auto& nom : noms) {
        const std::string chemin = dossier + "/" + nom;
        struct stat s {};
        if (nom == "." || nom == ".." || lstat(chemin.c_str(), &s) != 0) continue;
        char mode[8];
        std::snprintf(mode, sizeof mode, " %04o ", unsigned(s.st_mode & 07777));
        texte += nom + mode;
        if (s.st_uid != geteuid() || s.st_gid != getegid())
            texte += "owner " + std::to_string(s.st_uid) + ":" + std::to_string(s.st_gid) + " ";
        if (S_ISLNK(s.st_mode)) texte += "-> " + Lien(chemin);
        else if (S_ISREG(s.st_mode)) texte += s.st_size <= (1 << 20) ? "[" + Lit(chemin) + "]" : std::to_string(s.st_size);
        else if (S_ISDIR(s.st_mode)) texte += "{\n" + Decrit(chemin) + "}";
        else texte += S_ISFIFO(s.st_mode) ? "fifo" : "other";
        texte += "\n";
    }
    return texte;
}

std::string Remplace(std::string texte, const std::string& ancien, const std::string& nouveau) {
    for (std::size_t i = 0; (i = texte.find(ancien, i)) != std::string::npos; i += nouveau.size())
        texte.replace(i, ancien.size(), nouveau);
    return texte;
}

std::size_t Lignes(const std::string& texte) { return std::size_t(std::count(texte.begin(), texte.end(), '\n')); }

// Makes a file or a folder refuse writing while it lives: for an ordinary
// user by its mode; for root, who writes anywhere, by the file system's
// immutable flag.
class Verrou {
public:
    explicit Verrou(const std::string& chemin) : chemin_(chemin) {
        struct stat s {};
        if (stat(chemin_.c_str(), &s) != 0) return;
        mode_ = s.st_mode & 07777;
        ferme_ = geteuid() != 0 ? chmod(chemin_.c_str(), mode_ & ~mode_t(0222)) == 0 : Drapeau(true);
    }
    ~Verrou() {
        if (ferme_ && geteuid() != 0) chmod(chemin_.c_str(), mode_);
        if (ferme_ && geteuid() == 0) Drapeau(false);
    }
    bool Ferme() const { return ferme_; }

private:
    bool Drapeau(bool immuable) const {
        const int fd = open(chemin_.c_str(), O_RDONLY | O_NONBLOCK);
        int drapeaux = 0;
        bool ok = fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &drapeaux) == 0;
        drapeaux = immuable ? (drapeaux | FS_IMMUTABLE_FL) : (drapeaux & ~FS_IMMUTABLE_FL);
        ok = ok && ioctl(fd, FS_IOC_SETFLAGS, &drapeaux) == 0;
        if (fd >= 0) close(fd);
        return ok;
    }

    std::string chemin_;
    mode_t mode_ = 0;
    bool ferme_ = false;
};

Reglages Dans(const std::string& chemin, int skill, const char* langue, int16_t delai) {
    Reglages r;
    r.Chemin = chemin;
    r.Skill = skill;
    r.LangueChoisie = langue;
    r.DelayTurn = delai;
    return r;
}
// The player's settings, and those a save writes over them: of different
// lengths, so that a save in place must also cut the file.
Reglages Anciens(const std::string& chemin) { return Dans(chemin, 7, "FR", 32000); }
Reglages Nouveaux(const std::string& chemin) { return Dans(chemin, 100, "UK", 15); }
const std::string kAncien = TexteINI(Anciens(""), Partie{});

// A row of the tables: what stands in the test's folder `base` before the
// call, the settings folder in it, and what refuses writing.
struct Fichier {
    std::function<bool(const std::string& base)> prepare;  // false: not possible on this machine
    const char* verrou = nullptr;
    std::string dossier = "reglages";
};

// A row that makes the settings file from its path.
Fichier Fait(std::function<void(const std::string& fichier)> fait, const char* verrou = nullptr) {
    return {[fait](const std::string& base) {
                fait(base + "reglages/quarvelin.ini");
                return true;
            },
            verrou};
}
void PlaceAncien(const std::string& chemin) { Ecrit(chemin, kAncien); }

// The old file with a hole of zeros opening its first filler line, so that
// the file is `taille` bytes long, and its 34th line's CR its last byte but
// one.
Fichier Etire(std::size_t taille) {
    return Fait([taille](const std::string& f) {
        const std::size_t coupe = kAncien.find("\r\n \r\n") + 2;
        std::ofstream o(f, std::ios::binary);
        o << kAncien.substr(0, coupe);
        o.seekp(std::streamoff(taille - (kAncien.size() - coupe)));
        o << kAncien.substr(coupe);
    });
}
// Gigabytes without a line end.
const Fichier kZeros = Fait([](const std::string& f) {
    Ecrit(f, "");
    truncate(f.c_str(), off_t(4) << 30);
});

const Fichier kSimple = Fait(PlaceAncien);
const Fichier kLienVide = Fait([](const std::string& f) { symlink("absent.ini", f.c_str()); });
const Fichier kLienPeripherique = Fait([](const std::string& f) { symlink("/dev/full", f.c_str()); });
// A device of its own, for a save that would replace it must not reach the
// system's: only root may make one.
const Fichier kLienPeripheriqueAIci{[](const std::string& base) {
    return mknod((base + "reglages/plein").c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0 &&
           symlink("plein", (base + "reglages/quarvelin.ini").c_str()) == 0;
}};
const Fichier kFifo = Fait([](const std::string& f) { mkfifo(f.c_str(), 0644); });
const Fichier kDossier = Fait([](const std::string& f) { mkdir(f.c_str(), 0755); });
const Fichier kVerrouille = Fait(PlaceAncien, "reglages/quarvelin.ini");
const Fichier kLatin1{[](const std::string& base) {
                          PlaceAncien(base + "caf\xe9/quarvelin.ini");
                          return true;
                      },
                      nullptr, "caf\xe9"};
// Another name of the same file in another folder, as backup tools make.
const Fichier kLienDur{[](const std::string& base) {
    PlaceAncien(base + "reglages/quarvelin.ini");
    mkdir((base + "ailleurs").c_str(), 0755);
    return link((base + "reglages/quarvelin.ini").c_str(), (base + "ailleurs/copie.ini").c_str()) == 0;
}};
// Another user's file, for a save run by root; the nobody user of the
// systems, the one a player without root's rights becomes in these tests.
constexpr uid_t kAutre = 65534;
const Fichier kLienAilleurs{[](const std::string& base) {
    mkdir((base + "ailleurs").c_str(), 0755);
    PlaceAncien(base + "ailleurs/joueur.ini");
    return symlink("../ailleurs/joueur.ini", (base + "reglages/quarvelin.ini").c_str()) == 0;
}};

// A row laid out in a folder of its own, removed afterwards with whatever
// bytes its names hold.
struct Place {
    explicit Place(const Fichier& fichier) {
        std::string modele = std::filesystem::temp_directory_path() / "quarvelin-XXXXXX";
        base = std::string(mkdtemp(modele.data())) + "/";
        reglages = base + fichier.dossier + "/";
        EXPECT_EQ(mkdir(reglages.c_str(), 0755), 0);
        prete = fichier.prepare(base) && (!fichier.verrou || verrou.emplace(base + fichier.verrou).Ferme());
    }
    ~Place() {
        verrou.reset();
        std::filesystem::remove_all(base);
    }

    std::string base, reglages;
    std::optional<Verrou> verrou;
    bool prete = true;
};

// Lays each row out in a place of its own and checks it there; a row this
// machine cannot lay out is skipped, and named.
template <typename Ligne, typename Verifie>
void ParLigne(const std::vector<Ligne>& lignes, Verifie verifie) {
    std::string sautes;
    for (const Ligne& ligne : lignes) {
        const Place place(ligne.fichier);
        if (place.prete)
            verifie(ligne, place);
        else
            sautes += std::string(ligne.nom) + "; ";
    }
    if (!sautes.empty())
        GTEST_SKIP() << "the immutable flag or a device node is refused to this process: " << sautes;
}

// Bytes this process has read so far, from any file.
long long OctetsLus() {
    std::ifstream io("/proc/self/io");
    std::string mot;
    long long octets = -1;
    while (io >> mot)
        if (mot == "rchar:") io >> octets;
    return octets;
}

// Peak memory of this process, in kilobytes.
long PicMemoireKo() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

}  // namespace

extern "C" int fsync(int fd) {
    if (EspionFsync) EspionFsync(fd);
    return int(syscall(SYS_fsync, fd));
}

TEST(FichierINI, MissingFileGivesDefaultsAndSaveWritesAComplete34LineFile) {
    Place place(Fait([](const std::string&) {}));
    Reglages r = Anciens(place.reglages);
    ChargeFichierINI(r);
    EXPECT_EQ(r.Skill, 50);
    EXPECT_EQ(r.LangueChoisie, "");
    EXPECT_EQ(r.Chemin, place.reglages);

    r.LangueChoisie = "UK";
    SaveFichierINI(r, Partie{});
    // nothing but the file, readable by all, is left in the folder
    EXPECT_EQ(Decrit(place.reglages), "quarvelin.ini 0644 [" + FichierINIDefaut("UK") + "]\n");
}

// Each kind of file a player may keep, read at start-up: its values or
// every default, the file untouched and the start never held up: no more
// is read than the scanned bound, whatever the file's size.
TEST(FichierINI, ReadOfEachKindOfFileOnDisk) {
    struct Cas {
        const char* nom;
        Fichier fichier;
        bool lu;         // its values, or every default
        int erreur = 0;  // kept from any save
    };
    const std::vector<Cas> cas = {
        {"a plain file", kSimple, true},
        {"a link to a file elsewhere", kLienAilleurs, true},
        {"a file the player may not write", kVerrouille, true},
        {"in a folder named in Latin-1", kLatin1, true},
        {"a 70 KiB file whose first 34 lines are valid",
         Fait([](const std::string& f) { Ecrit(f, kAncien + std::string(70 * 1024, 'x') + "\r\n"); }), true},
        {"a 512 MiB sparse file whose first 34 lines are valid", Fait([](const std::string& f) {
             PlaceAncien(f);
             truncate(f.c_str(), off_t(512) << 20);
         }), true},
        {"a file whose 34th line begins past 64 KiB", Fait([](const std::string& f) {
             Ecrit(f, Remplace(kAncien, "\r\n \r\n", "\r\n" + std::string(70 * 1024, 'x') + "\r\n"));
         }), true},
        {"a file whose 34th line ends on the last byte scanned", Etire(TailleMaxLectureINI + 1), true},
        {"a file whose 34th line ends a byte past what is scanned", Etire(TailleMaxLectureINI + 2),
         false, EFBIG},
        {"a 4 GiB sparse file of zeros", kZeros, false, EFBIG},
        {"a file an editor saved with a byte-order mark",
         Fait([](const std::string& f) { Ecrit(f, "\xEF\xBB\xBF" + kAncien); }), true},
        {"a link to nothing", kLienVide, false},
        {"a link to a device", kLienPeripherique, false},
        {"a FIFO", kFifo, false},
        {"a folder", kDossier, false},
        {"a word on a numeric line",
         Fait([](const std::string& f) { Ecrit(f, Remplace(kAncien, "32000", "slow")); }), false},
    };
    const long memoire = PicMemoireKo();
    ParLigne(cas, [](const Cas& c, const Place& place) {
        const std::string avant = Decrit(place.base);
        Reglages r = Nouveaux(place.reglages);
        const long long lus = OctetsLus();
        ChargeFichierINI(r);
        EXPECT_LT(OctetsLus() - lus, (long long)TailleMaxLectureINI + 64 * 1024) << c.nom;
        EXPECT_EQ(r.ErreurLecture, c.erreur) << c.nom;
        EXPECT_EQ(r.Skill, c.lu ? 7 : 50) << c.nom;
        EXPECT_EQ(r.LangueChoisie, c.lu ? "FR" : "") << c.nom;
        EXPECT_EQ(r.DelayTurn, c.lu ? 32000 : 1500) << c.nom;
        EXPECT_EQ(r.Chemin, place.reglages) << c.nom;
        EXPECT_EQ(Decrit(place.base), avant) << c.nom;
    });
    EXPECT_LT(PicMemoireKo() - memoire, 64 * 1024) << "kilobytes more at the peak";
}

// Each kind of file a player may keep, saved over: afterwards the folders
// hold what they held, with the old text replaced by the new one where the
// save may write; a save that may not write says so in one line, returns,
// and leaves everything as it was.
TEST(FichierINI, SaveOverEachKindOfFileOnDisk) {
    // the player may make new files in its folder: a rename would replace it
    const Fichier lectureSeule{[](const std::string& base) {
        PlaceAncien(base + "reglages/quarvelin.ini");
        chmod((base + "reglages/quarvelin.ini").c_str(), 0444);
        chmod(base.c_str(), 0755);
        return chmod((base + "reglages").c_str(), 0777) == 0;
    }};
    struct Cas {
        const char* nom;
        Fichier fichier;
        bool ecrit;
        bool sansDroits = false;  // saved by a player without root's rights
    };
    const std::vector<Cas> cas = {
        {"a plain file of mode 0660", Fait([](const std::string& f) {
             PlaceAncien(f);
             chmod(f.c_str(), 0660);
         }), true},
        {"a link to a file elsewhere", kLienAilleurs, true},
        {"a file with a second name: both names keep it", kLienDur, true},
        {"another user's file, saved by root: it keeps its owner", Fait([](const std::string& f) {
             PlaceAncien(f);
             chown(f.c_str(), kAutre, kAutre);
         }), true},
        {"another user's file in a shared sticky folder", Fait([](const std::string& f) {
             PlaceAncien(f);
             chmod(f.c_str(), 0666);
             chmod(f.substr(0, f.rfind('/')).c_str(), 01777);
             chmod(f.substr(0, f.rfind("reglages/")).c_str(), 0755);
         }), true, true},
        {"in a folder named in Latin-1", kLatin1, true},
        {"in a folder that takes no new file: written in place", Fait(PlaceAncien, "reglages"), true},
        {"a link into a folder that takes no new file", {kLienAilleurs.prepare, "ailleurs"}, true},
        {"a link to a device", kLienPeripheriqueAIci, false},
        {"a link to nothing", kLienVide, false},
        {"a FIFO", kFifo, false},
        {"a folder", kDossier, false},
        {"a file the player may not write", kVerrouille, false},
        {"a file of mode 0444", lectureSeule, false, true},
        {"a file the player may write but not read", Fait([](const std::string& f) {
             PlaceAncien(f);
             chmod(f.c_str(), 0200);
             chown(f.c_str(), kAutre, kAutre);
             chmod(f.substr(0, f.rfind("reglages/")).c_str(), 0755);
         }), false, true},
        {"no file, in a folder that takes no new file", Fait([](const std::string&) {}, "reglages"), false},
        {"a file whose 34th line ends past what is scanned", Etire(TailleMaxLectureINI + 2), false},
        {"a 4 GiB sparse file of zeros", kZeros, false},
    };
    ParLigne(cas, [](const Cas& c, const Place& place) {
        const std::string avant = Decrit(place.base);
        const Reglages r = Nouveaux(place.reglages);
        // as a start-up does: the file read, then saved
        const auto demarre = [&r] {
            Reglages lu = r;
            ChargeFichierINI(lu);
            Reglages sauve = r;
            sauve.ErreurLecture = lu.ErreurLecture;
            return SaveFichierINI(sauve, Partie{});
        };
        int statut = 0;
        testing::internal::CaptureStderr();
        if (c.sansDroits && geteuid() == 0) {
            // root as a player without its rights, in a child of its own
            const pid_t enfant = fork();
            if (enfant == 0) {
                if (setgroups(0, nullptr) != 0 || setgid(kAutre) != 0 || setuid(kAutre) != 0) _exit(2);
                _exit(bool(demarre()) == c.ecrit ? 0 : 3);
            }
            waitpid(enfant, &statut, 0);
        } else {
            EXPECT_EQ(bool(demarre()), c.ecrit) << c.nom;
        }
        const std::string erreurs = testing::internal::GetCapturedStderr();
        EXPECT_EQ(statut, 0) << c.nom;
        EXPECT_EQ(Decrit(place.base), c.ecrit ? Remplace(avant, kAncien, TexteINI(r, Partie{})) : avant) << c.nom;
        EXPECT_EQ(Lignes(erreurs), c.ecrit ? 0u : 1u) << c.nom << ": " << erreurs;
    });
}

TEST(FichierINI, WriteThatFailsMidwayLeavesTheOldFileWhole) {
    Place place(kSimple);
    const std::string avant = Decrit(place.base);
    // Files may grow no larger than 20 bytes: the new file's write fails
    // half-way, for root too.
    rlimit ancienne{};
    getrlimit(RLIMIT_FSIZE, &ancienne);
    const auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit petite = ancienne;
    petite.rlim_cur = 20;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &petite), 0);
    testing::internal::CaptureStderr();
    SaveFichierINI(Nouveaux(place.reglages), Partie{});
    const std::string erreurs = testing::internal::GetCapturedStderr();
    setrlimit(RLIMIT_FSIZE, &ancienne);
    std::signal(SIGXFSZ, ancienSignal);

    EXPECT_EQ(Decrit(place.base), avant);
    // the report is said, though cut at 20 bytes as well
    EXPECT_TRUE(erreurs.starts_with("quarvelin: settings")) << erreurs;
}

// The new file is on the disk before it takes the old one's name, and the
// folder once it has: a power cut never leaves an empty file behind.
TEST(FichierINI, ASaveFlushesTheNewFileBeforeItsRenameAndTheFolderAfter) {
    struct Cas {
        const char* nom;
        Fichier fichier;
        std::vector<std::string> flux;  // each flush: of what, and the settings file's text then
        bool nettoie = false;           // another game starts as the temporary is flushed
    };
    // what a save killed two minutes ago left
    const Fichier vieuxReste = Fait([](const std::string& f) {
        PlaceAncien(f);
        const std::string reste = f + ".Vieux1.sauve";
        PlaceAncien(reste);
        const timespec avant[2] = {{time(nullptr) - 120, 0}, {time(nullptr) - 120, 0}};
        utimensat(AT_FDCWD, reste.c_str(), avant, 0);
    });
    const std::vector<Cas> cas = {
        {"renamed over the old file", kSimple, {"temporary, old text", "folder, new text"}},
        {"written in place", Fait(PlaceAncien, "reglages"), {"file, new text"}},
        {"while another game's start-up clears leftovers", vieuxReste,
         {"temporary, old text", "folder, new text"}, true},
    };
    ParLigne(cas, [](const Cas& c, const Place& place) {
        const Reglages r = Nouveaux(place.reglages);
        const std::string fichier = place.reglages + "quarvelin.ini";
        std::vector<std::string> vus;
        EspionFsync = [&](int fd) {
            const std::string chemin = Lien("/proc/self/fd/" + std::to_string(fd));
            const std::string quoi = chemin + "/" == place.reglages ? "folder"
                                     : chemin == fichier           ? "file"
                                     : chemin.ends_with(".sauve")  ? "temporary"
                                                                   : chemin;
            vus.push_back(quoi + (Lit(fichier) == TexteINI(r, Partie{}) ? ", new text" : ", old text"));
            if (c.nettoie && quoi == "temporary") NettoieTemporairesINI(r);
        };
        EXPECT_TRUE(SaveFichierINI(r, Partie{})) << c.nom;
        EspionFsync = nullptr;
        EXPECT_EQ(vus, c.flux) << c.nom;
        // the new text in place, and no temporary left, old or new
        EXPECT_EQ(Lit(fichier), TexteINI(r, Partie{})) << c.nom;
        EXPECT_EQ(Decrit(place.reglages).find(".sauve"), std::string::npos) << Decrit(place.reglages);
    });
}

TEST(FichierINI, TemporariesOfAnInterruptedSaveAreRemovedAtStart) {
    Place place(kSimple);
    const std::string& dossier = place.reglages;
    // a player's own copies and look-alikes: never removed
    for (const char* nom : {"quarvelin.ini.backup", "quarvelin.ini.bak", "quarvelin.ini.AbCdEf",
                            "quarvelin.ini.abcdefg.sauve", "quarvelin.ini.AbCdE.sauve",
                            "quarvelin.ini.AbC-Ef.sauve", "autre.ini.AbCdEf.sauve"})
        PlaceAncien(dossier + nom);
    // too big to be a temporary of ours
    Ecrit(dossier + "quarvelin.ini.Grosse.sauve", std::string(TailleMaxFichierINI + 1, 'x'));
    ASSERT_EQ(mkdir((dossier + "quarvelin.ini.Dossie.sauve").c_str(), 0755), 0);
    const std::string attendu = Decrit(dossier);
    // what saves killed between writing and renaming left
    for (const char* nom : {"quarvelin.ini.AbCdEf.sauve", "quarvelin.ini.qw3r7y.sauve"}) PlaceAncien(dossier + nom);

    NettoieTemporairesINI(Anciens(dossier));
    EXPECT_EQ(Decrit(dossier), attendu);
}

// Saves killed at random instants, as a crash would: the file always reads
// as one save, old or new (whole, when renamed over), and the start-up's
// clean-up removes whatever a killed save left beside it.
TEST(FichierINI, SavesKilledAtAnyInstantLeaveAReadableFileAndNoTemporaryAfterCleanUp) {
    struct Cas {
        const char* nom;
        Fichier fichier;
        const char* ou;  // the file the settings are in
        bool entier;     // always one whole save
    };
    const std::vector<Cas> cas = {
        {"renamed over the file", kSimple, "reglages/quarvelin.ini", true},
        {"through a link", kLienAilleurs, "ailleurs/joueur.ini", true},
        {"written in place", Fait(PlaceAncien, "reglages"), "reglages/quarvelin.ini", false},
        {"with a second name, written in place", kLienDur, "ailleurs/copie.ini", false},
    };
    ParLigne(cas, [](const Cas& c, const Place& place) {
        const Reglages a = Anciens(place.reglages), b = Nouveaux(place.reglages);
        const std::string seul = Decrit(place.base);
        int restes = 0;
        for (int essai = 0; essai < 80; ++essai) {
            const pid_t enfant = fork();
            ASSERT_GE(enfant, 0);
            while (enfant == 0) {
                SaveFichierINI(b, Partie{});
                SaveFichierINI(a, Partie{});
            }
            usleep(useconds_t(1000 + (97 * essai) % 4000));
            kill(enfant, SIGKILL);
            waitpid(enfant, nullptr, 0);
            const std::string texte = Lit(place.base + c.ou);
            EXPECT_TRUE(!c.entier || texte == kAncien || texte == TexteINI(b, Partie{})) << c.nom << ": " << texte;
            Reglages relu = b;
            relu.Skill = -1;
            ChargeFichierINI(relu);
            EXPECT_TRUE(relu.Skill == a.Skill || relu.Skill == b.Skill) << c.nom << ": " << texte;
            const std::string attendu = Remplace(seul, kAncien, texte);
            restes += Decrit(place.base) != attendu;
            NettoieTemporairesINI(a);
            EXPECT_EQ(Decrit(place.base), attendu) << c.nom;
        }
        RecordProperty(std::string("temporaries left by the kills, ") + c.nom, restes);
    });
}
