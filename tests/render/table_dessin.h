// A fresh table window on a fresh run state, every delay at 0, and the
// helpers that build the pixels a drawing must leave.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QTimer>

#include <vector>

#include <gtest/gtest.h>

#include "common/disposition.h"
#include "common/etat.h"
#include "platform/raster.h"
#include "render/form1.h"
#include "support/hasard_script.h"

struct TableDessin : testing::Test {
    TableDessin() {
        EtatDuJeu() = Etat{};
        DispositionDuJeu() = Disposition{};
        Reglages& r = EtatDuJeu().reglages;
        r.DelayBill = r.DelayCard = r.DelayTurn = 0;
    }
    ~TableDessin() override {
        EtatDuJeu() = Etat{};
        DispositionDuJeu() = Disposition{};
    }

    Form1 form;

    // The table image under a window, at the window's size.
    QImage SousTable(const Picture& w) const { return form.Table->Surface().copy(w.geometry()); }
};

// A sprite of the store drawn masked into `img` at (x, y).
inline void Sprite(QImage& img, const char* nom, int x, int y) {
    const QImage& image = ImageMagasin(nom);
    const QImage& masque = ImageMagasin(QString::fromLatin1(nom).append("Mask").toLatin1().constData());
    CopieMasquee(img, x, y, masque.width(), masque.height(), image, masque);
}

// The two draws of one sway step of a pile: -1, 0 or +1.
inline void Balance(HasardScript& h, int pas) {
    h.Ajoute({ValeurPour(pas > 0 ? 1 : 0, 2), ValeurPour(pas != 0 ? 1 : 0, 2)});
}

// Whether the block of `img` at r shows exactly `attendu`.
inline bool Montre(const QImage& img, QRect r, const QImage& attendu) {
    return img.copy(r) == attendu.copy(0, 0, r.width(), r.height());
}

// Each new look of a picture's image, seen at every pass of the waits'
// event handling while it lives.
class Espion {
public:
    explicit Espion(const Picture& p) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this, &p] {
            if (vus.empty() || vus.back() != p.Surface()) vus.push_back(p.Surface());
        });
        timer_.start();
    }
    std::vector<QImage> vus;

private:
    QTimer timer_;
};
