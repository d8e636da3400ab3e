#include "shell/dialogues_commun.h"

#include <QPainter>
#include <QPalette>

#include "assets/magasin.h"
#include "common/disposition.h"
#include "platform/raster.h"

BoiteImage::BoiteImage(QWidget* parent, int largeur, int hauteur)
    : Picture(parent, 0, 0, largeur, hauteur) {
    setFixedSize(largeur, hauteur);
}

void BoiteImage::Efface() {
    Clear();
    update();
}

void BoiteImage::Copie(int x, int y, const QImage& source, const QRect& partie) {
    ::Copie(Surface(), x, y, partie.width(), partie.height(), source, partie.x(), partie.y(),
            OpRaster::SrcCopy);
    update();
}

void BoiteImage::Etire(const QRect& cible, const QImage& source, const QRect& partie) {
    CopieEtiree(Surface(), cible.x(), cible.y(), cible.width(), cible.height(), source, partie.x(),
                partie.y(), partie.width(), partie.height(), OpRaster::SrcCopy);
    update();
}

void BoiteImage::CopieSprite(int x, int y, const QImage& image, const QImage& masque) {
    CopieMasquee(Surface(), x, y, image.width(), image.height(), image, masque);
    update();
}

void BoiteImage::Bordure(bool avec) {
    bordure_ = avec;
    update();
}

void BoiteImage::paintEvent(QPaintEvent* e) {
    Picture::paintEvent(e);
    if (!bordure_) return;
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

QString TexteAffiche(std::string_view texte) {
    QString s = QString::fromUtf8(texte);
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}

const QImage& Cartes() {
    return MagasinImages::Instance().Image(QString::fromUtf8(DispositionDuJeu().Cartes));
}

void ChoisitCartes(int typeCartes) {
    DispositionDuJeu().Cartes = typeCartes == 1 ? "TabCartes" : "TabCartes2";
}

bool EstEntree(const QKeyEvent& e) {
    // the keypad's Enter comes with its own modifier
    return (e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter) &&
           (e.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}
