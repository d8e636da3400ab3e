// The showdown reveal of the opponent's five cards.
#include <QCoreApplication>

#include "common/disposition.h"
#include "common/etat.h"
#include "platform/fenetre_table.h"
#include "platform/raster.h"
#include "render/attendre.h"
#include "render/form1.h"
#include "render/offres.h"

void Form1::MontreCartesCowboy() {
    for (Picture* c : {TrameCall, TrameCheck, TrameFold, TramePass}) c->Show();
    CouvrePlaques(*this);

    CowboyGame->Clear();
    CowboyGame->ZOrderFront();
    CowboyGame->Show();

    Etat& e = EtatDuJeu();
    const Disposition& d = DispositionDuJeu();
    for (int i = 1; i <= 5; ++i) {
        Attendre(Delai::Card);
        e.donne.Valeur = e.donne.CartesCowboy[i - 1].valeur;
        e.donne.Couleur = e.donne.CartesCowboy[i - 1].couleur;
        // One pixel between two cards.
        const int x = 12 + (i - 1) * (d.LargeurCarte + 1);
        Copie(*CowboyGame, x, 14, d.LargeurCarte, d.HauteurCarte, ImageMagasin(d.Cartes),
              (e.donne.Valeur - 1) * d.LargeurCarte, (e.donne.Couleur - 1) * d.HauteurCarte,
              OpRaster::SrcCopy);
        // painted by the pass that follows
        CowboyGame->update(x, 14, d.LargeurCarte, d.HauteurCarte);
        QCoreApplication::processEvents();
        VerifieFermeture();
    }
    Attendre(Delai::Card);

    PoseOffre(*this, Offre::OK);
}
