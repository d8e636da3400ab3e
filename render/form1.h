#pragma once
// The table window: the table surface, every control at its design place,
// size and visibility, the face timers and the menu bar. Pictures that are
// only copied from (sheets, sprites, masks, French button pictures) are not
// controls: they come from the picture store (assets/magasin.h).

#include <QAction>

#include <array>
#include <string>

#include "common/personnages.h"
#include "platform/etiquette.h"
#include "platform/fenetre_table.h"
#include "platform/groupe.h"
#include "platform/ligne.h"
#include "platform/minuterie.h"
#include "platform/picture.h"
#include "rules/abattage.h"

class Form1 : public FenetreTable, public YeuxCowboy {
public:
    Form1();

    // The visible client area, 670 x 510; its persistent image is the table
    // window's own image (the background and bodies are drawn into it, the
    // windows over it copy their background from it). Every control below is
    // a child of it, so control positions are table coordinates.
    Picture* Table;

    // The player's cards (no picture at design; hidden, enabled).
    Picture *Card1, *Card2, *Card3, *Card4, *Card5;
    std::array<Picture*, 5> Cards;
    Picture* CowboyGame;      // the opponent's cards at the showdown (hidden)
    Groupe<Ligne, 3> Line1;   // frame of the player's cards (hidden)

    // Action buttons: Up receives the click, Down is the pressed look
    // (hidden), the cover (Trame, a child of Up) is shown at design.
    Picture *BtnDrawUp, *BtnDrawDown, *TrameDraw;
    Picture *BtnCallUp, *BtnCallDown, *TrameCall;
    Picture *BtnFoldUp, *BtnFoldDown, *TrameFold;
    Picture *BtnCheckUp, *BtnCheckDown, *TrameCheck;
    Picture *BtnPassUp, *BtnPassDown, *TramePass;
    Picture *BtnOKUp, *BtnOKDown, *TrameOK;
    Picture *BtnBill50Up, *BtnBill50Down;
    Picture *BtnBill20Up, *BtnBill20Down;
    Picture *BtnBill10Up, *BtnBill10Down;
    Picture* BtnBet;          // boards over the plates: Bet shown, Raise hidden
    Picture* BtnRaise;
    Groupe<Picture, 8> TramePlaque;  // covers of the plates (0, 1, 2) and boards (6, 7)

    // Money: panels with a caption pair each (hidden at design).
    Picture *PlayerMoneyBar, *CowboyMoneyBar, *PotMoneyBar;
    PaireEtiquettes PlayerMoney, CowboyMoney, Pot, TextPot;
    // Drawing surfaces of the piles and the pot heap (hidden at design).
    Picture *PileBilletsPlayer, *PileBilletsCowboy, *FenetrePot;

    // Speech bubble with its label (hidden at design).
    Picture* Bobble;
    Etiquette* Say;

    // Drawing surfaces of the opponent's hands and face (hidden at design).
    Picture *FenetreMains, *FenetreVisage;

    // Face timers: no interval at design.
    Minuterie *TimerCligne, *TimerDent, *TimerYeuxPlisses, *TimerYeuxCarte, *TimerYeuxAnime,
        *TimerMexCigare, *TimerMexDent, *TimerMexGoutte, *TimerFilleTicBouche, *TimerFilleTicYeux;
    std::array<Minuterie*, kNbMinuteriesVisage> TimersVisage;  // in the order of MinuterieVisage
    Minuterie& Timer(MinuterieVisage m) const { return *TimersVisage[static_cast<size_t>(m)]; }

    // Menu bar; submenus are the actions of their menus (action->menu()).
    QAction *MenuGame, *MenuNewGame, *MenuEnter, *MenuTourna, *TournEasy, *TournMed, *TournHard,
        *MenuOptions, *MenuExit;
    QAction *MenuAutre, *MenuHelp, *Tiret1, *MenuSite, *MenuContact, *ForHelp, *ForFun, *Tiret2,
        *MenuAbout;

    // Attaches a menu item's handler, dispatched like the table's clicks.
    void SurClic(QAction* item, std::function<void()> handler, Acces acces = Acces::Seul);

    // ---- Drawing operations of the table, on the run's state (EtatDuJeu()).
    // The flow decides; these draw, animate and wait.

    // Money: writes the three caption pairs from the amounts of the state.
    void MontreArgent();
    // A payment ("-") or a gain (any other text) of the player or the
    // opponent: rewrites its money and caption and animates its pile; a gain
    // first empties the pot window.
    void AffBilletsPlayer(double NbBillARetirer, const std::string& PlusMoins);
    void AffBilletsCowboy(double NbBillARetirer, const std::string& PlusMoins);
    // Throws k bills onto the pot heap.
    void AddBilletsPot(int16_t k);
    // First hand of a game: both piles built from their base, one bill per
    // $10 of each player's money, the player's first.
    void ConstruitPiles();

    // Copies into w, at (0, 0), the table image under it, with w's size or
    // the given extent.
    void CopieTableSous(Picture& w);
    void CopieTableSous(Picture& w, int largeur, int hauteur);
    // Copying back: hide w, clear it, copy the table under it, show it.
    void RecopieTable(Picture& w);
    // The end of a redrawing that hid w: w shown with its new image.
    void MontreRedessinee(Picture& w);

    // The scene of a game: the table (with the medallions in a tournament),
    // the current character's body with its idle face timers, its hands.
    void AffBackground();
    void AffCowboy();
    void AffMains();
    // The hands window rebuilt: the table under it, the fan of k cards held
    // (k = 0: the bare hands), the character's hands over them; then shown.
    void AffMainsCartes(int k);

    // A card picture gets the face of (valeur, couleur) from the face sheet
    // in use, or the chosen card back.
    void PeintFace(Picture& carte, int valeur, int couleur);
    void PeintDos(Picture& carte);

    // The showdown reveal: covers, the opponent's five cards one DelayCard
    // apart, OK offered in Draw's place.
    void MontreCartesCowboy();

    // Tells: cancels the pending tell and may arm a new one from the
    // opponent's hand and self-control.
    void ArmeTics();
    // Stops the ten face timers.
    void ArretTimers();

    // The showdown ends the cowboy's two card-watching tells.
    void ArreteYeuxAnime() override;
    void ArreteYeuxCarte() override;

    // ---- The face: the ticks of the face timers (connected at construction).
    // Idle: blink, mouth, squint, the Mexican's cigar.
    void TimerCligne_Timer();
    void TimerDent_Timer();
    void TimerYeuxPlisses_Timer();
    void TimerMexCigare_Timer();
    // Tells, each played once per arming; the drop over five ticks.
    void TimerYeuxCarte_Timer();
    void TimerYeuxAnime_Timer();
    void TimerMexGoutte_Timer();
    void TimerMexDent_Timer();
    void TimerFilleTicYeux_Timer();
    void TimerFilleTicBouche_Timer();
    // One frame: the face picture through its mask at (0, 0) of the face
    // window, then that window repainted.
    void DessineVisage(const char* image, const char* masque);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void ConnecteVisage();
};

// A picture of the store (a name it lacks stops the program loudly).
const QImage& ImageMagasin(const char* nom);
