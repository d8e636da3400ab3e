#pragma once
// The list of every picture of the game: name, exact size, kind, and how it
// is drawn (an element of an SVG resource, or a function).

#include <QImage>

#include <span>

enum class GenreImage {
    Opaque,  // drawn as is, flattened on black
    Sprite,  // drawn with alpha; the store gives X (on black) and XMask
    Masque,  // a shared mask: opaque region on transparency; black over it, white elsewhere
    Cadre,   // a face frame: colour kept only where its mask (masque) is black
};

struct EntreeInventaire {
    const char* nom;
    int largeur;
    int hauteur;
    GenreImage genre;
    // Qt resource path of the SVG file holding element id == nom, or nullptr.
    // Each file renders on its own thread: keep <text> out of SVG files
    // (glyphs drawn on two threads at once may differ), use paths instead.
    const char* svg;
    // Set instead of svg for pictures drawn in code. The store calls every
    // drawing function on one thread, in inventory order, possibly not the
    // GUI thread, while SVG files render on other threads.
    QImage (*dessin)();
    const char* masque;   // Cadre only: name of the shared mask
};

std::span<const EntreeInventaire> InventaireScene();
std::span<const EntreeInventaire> InventairePersonnages();
