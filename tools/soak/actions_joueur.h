// The player's actions as the driver plays them and as an actions file
// writes them, one a line:
//   bet50 bet20 bet10 call check pass fold ok    a button of the table
//   draw [POSITIONS]                             cards 1..5 clicked in this order, then
//                                                Draw (a card clicked twice is unmarked)
//   training CHARACTER SKILL EMOTION BLUFF RISK MONEY
//                                                a training game from the menu
//   tournament easy|medium|hard                  a tournament from the menu
//   first 0|1|2                                  the options' first player
//   progression N                                the unlock marker, for the games that follow
//   language en|fr                               a fresh table in that language
// CHARACTER is cowboy, mexican or girl; the four personality values are
// 0..100; MONEY is 300, 400 or 500. Blank lines and '#' comments are skipped.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "table/offre.h"

struct ActionJoueur {
    enum class Genre { Bouton, Tirage, Entrainement, Tournoi, Premier, Langue, Progression };
    Genre genre = Genre::Bouton;
    BoutonTable bouton = BoutonTable::OK;  // Bouton
    std::string cartes;                    // Tirage: the positions clicked, in order
    int perso = 1, skill = 0, emotion = 0, bluff = 0, risk = 0, argent = 400;  // Entrainement
    int niveau = 300;                      // Tournoi: the level's money
    int premier = 0;                       // Premier
    int progression = 0;                   // Progression
    bool francais = false;                 // Langue

    // A button, the draw with its marks, or an item of the menus: what
    // only exists while the flow waits for the player.
    bool DeLaTable() const { return genre == Genre::Bouton || genre == Genre::Tirage; }
};

// The line of an action, as read back by LitAction.
std::string TexteAction(const ActionJoueur& a);
// An action from a line; nothing, with `erreur` set, for a line that is not
// one. A blank or comment line gives nothing with `erreur` empty.
std::optional<ActionJoueur> LitAction(std::string_view ligne, std::string& erreur);

// A line without its comment ('#' to the end) and the blanks around.
std::string_view TexteUtile(std::string_view ligne);
