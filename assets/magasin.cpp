#include "assets/magasin.h"

#include "assets/inventaire.h"
#include "platform/polices.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtGlobal>

#include <algorithm>
#include <atomic>
#include <map>
#include <memory>
#include <thread>
#include <vector>

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

namespace {

// What one inventory entry becomes before it joins the store.
struct Rendu {
    QImage image;   // Opaque, Sprite picture, Masque, or Cadre before masking
    QImage masque;  // Sprite only
};

Rendu RenduEntree(const EntreeInventaire& e, Rendus& rendus) {
    Rendu r;
    switch (e.genre) {
    case GenreImage::Opaque:
    case GenreImage::Cadre:
        r.image = SurNoir(RenduAlpha(e, rendus));
        break;
    case GenreImage::Sprite:
        Decoupe(RenduAlpha(e, rendus), r.image, r.masque);
        break;
    case GenreImage::Masque:
        r.image = MasqueDe(RenduAlpha(e, rendus));
        break;
    }
    return r;
}

// Independent pieces of work. Each SVG file is parsed once, by the task that
// renders all its elements. Pictures drawn in code all go in one task, in
// their order: they draw text, and text drawn on two threads at once does
// not always come out the same (the glyph outlines are shared).
std::vector<std::vector<std::size_t>> Taches(const std::vector<const EntreeInventaire*>& entrees) {
    std::vector<std::vector<std::size_t>> taches(1);
    std::map<QString, std::size_t> parFichier;
    for (std::size_t i = 0; i < entrees.size(); ++i) {
        const EntreeInventaire& e = *entrees[i];
        if (!e.svg) {
            taches[0].push_back(i);
            continue;
        }
        auto [it, nouveau] = parFichier.try_emplace(QString::fromUtf8(e.svg), taches.size());
        if (nouveau) taches.emplace_back();
        taches[it->second].push_back(i);
    }
    return taches;
}

// Renders every entry, spread over the machine's cores; joined before return.
std::vector<Rendu> RenduTout(const std::vector<const EntreeInventaire*>& entrees) {
    std::vector<Rendu> rendus(entrees.size());
    const auto taches = Taches(entrees);
    std::atomic<std::size_t> suivante{0};
    auto travaille = [&] {
        Rendus svg;
        for (std::size_t t; (t = suivante.fetch_add(1)) < taches.size();)
            for (std::size_t i : taches[t])
                rendus[i] = RenduEntree(*entrees[i], svg);
    };
    const unsigned coeurs = std::max(1u, std::min(8u, std::thread::hardware_concurrency()));
    std::vector<std::thread> aides;
    for (unsigned k = 1; k < coeurs && k < taches.size(); ++k)
        aides.emplace_back(travaille);
    travaille();
    for (std::thread& a : aides)
        a.join();
    return rendus;
}

}  // namespace

MagasinImages::MagasinImages(
    std::initializer_list<std::span<const EntreeInventaire>> inventaires) {
    // The fonts are registered here, before the drawing threads start.
    Polices();
    std::vector<const EntreeInventaire*> entrees;
    for (auto inventaire : inventaires)
        for (const EntreeInventaire& e : inventaire)
            entrees.push_back(&e);
    std::vector<Rendu> rendus = RenduTout(entrees);

    auto ajoute = [this](const QString& nom, QImage img) {
        if (images_.contains(nom))
            qFatal("MagasinImages: picture %s listed twice", qPrintable(nom));
        images_.insert(nom, std::move(img));
    };
    std::vector<std::size_t> cadres;
    for (std::size_t i = 0; i < entrees.size(); ++i) {
        const EntreeInventaire& e = *entrees[i];
        const QString nom = QString::fromUtf8(e.nom);
        if (e.genre == GenreImage::Cadre) {
            cadres.push_back(i);
            continue;
        }
        ajoute(nom, std::move(rendus[i].image));
        if (e.genre == GenreImage::Sprite)
            ajoute(nom + QStringLiteral("Mask"), std::move(rendus[i].masque));
    }
    // Frames last: their mask may be listed after them.
    for (std::size_t i : cadres) {
        const EntreeInventaire& e = *entrees[i];
        const QString nomMasque = QString::fromUtf8(e.masque ? e.masque : "");
        const auto it = images_.constFind(nomMasque);
        if (it == images_.constEnd())
            qFatal("MagasinImages: frame %s needs mask %s", e.nom, qPrintable(nomMasque));
        const QImage& masque = *it;
        if (masque.size() != QSize(e.largeur, e.hauteur))
            qFatal("MagasinImages: frame %s and mask %s differ in size", e.nom,
                   qPrintable(nomMasque));
        QImage img = std::move(rendus[i].image);
        for (int y = 0; y < img.height(); ++y) {
            QRgb* px = reinterpret_cast<QRgb*>(img.scanLine(y));
            const QRgb* m = reinterpret_cast<const QRgb*>(masque.constScanLine(y));
            for (int x = 0; x < img.width(); ++x)
                if ((m[x] & 0xffffffu) != 0)
                    px[x] = 0xff000000u;
        }
        ajoute(QString::fromUtf8(e.nom), std::move(img));
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
