#pragma once
// The table window: the table surface, every control at its design place,
// size and visibility, the face timers and the menu bar. Pictures that are
// only copied from (sheets, sprites, masks, French button pictures) are not
// controls: they come from the picture store (assets/magasin.h).

#include <QAction>

#include <array>

#include "platform/etiquette.h"
#include "platform/fenetre_table.h"
#include "platform/groupe.h"
#include "platform/ligne.h"
#include "platform/minuterie.h"
#include "platform/picture.h"

class Form1 : public FenetreTable {
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
    std::array<Minuterie*, 10> TimersVisage;

    // Menu bar; submenus are the actions of their menus (action->menu()).
    QAction *MenuGame, *MenuNewGame, *MenuEnter, *MenuTourna, *TournEasy, *TournMed, *TournHard,
        *MenuOptions, *MenuExit;
    QAction *MenuAutre, *MenuHelp, *Tiret1, *MenuSite, *MenuContact, *ForHelp, *ForFun, *Tiret2,
        *MenuAbout;

    // Attaches a menu item's handler, dispatched like the table's clicks.
    void SurClic(QAction* item, std::function<void()> handler, Acces acces = Acces::Seul);

protected:
    void closeEvent(QCloseEvent* e) override;
};

// A picture of the store (a name it lacks stops the program loudly).
const QImage& ImageMagasin(const char* nom);
