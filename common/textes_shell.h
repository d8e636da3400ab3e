// Texts of the shell: window title, language dialog, menus, intro and about
// windows, and the targets of the mail and web links, in English and French.
#pragma once

#include "common/bilingue.h"

namespace textes_shell {

inline constexpr const char* Produit = "Quarvelin";
inline constexpr const char* Version = "v1.30";
inline constexpr const char* TitreTable = "Quarvelin v1.30";

// Language dialog: the prompt is shown in both languages at once.
inline constexpr const char* LangueTitre = "Quarvelin";
inline constexpr const char* ChoisirAnglais = "Choose your language";
inline constexpr const char* ChoisirFrancais = "Choisissez votre langue";
inline constexpr const char* BoutonAnglais = "English";
inline constexpr const char* BoutonFrancais = "Fran\u00e7ais";

// Menu captions: English as the table window is designed, French as the
// start-up sets them when the language is French.
namespace menus {
inline const Bilingue MenuGame{"Game", "Jeu"};
inline const Bilingue MenuNewGame{"New Game", "Jouer"};
inline const Bilingue MenuEnter{"Entertainement", "Entrainement"};
inline const Bilingue MenuTourna{"Tournament", "Tournoi"};
inline const Bilingue TournEasy{"Easy ($300)", "Facile (300$)"};
inline const Bilingue TournMed{"Medium ($400)", "Moyen (400$)"};
inline const Bilingue TournHard{"Hard ($500)", "Difficile (500$)"};
inline const Bilingue MenuOptions{"Options...", "Options..."};
inline const Bilingue MenuExit{"Exit", "Quitter"};
inline const Bilingue MenuAutre{"Help", "Divers"};
inline const Bilingue MenuHelp{"Contents", "Aide"};
inline const Bilingue MenuSite{"Site Homepage", "Site Internet"};
inline const Bilingue MenuContact{"E-Mail us !", "Mailez nous !"};
inline const Bilingue ForHelp{"For Help", "Pour obtenir de l'aide"};
inline const Bilingue ForFun{"For Any Comments", "Pour commentaires/suggestions"};
inline const Bilingue MenuAbout{"About...", "A propos..."};
}  // namespace menus

// Intro window: four paragraphs, joined by two carriage returns each.
inline constexpr const char* IntroTitre = "Quarvelin";
inline const Bilingue IntroParagraphe1{
    "Will you succeed to defeat the band of cowboys in a minimum of attempts ?",
    "R\u00e9ussirez-vous \u00e0 battre au poker toute la bande de cowboys en un minimum de coups ?"};
inline const Bilingue IntroParagraphe2{
    "Soon on the website, a world classification of best players !",
    "Bientot sur le site Internet, un classement mondial des meilleurs joueurs !"};
inline const Bilingue IntroParagraphe3{"Note :", "Petite info :"};
inline const Bilingue IntroParagraphe4{
    "Each character has his own tics witch allow you to know (if you can identify them), if "
    "your opponent has a good hand or not !",
    "Chaque personnage a ses propres tics qui, si vous arrivez \u00e0 les identifier, vous "
    "permettront d'avoir une id\u00e9e de la qualit\u00e9 du jeu de votre adversaire !"};
inline const Bilingue IntroMail{"E-Mail us to give any comments or suggestions !",
                                "Mailez-nous pour nous donner votre avis sur ce jeu !"};
inline constexpr const char* IntroPlay = "O K";

// About window: its caption (the text itself is its picture).
inline const Bilingue AboutTitre{"About", "A propos..."};

// Links. The address and the page are the maker's; the subjects are already
// escaped for a mailto target.
inline constexpr const char* AdresseContact = "contact@example.com";
inline constexpr const char* PageWeb = "https://www.example.com/quarvelin/";
inline const Bilingue SujetCommentaires{"Quarvelin%20:%20Comments%20and%20Suggestions",
                                        "Quarvelin%20:%20Commentaires%20et%20Suggestions"};
inline const Bilingue SujetAide{"Quarvelin%20:%20I%20need%20help",
                                "Quarvelin%20:%20Besoin%20d'aide%20"};

}  // namespace textes_shell
