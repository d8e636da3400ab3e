// What a player does at the table, shared by the table tests and the soak:
// a click where a person would click (on the window, at a control's place,
// so that the input gate and the covers decide what it reaches), whether
// the flow now waits for the player, and a hand that answers the showdown's
// OK wait and the message boxes.
#pragma once

#include <QPoint>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

class Form1;
class QWidget;
enum class BoutonTable;

// The window point at the centre of a control of the table.
QPoint PlaceSurFenetre(const Form1& f, const QWidget& controle);
// A left click at a window point, through the window system's hit test.
void CliqueEn(Form1& f, QPoint p);
// A click at a button's place, or on the player's card i (0..4).
void Clique(Form1& f, BoutonTable b);
void CliqueCarte(Form1& f, int i);

// Where the flow stands now.
enum class Attente {
    Aucune,  // a handler is running
    Joueur,  // no handler of the table runs: the player's turn, or no game
    OK,      // the showdown waits for OK (its handler alone runs, OK offered)
};
Attente AttenteDuFlux(Form1& f);

// Accepts the message box that is the active modal window, if any, and
// gives its "title|text"; empty when there was none.
std::string AccepteBoiteMessage();

// Answers every OK wait of the showdown as a player would, after `avant`
// (which sees the table as it waits), and closes the message boxes (the
// one that ends a tournament). With `cliqueOK` false it leaves OK alone
// after `avant`; a wait that still runs afterwards is counted as forced
// and answered.
class RepondOK {
public:
    explicit RepondOK(std::function<void(Form1&)> avant = {}, bool cliqueOK = true);
    int Attentes() const { return attentes_; }
    int Forcees() const { return forcees_; }
    const std::vector<std::string>& Boites() const { return boites_; }

private:
    void Sonde();

    std::function<void(Form1&)> avant_;
    bool cliqueOK_;
    bool dansAttente_ = false;
    bool dansSonde_ = false;
    QTimer timer_;
    int attentes_ = 0, forcees_ = 0;
    std::vector<std::string> boites_;
};
