// Pieces shared by the options, opponent set-up and help windows.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class QMessageBox;

// A picture box of the dialogs: it owns a persistent image of its own size
// that the dialogs draw into, and paints it, optionally with a thin border.
class BoiteImage : public QWidget {
public:
    BoiteImage(QWidget* parent, int largeur, int hauteur);

    QImage& Surface() { return surface_; }
    const QImage& Surface() const { return surface_; }
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
    void paintEvent(QPaintEvent*) override;

private:
    QImage surface_;
    bool bordure_ = false;
};

// A caption as the windows show it: carriage returns become line breaks.
QString TexteAffiche(const char* texte);

// The card-face sheet in use for the whole run: "TabCartes" for set 1,
// "TabCartes2" for any other.
const QImage& Cartes();
void ChoisitCartes(int typeCartes);
