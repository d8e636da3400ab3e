#pragma once
// A straight line control, one pixel wide, between two points of its parent.
// It never takes clicks.

#include <QColor>
#include <QWidget>

class Ligne : public QWidget {
public:
    Ligne(QWidget* parent, int x1, int y1, int x2, int y2, QColor couleur);

    void SetPoints(int x1, int y1, int x2, int y2);
    int X1() const { return x1_; }
    int Y1() const { return y1_; }
    int X2() const { return x2_; }
    int Y2() const { return y2_; }
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool v) { setVisible(v); }
    void ZOrderFront() { raise(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int x1_, y1_, x2_, y2_;
    QColor couleur_;
};
