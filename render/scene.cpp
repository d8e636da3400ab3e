// The scene of a game: the table with the tournament medallions, the
// opponent's body with its idle face timers, its hands and the cards it
// holds, and the card pictures of the player.
#include <span>

#include "common/disposition.h"
#include "common/durees.h"
#include "common/etat.h"
#include "common/hasard.h"
#include "platform/raster.h"
#include "render/form1.h"

namespace {

// An idle face timer and the range its interval is drawn from.
struct Demarrage {
    Minuterie* Form1::*timer;
    Plage plage;
};

constexpr Demarrage kCligne{&Form1::TimerCligne, kPremierClin};
constexpr Demarrage kDent{&Form1::TimerDent, kBouche};
constexpr Demarrage kPlisses{&Form1::TimerYeuxPlisses, kPlisse};
constexpr Demarrage kCigare{&Form1::TimerMexCigare, kCigareRepos};

constexpr Demarrage kTimersCowboy[] = {kCligne, kDent, kPlisses};
// The Mexican has a cigar instead of a mouth animation.
constexpr Demarrage kTimersMex[] = {kCigare, kCligne, kPlisses};
constexpr Demarrage kTimersFille[] = {kDent, kCligne, kPlisses};

struct Personnage {
    const char* corps;
    const char* corpsMask;
    const char* mains;
    const char* mainsMask;
    GeoPerso Disposition::*geo;
    std::span<const Demarrage> timers;
    // Medallions of the tournament, slots 0 (cowboy) to 2 (girl), while
    // this character is the opponent.
    const char* medailles[3];
};

const Personnage kPersonnages[] = {
    {"Cowboy", "CowboyMask", "Mains", "MainsMask", &Disposition::GeoCowboy, kTimersCowboy,
     {"CowMed2", "MexMed1", "FilleMed1"}},
    {"Mexicain", "MexicainMask", "MainsMex", "MainsMexMask", &Disposition::GeoMex, kTimersMex,
     {"CowMed3", "MexMed2", "FilleMed1"}},
    {"Fille", "FilleMask", "MainsFille", "MainsFilleMask", &Disposition::GeoFille, kTimersFille,
     {"CowMed3", "MexMed3", "FilleMed2"}},
};

// The current character, or none for a value that names no one.
const Personnage* Perso() {
    const int p = EtatDuJeu().partie.PersoCowboy;
    return p >= 1 && p <= 3 ? &kPersonnages[p - 1] : nullptr;
}

// The girl stands in for any value that names no one, where something must
// be drawn.
const Personnage& PersoOuFille() {
    const Personnage* p = Perso();
    return p ? *p : kPersonnages[2];
}

const char* const kCartesTenues[] = {"Mains", "Cartes1", "Cartes2", "Cartes3", "Cartes4", "Cartes5"};
const char* const kCartesTenuesMask[] = {"MainsMask",   "Cartes1Mask", "Cartes2Mask",
                                         "Cartes3Mask", "Cartes4Mask", "Cartes5Mask"};

}  // namespace

void Form1::AffBackground() {
    const QImage& fond = ImageMagasin("BackGround");
    Copie(*Table, 0, 0, fond.width(), fond.height(), fond, 0, 0, OpRaster::SrcCopy);
    const Disposition& d = DispositionDuJeu();
    if (EtatDuJeu().partie.ModeTournoi) {
        for (int k = 0; k < 3; ++k) {
            const QImage& m = ImageMagasin(PersoOuFille().medailles[k]);
            Copie(*Table, d.MedX, d.MedY + k * d.MedDY, m.width(), m.height(), m, 0, 0,
                  OpRaster::SrcCopy);
        }
    }
    Table->update();
}

void Form1::AffCowboy() {
    const Personnage* p = Perso();
    if (!p) return;
    Etat& e = EtatDuJeu();
    const GeoPerso& geo = DispositionDuJeu().*p->geo;
    // The cowboy stands where the deal copied his record.
    const bool cowboy = p == &kPersonnages[0];
    const int x = cowboy ? e.scene.CowboyX : geo.CorpsX;
    const int y = cowboy ? e.scene.CowboyY : geo.CorpsY;
    const QImage& corps = ImageMagasin(p->corps);
    CopieMasquee(*Table, x, y, corps.width(), corps.height(), corps, ImageMagasin(p->corpsMask));
    Table->update(x, y, corps.width(), corps.height());

    if (p == &kPersonnages[1]) e.scene.FrameCigare = 0;
    for (const Demarrage& d : p->timers) {
        Minuterie* m = this->*d.timer;
        m->SetEnabled(true);
        m->SetInterval(TirageDans(d.plage));
    }
}

void Form1::AffMains() {
    const Personnage& p = PersoOuFille();
    const QImage& mains = ImageMagasin(p.mains);
    CopieMasquee(*FenetreMains, 0, 0, mains.width(), mains.height(), mains,
                 ImageMagasin(p.mainsMask));
}

void Form1::AffMainsCartes(int k) {
    const QImage& mains = ImageMagasin("Mains");
    CopieTableSous(*FenetreMains, mains.width(), mains.height());
    if (k >= 0 && k <= 5)
        CopieMasquee(*FenetreMains, 0, 0, mains.width(), mains.height(),
                     ImageMagasin(kCartesTenues[k]), ImageMagasin(kCartesTenuesMask[k]));
    AffMains();
    MontreRedessinee(*FenetreMains);
}

void Form1::PeintFace(Picture& carte, int valeur, int couleur) {
    const Disposition& d = DispositionDuJeu();
    Copie(carte, 0, 0, d.LargeurCarte, d.HauteurCarte, ImageMagasin(d.Cartes),
          (valeur - 1) * d.LargeurCarte, (couleur - 1) * d.HauteurCarte, OpRaster::SrcCopy);
}

void Form1::PeintDos(Picture& carte) {
    const Disposition& d = DispositionDuJeu();
    Copie(carte, 0, 0, d.LargeurCarte, d.HauteurCarte, ImageMagasin("DosCartes"),
          (EtatDuJeu().reglages.DosCarte - 1) * (d.LargeurCarte + 1), 0, OpRaster::SrcCopy);
}
