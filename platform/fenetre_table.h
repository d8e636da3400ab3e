#pragma once
// The table window's base: its own enabled state, kept by an input gate so
// that a disabled table neither greys nor repaints, and the close request
// that unwinds a running handler.

#include <QMainWindow>

#include <functional>

#include "platform/acces.h"

class FenetreTable : public QMainWindow {
public:
    FenetreTable();
    ~FenetreTable() override;

    // The table window of the run, or null.
    static FenetreTable* Instance();

    // While disabled the table and its menus take no click, key, shortcut or
    // Alt; timers, repaints and other windows go on. A click is a press and
    // its release taken with the table enabled throughout: disabling it
    // cancels a click half made.
    void Desactive() {
        active_ = false;
        pressionPrise_ = false;
    }
    void Active() { active_ = true; }
    bool EstActive() const { return active_; }

    // A close was asked while a handler ran: the waits unwind it.
    bool FermetureDemandee() const { return fermetureDemandee_; }
    // Once closed (accepted), no table handler runs any more.
    bool Fermee() const { return fermee_; }

    // Whether `o` is the table, one of its controls, menus, actions or timers;
    // a dialog parented to it is a window of its own and is not.
    bool Contient(const QObject* o) const;

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    friend void Execute(const QObject*, Acces, const std::function<void()>&);
    bool active_ = true;
    // A press taken since the table last refused input or was blocked by a
    // modal window: only its release may reach the table.
    bool pressionPrise_ = false;
    bool fermetureDemandee_ = false;
    bool fermee_ = false;
};

// Thrown by the waits and pumps when the table is closing; caught by Execute.
struct FermetureTable {};

// Throws FermetureTable when a close was requested and a table handler is
// running (called after every pass of a wait).
void VerifieFermeture();

// Marks the showdown's OK wait (the OK button may run during it).
class PorteeAttenteOK {
public:
    PorteeAttenteOK();
    ~PorteeAttenteOK();
    PorteeAttenteOK(const PorteeAttenteOK&) = delete;
    PorteeAttenteOK& operator=(const PorteeAttenteOK&) = delete;
    static bool EnCours();
};
