// Looking at the opponent's face window in tests: the frames it was painted
// with, and whether a face picture landed through its mask.
#pragma once

#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QObject>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/picture.h"
#include "render/attendre.h"
#include "render/form1.h"

// Records the surface of a picture window at every paint, skipping repeats,
// with the milliseconds since the recording began.
class Pellicule : public QObject {
public:
    explicit Pellicule(Picture& w) : w_(w) {
        w.installEventFilter(this);
        chrono_.start();
    }
    void Vide() {
        images.clear();
        instants.clear();
        chrono_.restart();
    }
    std::vector<QImage> images;
    std::vector<qint64> instants;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == &w_ && e->type() == QEvent::Paint &&
            (images.empty() || images.back() != w_.Surface())) {
            images.push_back(w_.Surface().copy());
            instants.push_back(chrono_.elapsed());
        }
        return false;
    }

private:
    Picture& w_;
    QElapsedTimer chrono_;
};

// The named waits made while it lives, in order: "YeuxCarte 150".
class PausesVues : public ObservateurAttentes {
public:
    PausesVues() { ObserveAttentes(this); }
    ~PausesVues() override { ObserveAttentes(nullptr); }
    void Attente(Delai quoi, int ms, int) override {
        vues.push_back(std::string(NomDelai(quoi)) + " " + std::to_string(ms));
    }
    std::vector<std::string> vues;
};

// `vu` shows the face picture `image` where `masque` is black and `avant`
// elsewhere, over the picture's extent.
inline testing::AssertionResult Porte(const QImage& vu, const char* image, const char* masque,
                                      const QImage& avant) {
    const QImage& img = ImageMagasin(image);
    const QImage& m = ImageMagasin(masque);
    int faux = 0, couvert = 0;
    QPoint premier;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const bool dedans = (m.pixel(x, y) & 0xFFFFFF) == 0;
            couvert += dedans;
            const QRgb attendu = dedans ? img.pixel(x, y) : avant.pixel(x, y);
            if ((vu.pixel(x, y) & 0xFFFFFF) != (attendu & 0xFFFFFF) && faux++ == 0)
                premier = {x, y};
        }
    if (couvert == 0) return testing::AssertionFailure() << masque << " covers nothing";
    if (faux == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << image << " through " << masque << ": " << faux
                                       << " pixels differ, the first at (" << premier.x()
                                       << ", " << premier.y() << ")";
}

// Every pixel where `masque` is black shows `image`, whatever was there.
inline testing::AssertionResult Porte(const QImage& vu, const char* image, const char* masque) {
    return Porte(vu, image, masque, vu);
}
