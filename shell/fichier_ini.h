// The settings file quarvelin.ini in the settings directory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/etat.h"

// Name of the settings file inside the settings directory.
inline constexpr const char* NomFichierINI = "quarvelin.ini";
// The lines of the file; only these count, whatever follows them.
inline constexpr int NbLignesINI = 34;
// The most of a line that is read: far more than a value ever takes. The
// rest of a longer line is skipped, so that reading takes little memory
// whatever the file holds.
inline constexpr std::size_t LongueurMaxLigneINI = 4096;
// Far more than any settings file the game writes: a bigger file beside it
// is never one of its temporaries.
inline constexpr std::size_t TailleMaxFichierINI = 64 * 1024;
// The most of the file scanned for the ends of its 34 lines. The game
// writes a few hundred bytes, and a person who edits or keeps the file
// never gets near a few MiB; yet a file whose lines never end (a disk
// image, gigabytes of zeros) would be read whole before the table appears.
// Scanning this much costs the start some 15 ms from the page cache and
// 20 to 30 ms from the disk.
inline constexpr std::size_t TailleMaxLectureINI = 16 << 20;

// Reads the settings from Chemin + "quarvelin.ini", or gives every setting
// its default when there is no regular file there or it is not valid.
// Silent: a first start has no file. A file that is there but cannot be
// read, or whose 34 lines do not end within TailleMaxLectureINI bytes
// (noted as EFBIG), is noted in ErreurLecture, and no save writes over it.
void ChargeFichierINI(Reglages& reglages);

// Why a save did not happen.
enum class EchecINI : uint8_t {
    Aucun,         // saved
    Illisible,     // the file there could not be read at start-up: kept as it is
    TropLong,      // its 34 lines did not end within TailleMaxLectureINI: kept as it is
    LienCasse,     // the link of that name leads to no file
    PasUnFichier,  // a folder, a device or a FIFO has the file's name
    Interdit,      // the player may not write the file, or make one in its folder
    Plein,         // no room left on the disk
    Systeme,       // any other refusal of the system
};
struct SauvegardeINI {
    EchecINI echec = EchecINI::Aucun;
    int erreur = 0;  // the system's errno, where it gave one
    explicit operator bool() const { return echec == EchecINI::Aucun; }
};

// Writes the settings file whole; during a tournament the training set-up
// put aside is written in place of the tournament opponent's. The new file
// is flushed to the disk and replaces the old one in one step, with the old
// one's permissions, owner and group, so a failure leaves the old file
// whole. An existing file is written in place when it has other names (hard
// links), when its folder takes no new file or refuses the swap, or when
// its owner cannot be given to a new file. Through a link, the file linked
// to is written and the link stays. A file the player may not write, one
// that could not be read or was too long to read, or anything but a
// regular file, is left as it is. A save that does not happen says so in
// one line on the standard error and in its result; the settings in
// memory stay as they are.
SauvegardeINI SaveFichierINI(const Reglages& reglages, const Partie& partie);

// Removes the temporary files (the file's name, ".", six letters or digits
// and ".sauve") that a save interrupted between writing and renaming left
// beside the settings file, or beside the file it links to: all of them
// when no save runs in that folder, otherwise only those older than any
// save lasts. Run at start-up, before anything is saved.
void NettoieTemporairesINI(const Reglages& reglages);

// The two halves of the file's format, apart from the disk.
// Fills the settings from the first 34 lines of the text of a file; false
// (settings untouched) when they are not a valid settings file. A leading
// UTF-8 byte-order mark is skipped.
bool LitTexteINI(std::string_view texte, Reglages& reglages);
// The 34 lines of the file, CR LF ended.
std::string TexteINI(const Reglages& reglages, const Partie& partie);
// Gives the stored settings their first-start values; Chemin stays.
void ReglagesParDefaut(Reglages& reglages);
