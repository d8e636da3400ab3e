#pragma once
// The card sheets and the strip of backs, drawn in code.

#include <QImage>

QImage DessineTabCartes();
QImage DessineTabCartes2();
QImage DessineDosCartes();
