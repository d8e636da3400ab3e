#include "platform/etiquette.h"

#include <QPainter>
#include <QTextDocument>
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

void Etiquette::paintEvent(QPaintEvent* e) {
    // Anything but one plain line at the top, left or centred, goes the
    // usual way.
    const bool centree = alignment() == (Qt::AlignHCenter | Qt::AlignTop);
    if (!isEnabled() || wordWrap() || (alignment() != (Qt::AlignLeft | Qt::AlignTop) && !centree) ||
        margin() != 0 || indent() > 0 || textFormat() == Qt::RichText ||
        (textFormat() == Qt::AutoText && Qt::mightBeRichText(text())) ||
        text().contains(QLatin1Char('\n'))) {
        QLabel::paintEvent(e);
        return;
    }
    // A money caption takes at most 101 texts; other captions, a few dozen.
    if (police_ != font() || dispositions_.size() > 256) {
        dispositions_.clear();
        police_ = font();
    }
    auto [it, nouvelle] = dispositions_.try_emplace(text(), text());
    if (nouvelle) {
        it->second.setTextFormat(Qt::PlainText);
        // laid out now in the label's font, so that its width is known
        it->second.prepare(QTransform(), police_);
    }
    QPainter p(this);
    p.setFont(police_);
    p.setPen(palette().color(foregroundRole()));
    QPointF coin = contentsRect().topLeft();
    // where a plain label puts it: half the room left, in fractions of a pixel
    if (centree) coin.rx() += (contentsRect().width() - it->second.size().width()) / 2;
    p.drawStaticText(coin, it->second);
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
