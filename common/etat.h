// The program-wide state of a run: settings, opponent and tournament, deck
// and hands, betting, and the evaluator's shared variables.
//
// The players' money and the pot are held here as numbers; the money
// captions of the table are written from them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "actions.h"
#include "cartes.h"

// Characters of the opponent (their sheets: common/personnages.h).
inline constexpr int16_t PersoCowboyCowboy = 1;
inline constexpr int16_t PersoCowboyMexicain = 2;
inline constexpr int16_t PersoCowboyFille = 3;
// The tournament's opponent once the girl, last of the band, is beaten.
inline constexpr int16_t PersoBandeBattue = PersoCowboyFille + 1;

// The settings kept in the settings file. The initial values are the
// defaults of a first start.
struct Reglages {
    int16_t ChoixCowboy = 1;      // training opponent: 1 cowboy, 2 Mexican, 3 girl
    int Skill = 50;               // opponent personality, 0..100
    int Bluff = 30;
    int16_t Risk = 40;
    int Emotion = 50;             // self-control
    int16_t ArgentDepart = 400;   // starting money of a training game: 300, 400 or 500
    int16_t DelayCard = 230;      // milliseconds between two cards
    int16_t DelayTurn = 1500;     // between two turns
    int16_t DelayBill = 5;        // between two bills
    int16_t DelayBouton = 0;      // pressed-button pause; nothing ever changes it
    int16_t PremierJoueur = 2;    // opener of a new game: 0 player, 1 opponent, 2 at random
    std::string LangueChoisie;    // "FR", "UK", or "" before the first choice
    int16_t TypeCartes = 1;       // card faces: 1 "Typical", 2 "Western"
    int16_t DosCarte = 10;        // card back 1..11
    int16_t Progression = 0;      // unlock marker
    std::string Chemin;           // settings directory in the system's bytes, with its trailing separator
    // Why the settings file that is there could not be read at start-up (an
    // errno; EFBIG: its lines run on past what the reader scans), 0 when it
    // was read or is absent: such a file holds settings the game never saw,
    // and is never written over.
    int ErreurLecture = 0;

    bool Francais() const { return LangueChoisie == "FR"; }
};

// The unlock markers kept in `Progression`; any other value unlocks nothing.
inline constexpr int16_t ProgressionMexicain = 4721;
inline constexpr int16_t ProgressionTous = 8356;

// Opponent, game and tournament.
struct Partie {
    int16_t PersoCowboy = 0;      // 1 cowboy, 2 Mexican, 3 girl; PersoBandeBattue; 0 before any game
    bool ModeTournoi = false;
    int16_t ArgentTournoi = 0;    // 300 Easy, 400 Medium, 500 Hard
    int32_t NbCoups = 0;          // hands dealt since the tournament began; 32 bits, so it never wraps
    // The training set-up put aside while a tournament runs.
    int16_t SauveSkill = 0, SauveEmotion = 0, SauveBluff = 0, SauveRisk = 0, SauveArgent = 0;
    bool ReglagesSauves = false;
    bool ChoixAnnule = false;     // the opponent set-up dialog was cancelled
};

// Deck and hands.
struct Donne {
    MarquesPaquet Paquet;
    Main CartesCowboy{};
    Main CartesPlayer{};
    int16_t Valeur = 0;           // the card being drawn or shown
    int16_t Couleur = 0;
    int16_t NbCartesChangees = 0; // cards the player changed at the draw
    MotifGarde GardeCowboy;       // keep pattern of the opponent's last draw
};

// Betting, for one hand; the deal resets the flags.
struct Mises {
    int16_t MiseCourante = 0;     // what the player must put in to call; 0 when nothing
    int16_t MiseSuivie = 0;       // what the player paid by his last call
    int16_t MiseDepart = 10;      // ante of each player
    int16_t ParleEnPremier = 0;   // 1 the player opens this hand, 0 the opponent
    bool JoueurParole = false;    // the player passed in the first betting turn
    bool CowboyParole = false;    // the opponent opened a betting turn with a pass or check
    bool CowboyBluffe = false;    // the opponent is bluffing in this hand
    bool ApresDraw = false;       // the opponent has drawn: second betting turn
    bool Redonne = false;         // both passed: the pot stays for the next hand
    bool NouvellePartie = false;  // the next deal is the first of a game
    bool OKClique = false;        // OK was pressed; ends the showdown wait
};

// The hand evaluator's input and output, and the results of the opponent's
// keep choice. Every evaluation overwrites them, so each reader reads them
// right after its own call.
struct Evaluation {
    std::array<int16_t, 5> ValEval{};
    std::array<int16_t, 5> CoulEval{};
    double CategorieMain = 0;
    double PoidsMain = 0;
    double MeilleureProba = 0;
    double MeilleurPoids = 0;
    MotifGarde GardeProba;
    MotifGarde GardePoids;
};

// The money on the table, in whole dollars. The captions of the table show
// these amounts ("$" and the number); the table writes them from here.
struct Argent {
    int cowboy = 0;
    int player = 0;
    int pot = 0;
};

// What the table draws and animates: the bill piles, where the current
// character stands, and the face animation.
struct Scene {
    // Old amount of a pile while it is being drawn.
    int16_t ArgentPlayer = 0, ArgentCowboy = 0;
    // x of the bill topping each pile at each money level 0..1000, in the
    // pile window's coordinates.
    std::array<int16_t, 1001> PilesXPlayer{};
    std::array<int16_t, 1001> PilesXCowboy{};
    // The current character's body, hands window and face window.
    int16_t CowboyX = 0, CowboyY = 0;
    int16_t PosMainsX = 0, PosMainsY = 0;
    int16_t PosVisageX = 0, PosVisageY = 0;
    // Face animation.
    bool YeuxFermes = false;      // the blink has drawn the eyes closed
    bool BoucheOuverte = true;    // the mouth is drawn open
    int16_t FrameCigare = 0;      // the Mexican's cigar, step 0..5
    int16_t FrameGoutte = 0;      // the Mexican's sweat drop, step 0..4
};

// Money as the captions show it: "$" followed by a whole number.
std::string TexteArgent(int montant);
// The whole number after the first character of a caption; 0 when it is not one.
int LitArgent(const std::string& caption);

// All the program-wide state of a run. The rules take the parts they need by
// reference; the windows share the one instance of the run.
struct Etat {
    Reglages reglages;
    Partie partie;
    Donne donne;
    Mises mises;
    Evaluation eval;
    Argent argent;
    Scene scene;
};

// The state of this run.
Etat& EtatDuJeu();
