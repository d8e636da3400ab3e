// The settings file quarvelin.ini in the settings directory.
#pragma once

#include <string>
#include <string_view>

#include "common/etat.h"

// Name of the settings file inside the settings directory.
inline constexpr const char* NomFichierINI = "quarvelin.ini";

// Reads the settings from Chemin + "quarvelin.ini", or gives every setting
// its default when the file is missing or not valid. Silent.
void ChargeFichierINI(Reglages& reglages);

// Writes the settings file whole; during a tournament the training set-up
// put aside is written in place of the tournament opponent's. On failure the
// previous file stays whole. Silent.
void SaveFichierINI(const Reglages& reglages, const Partie& partie);

// The two halves of the file's format, apart from the disk.
// Fills the settings from the text of a file; false (settings untouched)
// when the text is not a valid settings file.
bool LitTexteINI(std::string_view texte, Reglages& reglages);
// The 34 lines of the file, CR LF ended.
std::string TexteINI(const Reglages& reglages, const Partie& partie);
// Gives the stored settings their first-start values; Chemin stays.
void ReglagesParDefaut(Reglages& reglages);
