#pragma once
// Who may run while another handler of the table is already running.

#include <QObject>

#include <functional>

enum class Acces {
    Seul,              // refused while another handler of the table runs (the flow's actions)
    PendantAttenteOK,  // also allowed while the showdown's OK wait runs (the OK button)
    Toujours,          // harmless at any time (help, about, links, exit, timers)
};

// Runs one handler: the table's click and key dispatch goes through here.
// A handler of a table control is refused while another one runs (per
// `acces`) and once the table is closing; a close requested during a wait
// unwinds the running handler and is caught here, and the outermost handler
// then closes the table. Controls of other windows (dialogs, help) are never
// refused. `source` is the control, action or timer the event came from.
void Execute(const QObject* source, Acces acces, const std::function<void()>& handler);

// Depth of table handlers running now (0 when idle).
int HandlersEnCours();
// Handlers run since the start, those refused not counted.
long HandlersLances();
