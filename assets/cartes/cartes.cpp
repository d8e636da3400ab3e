#include "assets/cartes/cartes.h"

// Blank sheets of the right size until the faces and backs are drawn.
QImage DessineTabCartes() {
    QImage img(923, 384, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

QImage DessineTabCartes2() {
    QImage img(923, 384, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

QImage DessineDosCartes() {
    QImage img(791, 96, QImage::Format_RGB32);
    img.fill(Qt::darkRed);
    return img;
}
