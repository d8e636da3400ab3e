#include "platform/etiquette.h"

#include <QtGlobal>

#include "platform/polices.h"

Etiquette::Etiquette(QWidget* parent, int left, int top, int width, int height,
                     const QString& caption, QColor couleur, bool gras)
    : QLabel(caption, parent) {
    setGeometry(left, top, width, height);
    // The design's Verdana 9.75 pt is 13 px at its 96 dpi; the game's own
    // sans-serif font stands in for it on every system.
    QFont f(Polices().sans);
    f.setPixelSize(13);
    // unhinted, so that a caption looks the same whatever the system's
    // font configuration
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setBold(gras);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, couleur);
    setPalette(pal);
    setAutoFillBackground(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

Etiquette& PaireEtiquettes::operator[](int i) const {
    if (i < 0 || i > 1 || !e_[i]) qFatal("PaireEtiquettes: no label %d", i);
    return *e_[i];
}

void PaireEtiquettes::SetCaption(const QString& c) const {
    (*this)[0].SetCaption(c);
    (*this)[1].SetCaption(c);
}

void PaireEtiquettes::SetCaption(const std::string& c) const {
    SetCaption(QString::fromStdString(c));
}
