// What a player sees while the flow runs, as a timeline: a row at every
// timed wait, at each sentence of the opponent, at the showdown's OK wait
// and at each message box. A row names its event, then what changed on the
// table since the row before, as short tokens:
//
//   offer:pass,$50  the buttons a click reaches ("cards" when the cards take
//                   clicks); offer:- for none
//   bubble:'I call' the speech bubble and its sentence; bubble:- hidden
//   cards:fbb..     the player's five cards: f its face, b a back, x another
//                   picture, . hidden; upper case while raised for the draw
//   them:ff...      the opponent's cards at the showdown, by place (f its
//                   face); them:- hidden
//   hands:3         the opponent's hands holding 0..5 cards; - the table
//                   alone, ? anything else
//   face:rest       the face window as the table under it; drawn otherwise
//   frame:on        the frame of the player's cards
//   meds:231        the tournament medallions: still to meet, current, beaten
//   P$380 C$380     the player's and the opponent's captions, [29] after one
//                   when its pile shows another number of bills
//   pot$40          the pot's caption, [empty] or [bills] when the heap
//                   says otherwise
//
// A wait is named by what it waits: card, turn, bill, press (DelayBouton),
// or a face's fixed pause with its milliseconds. The first row, "start",
// shows everything. The face timers are suspended while it records, so
// that no tick draws or waits at a moment the clock chooses.
//
// Where a path only leads to the next hand, its deal may be told as one
// row, "deal", with what changed across its fourteen waits; the deal's own
// rows are the deal's timeline.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "render/attendre.h"
#include "table/jeu.h"

class Form1;
class Picture;

class Chronologie : public ObservateurAttentes, public ObservateurJeu {
public:
    Chronologie(Form1& f, Jeu& jeu);
    ~Chronologie() override;
    Chronologie(const Chronologie&) = delete;
    Chronologie& operator=(const Chronologie&) = delete;

    // A row for an event the flow does not tell (the OK wait, a box, the end).
    void Note(const std::string& evenement);
    // Each deal as one row.
    bool donnesResumees = false;
    const std::vector<std::string>& Lignes() const { return lignes_; }

    void Attente(Delai quoi, int ms, int profondeur) override;
    void Parole(const std::string& phrase, std::string_view code) override;
    void Donne() override;

private:
    std::vector<std::string> Vue() const;

    Form1& f_;
    Jeu& jeu_;
    ObservateurJeu* avant_;
    std::unique_ptr<Picture> carte_;  // a card painted for comparison
    std::vector<std::vector<std::string>> vues_;  // what each row saw
    std::vector<std::string> lignes_;
};
