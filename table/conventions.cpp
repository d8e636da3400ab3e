// What every handler of the table shares: the press of a button, the
// opponent's speech, the plate rule, OK and the marking of cards, and the
// dispatch that lets a new game asked for during the OK wait take over.
#include "common/disposition.h"
#include "common/etat.h"
#include "platform/outils.h"
#include "render/attendre.h"
#include "render/form1.h"
#include "render/offres.h"
#include "table/jeu.h"
#include "table/jeu_interne.h"

Jeu::Jeu(Form1& table, ServicesJeu services)
    : QObject(&table), f(table), e(EtatDuJeu()), services_(std::move(services)) {
    struct Clic {
        Picture* Form1::*controle;
        void (Jeu::*handler)();
    };
    static constexpr Clic kClics[] = {
        {&Form1::BtnBill50Up, &Jeu::BtnBill50Up_Click},
        {&Form1::BtnBill20Up, &Jeu::BtnBill20Up_Click},
        {&Form1::BtnBill10Up, &Jeu::BtnBill10Up_Click},
        {&Form1::BtnCheckUp, &Jeu::BtnCheckUp_Click},
        {&Form1::BtnCallUp, &Jeu::BtnCallUp_Click},
        {&Form1::BtnFoldUp, &Jeu::BtnFoldUp_Click},
        {&Form1::BtnPassUp, &Jeu::BtnPassUp_Click},
        {&Form1::BtnDrawUp, &Jeu::BtnDrawUp_Click},
        {&Form1::Card1, &Jeu::Card1_Click},
        {&Form1::Card2, &Jeu::Card2_Click},
        {&Form1::Card3, &Jeu::Card3_Click},
        {&Form1::Card4, &Jeu::Card4_Click},
        {&Form1::Card5, &Jeu::Card5_Click},
    };
    for (const Clic& c : kClics) (f.*c.controle)->SurClic([this, h = c.handler] { Action(h); });
    // OK ends the showdown's wait, so it may run inside that handler.
    f.BtnOKUp->SurClic([this] { Action(&Jeu::BtnOKUp_Click); }, Acces::PendantAttenteOK);
}

void Jeu::Action(void (Jeu::*handler)()) {
    try {
        (this->*handler)();
    } catch (const NouvellePartieDemandee&) {
        // The showdown that waited for OK is abandoned, its pot with it.
        LanceDemande();
    }
}

void Jeu::Interromps() const {
    if (demande_ != PartieDemandee::Aucune) throw NouvellePartieDemandee{};
}

void Jeu::AppuiBouton(Picture& up, Picture& down, bool desactive) {
    if (desactive) f.Desactive();
    up.Hide();
    Pompe();
    down.Show();
    Attendre(Delai::Bouton);
    up.Show();
    Pompe();
    down.Hide();
    Pompe();
}

void Jeu::Pompe() {
    PompeEvenements();
}

void Jeu::Dit(const Bilingue& phrase, std::string_view code) {
    const std::string texte = phrase.Dans(e.reglages.Francais());
    f.Say->SetCaption(texte);
    if (observateur) observateur->Parole(texte, code);
}

void Jeu::Parole(bool pauseAvant) {
    if (pauseAvant) Attendre(kPauseAvantParole);
    // Painted by the wait's first pass. A wait of 0 makes no pass: shown and
    // hidden at once, nobody could see it, and Qt would still repaint the
    // table under it.
    if (Millisecondes(kDureeBulle, e.reglages) > 0) f.Bobble->Show();
    Attendre(kDureeBulle);
    f.Bobble->Hide();
}

void Jeu::BtnOKUp_Click() {
    AppuiBouton(*f.BtnOKUp, *f.BtnOKDown, false);
    f.TrameOK->Show();
    e.mises.OKClique = true;
}

void Jeu::MarqueCarte(Picture& carte) {
    const Disposition& d = DispositionDuJeu();
    carte.SetTop(carte.Top() == d.TopCarteChoisie ? d.TopCarteNormale : d.TopCarteChoisie);
}

void Jeu::Card1_Click() { MarqueCarte(*f.Card1); }
void Jeu::Card2_Click() { MarqueCarte(*f.Card2); }
void Jeu::Card3_Click() { MarqueCarte(*f.Card3); }
void Jeu::Card4_Click() { MarqueCarte(*f.Card4); }
void Jeu::Card5_Click() { MarqueCarte(*f.Card5); }

void Jeu::PaieAuPot(bool parPlayer, int montant) {
    if (parPlayer)
        f.AffBilletsPlayer(montant, "-");
    else
        f.AffBilletsCowboy(montant, "-");
    e.argent.pot += montant;
    f.MontreArgent();  // the pot's caption repaints itself
    f.AddBilletsPot(static_cast<int16_t>(montant / 10));
}

void Jeu::MiseCowboy(const CodeAction& code) {
    e.mises.MiseCourante = static_cast<int16_t>(MontantAction(code));
    PaieAuPot(false, e.mises.MiseCourante);
    PoseOffre(f, Offre::ReponseMise);
}
