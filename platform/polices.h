#pragma once
// The fonts the game draws with: registered from their files at start-up,
// so that the pictures, labels and menus never depend on the fonts that a
// system's configuration offers.

#include <QString>

struct PolicesJeu {
    QString sans;   // captions, menus, button words, bill values, card corners
    QString serif;  // the Western card corners, the backs' year, the about window
};

// The folder of the font files, as the Debian font packages install them.
inline constexpr const char* DossierPolices = "/usr/share/fonts/truetype/dejavu";

// The registered fonts of the run, registered from DossierPolices at the
// first call.
const PolicesJeu& Polices();

// Registers the font files of `dossier` and gives their family names. A
// missing file is told once in a run on the standard error, and drawing
// goes on with whatever font of that name the system has.
PolicesJeu EnregistrePolices(const QString& dossier);

// Start-up: registers the fonts and makes the sans-serif one the font of
// every window (menus, dialogs), at the size the platform gives.
void PolicesAuDemarrage();
