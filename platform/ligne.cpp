#include "platform/ligne.h"

#include <QPainter>

#include <algorithm>

Ligne::Ligne(QWidget* parent, int x1, int y1, int x2, int y2, QColor couleur)
    : QWidget(parent), couleur_(couleur) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    SetPoints(x1, y1, x2, y2);
}

void Ligne::SetPoints(int x1, int y1, int x2, int y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    // Both end points are drawn, so the box includes them.
    setGeometry(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1,
                std::abs(y2 - y1) + 1);
    update();
}

void Ligne::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(couleur_, 1));
    const QPoint o = pos();
    p.drawLine(QPoint(x1_, y1_) - o, QPoint(x2_, y2_) - o);
}
