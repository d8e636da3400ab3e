// Starting a hand: first speaker, the scene of a first hand, the deal, the
// antes, both hands, and the opening.
#include "common/disposition.h"
#include "common/etat.h"
#include "common/hasard.h"
#include "common/personnages.h"
#include "render/attendre.h"
#include "render/form1.h"
#include "render/offres.h"
#include "rules/decisions.h"
#include "rules/plaques.h"
#include "table/jeu.h"
#include "table/jeu_interne.h"

Carte TireCarte(Donne& donne, MarqueCarte marque) {
    do {
        donne.Valeur = static_cast<int16_t>(Tirage(13, 1));
        donne.Couleur = static_cast<int16_t>(Tirage(4, 1));
    } while (donne.Paquet(donne.Valeur, donne.Couleur) != MarqueCarte::Libre);
    donne.Paquet(donne.Valeur, donne.Couleur) = marque;
    return {donne.Valeur, donne.Couleur};
}

void Jeu::NouvelleMise() {
    Partie& p = e.partie;
    Mises& m = e.mises;
    Donne& donne = e.donne;
    Scene& scene = e.scene;
    const Disposition& d = DispositionDuJeu();

    ++p.NbCoups;
    f.Desactive();
    // The face and hands windows are not hidden here: they are copied back
    // and shown again below before any pass of events, so nobody could see
    // them hidden (copying back repaints them where they stand).

    // Where the character stands; the face window takes the size of its
    // face pictures.
    const Personnage& fiche = FicheOuDerniere(p.PersoCowboy);
    const GeoPerso& geo = d.*fiche.geo;
    scene.CowboyX = geo.CorpsX;
    scene.CowboyY = geo.CorpsY;
    scene.PosMainsX = geo.MainsX;
    scene.PosMainsY = geo.MainsY;
    scene.PosVisageX = geo.VisageX;
    scene.PosVisageY = geo.VisageY;
    const QImage& visage = ImageMagasin(fiche.visage.taille);
    f.FenetreVisage->Move(scene.PosVisageX, scene.PosVisageY, visage.width(), visage.height());
    const QImage& mains = ImageMagasin("Mains");
    f.FenetreMains->Move(scene.PosMainsX, scene.PosMainsY, mains.width(), mains.height());

    // The opening alternates; 2 draws the first one.
    if (m.ParleEnPremier == 1)
        m.ParleEnPremier = 0;
    else if (m.ParleEnPremier == 0)
        m.ParleEnPremier = 1;
    else if (m.ParleEnPremier == 2)
        m.ParleEnPremier = Rnd() > 0.5 ? 1 : 0;  // nearest, a half to the even 0

    m.JoueurParole = false;
    m.CowboyParole = false;
    m.ApresDraw = false;
    m.CowboyBluffe = false;
    m.MiseCourante = 0;

    // After two passes the pot and its bills stay on the table.
    if (!m.Redonne) f.RecopieTable(*f.FenetrePot);

    // Taken back; the offer of nothing below disables them.
    for (Picture* c : f.Cards) {
        c->Hide();
        c->SetTop(d.TopCarteNormale);
    }

    if (m.NouvellePartie) {
        f.Table->Clear();
        f.AffBackground();
        f.AffCowboy();
        f.RecopieTable(*f.PileBilletsPlayer);
        f.RecopieTable(*f.PileBilletsCowboy);
    }

    // The hands and face windows wiped with the table under them.
    f.RecopieTable(*f.FenetreMains);
    f.RecopieTable(*f.FenetreVisage);

    // Nothing offered while the hand is dealt.
    PoseOffre(f, Offre::Rien);
    // Painted by the pass of events when just shown; a panel already shown
    // has not changed (its captions repaint themselves when they change).
    for (Picture* barre : {f.PotMoneyBar, f.PlayerMoneyBar, f.CowboyMoneyBar}) barre->Show();
    Pompe();

    m.ApresDraw = false;

    if (m.NouvellePartie) {
        f.ConstruitPiles();
        m.NouvellePartie = false;
    }

    // The deal: a back on each card, the opponent's fan growing by one.
    for (int k = 1; k <= 5; ++k) {
        Picture& carte = *f.Cards[k - 1];
        f.PeintDos(carte);
        carte.Show();
        Attendre(Delai::Card);
        f.AffMainsCartes(k);
    }
    Attendre(Delai::Turn);

    // Antes.
    f.AffBilletsPlayer(m.MiseDepart, "-");
    f.AffBilletsCowboy(m.MiseDepart, "-");
    if (!m.Redonne) {
        e.argent.pot = 2 * m.MiseDepart;
    } else {
        e.argent.pot += 2 * m.MiseDepart;
        m.Redonne = false;
    }
    f.MontreArgent();
    f.AddBilletsPot(1);
    Attendre(Delai::Card);
    f.AddBilletsPot(1);

    // A fresh deck; the opponent's cards first, unseen, then the player's,
    // turned face up one by one.
    donne.Paquet.Vide();
    for (Carte& carte : donne.CartesCowboy) carte = TireCarte(donne, MarqueCarte::Cowboy);
    for (int n = 0; n < 5; ++n) {
        donne.CartesPlayer[n] = TireCarte(donne, MarqueCarte::Player);
        Picture& carte = *f.Cards[n];
        f.PeintFace(carte, donne.Valeur, donne.Couleur);
        carte.Show();
        carte.update();
        Attendre(Delai::Card);
    }
    if (observateur) observateur->Donne();

    f.ArmeTics();

    if (m.ParleEnPremier == 1) {
        PoseOffre(f, Offre::Ouverture);
    } else {
        const CodeAction choix = ActionCowboyAvantDraw(e, e.argent);
        const ParoleCowboy dite = BaisseMise(choix, e.argent.cowboy, e.argent.player, SansMise::Passe);
        Dit(dite.phrase, dite.code);
        Parole(true);
        if (GenreAction(dite.code) == "PA") {
            m.MiseCourante = 0;
            m.CowboyParole = true;
            // Pass or bet; when an ante took someone's last $10, only Check.
            PoseOffre(f, e.argent.player > 0 && e.argent.cowboy > 0 ? Offre::Ouverture : Offre::Check);
        } else {
            MiseCowboy(dite.code);
        }
    }
    f.Active();
}
