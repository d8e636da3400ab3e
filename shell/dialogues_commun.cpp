#include "shell/dialogues_commun.h"

#include <QPainter>
#include <QPalette>

#include "assets/magasin.h"

BoiteImage::BoiteImage(QWidget* parent, int largeur, int hauteur)
    : QWidget(parent), surface_(largeur, hauteur, QImage::Format_RGB32) {
    setFixedSize(largeur, hauteur);
    Efface();
}

void BoiteImage::Efface() {
    surface_.fill(palette().color(QPalette::Window));
    update();
}

void BoiteImage::Copie(int x, int y, const QImage& source, const QRect& partie) {
    QPainter p(&surface_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(x, y), source, partie);
    update();
}

void BoiteImage::Etire(const QRect& cible, const QImage& source, const QRect& partie) {
    QPainter p(&surface_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(cible, source, partie);
    update();
}

void BoiteImage::CopieSprite(int x, int y, const QImage& image, const QImage& masque) {
    QPainter p(&surface_);
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(QPoint(x, y), masque);
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    p.drawImage(QPoint(x, y), image);
    update();
}

void BoiteImage::Bordure(bool avec) {
    bordure_ = avec;
    update();
}

void BoiteImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, surface_);
    if (bordure_) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

QString TexteAffiche(const char* texte) {
    QString s = QString::fromUtf8(texte);
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}

namespace {
int feuilleEnUsage = 1;
}

const QImage& Cartes() {
    return MagasinImages::Instance().Image(feuilleEnUsage == 1 ? u"TabCartes" : u"TabCartes2");
}

void ChoisitCartes(int typeCartes) {
    feuilleEnUsage = typeCartes == 1 ? 1 : 2;
}
