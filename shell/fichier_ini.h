// The settings file quarvelin.ini in the settings directory.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/etat.h"

// Name of the settings file inside the settings directory.
inline constexpr const char* NomFichierINI = "quarvelin.ini";
// The most of a settings file that is read: far more than 34 lines of
// values ever take. Only the first 34 lines count, whatever follows them.
inline constexpr std::size_t TailleMaxFichierINI = 64 * 1024;

// Reads the settings from Chemin + "quarvelin.ini", or gives every setting
// its default when there is no regular file there or it is not valid.
// Silent: a first start has no file.
void ChargeFichierINI(Reglages& reglages);

// Writes the settings file whole; during a tournament the training set-up
// put aside is written in place of the tournament opponent's. The new file
// is flushed to the disk and replaces the old one in one step, so a failure
// leaves the old file whole; in a folder that takes no new file, an existing
// file is written in place. Through a link, the file linked to is written
// and the link stays. A file the player may not write, or anything but a
// regular file, is left as it is. A save that does not happen says so in
// one line on the standard error; the settings in memory stay as they are.
void SaveFichierINI(const Reglages& reglages, const Partie& partie);

// Removes the temporary files (the file's name, ".", six letters or digits
// and ".sauve") that a save interrupted between writing and renaming left
// beside the settings file, or beside the file it links to. Run at
// start-up, before anything is saved.
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
