#include "platform/fenetre_table.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>

namespace {

FenetreTable* g_table = nullptr;
int g_handlers = 0;   // handlers running now, nested ones included
long g_lances = 0;    // handlers run
int g_attenteOK = 0;  // OK waits running now

bool EstSaisie(QEvent::Type t) {
    switch (t) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
            return true;
        default:
            return false;
    }
}

bool EstPression(QEvent::Type t) {
    return t == QEvent::MouseButtonPress || t == QEvent::MouseButtonDblClick ||
           t == QEvent::NonClientAreaMouseButtonPress || t == QEvent::NonClientAreaMouseButtonDblClick;
}

bool EstRelachement(QEvent::Type t) {
    return t == QEvent::MouseButtonRelease || t == QEvent::NonClientAreaMouseButtonRelease;
}

}  // namespace

FenetreTable::FenetreTable() {
    g_table = this;
    // The gate sees every event of the application first; it drops only
    // input aimed at this window while it is disabled, and a release whose
    // press it did not take.
    qApp->installEventFilter(this);
}

FenetreTable::~FenetreTable() {
    qApp->removeEventFilter(this);
    if (g_table == this) g_table = nullptr;
}

FenetreTable* FenetreTable::Instance() {
    return g_table;
}

bool FenetreTable::Contient(const QObject* o) const {
    for (; o; o = o->parent()) {
        if (o == this) return true;
        // A dialog or the help window parented to the table is a window of
        // its own and stays usable; the table's menus are popups of it.
        if (o->isWidgetType()) {
            auto* w = static_cast<const QWidget*>(o);
            if (w->isWindow() && !qobject_cast<const QMenu*>(w)) return false;
        }
    }
    return false;
}

bool FenetreTable::eventFilter(QObject* o, QEvent* e) {
    const QEvent::Type t = e->type();
    // A modal window took the mouse: the press under way is lost.
    if (t == QEvent::WindowBlocked && o == this) pressionPrise_ = false;
    if (!EstSaisie(t) || !Contient(o)) return false;
    // A release completes a click only after a press the table's controls
    // took, with no wait and no modal window since: otherwise a control
    // still holding an earlier press whose release was refused would click
    // on it. The open menus keep their own account of the mouse.
    const bool menu = qobject_cast<const QMenu*>(o) != nullptr;
    if (EstPression(t)) pressionPrise_ = active_ && !menu;
    if (active_ && (!EstRelachement(t) || pressionPrise_ || menu)) return false;
    // An accepted override keeps the shortcut map from firing F1/F2.
    e->accept();
    return true;
}

void FenetreTable::closeEvent(QCloseEvent* e) {
    if (g_handlers > 0) {
        // Closing under a running handler would leave it drawing into a
        // closed table: the waits unwind it first, then Execute closes.
        fermetureDemandee_ = true;
        e->ignore();
        return;
    }
    fermee_ = true;
    active_ = true;
    e->accept();
}

void Execute(const QObject* source, Acces acces, const std::function<void()>& handler) {
    FenetreTable* t = g_table;
    if (t && t->Contient(source)) {
        if (t->fermee_ || t->fermetureDemandee_) return;
        // The flow assumes one action at a time.
        if (g_handlers > 0) {
            if (acces == Acces::Seul) return;
            if (acces == Acces::PendantAttenteOK && g_attenteOK == 0) return;
        }
    }
    struct Profondeur {
        Profondeur() { ++g_handlers; }
        ~Profondeur() { --g_handlers; }
    };
    ++g_lances;
    {
        Profondeur p;
        try {
            handler();
        } catch (const FermetureTable&) {
            // The table is closing: this handler is abandoned.
        }
    }
    t = g_table;
    if (g_handlers == 0 && t && t->fermetureDemandee_ && !t->fermee_) t->close();
}

int HandlersEnCours() {
    return g_handlers;
}

long HandlersLances() {
    return g_lances;
}

void VerifieFermeture() {
    if (g_table && g_table->FermetureDemandee() && g_handlers > 0) throw FermetureTable{};
}

PorteeAttenteOK::PorteeAttenteOK() {
    ++g_attenteOK;
}

PorteeAttenteOK::~PorteeAttenteOK() {
    --g_attenteOK;
}

bool PorteeAttenteOK::EnCours() {
    return g_attenteOK > 0;
}
