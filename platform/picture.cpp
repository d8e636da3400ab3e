#include "platform/picture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

Picture::Picture(QWidget* parent, int left, int top, int width, int height, QImage picture)
    : QWidget(parent), fond_(QApplication::palette().color(QPalette::Window)) {
    setGeometry(left, top, width, height);
    setAttribute(Qt::WA_OpaquePaintEvent);
    picture_ = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    surface_ = QImage(width, height, QImage::Format_RGB32);
    Clear();
}

void Picture::SetPicture(const QImage& picture) {
    alpha_ = false;
    setAttribute(Qt::WA_OpaquePaintEvent, opaque_);
    picture_ = picture.convertToFormat(QImage::Format_RGB32);
    Clear();
    update();
}

void Picture::SetPictureAlpha(const QImage& picture) {
    alpha_ = true;
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    picture_ = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    surface_ = picture_;
    update();
}

void Picture::Clear() {
    if (alpha_) {
        surface_ = picture_;
        return;
    }
    if (picture_.size() == surface_.size()) {
        // The picture itself, shared until something is drawn into it.
        surface_ = picture_;
        return;
    }
    surface_.fill(fond_);
    if (!picture_.isNull()) {
        QPainter p(&surface_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, picture_);
    }
}

void Picture::Refresh() {
    repaint();
}

void Picture::Rafraichit(const QRect& piece) {
    // One rectangle around every piece (the bills of a pile, of the pot)
    // rather than a staircase of them: Qt works through what is left to
    // paint at every pass, and its cost grows with the number of
    // rectangles far more than painting the few pixels between them.
    aRafraichir_ |= piece;
    update(aRafraichir_);
}

void Picture::SetFond(QColor fond) {
    fond_ = fond;
    Clear();
    update();
}

void Picture::SetOpaque(bool opaque) {
    opaque_ = opaque;
    setAttribute(Qt::WA_OpaquePaintEvent, opaque && !alpha_);
}

void Picture::Move(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
    AjusteSurface();
}

void Picture::Resize(int width, int height) {
    resize(width, height);
    AjusteSurface();
}

void Picture::SurClic(std::function<void()> handler, Acces acces) {
    clic_ = std::move(handler);
    acces_ = acces;
}

void Picture::paintEvent(QPaintEvent* e) {
    aRafraichir_ = QRect();
    QPainter p(this);
    if (!alpha_) p.setCompositionMode(QPainter::CompositionMode_Source);
    // Rectangle by rectangle: under a clip of one rectangle the image is
    // copied line by line; under the whole region (the parts left between
    // the controls over this one) Qt blends it span by span, handing tall
    // blocks to its thread pool, which costs more than the copy itself.
    const QRegion& region = e->region();
    for (const QRect& r : region) {
        if (region.rectCount() > 1) p.setClipRect(r);  // one: the clip already is
        p.drawImage(r.topLeft(), surface_, r);
        // Beyond the surface (never, but a resize may race a paint): the back colour.
        if (!alpha_ && (r.right() >= surface_.width() || r.bottom() >= surface_.height()))
            p.fillRect(r.intersected(QRect(surface_.width(), 0, width(), height())), fond_);
    }
}

void Picture::resizeEvent(QResizeEvent*) {
    AjusteSurface();
}

void Picture::AjusteSurface() {
    if (alpha_ || surface_.size() == size()) return;
    QImage neuve(size(), QImage::Format_RGB32);
    neuve.fill(fond_);
    QPainter p(&neuve);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, surface_);
    p.end();
    surface_ = std::move(neuve);
}

void Picture::mousePressEvent(QMouseEvent* e) {
    // Taken even without a handler: a cover eats the click meant for its button.
    e->accept();
    if (e->button() == Qt::LeftButton) presse_ = true;
}

void Picture::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    if (e->button() != Qt::LeftButton) return;
    const bool clic = presse_ && rect().contains(e->position().toPoint());
    presse_ = false;
    if (clic && clic_) Execute(this, acces_, clic_);
}
