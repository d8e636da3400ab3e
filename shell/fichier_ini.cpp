// The settings file on disk. Paths stay the bytes the system names them by,
// through POSIX calls: a folder whose name is not UTF-8 must never go
// through Unicode and back, or its file is looked for under another name.
#include "shell/fichier_ini.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>

#include "common/durees.h"

namespace {

std::string CheminINI(const Reglages& reglages) { return reglages.Chemin + NomFichierINI; }

// A save writes "<file>.", six random letters or digits and
// SuffixeTemporaire beside the file, then renames it over the file: a name
// that no copy a player keeps of the file would take.
constexpr std::string_view SuffixeTemporaire = ".sauve";
constexpr std::size_t LettresTemporaire = 6;

bool EstNomTemporaire(std::string_view nom, std::string_view fichier) {
    if (nom.size() != fichier.size() + 1 + LettresTemporaire + SuffixeTemporaire.size() ||
        !nom.starts_with(fichier) || nom[fichier.size()] != '.' || !nom.ends_with(SuffixeTemporaire))
        return false;
    for (const char c : nom.substr(fichier.size() + 1, LettresTemporaire))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
    return true;
}

// The folder of a path and the name in it.
std::pair<std::string, std::string> Separe(const std::string& chemin) {
    const std::size_t barre = chemin.rfind('/');
    if (barre == std::string::npos) return {".", chemin};
    return {barre == 0 ? "/" : chemin.substr(0, barre), chemin.substr(barre + 1)};
}

class Descripteur {
public:
    explicit Descripteur(int fd) : fd_(fd) {}
    ~Descripteur() { Ferme(); }
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    int fd() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    bool Ferme() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

// The path with every link in it followed; none when it leads nowhere.
std::optional<std::string> Resolu(const std::string& chemin) {
    char* vrai = ::realpath(chemin.c_str(), nullptr);
    if (!vrai) return std::nullopt;
    std::string resolu = vrai;
    std::free(vrai);
    return resolu;
}

// The player's words for a refusal of the system.
EchecINI Motif(int erreur) {
    switch (erreur) {
    case EACCES:
    case EPERM:
    case EROFS: return EchecINI::Interdit;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return EchecINI::Plein;
    default: return EchecINI::Systeme;
    }
}

// One line on the standard error for a save that did not happen; the game
// goes on with the settings it has.
SauvegardeINI Signale(const std::string& chemin, EchecINI echec, const char* quoi, int erreur = 0) {
    std::fprintf(stderr, "quarvelin: settings not saved to %s: %s%s%s\n", chemin.c_str(), quoi,
                 erreur ? ": " : "", erreur ? std::strerror(erreur) : "");
    return {echec, erreur};
}

// The whole text from the start of the file: one write, unless the disk
// takes only part of it (full), when the next one says why.
bool EcritTout(int fd, std::string_view texte) {
    for (off_t position = 0; !texte.empty();) {
        const ssize_t n = ::pwrite(fd, texte.data(), texte.size(), position);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        texte.remove_prefix(std::size_t(n));
        position += n;
    }
    return true;
}

// Another game's start-up clears leftover temporaries from the folder while
// it holds it alone, a moment; a save holds it shared while its temporary
// lies there, and waits that moment, never longer. A folder that cannot be
// locked goes without: the clean-up then spares young temporaries.
void PartageDossier(int dossier) {
    for (int essai = 0; essai < kEssaisVerrouINI; ++essai) {
        if (::flock(dossier, LOCK_SH | LOCK_NB) == 0 || errno != EWOULDBLOCK) return;
        ::usleep(kPauseVerrouINI * 1000);
    }
}

// Gives the new file the old one's owner and group where they differ: a
// game once run by another user, root say, must not take the file from the
// player.
bool PrendProprietaire(int fd, const struct stat& ancien) {
    struct stat nouveau {};
    if (::fstat(fd, &nouveau) != 0) return false;
    return (nouveau.st_uid == ancien.st_uid && nouveau.st_gid == ancien.st_gid) ||
           ::fchown(fd, ancien.st_uid, ancien.st_gid) == 0;
}

enum class Sauvegarde { Faite, Ratee, Refusee };
struct Issue {
    Sauvegarde sauvegarde;
    int erreur = 0;
};

// Writes the whole text into a new file beside `cible`, flushes it to the
// disk and renames it over the old one (`ancien`, none when there is no
// file yet) in one step, so that a failure (disk full) or a power cut leaves
// the old file whole, and no temporary behind. Refusee: no new file could
// take the old one's place with its mode and owner.
Issue EcritPuisRenomme(const std::string& cible, std::string_view texte, const struct stat* ancien) {
    Descripteur dossier(::open(Separe(cible).first.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dossier) PartageDossier(dossier.fd());
    std::string temporaire = cible + ".XXXXXX" + std::string(SuffixeTemporaire);
    Descripteur fichier(::mkostemps(temporaire.data(), int(SuffixeTemporaire.size()), O_CLOEXEC));
    if (!fichier) return {Sauvegarde::Refusee, errno};
    const auto abandonne = [&](Sauvegarde sauvegarde) {
        const int erreur = errno;
        ::unlink(temporaire.c_str());
        return Issue{sauvegarde, erreur};
    };
    // A temporary file is private to its owner; the settings file keeps the
    // permissions it had.
    const mode_t mode = ancien ? (ancien->st_mode & 0777) : (S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH);
    if (::fchmod(fichier.fd(), mode) != 0 || (ancien && !PrendProprietaire(fichier.fd(), *ancien)))
        return abandonne(Sauvegarde::Refusee);
    // Some file systems keep a rename and lose the data of a file not
    // flushed before it: an empty file after a power cut.
    if (!EcritTout(fichier.fd(), texte) || ::fsync(fichier.fd()) != 0 || !fichier.Ferme())
        return abandonne(Sauvegarde::Ratee);
    // A shared folder with the sticky bit refuses to swap another user's file.
    if (::rename(temporaire.c_str(), cible.c_str()) != 0) return abandonne(Sauvegarde::Refusee);
    // The rename itself lasts once the folder is flushed. A file system that
    // cannot flush a folder has kept the file all the same: nothing to say.
    if (dossier) ::fsync(dossier.fd());
    return {Sauvegarde::Faite};
}

// The whole text over the start of the file, then the file cut to its new
// length: a kill between the two leaves the new lines followed by old ones,
// and only the first 34 lines are read. Never an empty file.
SauvegardeINI EcritSurPlace(const std::string& chemin, int fd, std::string_view texte) {
    if (EcritTout(fd, texte) && ::ftruncate(fd, off_t(texte.size())) == 0 && ::fsync(fd) == 0) return {};
    const int erreur = errno;
    return Signale(chemin, Motif(erreur), "cannot write it", erreur);
}

// The file as the reader needs it: its first 34 lines, each cut to its
// first LongueurMaxLigneINI bytes, so that the memory taken stays small
// whatever the file holds, and the time as well: lines that run on past
// TailleMaxLectureINI bytes are not read (EFBIG). No text when no regular
// file has that name; an error as well when one is there that cannot be
// read.
struct Contenu {
    std::optional<std::string> texte;
    int erreur = 0;
};

Contenu LitDebutDesLignes(const std::string& chemin) {
    // Not blocking: a FIFO of that name would hold the start for ever.
    Descripteur fichier(::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat etat {};
    if (!fichier) {
        const int erreur = errno;
        // a folder or a socket that refuses to open is no settings file
        if (erreur == ENOENT || (::stat(chemin.c_str(), &etat) == 0 && !S_ISREG(etat.st_mode)))
            return {};
        return {std::nullopt, erreur};
    }
    if (::fstat(fichier.fd(), &etat) != 0) return {std::nullopt, errno};
    if (!S_ISREG(etat.st_mode)) return {};
    std::string texte;
    int lignes = 0;
    std::size_t longueur = 0;
    std::size_t reste = TailleMaxLectureINI;  // what may still be scanned
    char bloc[16 * 1024];
    for (;;) {
        const ssize_t n = ::read(fichier.fd(), bloc, sizeof bloc);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {std::nullopt, errno};
        if (n == 0) return {std::move(texte)};
        const std::size_t pris = std::min(std::size_t(n), reste);
        for (const char c : std::string_view(bloc, pris)) {
            if (c == '\r' || c == '\n') {
                // CR LF ends one line; a CR is always kept, so it is the last byte read
                if (c == '\r' || texte.empty() || texte.back() != '\r') ++lignes;
                texte += c;
                longueur = 0;
                if (lignes == NbLignesINI) return {std::move(texte)};
            } else if (longueur++ < LongueurMaxLigneINI) {
                texte += c;
            }
        }
        // the file goes on past the bound, and its 34th line has not ended
        if (pris < std::size_t(n)) return {std::nullopt, EFBIG};
        reste -= pris;
    }
}

}  // namespace

void ChargeFichierINI(Reglages& reglages) {
    const Contenu contenu = LitDebutDesLignes(CheminINI(reglages));
    if (!contenu.texte || !LitTexteINI(*contenu.texte, reglages)) ReglagesParDefaut(reglages);
    reglages.ErreurLecture = contenu.erreur;
}

SauvegardeINI SaveFichierINI(const Reglages& reglages, const Partie& partie) {
    const std::string chemin = CheminINI(reglages);
    // The defaults the game runs with would take the place of the player's
    // own settings.
    if (reglages.ErreurLecture == EFBIG) {
        const std::string pourquoi = "its first 34 lines do not end within its first " +
                                     std::to_string(TailleMaxLectureINI >> 20) +
                                     " MiB, so it was not read at start-up";
        return Signale(chemin, EchecINI::TropLong, pourquoi.c_str());
    }
    if (reglages.ErreurLecture != 0)
        return Signale(chemin, EchecINI::Illisible, "it could not be read at start-up",
                       reglages.ErreurLecture);
    // A link is kept and the file it leads to is written; only a regular
    // file, or none yet, is ever replaced.
    std::string cible = chemin;
    struct stat etat {};
    if (::lstat(chemin.c_str(), &etat) == 0 && S_ISLNK(etat.st_mode)) {
        const auto resolu = Resolu(chemin);
        if (!resolu) return Signale(chemin, EchecINI::LienCasse, "its link leads to no file", errno);
        cible = *resolu;
    }
    const bool existe = ::stat(cible.c_str(), &etat) == 0;
    if (existe && !S_ISREG(etat.st_mode))
        return Signale(chemin, EchecINI::PasUnFichier, "not a regular file");
    // A file the player may not write is read, never replaced: it opens for
    // writing, or the save stops here.
    Descripteur ancien(existe ? ::open(cible.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC) : -1);
    if (existe && !ancien) return Signale(chemin, Motif(errno), "cannot write it", errno);

    const std::string texte = TexteINI(reglages, partie);
    // Its other names (hard links, as backup tools make) must go on naming it.
    if (existe && etat.st_nlink > 1) return EcritSurPlace(chemin, ancien.fd(), texte);
    const Issue issue = EcritPuisRenomme(cible, texte, existe ? &etat : nullptr);
    if (issue.sauvegarde == Sauvegarde::Faite) return {};
    const EchecINI echec = Motif(issue.erreur);
    if (issue.sauvegarde == Sauvegarde::Ratee)
        return Signale(chemin, echec, "cannot write it", issue.erreur);
    // No new file could take its place: a file that may be written is
    // rewritten where it is.
    if (!ancien) return Signale(chemin, echec, "cannot create it", issue.erreur);
    return EcritSurPlace(chemin, ancien.fd(), texte);
}

void NettoieTemporairesINI(const Reglages& reglages) {
    // A save through a link leaves its temporary beside the file linked to.
    const std::string chemin = CheminINI(reglages);
    const auto [dossier, fichier] = Separe(Resolu(chemin).value_or(chemin));
    DIR* liste = ::opendir(dossier.c_str());
    if (!liste) return;
    // Held alone, the folder has no save running: every temporary is a
    // leftover. Otherwise a running save may own the young ones.
    const bool seul = ::flock(::dirfd(liste), LOCK_EX | LOCK_NB) == 0;
    const time_t vieux = std::time(nullptr) - kAgeTemporaireINI;
    while (const dirent* entree = ::readdir(liste)) {
        struct stat etat {};
        // never a file bigger than a settings file: that is not one of ours
        if (EstNomTemporaire(entree->d_name, fichier) &&
            ::fstatat(::dirfd(liste), entree->d_name, &etat, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(etat.st_mode) && etat.st_size <= off_t(TailleMaxFichierINI) &&
            (seul || etat.st_mtime < vieux))
            ::unlinkat(::dirfd(liste), entree->d_name, 0);
    }
    ::closedir(liste);
}
