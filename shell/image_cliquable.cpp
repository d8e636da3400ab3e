#include "shell/image_cliquable.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "shell/dialogues_commun.h"

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
    if (hasFocus()) {
        // inside the picture's edge, where the dialogs' pictures leave a
        // margin of window colour
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
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

void ImageCliquable::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Space && e->modifiers() == Qt::NoModifier) || EstEntree(*e)) {
        e->accept();
        if (!e->isAutoRepeat()) emit clicked();
        return;
    }
    QWidget::keyPressEvent(e);
}

void ImageCliquable::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
}

void ImageCliquable::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}
