// Whole games without a person, on the real table.
//
// The pieces, for the soak and for any other run that plays the table:
//   TableSoak       a fresh table window as the start-up leaves it, with the
//                   shell's wiring of the menus (the real game flow, the
//                   set-up dialog, the settings writer), every delay 0;
//   joueur.h        clicks where a person clicks, where the flow waits;
//   Verificateur    the invariants of the table, checked after every
//                   handler and where the flow waits (verifications.h);
//   hasards.h       the seeded, scripted and file random sources;
//   SourceActions   who plays: Politique (a seeded player choosing among the
//                   actions offered) or ScriptActions (an actions file);
//   Pilote          the loop: asks the source for an action wherever the
//                   flow waits for the player (between handlers, and inside
//                   the showdown's OK wait), checks that it is offered,
//                   plays it as a click, answers the set-up dialog and the
//                   message boxes, checks the invariants, writes the trace
//                   and counts what happened (Bilan).
// A breach or an error stops the run: Arret() says why, with the last
// actions; the table is closed, which unwinds a handler still running.
#pragma once

#include <QTemporaryDir>
#include <QTimer>

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "actions_joueur.h"
#include "common/hasard.h"
#include "joueur.h"
#include "table/jeu.h"
#include "trace.h"
#include "verifications.h"

class Form1;

// A fresh table: the run's state as a first start leaves it (every
// character unlocked, the settings written into `dossierReglages`), the
// table laid out, its menus wired by the shell, shown.
class TableSoak {
    std::unique_ptr<Form1> form_;

public:
    TableSoak(bool francais, const std::string& dossierReglages);
    ~TableSoak();
    TableSoak(const TableSoak&) = delete;
    TableSoak& operator=(const TableSoak&) = delete;

    Form1& f;
    Jeu& jeu;
};

// What the player can do now, for a source of actions.
struct Situation {
    Attente attente = Attente::Joueur;   // Joueur, or OK inside the showdown
    std::vector<BoutonTable> offerts;    // the buttons a click reaches
    std::array<bool, 5> cartes{};        // the cards a click marks
    bool table = false;                  // a table is up
    bool partieEnCours = false;          // a game is being played
    long coups = 0;                      // hands dealt since the run began
};

// Why `a` cannot be played in `s`, or "".
std::string NonOfferte(const ActionJoueur& a, const Situation& s);

class SourceActions {
public:
    virtual ~SourceActions() = default;
    // The next action; nothing ends the run, or stops it with `erreur`.
    virtual std::optional<ActionJoueur> Suivante(const Situation& s, std::string& erreur) = 0;
};

// The soak's player: a fresh English table, then the French one once half
// the hands are dealt; a new game whenever none is going on (training
// against a random character, personality and money, or a tournament at a
// random level, each with a random first player); at the table one of the
// actions offered, weighted by its own hand, and random cards marked
// before Draw (most often among those that pair with no other); now and then a new game in the middle of one, during the OK
// wait too. Stops at the first wait with no showdown running once `coups`
// hands are dealt.
class Politique : public SourceActions {
public:
    Politique(uint64_t graine, long coups);
    std::optional<ActionJoueur> Suivante(const Situation& s, std::string& erreur) override;

private:
    double Rnd() { return hasard_.Rnd(); }
    int Tirage(int n) { return static_cast<int>(Rnd() * n); }
    ActionJoueur NouvellePartie();
    ActionJoueur ALaTable(const Situation& s);

    HasardHorloge hasard_;
    long coups_;
    bool francais_ = false;
    std::deque<ActionJoueur> suite_;
};

// The actions of a file, in order; a line that is not an action stops the
// run with an error naming it.
class ScriptActions : public SourceActions {
public:
    explicit ScriptActions(std::istream& lignes) : lignes_(lignes) {}
    std::optional<ActionJoueur> Suivante(const Situation& s, std::string& erreur) override;
    int Ligne() const { return ligne_; }

private:
    std::istream& lignes_;
    int ligne_ = 0;
};

// What a run played, counted from the flow's events.
struct Bilan {
    long coups = 0;                  // hands dealt
    long parties = 0, partiesFinies = 0, partiesAbandonnees = 0;
    // By character (1..3): games finished, won by the opponent; pots taken,
    // by the opponent.
    std::array<long, 4> finies{}, gagneesCowboy{}, pots{}, potsCowboy{};
    // By level (0 easy, 1 medium, 2 hard).
    std::array<long, 3> tournois{}, tournoisGagnes{}, tournoisPerdus{};
    long abattages = 0, couches = 0, passes = 0;  // how hands ended
    long actions = 0;
    // The run's time, the checks' share of it, and the handlers' own (the
    // rest is the driver's: choosing, clicking, answering the dialogs).
    double secondes = 0, secondesVerifications = 0, secondesJeu = 0;
};

struct OptionsPilote {
    bool verifications = true;
    // The screen against the controls' images at every n-th wait (0: never).
    int ecranToutesLes = 0;
    std::ostream* trace = nullptr;          // JSON Lines
    std::ostream* journalActions = nullptr; // every action played, one a line
    // Tells an error of the random source (a replay's values ran out).
    std::function<std::string()> erreurHasard;
};

class Pilote : public ObservateurJeu {
public:
    Pilote(SourceActions& source, OptionsPilote options);
    ~Pilote() override;

    // Plays until the source ends (true) or a breach or an error (false).
    bool Joue();
    // Why the run stopped: "" when the source ended.
    const std::string& Arret() const { return arret_; }
    // The last actions played, one a line, with the hand each was played in.
    std::string DernieresActions() const;
    const Bilan& Compte() const { return bilan_; }
    // The table now up, if any, and its checks.
    TableSoak* Table() { return table_.get(); }
    Verificateur* Verifications() { return verificateur_.get(); }

    void DebutPartie() override;
    void Donne() override;
    void Parole(const std::string& phrase, std::string_view code) override;
    void Tirage(bool cowboy, std::string_view positions) override;
    void Abattage(bool cowboyGagne) override;
    void PotPaye(bool auCowboy) override;
    void FinPartie() override;

private:
    void Etape(Attente a);
    void Fais(const ActionJoueur& a);
    void NouvelleTable(bool francais);
    void Sonde();
    bool RepondModal();
    void Stoppe(std::string pourquoi);
    std::string Verifie(Attente a, bool enAttente);
    Situation Observe(Attente a);

    SourceActions& source_;
    OptionsPilote options_;
    QTemporaryDir dossier_;
    std::unique_ptr<TableSoak> table_;
    std::unique_ptr<Verificateur> verificateur_;
    std::unique_ptr<Trace> trace_;
    // Two probes: a timer does not tick again inside its own tick, and the
    // set-up dialog opened from the OK wait runs inside the first one.
    QTimer sonde_, sondeModale_;
    bool dansSonde_ = false;
    bool arrete_ = false;
    std::string arret_;
    std::optional<ActionJoueur> choix_;  // what the set-up dialog is to receive
    std::deque<std::string> dernieres_;
    Bilan bilan_;
    // The game going on: its character, whether it is a tournament game,
    // and the tournament's level; whether this hand reached its showdown.
    bool partieEnCours_ = false, tournoiEnCours_ = false, abattage_ = false;
    int niveauTournoi_ = 0;
    // The flow waits for the player afresh: its offer is still to be traced.
    bool offreAEcrire_ = true;
};

// A seed from the clock and the system's entropy.
uint64_t GraineAuHasard();
