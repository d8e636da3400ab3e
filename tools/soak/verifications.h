// The invariants of a table in play, checked from what the table shows:
// the captions as text, the card pictures, the pile and pot windows as
// pixels, the layout as what a click can reach, and the face timers.
// It follows the game through the flow's events: attach it as the flow's
// observer (Jeu::observateur) or forward those events to it, from the
// table's first game on.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/cartes.h"
#include "render/offres.h"
#include "table/jeu.h"
#include "joueur.h"

class Etiquette;
class Form1;

// Whether the table on screen, after a pass of events, shows what painting
// every control afresh from its image shows; "" or where it is behind.
std::string EcranEnRetard(Form1& f);

class Verificateur : public ObservateurJeu {
public:
    explicit Verificateur(Form1& f);

    // The flow's events it follows: the starting money of each game, the
    // cards held in each hand.
    void DebutPartie() override;
    void Donne() override;
    void Tirage(bool cowboy, std::string_view positions) override;
    // Right when the pot was paid: the pot heap empty, the money whole.
    void PotPaye(bool auCowboy) override;
    // At these events too, inside the handler, what is checked after one;
    // at the showdown, the opponent's cards revealed.
    void Parole(const std::string& phrase, std::string_view code) override;
    void Abattage(bool cowboyGagne) override;
    void FinPartie() override;

    // After any handler: the money adds up to twice the game's starting
    // money and every caption reads it; the deck marks are those of the
    // cards dealt and drawn in this hand; only the current character's face
    // timers run. Returns the first breach, or "".
    std::string ApresHandler();
    // Where the flow waits for the player (`a` is Joueur or OK): the above,
    // the table enabled, one of the layouts, the speech bubble (hidden, or
    // the showdown's or the game's last sentence), the cards shown as their
    // pictures, the piles and the pot heap as their pixels.
    std::string EnAttente(Attente a);
    // Also, at every n-th wait (0: never), that the screen shows what the
    // controls' images show once pending events are handled: a drawing
    // that changed an image without asking for its repaint leaves the
    // screen behind. It costs a grab of the window.
    void EcranToutesLes(int n) { ecranToutesLes_ = n; }

private:
    std::string Argent() const;
    std::string Paquet() const;
    std::string Minuteries() const;
    std::string Bulle(Offre offre, Attente a) const;
    // What ApresHandler checks, noted for the next check with where it was seen.
    void Controle(const char* ou);
    std::string Cartes(Attente a);
    std::string Piles();
    std::string Pile(bool cowboy);
    std::string TasDuPot() const;
    // A face sheet, its 52 cells checked to differ the first time.
    const QImage& Feuille(const char* nom);

    Form1& f_;
    // A breach seen at an event of the flow, told at the next check.
    std::string constat_;
    int ecranToutesLes_ = 0;
    long attentes_ = 0;
    int somme_ = -1;                 // twice the game's starting money; -1 before a game
    bool donne_ = false;             // a hand has been dealt at this table
    // Who has held each card (value 1..13, suit 1..4) in this hand.
    std::array<MarqueCarte, 52> tenues_{};
    // The face sheets checked: their 52 cells are pairwise different.
    std::vector<std::string> feuilles_;
    // The sheet each card was painted from: the options may change the
    // sheet in use during a hand, and a card keeps the face it was given.
    std::array<const char*, 5> feuillesPlayer_{};
    const char* feuilleCowboy_ = nullptr;
    // What was found right at the last check, to skip pixels that did not
    // change (an image's key changes with any write to it).
    struct Vu {
        qint64 cle = 0, cleTable = 0;
        int montant = -1, x = -1;
        Carte carte;
        const char* feuille = nullptr;
    };
    std::array<Vu, 5> cartesVues_{};
    std::array<Vu, 2> pilesVues_{};
    struct LegendeLue {
        QString texte;
        int largeur = -1, montant = -1;
    };
    mutable std::array<LegendeLue, 6> legendesLues_{};
    // The width of each caption's texts in its font.
    int Largeur(int legende, const Etiquette& e) const;
    struct Largeurs {
        QFont police;
        std::unordered_map<QString, int> textes;
    };
    mutable std::array<Largeurs, 6> largeurs_{};
};
