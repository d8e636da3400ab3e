// The trace of a run in JSON Lines: one object a line, one line per event
// of the flow and per timed wait of the flow in the order the flow makes
// them, what the player is offered wherever the flow waits, and the three
// amounts after every handler of the player. tools/soak/README.md lists the
// objects.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/cartes.h"
#include "render/attendre.h"
#include "table/jeu.h"

// Its waits are told only once it is attached to them (ObserveAttentes).
class Trace : public ObservateurJeu, public ObservateurAttentes {
public:
    explicit Trace(std::ostream& sortie) : o_(sortie) {}

    void DebutPartie() override;
    void Donne() override;
    void Parole(const std::string& phrase, std::string_view code) override;
    void Tirage(bool cowboy, std::string_view positions) override;
    void Abattage(bool cowboyGagne) override;
    void PotPaye(bool auCowboy) override;
    void FinPartie() override;
    // A timed wait of the flow: its delay's name, and a fixed pause's length.
    void Attente(Delai quoi, int ms, int profondeur) override;

    // A fresh table in one language.
    void Table(bool francais);
    // The flow waits for the player: the actions a click reaches (their
    // actions-file names) and the cards that take a click ("1".."5").
    void Offre(const std::vector<std::string>& actions, std::string_view cartes);
    // The money after the handler of `action` (its actions-file line).
    void Montants(std::string_view action);

private:
    std::ostream& o_;
};

// A card as the trace writes it: "AH", "10S", "QD" (hearts H, clubs C,
// diamonds D, spades S).
std::string NomCarte(const Carte& c);
