// The settings file quarvelin.ini in the settings directory.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/etat.h"

// Name of the settings file inside the settings directory.
inline constexpr const char* NomFichierINI = "quarvelin.ini";
// The largest settings file read: far more than 34 lines of values ever
// take; a bigger file is not a settings file and gives the defaults.
inline constexpr std::size_t TailleMaxFichierINI = 64 * 1024;

// Reads the settings from Chemin + "quarvelin.ini", or gives every setting
// its default when the file is missing or not valid. Silent.
void ChargeFichierINI(Reglages& reglages);

// Writes the settings file whole; during a tournament the training set-up
// put aside is written in place of the tournament opponent's. The new file
// replaces the old one in one step, so a failure leaves the old file whole;
// in a folder that takes no new file, an existing file is written in place.
// Silent.
void SaveFichierINI(const Reglages& reglages, const Partie& partie);

// Removes the temporary files ("quarvelin.ini.", six letters or digits and
// ".sauve") that a save interrupted between writing and renaming left in the
// settings directory. Run at start-up, before anything is saved.
void NettoieTemporairesINI(const Reglages& reglages);

// The two halves of the file's format, apart from the disk.
// Fills the settings from the text of a file; false (settings untouched)
// when the text is not a valid settings file. A leading UTF-8 byte-order
// mark is skipped.
bool LitTexteINI(std::string_view texte, Reglages& reglages);
// The 34 lines of the file, CR LF ended.
std::string TexteINI(const Reglages& reglages, const Partie& partie);
// Gives the stored settings their first-start values; Chemin stays.
void ReglagesParDefaut(Reglages& reglages);
