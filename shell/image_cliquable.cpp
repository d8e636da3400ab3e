#include "shell/image_cliquable.h"

#include <QMouseEvent>
#include <QPainter>

ImageCliquable::ImageCliquable(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
}

void ImageCliquable::setImage(const QImage& image) {
    image_ = image;
    setFixedSize(image_.size());
    update();
}

void ImageCliquable::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void ImageCliquable::mousePressEvent(QMouseEvent* e) {
    appuye_ = e->button() == Qt::LeftButton;
    e->accept();
}

void ImageCliquable::mouseReleaseEvent(QMouseEvent* e) {
    // a click is a press and a release over the picture, as with a button
    const bool clic = appuye_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    appuye_ = false;
    e->accept();
    if (clic) emit clicked();
}
