// Texts of the options dialog, the opponent set-up dialog and the help
// window, in English and in French. Lines of a help text are joined by a
// carriage return (character 13); the windows show it as a line break.
#pragma once

#include <array>

#include "common/bilingue.h"

namespace textes_dialogues {

// Buttons of the message boxes.
inline const Bilingue BoutonOui{"Yes", "Oui"};
inline const Bilingue BoutonNon{"No", "Non"};
inline constexpr const char* BoutonOK = "OK";

// Options dialog.
inline constexpr const char* OptionsTitre = "Options";
inline const Bilingue OptSave{"Save", "Sauver"};
inline const Bilingue OptDef{"Default", "D\u00e9faut"};
inline const Bilingue OptCan{"Cancel", "Annuler"};
inline constexpr const char* OptionsOK = "OK";
inline const Bilingue CadreJeu{"Game", "Jeu"};
inline const Bilingue CadreTemps{"Time", "Temps"};
inline const Bilingue CadreLangage{"Language", "Langage"};
inline const Bilingue DosDesCartes{"Cards Back", "Dos des cartes"};
inline const Bilingue TypeDeCartes{"Cards Type", "Type de cartes"};
inline const Bilingue PremierJoueur{"First player :", "Premier joueur :"};
inline const std::array<Bilingue, 3> ChoixPremier{{
    {"You", "Vous"},
    {"Your opponent", "Votre adversaire"},
    {"At random", "Au hasard"},
}};
inline const std::array<Bilingue, 3> Attentes{{
    {"Delay between 2 cards :", "Attente entre 2 cartes :"},
    {"Delay between 2 turns :", "Attente entre 2 tours :"},
    {"Delay between 2 bills :", "Attente entre 2 billets :"},
}};
inline constexpr const char* UniteAttente = "ms  (1s = 1000ms)";
// Index 0 is French, index 1 English, as the option buttons are numbered.
inline const std::array<Bilingue, 2> Langues{{
    {"French", "Fran\u00e7ais"},
    {"English", "Anglais"},
}};
inline const Bilingue LangueInfo{
    "Note: Clic on the Save button to have the language changes taking effect at next start.",
    "Note: cliquez sur Sauver pour prendre en compte la modification de la langue lors du "
    "prochain lancement."};
inline const Bilingue SauverQuestion{"Are you sure ?", "Etes-vous s\u00fbr ?"};
inline const Bilingue SauverTitre{"Save options", "Sauver les options"};
// A Save that failed: the file's path comes between the two, then why.
inline const Bilingue SauverEchec{"The settings could not be saved to this file:",
                                  "Les réglages n'ont pas pu être enregistrés dans ce fichier :"};
inline const Bilingue EchecIllisible{"It could not be read at start-up, so it is kept as it is.",
                                     "Il n'a pas pu être lu au démarrage, il est donc gardé tel quel."};
inline const Bilingue EchecTropLong{
    "Its first lines are too long to be read at start-up, so it is kept as it is.",
    "Ses premières lignes sont trop longues pour être lues au démarrage, il est donc gardé tel quel."};
inline const Bilingue EchecLienCasse{"Its link leads to no file.", "Son lien ne mène à aucun fichier."};
inline const Bilingue EchecPasUnFichier{"Its name is taken by something that is not a file.",
                                        "Son nom est pris par autre chose qu'un fichier."};
inline const Bilingue EchecInterdit{"You may not write there.", "Vous n'avez pas le droit d'y écrire."};
inline const Bilingue EchecPlein{"The disk is full.", "Le disque est plein."};
// followed by the system's own words
inline const Bilingue EchecSysteme{"The system refused it:", "Le système l'a refusé :"};

// Names of the card backs 1..11 and of the face sets 1..2 (index 0 unused).
inline constexpr std::array<const char*, 12> NomDos{
    "",           "Simple Poker",       "Imperial",        "Solo",
    "Bridge",     "French Kings",       "Blue Strikes",    "Red Strikes",
    "Dorvane Atmosphere", "Trouble Effects", "Real Western", "Bonapart 1858"};
inline constexpr std::array<const char*, 3> NomJeu{"", "Typical", "Western"};

// Opponent set-up dialog.
inline const Bilingue ChooseTitre{"Choose the characteristics of your opponent :",
                                  "D\u00e9finissez les qualit\u00e9s de votre adversaire :"};
// Skill, love of bluff, love of risk, self-control.
inline const std::array<Bilingue, 4> Qualites{{
    {"Skill", "Intelligence"},
    {"Bluff Addicted", "Amour du bluff"},
    {"Risk Addicted", "Amour du risque"},
    {"Self Control", "Gestion des \u00e9motions"},
}};
inline constexpr std::array<const char*, 3> Sommes{"$300", "$400", "$500"};
inline const Bilingue ChooseOK{"Let's Play !", "C'est parti !"};
inline const Bilingue ChooseDefaut{"Default", "D\u00e9faut"};
inline const Bilingue ChooseAnnuler{"Cancel", "Annuler"};
inline const Bilingue VerrouTitre{"Caution", "Attention"};
inline const Bilingue VerrouTexte{
    "You must have defeat this cowboy in the tournament mode to be able to select him.\r",
    "Vous devez avoir d\u00e9j\u00e0 battu ce cowboy dans le mode tournoi pour pouvoir le "
    "s\u00e9lectionner.\r"};

// Help window.
inline const Bilingue AideTitre{"Help", "Aide"};
inline const Bilingue OngletBoutons{"Buttons Mean", "Boutons de jeu"};
inline const Bilingue OngletMains{"Hands Rank",
                                  "Combinaisons de cartes (du + fort au - fort)"};
inline constexpr const char* AideOK = "OK";

// One explanation per table button: OK, Draw, Call, Check, Fold, Pass, the
// bet board and the raise board.
inline const std::array<Bilingue, 8> AideBoutons{{
    {"To go on the game.", "Continuer le jeu."},
    {"To replace cards in the hand.", "Changer les cartes s\u00e9lectionn\u00e9es."},
    {"To match the previous bet and :\r"
     "                - 1st turn : To change cards.\r"
     "                - 2nd turn : To compare hands.",
     "Egaliser la mise de l'adversaire et :\r"
     "                - 1er tour : Changer des cartes.\r"
     "                - 2nd tour : Comparer les jeux."},
    {"To compare hands (without betting).", "Comparer les jeux (sans avoir \u00e0 miser)."},
    {"To abandon your hand (without betting).", "Abandonner ce tour (sans avoir \u00e0 miser)."},
    {"If no bet have been made :\r"
     "             To pass the decision to bet to the other player.\r"
     "If the previous player passed : \r"
     "             To redeal the cards (players must ante up again).",
     "Si aucun pari n'a \u00e9t\u00e9 fait (outre la mise au pot initiale) :\r"
     "             Laisser la d\u00e9cision de miser \u00e0 l'adversaire.\r"
     "Si l'adversaire vient de vous laisser la parole : \r"
     "             Redistribuer les cartes (le pot reste)."},
    {"To put money into the pot.", "Mettre une mise dans le pot."},
    {"To increase the previous bet.", "Augmenter la mise pr\u00e9c\u00e9dente."},
}};

// The nine hand categories, strongest first.
inline const std::array<Bilingue, 9> NomsMains{{
    {"1) STRAIGHT FLUSH", "1) QUINTE FLUSH"},
    {"2) FOUR OF A KIND", "2) CARRE"},
    {"3) FULL HOUSE", "3) FULL"},
    {"4) FLUSH", "4) COULEUR"},
    {"5) STRAIGHT", "5) SUITE"},
    {"6) THREE OF A KIND", "6) BRELAN"},
    {"7) TWO PAIR", "7) DEUX PAIRES"},
    {"8) ONE PAIR", "8) UNE PAIRE"},
    {"9) HIGH CARDS", "9) CARTES HAUTES"},
}};

inline const std::array<Bilingue, 9> TextesMains{{
    {"5 cards of the same suit in sequence.\r"
     "The ace can play low or high.\r"
     "'Around the corner' straights like 32AKQ are not allowed.",
     "5 cartes de la m\u00eame couleur formant une suite.\r"
     "L'as peut  jouer la plus faible ou la plus forte carte.\r"
     "Les suites 'tournantes' comme 32AKQ ne sont pas autoris\u00e9es."},
    {"4 cards of the same rank.", "4 cartes de la m\u00eame valeur."},
    {"3 cards of one rank accompanied by 2 of another.\r"
     "Ranked by the trips, so that 55533 beats 222RR.",
     "3 cartes de la m\u00eame valeur + 2 cartes de la m\u00eame valeur.\r"
     "L'ordre d'importance se fait par les 3 cartes de m\u00eame valeur, ainsi le full 55533 "
     "est plus fort que le full 222RR."},
    {"5 cards of the same suit.\r"
     "Ranked by the top card, and then by the next card, so that AD532 beats A9876.",
     "5 cartes de la m\u00eame couleur (plus exactement, du m\u00eame signe).\r"
     "Le classement se fait par la plus forte des cartes, puis par la suivante, etc... ainsi "
     "la couleur AD532 est plus forte que la couleur A9876."},
    {"5 cards in sequence.\r"
     "The ace can play low or high.\r"
     "'Around the corner' straights like 32AKQ are not allowed.",
     "5 cartes qui se suivent.\r"
     "L'as peut  jouer la plus faible ou la plus forte carte.\r"
     "Les suites 'tournantes' comme 32AKQ ne sont pas autoris\u00e9es."},
    {"3 cards of the same rank and 2 kickers of different ranks.\r"
     "Ranked by the trips, so that 99953 beats 888AK, and 888AK beats 888A6.",
     "3 cartes de m\u00eame valeur + 2 cartes chacune d'une valeur diff\u00e9rente de toutes "
     "les autres.\r"
     "Le classement se fait par la valeur des cartes du brelan."},
    {"2 cards of one rank, 2 cards of another rank and a kicker of a third rank.\r"
     "Ranked by the top pair, then the bottom pair and finally the kicker.",
     "2 cartes de m\u00eame valeur + 2 cartes d'une m\u00eame autre valeur + 1 carte de valeur "
     "diff\u00e9rente des autres.\r"
     "Class\u00e9 par la plus forte paire, la seconde paire, puis la derni\u00e8re carte."},
    {"2 cards of one rank accompanied by 3 kickers of different ranks.\r"
     "Ranked by the pair, followed by each kicker in turn, so that KKJ52 beats KKJ43.",
     "2 cartes de m\u00eame valeur accompagn\u00e9es par 3 cartes d'une valeur chacune "
     "diff\u00e9rente.\r"
     "Class\u00e9 par la paire puis par les autres cartes : KKJ52 bat KKJ43."},
    {"Any hand that does not qualify as one of the better hands above.\r"
     "Ranked by the top card, then the second card and so on.\r"
     "In case of tie, the best suits are in order : spike, heart, square, clover.",
     "Toute autre combinaison de cartes...\r"
     "Le classement se fait par la carte la plus forte, puis la seconde, ...\r"
     "Si besoin on d\u00e9partage par la + forte carte: pique,coeur,carreau,tr\u00e8fle."},
}};

// The example hand of each category: (value, suit) left to right; value 1
// is the Ace, suits 1 hearts, 2 clubs, 3 diamonds, 4 spades.
struct CarteExemple {
    int valeur;
    int couleur;
};
inline constexpr std::array<std::array<CarteExemple, 5>, 9> MainsExemples{{
    {{{9, 4}, {10, 4}, {11, 4}, {12, 4}, {13, 4}}},
    {{{9, 4}, {9, 3}, {9, 2}, {9, 1}, {6, 3}}},
    {{{11, 2}, {11, 3}, {11, 4}, {3, 4}, {3, 1}}},
    {{{11, 3}, {6, 3}, {2, 3}, {3, 3}, {9, 3}}},
    {{{7, 2}, {8, 2}, {9, 1}, {10, 2}, {11, 4}}},
    {{{2, 1}, {2, 2}, {2, 3}, {6, 3}, {10, 2}}},
    {{{1, 3}, {1, 4}, {11, 3}, {11, 2}, {4, 1}}},
    {{{13, 2}, {13, 1}, {11, 1}, {6, 1}, {9, 4}}},
    {{{1, 2}, {13, 1}, {9, 4}, {4, 3}, {3, 3}}},
}};

}  // namespace textes_dialogues
