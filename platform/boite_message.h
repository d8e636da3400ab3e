#pragma once
// The game's message boxes: a title and a text, with OK alone or Yes and No
// (No the default), the buttons in the running language.

#include <QString>

class QWidget;

enum class BoutonsMessage {
    OK,
    OuiNon,  // No is the default button
};

// Shows the box modally over `parent`; true when OK or Yes was pressed. The
// box is at least wide enough for its whole title.
bool BoiteMessage(QWidget* parent, const QString& titre, const QString& texte, BoutonsMessage boutons);
