#pragma once
// The picture store: every picture of the game rendered once, on first use,
// at its exact size, as Format_RGB32. Rendering spreads over the machine's
// cores and is over when the constructor returns.

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <initializer_list>
#include <span>

struct EntreeInventaire;

class MagasinImages {
public:
    static const MagasinImages& Instance();

    // Missing name: qFatal, so a typo fails at once rather than drawing nothing.
    // For a sprite X: "X" is the picture on black, "XMask" its mask (white
    // where transparent, black where opaque).
    const QImage& Image(QStringView nom) const;
    bool Contient(QStringView nom) const;
    QStringList Noms() const;

    // Renders every inventory; public so that tools and benchmarks can time it.
    MagasinImages();
    // Renders only the given inventories (tests, tools).
    explicit MagasinImages(std::initializer_list<std::span<const EntreeInventaire>> inventaires);

private:
    QHash<QString, QImage> images_;
};
