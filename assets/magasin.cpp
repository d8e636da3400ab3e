#include "assets/magasin.h"

#include "assets/inventaire.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtGlobal>

#include <map>
#include <memory>

namespace {

// Opaque where alpha >= 128: the split used by the AND/OR sprite copy.
constexpr int kSeuilAlpha = 128;

class Rendus {
public:
    QSvgRenderer& Pour(const char* chemin) {
        auto& r = rendus_[QString::fromUtf8(chemin)];
        if (!r) {
            r = std::make_unique<QSvgRenderer>(QString::fromUtf8(chemin));
            if (!r->isValid())
                qFatal("MagasinImages: SVG resource %s cannot be read", chemin);
        }
        return *r;
    }

private:
    std::map<QString, std::unique_ptr<QSvgRenderer>> rendus_;
};

// The picture with its alpha, at the exact cell size.
QImage RenduAlpha(const EntreeInventaire& e, Rendus& rendus) {
    if (e.dessin) {
        QImage img = e.dessin();
        if (img.width() != e.largeur || img.height() != e.hauteur)
            qFatal("MagasinImages: %s is drawn %dx%d, expected %dx%d", e.nom, img.width(),
                   img.height(), e.largeur, e.hauteur);
        return img;
    }
    if (!e.svg)
        qFatal("MagasinImages: %s has neither SVG nor drawing", e.nom);
    QSvgRenderer& r = rendus.Pour(e.svg);
    if (!r.elementExists(QString::fromUtf8(e.nom)))
        qFatal("MagasinImages: element %s missing from %s", e.nom, e.svg);
    QImage img(e.largeur, e.hauteur, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    r.render(&p, QString::fromUtf8(e.nom), QRectF(0, 0, e.largeur, e.hauteur));
    p.end();
    return img;
}

// Transparent parts come out black: convertToFormat alone would keep the
// colour hidden under alpha 0. A premultiplied pixel is already its blend
// over black, so making it opaque is the whole flattening.
QImage SurNoir(QImage alpha) {
    if (alpha.format() == QImage::Format_RGB32)
        return alpha;
    QImage img = alpha.format() == QImage::Format_ARGB32_Premultiplied
                     ? std::move(alpha)
                     : alpha.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < img.height(); ++y) {
        QRgb* ligne = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            ligne[x] |= 0xff000000u;
    }
    img.reinterpretAsFormat(QImage::Format_RGB32);
    return img;
}

// Splits an alpha picture into (colour on black, mask) along the threshold.
void Decoupe(const QImage& alpha, QImage& image, QImage& masque) {
    const QImage src = alpha.convertToFormat(QImage::Format_ARGB32);
    image = QImage(src.size(), QImage::Format_RGB32);
    masque = QImage(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        QRgb* i = reinterpret_cast<QRgb*>(image.scanLine(y));
        QRgb* m = reinterpret_cast<QRgb*>(masque.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const bool opaque = qAlpha(s[x]) >= kSeuilAlpha;
            // Colour un-premultiplied by the ARGB32 conversion, shown opaque.
            i[x] = opaque ? (s[x] | 0xff000000u) : 0xff000000u;
            m[x] = opaque ? 0xff000000u : 0xffffffffu;
        }
    }
}

QImage MasqueDe(const QImage& alpha) {
    QImage image, masque;
    Decoupe(alpha, image, masque);
    return masque;
}

}  // namespace

const MagasinImages& MagasinImages::Instance() {
    static const MagasinImages magasin;
    return magasin;
}

MagasinImages::MagasinImages() : MagasinImages({InventaireScene(), InventairePersonnages()}) {}

MagasinImages::MagasinImages(
    std::initializer_list<std::span<const EntreeInventaire>> inventaires) {
    Rendus rendus;
    std::vector<const EntreeInventaire*> cadres;
    auto ajoute = [this](const QString& nom, QImage img) {
        if (images_.contains(nom))
            qFatal("MagasinImages: picture %s listed twice", qPrintable(nom));
        images_.insert(nom, std::move(img));
    };
    for (auto inventaire : inventaires) {
        for (const EntreeInventaire& e : inventaire) {
            const QString nom = QString::fromUtf8(e.nom);
            switch (e.genre) {
            case GenreImage::Opaque:
                ajoute(nom, SurNoir(RenduAlpha(e, rendus)));
                break;
            case GenreImage::Sprite: {
                QImage image, masque;
                Decoupe(RenduAlpha(e, rendus), image, masque);
                ajoute(nom, std::move(image));
                ajoute(nom + QStringLiteral("Mask"), std::move(masque));
                break;
            }
            case GenreImage::Masque:
                ajoute(nom, MasqueDe(RenduAlpha(e, rendus)));
                break;
            case GenreImage::Cadre:
                cadres.push_back(&e);
                break;
            }
        }
    }
    // Frames last: their mask may be listed after them.
    for (const EntreeInventaire* e : cadres) {
        const QString nomMasque = QString::fromUtf8(e->masque ? e->masque : "");
        const auto it = images_.constFind(nomMasque);
        if (it == images_.constEnd())
            qFatal("MagasinImages: frame %s needs mask %s", e->nom, qPrintable(nomMasque));
        const QImage& masque = *it;
        if (masque.size() != QSize(e->largeur, e->hauteur))
            qFatal("MagasinImages: frame %s and mask %s differ in size", e->nom,
                   qPrintable(nomMasque));
        QImage img = SurNoir(RenduAlpha(*e, rendus));
        for (int y = 0; y < img.height(); ++y) {
            QRgb* i = reinterpret_cast<QRgb*>(img.scanLine(y));
            const QRgb* m = reinterpret_cast<const QRgb*>(masque.constScanLine(y));
            for (int x = 0; x < img.width(); ++x)
                if ((m[x] & 0xffffffu) != 0)
                    i[x] = 0xff000000u;
        }
        ajoute(QString::fromUtf8(e->nom), std::move(img));
    }
}

const QImage& MagasinImages::Image(QStringView nom) const {
    const auto it = images_.constFind(nom.toString());
    if (it == images_.constEnd())
        qFatal("MagasinImages: no picture named %s", qPrintable(nom.toString()));
    return *it;
}

bool MagasinImages::Contient(QStringView nom) const {
    return images_.contains(nom.toString());
}

QStringList MagasinImages::Noms() const {
    QStringList noms = images_.keys();
    noms.sort();
    return noms;
}
