// The settings file on disk. Paths stay the bytes the system names them by,
// through POSIX calls: a folder whose name is not UTF-8 must never go
// through Unicode and back, or its file is looked for under another name.
#include "shell/fichier_ini.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

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

// One line on the standard error for a save that did not happen; the game
// goes on with the settings it has.
void Signale(const std::string& chemin, const char* quoi, int erreur = 0) {
    std::fprintf(stderr, "quarvelin: settings not saved to %s: %s%s%s\n", chemin.c_str(), quoi,
                 erreur ? ": " : "", erreur ? std::strerror(erreur) : "");
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

enum class Sauvegarde { Faite, Ratee, PasDeFichierAcote };
struct Issue {
    Sauvegarde sauvegarde;
    int erreur = 0;
};

// Writes the whole text into a new file beside `cible`, flushes it to the
// disk and renames it over the old one in one step, so that a failure (disk
// full) or a power cut leaves the old file whole, and no temporary behind.
Issue EcritPuisRenomme(const std::string& cible, std::string_view texte, mode_t mode) {
    std::string temporaire = cible + ".XXXXXX" + std::string(SuffixeTemporaire);
    Descripteur fichier(::mkostemps(temporaire.data(), int(SuffixeTemporaire.size()), O_CLOEXEC));
    if (!fichier) return {Sauvegarde::PasDeFichierAcote, errno};
    // A temporary file is private to its owner; the settings file keeps the
    // permissions it had. Some file systems keep a rename and lose the data
    // of a file not flushed before it: an empty file after a power cut.
    if (::fchmod(fichier.fd(), mode) != 0 || !EcritTout(fichier.fd(), texte) ||
        ::fsync(fichier.fd()) != 0 || !fichier.Ferme() ||
        ::rename(temporaire.c_str(), cible.c_str()) != 0) {
        const int erreur = errno;
        ::unlink(temporaire.c_str());
        return {Sauvegarde::Ratee, erreur};
    }
    // The rename itself lasts once the folder is flushed. A file system that
    // cannot flush a folder has kept the file all the same: nothing to say.
    Descripteur dossier(::open(Separe(cible).first.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dossier) ::fsync(dossier.fd());
    return {Sauvegarde::Faite};
}

// The whole text over the start of the file, then the file cut to its new
// length: a kill between the two leaves the new lines followed by old ones,
// and only the first 34 lines are read. Never an empty file.
bool EcritSurPlace(int fd, std::string_view texte) {
    return EcritTout(fd, texte) && ::ftruncate(fd, off_t(texte.size())) == 0 && ::fsync(fd) == 0;
}

// Fills the settings from the file; false when there is no regular file to
// read or it is not a valid settings file.
bool LitFichier(const std::string& chemin, Reglages& reglages) {
    // Not blocking: a FIFO of that name would hold the start for ever.
    Descripteur fichier(::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat etat {};
    if (!fichier || ::fstat(fichier.fd(), &etat) != 0 || !S_ISREG(etat.st_mode)) return false;
    // Only the first 34 lines count: a bigger file is read up to the bound,
    // so that the memory taken stays small whatever the file's size.
    std::string contenu(TailleMaxFichierINI, '\0');
    std::size_t lu = 0;
    while (lu < contenu.size()) {
        const ssize_t n = ::read(fichier.fd(), contenu.data() + lu, contenu.size() - lu);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        lu += std::size_t(n);
    }
    contenu.resize(lu);
    return LitTexteINI(contenu, reglages);
}

}  // namespace

void ChargeFichierINI(Reglages& reglages) {
    if (!LitFichier(CheminINI(reglages), reglages)) ReglagesParDefaut(reglages);
}

void SaveFichierINI(const Reglages& reglages, const Partie& partie) {
    const std::string chemin = CheminINI(reglages);
    // A link is kept and the file it leads to is written; only a regular
    // file, or none yet, is ever replaced.
    std::string cible = chemin;
    struct stat etat {};
    if (::lstat(chemin.c_str(), &etat) == 0 && S_ISLNK(etat.st_mode)) {
        const auto resolu = Resolu(chemin);
        if (!resolu) return Signale(chemin, "its link leads to no file", errno);
        cible = *resolu;
    }
    const bool existe = ::stat(cible.c_str(), &etat) == 0;
    if (existe && !S_ISREG(etat.st_mode)) return Signale(chemin, "not a regular file");
    // A file the player may not write is read, never replaced: it opens for
    // writing, or the save stops here.
    Descripteur ancien(existe ? ::open(cible.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC) : -1);
    if (existe && !ancien) return Signale(chemin, "cannot write it", errno);

    const std::string texte = TexteINI(reglages, partie);
    const mode_t mode = existe ? (etat.st_mode & 0777) : (S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH);
    const Issue issue = EcritPuisRenomme(cible, texte, mode);
    if (issue.sauvegarde == Sauvegarde::Faite) return;
    if (issue.sauvegarde == Sauvegarde::Ratee) return Signale(chemin, "cannot write it", issue.erreur);
    // No file could be made beside it (a folder that takes no new files):
    // an existing file that may be written is rewritten in place.
    if (!ancien) return Signale(chemin, "cannot create it", issue.erreur);
    if (!EcritSurPlace(ancien.fd(), texte)) Signale(chemin, "cannot write it", errno);
}

void NettoieTemporairesINI(const Reglages& reglages) {
    // A save through a link leaves its temporary beside the file linked to.
    const std::string chemin = CheminINI(reglages);
    const auto [dossier, fichier] = Separe(Resolu(chemin).value_or(chemin));
    DIR* liste = ::opendir(dossier.c_str());
    if (!liste) return;
    while (const dirent* entree = ::readdir(liste)) {
        struct stat etat {};
        // never a file bigger than a settings file: that is not one of ours
        if (EstNomTemporaire(entree->d_name, fichier) &&
            ::fstatat(::dirfd(liste), entree->d_name, &etat, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(etat.st_mode) && etat.st_size <= off_t(TailleMaxFichierINI))
            ::unlinkat(::dirfd(liste), entree->d_name, 0);
    }
    ::closedir(liste);
}
