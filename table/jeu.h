// The game and hand flow: the handlers of the table's buttons and of the
// game menu, driving the table window and the run's state. The opponent's
// decisions come from rules/, the drawing from the table window; the
// handlers only say which step comes when.
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "common/actions.h"
#include "common/bilingue.h"
#include "common/textes_jeu.h"

class Form1;
class Picture;
struct Etat;

// What the flow needs from the shell, handed over when the shell wires the
// menus (the shell depends on the flow, not the other way round).
struct ServicesJeu {
    // The opponent set-up dialog, modal; sets `ChoixAnnule` when cancelled.
    std::function<void()> MontreChoose;
    // Writes the settings file.
    std::function<void()> SaveFichierINI;
};

// Told of the flow's events by the game when one is attached (tools that
// play whole games and trace them); the game itself attaches none.
class ObservateurJeu {
public:
    virtual ~ObservateurJeu() = default;
    // Both money captions set for a new game, before its first deal.
    virtual void DebutPartie() {}
    // Both hands dealt, the antes paid; ParleEnPremier tells who opens.
    virtual void Donne() {}
    // The opponent's sentence, in the running language, and the final
    // action code it says (empty for a sentence that carries none).
    virtual void Parole(const std::string& /*phrase*/, std::string_view /*code*/) {}
    // A draw done, the new hand in place: the opponent's with its keep
    // pattern, or the player's with the positions "1".."5" it changed.
    virtual void Tirage(bool /*cowboy*/, std::string_view /*positions*/) {}
    // The showdown's winner, before OK.
    virtual void Abattage(bool /*cowboyGagne*/) {}
    // The pot went to the winner of a showdown or a fold, its caption "$0".
    virtual void PotPaye(bool /*auCowboy*/) {}
    // A game is over: its closing sentence set, the unlock marker updated
    // and written, before the sentence shows and what follows it.
    virtual void FinPartie() {}
};

// A game asked for from the menu while a showdown waits for OK.
enum class PartieDemandee { Aucune, Entrainement, TournoiFacile, TournoiMoyen, TournoiDifficile };

class Jeu : public QObject {
public:
    // Attaches the handlers to the table's controls; lives as long as `f`.
    Jeu(Form1& f, ServicesJeu services);

    Form1& f;

    // ---- Game menu (wired by the shell).
    void MenuEnter_Click();
    void TournEasy_Click();
    void TournMed_Click();
    void TournHard_Click();

    // ---- Table controls.
    void BtnBill50Up_Click();
    void BtnBill20Up_Click();
    void BtnBill10Up_Click();
    void BtnCheckUp_Click();
    void BtnCallUp_Click();
    void BtnFoldUp_Click();
    void BtnPassUp_Click();
    void BtnDrawUp_Click();
    void BtnOKUp_Click();
    void Card1_Click();
    void Card2_Click();
    void Card3_Click();
    void Card4_Click();
    void Card5_Click();

    // ---- Steps shared by the handlers.
    // The game against the current tournament opponent.
    void NouvellePartieTournoi();
    // Deals a hand and leaves the opening to the player or makes the
    // opponent's.
    void NouvelleMise();
    // Whether a player has no money left; sets the closing sentence.
    bool FinJeu();
    // Unlock marker, closing sentence, and the next tournament game or the
    // celebration of the beaten band.
    void ApresFinJeu();
    // The player's bet or raise and the opponent's answer.
    void MiseJoueur(const int16_t& Montant);
    // Reveal, sentence, OK, the pot to the winner, then the next hand or the
    // end of the game.
    void Abattage();
    // The opponent's draw, before the player's (after a call) or after it.
    void TirageCowboy(bool ApresJoueur);

    // Null in the game.
    ObservateurJeu* observateur = nullptr;

    // The game asked for during the OK wait, not started yet.
    PartieDemandee Demande() const { return demande_; }

private:
    Etat& e;
    ServicesJeu services_;
    PartieDemandee demande_ = PartieDemandee::Aucune;

    // Runs a handler of the table or of the game menu; a new game asked for
    // during the showdown's OK wait abandons that showdown and starts here.
    void Action(void (Jeu::*handler)());
    void LanceDemande();
    void DemarreEntrainement();
    void DemarreTournoi(int16_t argent);
    void DebutCommun();

    // Press sequence of an action button: the Down picture for a moment.
    void AppuiBouton(Picture& up, Picture& down, bool desactive = true);
    void Pompe();
    // Throws to abandon the showdown when a new game was asked for.
    void Interromps() const;
    // The sentence into the bubble; `code` is the action it says, if any.
    void Dit(const Bilingue& phrase, std::string_view code = {});
    // The opponent speaks: an optional pause, the bubble for one DelayTurn.
    void Parole(bool pauseAvant = false);
    void MarqueCarte(Picture& carte);
    // A payment into the pot by the player or by the opponent.
    void PaieAuPot(bool parPlayer, int montant);
    // The opponent's bet, paid, with the answers to a bet offered.
    void MiseCowboy(const CodeAction& code);
};

// The text of the box that closes a tournament won in `nbCoups` hands.
std::string TexteBandeBattue(int32_t nbCoups, bool enFrancais);
