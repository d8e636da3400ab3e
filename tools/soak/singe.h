// The random-input run: for a given time a seeded monkey plays the real
// table as a careless person would, through the window system only.
//
// It clicks anywhere on the table (covered buttons, cards, the bubble, the
// piles, outside everything) and most often on what the table offers, opens
// the menu bar's menus with clicks or keys and clicks their items, presses
// keys into the window that has the focus, acts inside the dialogs and
// message boxes (option buttons, sliders, scroll bars, delay boxes) and
// closes them by OK, Cancel, the close box, Escape or Enter, plays with the
// help window, and now and then closes the table window, during a wait and
// during the showdown's OK wait too, then starts a fresh table. Every input
// is a mouse or key event of the window system at a window point, so the
// input gate, the covers and the modal dialogs decide what it reaches.
//
// Inputs are sent from single-shot timers a few milliseconds apart, with
// the game's delays a few milliseconds too, so that they land inside the
// waits as often as between them. Where the flow waits for the player the
// table's invariants are checked (Verificateur); a breach, a dialog that
// does not close when it must, two actions of the table running at once or
// a window left open by the table's close stop the run. The watchdog is
// told at every input whether a handler is due.
#pragma once

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "chien_de_garde.h"
#include "joueur.h"
#include "table/jeu.h"

class QAction;
class QEventLoop;
class QWidget;
class QWindow;
class TableSoak;
class Verificateur;
class CapteurLiens;

struct OptionsSinge {
    uint64_t graine = 1;
    double secondes = 10;
    // The longest pause between two inputs, in milliseconds.
    int pasMax = 12;
    // The folder of the settings file.
    std::string dossier;
};

// What a run did.
struct BilanSinge {
    long entrees = 0;      // inputs sent: clicks, keys, close boxes
    long clics = 0, touches = 0, fermetures = 0;
    // The table's close asked for while a handler waited, and during the
    // showdown's OK wait.
    long fermeturesEnAttente = 0, fermeturesAttenteOK = 0;
    long elements = 0;     // menu items clicked
    long handlers = 0;     // handlers run (the platform's count)
    long tables = 0, tablesFermees = 0;
    long parties = 0, coups = 0, finies = 0;
    long dialogues = 0;    // modal windows opened, by kind below
    std::map<std::string, long> parGenre;
    long aides = 0;        // help windows opened
    long liens = 0;        // links handed to the desktop (captured)
    long verifications = 0;
    int profondeurMax = 0;  // inputs nested in the handlers and windows of others
    double secondes = 0;
};

class Singe : public ObservateurJeu {
public:
    Singe(OptionsSinge options, ChienDeGarde& garde);
    ~Singe() override;
    Singe(const Singe&) = delete;
    Singe& operator=(const Singe&) = delete;

    // Plays for the given time, then closes the table; false on a fault.
    bool Joue();
    // The fault that stopped the run, or "".
    const std::string& Faute() const { return faute_; }
    const BilanSinge& Compte() const { return bilan_; }

    void DebutPartie() override;
    void Donne() override;
    void Tirage(bool cowboy, std::string_view positions) override;
    void Parole(const std::string& phrase, std::string_view code) override;
    void Abattage(bool cowboyGagne) override;
    void PotPaye(bool auCowboy) override;
    void FinPartie() override;

private:
    // The loop.
    void Tick();
    void Programme();
    void Signale();
    void Verifie();
    // Where the flow waits for the player, as far as the table shows it.
    Attente OuAttend();
    void Stoppe(std::string pourquoi);
    std::string Situation() const;

    // Tables.
    void NouvelleTable();
    void TireDelais();
    void SuitFermeture();
    void Termine();
    void FermeTable();

    // Inputs.
    void Agit();
    void ALaTable();
    void DansDialogue(QWidget* d);
    void FermeDialogue(QWidget* d);
    void ChangeDialogue(QWidget* d);
    void DansAide();
    void DansMenu();
    void CommenceMenu();
    // Nothing offered on the table: no game, or the game is over.
    bool SansPartie();
    void SuisMenu();
    void CliqueDans(QWidget& w, Qt::MouseButton bouton = Qt::LeftButton, bool double_ = false);
    void CliqueEn(QWidget& fenetre, QPoint p, Qt::MouseButton bouton = Qt::LeftButton, bool double_ = false);
    // A slow click: the button pressed now, released a moment later, with
    // keys only in between (one mouse).
    void Appuie(QWidget& fenetre, QPoint p);
    void Relache();
    void JugeRelache();
    void Touche(int touche, Qt::KeyboardModifiers mods = {});
    void ToucheAuHasard();
    bool CaseFermeture(QWidget& fenetre);
    QWindow* FenetreClavier();
    void Note(const std::string& entree);

    double Rnd() { return std::uniform_real_distribution<double>(0, 1)(hasard_); }
    int Pioche(int n) { return std::min(n - 1, static_cast<int>(Rnd() * n)); }
    bool Chance(double p) { return Rnd() < p; }

    OptionsSinge options_;
    ChienDeGarde& garde_;
    std::mt19937_64 hasard_;
    std::unique_ptr<QObject> contexte_;     // owns the pending timer
    std::unique_ptr<CapteurLiens> capteur_;
    std::unique_ptr<TableSoak> table_;
    std::unique_ptr<Verificateur> verificateur_;
    QEventLoop* boucle_ = nullptr;

    int profondeur_ = 0;        // ticks nested in one another
    int touchesTenues_ = 0;     // keys pressed, not released yet
    bool construction_ = false; // a table is being built
    bool introAMontrer_ = false;
    bool fin_ = false;          // time is up or a fault: closing everything
    bool fermeture_ = false;    // the table was asked to close
    bool termine_ = false;
    std::string faute_;

    // The menu item being reached: the path from the menu bar, the step.
    std::vector<QAction*> chemin_;
    std::size_t etape_ = 0;
    int attenteMenu_ = 0;

    // The modal window being answered and the inputs it has had.
    QPointer<QWidget> dialogue_;
    int dansDialogue_ = 0;
    QPointer<QWidget> aide_;

    // The left button held down, and the release that followed a press the
    // table refused, judged once it has been handled: it must start no
    // action of the table.
    struct Appui {
        QPointer<QWidget> fenetre;
        QPoint p;
        double relache = 0;
        bool refuse = false;
        std::string ou;
    };
    std::optional<Appui> appui_;
    struct Relachement {
        bool aJuger = false;
        long handlers = 0, ticks = 0;
        std::string ou;
    } relache_;

    long verifieA_ = -1;        // handlers run at the last check
    long entreesVerifiees_ = -1;
    BilanSinge bilan_;
};
