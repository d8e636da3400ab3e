// A picture box of the shell's windows: shows its picture at its own size
// and reports clicks. Given a focus policy, it also takes the keyboard:
// Enter and Space on it count as a click, and a frame shows it has the
// focus.
#pragma once

#include <QImage>
#include <QWidget>

class ImageCliquable : public QWidget {
    Q_OBJECT
public:
    explicit ImageCliquable(QWidget* parent = nullptr);
    void setImage(const QImage& image);
    const QImage& image() const { return image_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    QImage image_;
    bool appuye_ = false;
};
