// The scene of a game: the table with the tournament medallions, the
// opponent's body with its idle face timers, its hands and the cards it
// holds, and the card pictures of the player.
#include "common/disposition.h"
#include "common/durees.h"
#include "common/etat.h"
#include "common/hasard.h"
#include "common/personnages.h"
#include "platform/raster.h"
#include "render/form1.h"

namespace {

const char* const kCartesTenues[] = {"Mains", "Cartes1", "Cartes2", "Cartes3", "Cartes4", "Cartes5"};
const char* const kCartesTenuesMask[] = {"MainsMask",   "Cartes1Mask", "Cartes2Mask",
                                         "Cartes3Mask", "Cartes4Mask", "Cartes5Mask"};

}  // namespace

void Form1::AffBackground() {
    const QImage& fond = ImageMagasin("BackGround");
    Copie(*Table, 0, 0, fond.width(), fond.height(), fond, 0, 0, OpRaster::SrcCopy);
    const Disposition& d = DispositionDuJeu();
    if (EtatDuJeu().partie.ModeTournoi) {
        // Those met before the current opponent are beaten, those after it
        // still to meet; the last of the band stands for any other value.
        const int p = EtatDuJeu().partie.PersoCowboy;
        const int actuel = PersoValide(p) ? p : kNbPersos;
        for (int k = 1; k <= kNbPersos; ++k) {
            const Medailles& med = FichePerso(k)->medailles;
            const char* nom = k < actuel ? med.battu : k == actuel ? med.actuel : med.aVenir;
            const QImage& m = ImageMagasin(nom);
            Copie(*Table, d.MedX, d.MedY + (k - 1) * d.MedDY, m.width(), m.height(), m, 0, 0,
                  OpRaster::SrcCopy);
        }
    }
    Table->update();
}

void Form1::AffCowboy() {
    Etat& e = EtatDuJeu();
    const Personnage* p = FichePerso(e.partie.PersoCowboy);
    if (!p) return;
    const GeoPerso& geo = DispositionDuJeu().*p->geo;
    // The cowboy stands where the deal copied his record.
    const bool cowboy = e.partie.PersoCowboy == PersoCowboyCowboy;
    const int x = cowboy ? e.scene.CowboyX : geo.CorpsX;
    const int y = cowboy ? e.scene.CowboyY : geo.CorpsY;
    const QImage& corps = ImageMagasin(p->corps);
    CopieMasquee(*Table, x, y, corps.width(), corps.height(), corps, ImageMagasin(p->corpsMask));
    Table->update(x, y, corps.width(), corps.height());

    // Whoever smokes lights a new cigar with each game.
    if (!p->cigare.empty()) e.scene.FrameCigare = 0;
    for (const Lancement& l : p->ralenti) {
        Minuterie& m = Timer(l.minuterie);
        m.SetEnabled(true);
        m.SetInterval(TirageDans(l.plage));
    }
}

void Form1::AffMains() {
    const Personnage& p = FicheOuDerniere(EtatDuJeu().partie.PersoCowboy);
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
