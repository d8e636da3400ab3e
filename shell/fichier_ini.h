// The settings file quarvelin.ini in the settings directory.
#pragma once

#include "common/etat.h"

// Reads the settings from Chemin + "quarvelin.ini", or gives every setting
// its default when the file is missing or not valid. Silent.
void ChargeFichierINI(Reglages& reglages);

// Writes the settings file whole; during a tournament the training set-up
// put aside is written in place of the tournament opponent's. On failure the
// previous file stays whole. Silent.
void SaveFichierINI(const Reglages& reglages, const Partie& partie);
