#pragma once
// Small services of the window system.

#include <QString>

class QWidget;

// Handles the pending window events once, without waiting.
void PompeEvenements();
// A message box with a title and an OK button only.
void MessageOK(QWidget* parent, const QString& titre, const QString& texte);
// A Yes/No message box, No being the default; true for Yes.
bool MessageOuiNon(QWidget* parent, const QString& titre, const QString& texte);
// Hands a web or mailto: address to the desktop; the result is ignored.
void OuvreAdresse(const QString& adresse);
