#include "assets/cartes/cartes.h"

QImage DessineTabCartes() { QImage i(923, 384, QImage::Format_RGB32); i.fill(Qt::white); return i; }
QImage DessineTabCartes2() { QImage i(923, 384, QImage::Format_RGB32); i.fill(Qt::white); return i; }
QImage DessineDosCartes() { QImage i(791, 96, QImage::Format_RGB32); i.fill(Qt::black); return i; }
