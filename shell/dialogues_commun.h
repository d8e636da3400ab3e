// Pieces shared by the options, opponent set-up and help windows.
#pragma once

#include <QImage>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

#include <string_view>

#include "platform/picture.h"

// A picture box of the dialogs: the platform's picture control, with the
// fixed single border that the set-up dialog puts around the chosen pile.
class BoiteImage : public Picture {
public:
    BoiteImage(QWidget* parent, int largeur, int hauteur);

    // Back to the plain window colour, as a picture box is cleared.
    void Efface();
    // Plain copy of a part of `source` into the surface at (x, y).
    void Copie(int x, int y, const QImage& source, const QRect& partie);
    // A stretched copy of a part of `source` into `cible`.
    void Etire(const QRect& cible, const QImage& source, const QRect& partie);
    // A sprite: the mask ANDed, then the picture ORed, at (x, y).
    void CopieSprite(int x, int y, const QImage& image, const QImage& masque);
    void Bordure(bool avec);
    bool ABordure() const { return bordure_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    bool bordure_ = false;
};

// Return, or Enter on the keypad, with no other modifier: the key that
// presses a window's button.
bool EstEntree(const QKeyEvent& e);

// A text of the text tables (UTF-8) as the windows take it.
inline QString Texte(std::string_view texte) { return QString::fromUtf8(texte); }
// A caption as the windows show it: carriage returns become line breaks.
QString TexteAffiche(std::string_view texte);

// The card-face sheet in use for the whole run, kept in the table's layout:
// "TabCartes" for set 1, "TabCartes2" for any other.
const QImage& Cartes();
void ChoisitCartes(int typeCartes);
