#pragma once
// The picture control: a widget with a persistent image. Its surface keeps
// whatever is drawn into it, shown or hidden, on screen or off, so a copy
// from it always yields its whole picture.

#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>

#include "platform/acces.h"

class Picture : public QWidget {
public:
    // A control at its design place; with no picture the surface is filled
    // with `fond` (the window colour unless told otherwise).
    Picture(QWidget* parent, int left, int top, int width, int height, QImage picture = {});

    // Design picture; Clear() brings the surface back to it.
    const QImage& Image() const { return picture_; }
    // Replaces the picture and the surface (French button pictures).
    void SetPicture(const QImage& picture);
    // Shown with its alpha over what lies under it (the covers); clicks are
    // still taken over the whole rectangle.
    void SetPictureAlpha(const QImage& picture);

    QImage& Surface() { return surface_; }
    const QImage& Surface() const { return surface_; }
    void Clear();
    void Refresh();  // paints now
    // Paints this piece at the next pass of events, with the others drawn
    // since the last one.
    void Rafraichit(const QRect& piece);
    void SetFond(QColor fond);
    // Whether Qt may leave out what lies under the control when it paints
    // it (true at creation). Either way the control paints all of itself.
    void SetOpaque(bool opaque);

    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    void SetLeft(int left) { move(left, y()); }
    void SetTop(int top) { move(x(), top); }
    void Move(int left, int top) { move(left, top); }
    void Move(int left, int top, int width, int height);
    void Resize(int width, int height);

    bool Visible() const { return !isHidden(); }  // its own flag, shown parent or not
    void SetVisible(bool v) { setVisible(v); }
    void Show() { show(); }
    void Hide() { hide(); }
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool e) { setEnabled(e); }
    void ZOrderFront() { raise(); }

    // The click (press and release over the control); without a handler the
    // control still takes the click, so a cover eats it.
    void SurClic(std::function<void()> handler, Acces acces = Acces::Seul);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    // A hidden window's children get their resize event only when shown:
    // the surface follows the size at once.
    void AjusteSurface();

    QImage picture_;
    QImage surface_;
    QRect aRafraichir_;  // around the pieces drawn since the last paint
    QColor fond_;
    bool alpha_ = false;
    bool opaque_ = true;
    bool presse_ = false;
    std::function<void()> clic_;
    Acces acces_ = Acces::Seul;
};
