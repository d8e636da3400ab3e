#pragma once
// Labels with a transparent background, and the caption-with-shadow pair.

#include <QColor>
#include <QLabel>
#include <QStaticText>
#include <QString>

#include <string>
#include <unordered_map>

class Etiquette : public QLabel {
public:
    // The game's sans-serif font at 13 px (the design's 9.75 pt), bold or not.
    Etiquette(QWidget* parent, int left, int top, int width, int height, const QString& caption,
              QColor couleur, bool gras = true);

    QString Caption() const { return text(); }
    std::string Texte() const { return text().toStdString(); }
    void SetCaption(const QString& c) { setText(c); }
    void SetCaption(const std::string& c) { setText(QString::fromStdString(c)); }

    int Left() const { return x(); }
    int Top() const { return y(); }
    void Move(int left, int top) { move(left, top); }
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool v) { setVisible(v); }
    void Refresh() { repaint(); }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    // Each caption laid out once for the label's font: QLabel shapes its
    // text again at every paint, and the money captions, painted at every
    // change of an amount, come back to the same few texts.
    std::unordered_map<QString, QStaticText> dispositions_;
    QFont police_;
};

// A caption and its shadow: two labels with the same text, the shadow 2 px
// lower-right and behind. Money readers take label 0.
class PaireEtiquettes {
public:
    PaireEtiquettes() = default;
    PaireEtiquettes(Etiquette* e0, Etiquette* e1) : e_{e0, e1} {}

    Etiquette& operator[](int i) const;
    Etiquette& operator()(int i) const { return (*this)[i]; }
    // Both labels at once.
    void SetCaption(const QString& c) const;
    void SetCaption(const std::string& c) const;

private:
    Etiquette* e_[2] = {nullptr, nullptr};
};

inline constexpr QColor kJaune{255, 255, 0};
