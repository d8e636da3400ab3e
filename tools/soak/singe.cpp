#include "singe.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <algorithm>
#include <utility>

#include "common/etat.h"
#include "pilote.h"
#include "platform/minuterie.h"
#include "render/form1.h"
#include "render/offres.h"
#include "shell/about.h"
#include "shell/aide.h"
#include "shell/choose.h"
#include "shell/image_cliquable.h"
#include "shell/intro.h"
#include "shell/options.h"
#include "table/offre.h"
#include "verifications.h"

// The links the menus hand to the desktop, caught so that no program starts.
class CapteurLiens : public QObject {
    Q_OBJECT
public:
    CapteurLiens() {
        for (const char* schema : kSchemas) QDesktopServices::setUrlHandler(schema, this, "Ouvre");
    }
    ~CapteurLiens() override {
        for (const char* schema : kSchemas) QDesktopServices::unsetUrlHandler(schema);
    }
    Q_INVOKABLE void Ouvre(const QUrl& lien) {
        ++ouverts;
        dernier = lien.toString().toStdString();
    }
    long ouverts = 0;
    std::string dernier;

private:
    static constexpr const char* kSchemas[] = {"mailto", "http", "https"};
};

namespace {

// The delays a game gets: a few milliseconds, never 0, so that the waits
// pass and the inputs land inside them.
constexpr int kCarteMax = 8, kTourMax = 20, kBilletMax = 3;
// Above these (typed into the options, or their defaults restored there),
// the next free moment draws small delays again: the run stays busy.
constexpr int kCarteTropLong = 60, kTourTropLong = 200, kBilletTropLong = 10;
// Seconds allowed, once time is up, to close the dialogs and the table.
constexpr double kFermetureMax = 20;

const Reglages& DelaisEnForce() { return EtatDuJeu().reglages; }

const char* Genre(QWidget* d) {
    if (dynamic_cast<Form1*>(d)) return "table";
    if (dynamic_cast<MonHelp*>(d)) return "help";
    if (qobject_cast<QMenu*>(d)) return "menu";
    if (dynamic_cast<OptionsDorvane*>(d)) return "options";
    if (dynamic_cast<Choose*>(d)) return "set-up";
    if (dynamic_cast<About*>(d)) return "about";
    if (dynamic_cast<Intro*>(d)) return "intro";
    if (qobject_cast<QMessageBox*>(d)) return "message box";
    return "other";
}

// The table's controls by their names, for the log of inputs.
std::string NomSurTable(const Form1& f, const QWidget* w) {
    const std::pair<const QWidget*, const char*> controles[] = {
        {f.BtnDrawUp, "BtnDrawUp"},   {f.TrameDraw, "TrameDraw"},   {f.BtnCallUp, "BtnCallUp"},
        {f.TrameCall, "TrameCall"},   {f.BtnFoldUp, "BtnFoldUp"},   {f.TrameFold, "TrameFold"},
        {f.BtnCheckUp, "BtnCheckUp"}, {f.TrameCheck, "TrameCheck"}, {f.BtnPassUp, "BtnPassUp"},
        {f.TramePass, "TramePass"},   {f.BtnOKUp, "BtnOKUp"},       {f.TrameOK, "TrameOK"},
        {f.BtnBill50Up, "BtnBill50Up"}, {f.BtnBill20Up, "BtnBill20Up"}, {f.BtnBill10Up, "BtnBill10Up"},
        {f.BtnBet, "BtnBet"},         {f.BtnRaise, "BtnRaise"},     {f.Card1, "Card1"},
        {f.Card2, "Card2"},           {f.Card3, "Card3"},           {f.Card4, "Card4"},
        {f.Card5, "Card5"},           {f.Bobble, "Bobble"},         {f.CowboyGame, "CowboyGame"},
        {f.PileBilletsPlayer, "PileBilletsPlayer"}, {f.PileBilletsCowboy, "PileBilletsCowboy"},
        {f.FenetrePot, "FenetrePot"}, {f.FenetreMains, "FenetreMains"}, {f.FenetreVisage, "FenetreVisage"},
        {f.PlayerMoneyBar, "PlayerMoneyBar"}, {f.CowboyMoneyBar, "CowboyMoneyBar"},
        {f.PotMoneyBar, "PotMoneyBar"}, {f.Table, "the table"}, {f.menuBar(), "the menu bar"},
    };
    for (; w; w = w->parentWidget()) {
        for (int i : kTramesPlaques)
            if (w == &f.TramePlaque[i]) return "TramePlaque(" + std::to_string(i) + ")";
        for (const auto& [controle, nom] : controles)
            if (w == controle) return nom;
    }
    return "the window";
}

std::string Nom(const QWidget* w) {
    if (!w) return "?";
    if (auto* b = qobject_cast<const QAbstractButton*>(w); b && !b->text().isEmpty())
        return QStringLiteral("\"%1\"").arg(b->text()).toStdString();
    const QString nom = w->objectName();
    return nom.isEmpty() ? w->metaObject()->className() : nom.toStdString();
}

std::string Point(QPoint p) { return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y()).toStdString(); }

// Whether a person's click on `fenetre`'s close box reaches it: a modal
// window above it blocks it.
bool Bloquee(QWidget& fenetre) {
    QWindow* modale = QGuiApplication::modalWindow();
    if (!modale) return false;
    for (QWindow* w = fenetre.windowHandle(); w; w = w->transientParent())
        if (w == modale) return false;
    return true;
}

}  // namespace

Singe::Singe(OptionsSinge options, ChienDeGarde& garde)
    : options_(std::move(options)),
      garde_(garde),
      hasard_(options_.graine ^ 0x5149E5u),
      contexte_(std::make_unique<QObject>()),
      capteur_(std::make_unique<CapteurLiens>()) {}

Singe::~Singe() {
    if (table_) table_->jeu.observateur = nullptr;
}

bool Singe::Joue() {
    NouvelleTable();
    QEventLoop boucle;
    boucle_ = &boucle;
    Programme();
    boucle.exec();
    boucle_ = nullptr;
    bilan_.secondes = garde_.Ecoule();
    bilan_.handlers = HandlersLances();
    bilan_.liens = capteur_->ouverts;
    return faute_.empty();
}

// ------------------------------------------------------------------ the loop

void Singe::Programme() {
    // Now and then at once: the input waits in the queue for the next pass
    // of events, whichever handler makes it, as input that comes while a
    // handler draws.
    const int pas = Chance(0.15) ? 0 : 1 + Pioche(std::max(1, options_.pasMax));
    QTimer::singleShot(pas, Qt::PreciseTimer, contexte_.get(), [this] { Tick(); });
}

void Singe::Tick() {
    if (termine_) return;
    struct Profondeur {
        int& p;
        explicit Profondeur(int& x) : p(++x) {}
        ~Profondeur() { --p; }
    } profondeur(profondeur_);
    bilan_.profondeurMax = std::max(bilan_.profondeurMax, profondeur_);
    // The next input is due whatever this one starts: it lands inside the
    // waits and the dialogs this one opens.
    Programme();
    if (construction_) return;
    JugeRelache();
    Signale();
    Verifie();

    // New windows, counted once.
    if (QWidget* m = QApplication::activeModalWidget(); m && m != dialogue_) {
        dialogue_ = m;
        dansDialogue_ = 0;
        ++bilan_.dialogues;
        ++bilan_.parGenre[Genre(m)];
    }
    if (MonHelp* aide = AideOuverte(); aide && aide != aide_) {
        aide_ = aide;
        ++bilan_.aides;
    }

    if (!fin_ && garde_.Ecoule() >= options_.secondes) {
        fin_ = true;
        Note("time is up: closing the table");
    }
    // However the table closes (its close box, Exit, a menu item), the
    // monkey waits for it to be closed.
    if (table_ && (table_->f.Fermee() || table_->f.FermetureDemandee())) fermeture_ = true;
    // One mouse: while its button is held only keys go in.
    if (appui_) {
        if (garde_.Ecoule() >= appui_->relache || fin_) return Relache();
        if (Chance(0.1)) ToucheAuHasard();
        return;
    }
    if (fermeture_) return SuitFermeture();
    if (fin_) return Termine();
    // The intro, as a start-up shows it, over a fresh table.
    if (introAMontrer_ && profondeur_ == 1 && !QApplication::activeModalWidget()) {
        introAMontrer_ = false;
        Note("the intro shown");
        Intro intro(&table_->f);
        intro.exec();
        return;
    }
    Agit();
}

void Singe::Signale() {
    garde_.Situation(Situation());
    bool libre;
    if (!table_ || table_->f.Fermee())
        libre = HandlersEnCours() == 0;
    else
        libre = QApplication::activeModalWidget() || OuAttend() != Attente::Aucune;
    if (fin_) {
        // Closing everything may take its time, but not for ever.
        garde_.Occupe(DureeHandler(DelaisEnForce()) + kFermetureMax);
    } else if (libre) {
        garde_.Libre();
        // Long delays typed into the options serve one handler, then small
        // ones come back.
        const Reglages& d = DelaisEnForce();
        const bool tropLongs =
            d.DelayCard > kCarteTropLong || d.DelayTurn > kTourTropLong || d.DelayBill > kBilletTropLong;
        if (HandlersEnCours() == 0 && tropLongs)
            TireDelais();
    } else {
        garde_.Occupe(DureeHandler(DelaisEnForce()));
    }
}

std::string Singe::Situation() const {
    std::string s = "handlers " + std::to_string(HandlersEnCours()) + " (face ticks " +
                    std::to_string(Minuterie::TicksEnCours()) + ")";
    if (PorteeAttenteOK::EnCours()) s += ", the showdown's OK wait";
    if (QWidget* m = QApplication::activeModalWidget()) s += std::string(", a modal ") + Genre(m);
    if (QApplication::activePopupWidget()) s += ", a menu open";
    if (table_) {
        const Form1& f = table_->f;
        s += f.Fermee() ? ", the table closed" : f.FermetureDemandee() ? ", the table closing" : "";
        s += f.EstActive() ? ", table enabled" : ", table disabled";
        s += ", hand " + std::to_string(bilan_.coups);
    }
    const Reglages& d = DelaisEnForce();
    s += "; delays card " + std::to_string(d.DelayCard) + ", turn " + std::to_string(d.DelayTurn) +
         ", bill " + std::to_string(d.DelayBill) + " ms";
    return s;
}

void Singe::Verifie() {
    if (!table_ || !verificateur_ || fin_) return;
    Form1& f = table_->f;
    if (f.Fermee() || f.FermetureDemandee()) return;
    // Actions of the table run one at a time: a second one may only run
    // inside the showdown's OK wait (OK, a new game) or behind a dialog.
    const int actions = HandlersEnCours() - Minuterie::TicksEnCours();
    if (actions >= 2 && !PorteeAttenteOK::EnCours() && !QApplication::activeModalWidget())
        return Stoppe("two actions of the table run at once (" + std::to_string(actions) + " handlers)");

    const Attente a = OuAttend();
    if (a == Attente::Aucune) return;
    // Only where something may have changed since the last check.
    const long lances = HandlersLances();
    if (lances == verifieA_ && bilan_.entrees == entreesVerifiees_) return;
    verifieA_ = lances;
    entreesVerifiees_ = bilan_.entrees;
    ++bilan_.verifications;
    if (std::string r = verificateur_->EnAttente(a); !r.empty()) Stoppe("breach: " + r);
}

Attente Singe::OuAttend() {
    Form1& f = table_->f;
    const Attente a = AttenteDuFlux(f);
    if (a != Attente::Aucune) return a;
    // The showdown's handler alone, waiting for OK: where the player must
    // be able to answer it, OK offered or not (the check says which).
    if (HandlersEnCours() == 1 && PorteeAttenteOK::EnCours() && f.EstActive() &&
        !EtatDuJeu().mises.OKClique)
        return Attente::OK;
    return Attente::Aucune;
}

void Singe::Stoppe(std::string pourquoi) {
    if (!faute_.empty()) return;
    faute_ = std::move(pourquoi);
    Note("stopped: " + faute_);
    fin_ = true;
}

void Singe::Note(const std::string& entree) {
    garde_.Note(entree);
}

// ------------------------------------------------------------------ tables

void Singe::NouvelleTable() {
    construction_ = true;
    if (table_) table_->jeu.observateur = nullptr;
    verificateur_.reset();
    table_.reset();
    chemin_.clear();
    const bool francais = Chance(0.3);
    table_ = std::make_unique<TableSoak>(francais, options_.dossier);
    Reglages& r = EtatDuJeu().reglages;
    // The set-up dialog refuses locked characters with a message box.
    const int16_t progressions[] = {0, ProgressionMexicain, ProgressionTous};
    r.Progression = progressions[Pioche(3)];
    r.PremierJoueur = static_cast<int16_t>(Pioche(3));
    // A locked character named by the settings is refused as the set-up
    // dialog opens.
    r.ChoixCowboy = static_cast<int16_t>(1 + Pioche(3));
    TireDelais();
    verificateur_ = std::make_unique<Verificateur>(table_->f);
    table_->jeu.observateur = this;
    table_->f.activateWindow();
    ++bilan_.tables;
    introAMontrer_ = Chance(0.5);
    construction_ = false;
    Note(std::string("a fresh table in ") + (francais ? "French" : "English"));
}

void Singe::TireDelais() {
    Reglages& r = EtatDuJeu().reglages;
    r.DelayCard = static_cast<int16_t>(1 + Pioche(kCarteMax));
    r.DelayTurn = static_cast<int16_t>(1 + Pioche(kTourMax));
    r.DelayBill = static_cast<int16_t>(1 + Pioche(kBilletMax));
}

void Singe::FermeTable() {
    Form1& f = table_->f;
    if (QApplication::activePopupWidget()) {
        // A click outside an open menu only closes the menu.
        Touche(Qt::Key_Escape);
        return;
    }
    if (Chance(0.25)) {
        chemin_ = {f.MenuGame, f.MenuExit};
        etape_ = 0;
        attenteMenu_ = 0;
        Note("Exit, through the menus");
        SuisMenu();
        return;
    }
    const bool attenteOK = PorteeAttenteOK::EnCours(), attente = HandlersEnCours() > 0;
    if (!CaseFermeture(f)) return;
    bilan_.fermeturesAttenteOK += attenteOK;
    bilan_.fermeturesEnAttente += attente && !attenteOK;
    // Closed at once, or as soon as the running handler has unwound.
    if (!f.Fermee() && !f.FermetureDemandee()) return Stoppe("the table ignored its close box");
    fermeture_ = true;
}

bool Singe::CaseFermeture(QWidget& fenetre) {
    ++bilan_.entrees;
    ++bilan_.fermetures;
    Note("close box of " + std::string(Genre(&fenetre)) + " " + Nom(&fenetre));
    // A close box under a modal window takes no click.
    if (Bloquee(fenetre)) return false;
    fenetre.windowHandle()->close();
    return true;
}

void Singe::SuitFermeture() {
    Form1& f = table_->f;
    if (!f.Fermee()) {
        // Unwinding: the player goes on clicking.
        if (!fin_) Agit();
        return;
    }
    // Once every handler has returned and no window of the table's is left.
    if (HandlersEnCours() > 0 || profondeur_ > 1 || QApplication::activeModalWidget()) return;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) {
            Stoppe(std::string("a window is left open by the table's close: ") + Genre(w) + " " +
                   Nom(w) + " \"" + w->windowTitle().toStdString() + "\"");
            w->close();
        }
    fermeture_ = false;
    ++bilan_.tablesFermees;
    Note("the table is closed");
    if (fin_) {
        termine_ = true;
        if (boucle_) boucle_->quit();
        return;
    }
    NouvelleTable();
}

void Singe::Termine() {
    if (QApplication::activePopupWidget()) return Touche(Qt::Key_Escape);
    if (QWidget* m = QApplication::activeModalWidget()) return FermeDialogue(m);
    if (!chemin_.empty()) return SuisMenu();
    Form1& f = table_->f;
    if (f.Fermee() || f.FermetureDemandee()) {
        fermeture_ = true;
        return;
    }
    FermeTable();
}

// ------------------------------------------------------------------ inputs

void Singe::Agit() {
    if (QApplication::activePopupWidget()) return DansMenu();
    if (!chemin_.empty() && !QApplication::activeModalWidget()) return SuisMenu();
    chemin_.clear();
    if (QWidget* m = QApplication::activeModalWidget()) return DansDialogue(m);
    if (aide_ && aide_->isVisible() && Chance(0.06)) return DansAide();
    if (!table_ || table_->f.Fermee() || table_->f.FermetureDemandee()) return ToucheAuHasard();
    ALaTable();
}

void Singe::ALaTable() {
    Form1& f = table_->f;
    const double r = Rnd();
    // Now and then the close box, more often while the table waits, and
    // most during the showdown's OK wait, whose menus are live.
    const bool attenteOK = PorteeAttenteOK::EnCours(), attente = HandlersEnCours() > 0;
    if (Chance(attenteOK ? 0.004 : attente ? 0.0006 : 0.00015)) return FermeTable();
    // With no game going on, the menus are the only way on.
    if (r < (SansPartie() ? 0.08 : attenteOK ? 0.06 : 0.02)) return CommenceMenu();
    if (r < 0.13) return ToucheAuHasard();
    if (r < 0.25) {
        // Anywhere in the window, the menu bar included.
        const QPoint p(Pioche(f.width()), Pioche(f.height()));
        return CliqueEn(f, p, Chance(0.05) ? Qt::RightButton : Qt::LeftButton, Chance(0.04));
    }
    // Mostly what the table offers, so that the games go on; the OK wait
    // lingers a little.
    if (r < (attenteOK ? 0.4 : 0.75)) {
        std::vector<QWidget*> offerts;
        for (BoutonTable b : BoutonsOfferts(f)) offerts.push_back(&BoutonUp(f, b));
        for (int i = 0; i < 5; ++i)
            if (CarteCliquable(f, i)) offerts.push_back(f.Cards[i]);
        if (!offerts.empty()) return CliqueDans(*offerts[Pioche(int(offerts.size()))], Qt::LeftButton, Chance(0.03));
    }
    // Any control, covered, hidden or not.
    QWidget* const controles[] = {
        f.BtnDrawUp,  f.BtnCallUp,        f.BtnFoldUp,         f.BtnCheckUp,   f.BtnPassUp,
        f.BtnOKUp,    f.BtnBill50Up,      f.BtnBill20Up,       f.BtnBill10Up,  f.BtnBet,
        f.BtnRaise,   f.Card1,            f.Card2,             f.Card3,        f.Card4,
        f.Card5,      f.Bobble,           f.CowboyGame,        f.PileBilletsPlayer,
        f.PileBilletsCowboy, f.FenetrePot, f.FenetreMains,     f.FenetreVisage,
        f.PlayerMoneyBar, f.CowboyMoneyBar, f.PotMoneyBar,     f.Table,
    };
    constexpr int n = int(std::size(controles));
    CliqueDans(*controles[Pioche(n)], Chance(0.04) ? Qt::RightButton : Qt::LeftButton, Chance(0.04));
}

namespace {

// The face timers' ticks so far: handlers that a click does not start.
long TicksVisage(const Form1& f) {
    long n = 0;
    for (const Minuterie* m : f.TimersVisage) n += m->Ticks();
    return n;
}

}  // namespace

void Singe::Appuie(QWidget& fenetre, QPoint p) {
    QWindow* w = fenetre.windowHandle();
    if (!w || !fenetre.isVisible()) return;
    ++bilan_.entrees;
    ++bilan_.clics;
    Appui a;
    a.fenetre = &fenetre;
    a.p = p;
    a.relache = garde_.Ecoule() + (10 + Pioche(110)) / 1000.0;
    // What the table refuses never reaches its controls: a press while it
    // is disabled, under a modal window, or outside an open menu (which it
    // closes); a press inside the menu goes to the menu.
    Form1* table = table_ ? &table_->f : nullptr;
    const QWidget* menu = QApplication::activePopupWidget();
    const bool horsMenu = menu && !menu->geometry().contains(fenetre.mapToGlobal(p));
    a.refuse = &fenetre == table && (!table->EstActive() || Bloquee(*table) || horsMenu);
    a.ou = &fenetre == table ? "the table " + Point(p) + " on " + NomSurTable(*table, fenetre.childAt(p))
                             : std::string(Genre(&fenetre)) + " " + Point(p);
    Note("press " + a.ou + (a.refuse ? " (refused)" : ""));
    appui_ = a;
    QTest::mousePress(w, Qt::LeftButton, {}, p);
}

void Singe::Relache() {
    const Appui a = *std::exchange(appui_, std::nullopt);
    // A window closed meanwhile takes no release.
    if (!a.fenetre || !a.fenetre->isVisible() || !a.fenetre->windowHandle()) return;
    ++bilan_.entrees;
    // Now and then dragged away first: the release goes where the press went.
    QPoint p = a.p;
    if (Chance(0.2)) p = QPoint(Pioche(a.fenetre->width()), Pioche(a.fenetre->height()));
    Form1* table = table_ ? &table_->f : nullptr;
    const bool refuse = a.fenetre == table && (!table->EstActive() || Bloquee(*table));
    // A release over an open menu is the menu's: it picks the item under
    // it, however the menu was opened (the keys may open one meanwhile).
    const QWidget* menu = QApplication::activePopupWidget();
    const bool surMenu = menu && menu->geometry().contains(a.fenetre->mapToGlobal(p));
    Note("release " + a.ou + (p != a.p ? " dragged to " + Point(p) : "") + (refuse ? " (refused)" : ""));
    if (a.refuse && !refuse && !surMenu && table) {
        relache_ = {true, HandlersLances(), TicksVisage(*table), a.ou};
    }
    QTest::mouseRelease(a.fenetre->windowHandle(), Qt::LeftButton, {}, p);
    JugeRelache();
}

void Singe::JugeRelache() {
    // Judged at the next tick inside the handler it started, or right after
    // the release when it started none that waits.
    if (!relache_.aJuger) return;
    relache_.aJuger = false;
    if (!table_) return;
    const long handlers = HandlersLances() - relache_.handlers;
    const long ticks = TicksVisage(table_->f) - relache_.ticks;
    if (handlers > ticks)
        Stoppe("a click started an action of the table from a press the table refused, released on " +
               relache_.ou);
}

void Singe::CliqueDans(QWidget& w, Qt::MouseButton bouton, bool double_) {
    QWidget& fenetre = *w.window();
    const QPoint p = w.mapTo(&fenetre, QPoint(Pioche(std::max(1, w.width())), Pioche(std::max(1, w.height()))));
    CliqueEn(fenetre, p, bouton, double_);
}

void Singe::CliqueEn(QWidget& fenetre, QPoint p, Qt::MouseButton bouton, bool double_) {
    QWindow* w = fenetre.windowHandle();
    if (!w || !fenetre.isVisible()) return;
    p.setX(std::clamp(p.x(), 0, std::max(0, fenetre.width() - 1)));
    p.setY(std::clamp(p.y(), 0, std::max(0, fenetre.height() - 1)));
    if (bouton == Qt::LeftButton && !double_ && table_ && &fenetre == &table_->f && !fin_ && Chance(0.05))
        return Appuie(fenetre, p);
    ++bilan_.entrees;
    ++bilan_.clics;
    QWidget* cible = fenetre.childAt(p);
    const Form1* table = table_ ? &table_->f : nullptr;
    std::string ou;
    if (&fenetre == table)
        ou = "the table " + Point(p) + " on " + NomSurTable(*table, cible);
    else if (auto* menu = qobject_cast<QMenu*>(&fenetre)) {
        QAction* a = menu->actionAt(p);
        ou = "the menu " + menu->title().toStdString() + " on " + (a ? a->text().toStdString() : "nothing");
    } else
        ou = std::string(Genre(&fenetre)) + " " + Point(p) + " on " + Nom(cible ? cible : &fenetre);
    Note(std::string(double_ ? "double click" : bouton == Qt::RightButton ? "right click" : "click") + " " + ou);
    if (double_)
        QTest::mouseDClick(w, bouton, {}, p);
    else
        QTest::mouseClick(w, bouton, {}, p);
}

QWindow* Singe::FenetreClavier() {
    // The keys go to the window that has the focus: an open menu, else the
    // modal window, else the focus window; with none (a window closed), the
    // window system gives the focus back to the table.
    if (QWidget* popup = QApplication::activePopupWidget()) return popup->windowHandle();
    if (QWidget* modale = QApplication::activeModalWidget()) return modale->windowHandle();
    if (QWindow* w = QGuiApplication::focusWindow()) return w;
    if (!table_ || !table_->f.isVisible()) return nullptr;
    table_->f.activateWindow();
    // Activation is an event of its own; the shortcuts need it done.
    QCoreApplication::processEvents();
    return QGuiApplication::focusWindow();
}

void Singe::Touche(int touche, Qt::KeyboardModifiers mods) {
    QPointer<QWindow> w = FenetreClavier();
    if (!w) return;
    ++bilan_.entrees;
    ++bilan_.touches;
    Note("key " + QKeySequence(touche | mods.toInt()).toString().toStdString() + " into " +
         w->title().toStdString());
    const char ascii = QTest::keyToAscii(static_cast<Qt::Key>(touche));
    const QString texte = ascii ? QString(QChar::fromLatin1(ascii)) : QString();
    // Event by event, each followed by a pass of events, as a keyboard sends
    // them: the next inputs may come in any of those passes (a shortcut's
    // handler waits), and the window may be gone after one (the help window
    // is deleted once closed): the keys left then go nowhere.
    static constexpr std::pair<Qt::KeyboardModifier, Qt::Key> kModificateurs[] = {
        {Qt::ShiftModifier, Qt::Key_Shift}, {Qt::ControlModifier, Qt::Key_Control}, {Qt::AltModifier, Qt::Key_Alt}};
    ++touchesTenues_;
    Qt::KeyboardModifiers tenus;
    for (const auto& [m, k] : kModificateurs)
        if (mods & m) {
            if (w) QTest::simulateEvent(w, true, k, tenus, {}, false);
            tenus |= m;
        }
    if (w) QTest::simulateEvent(w, true, touche, mods, texte, false);
    if (w) QTest::simulateEvent(w, false, touche, mods, texte, false);
    for (auto i = std::size(kModificateurs); i-- > 0;)
        if (const auto& [m, k] = kModificateurs[i]; mods & m) {
            if (w) QTest::simulateEvent(w, false, k, tenus, {}, false);
            tenus &= ~m;
        }
    --touchesTenues_;
}

void Singe::ToucheAuHasard() {
    // F2 starts a training game through the set-up dialog: rarer, or the
    // games would seldom end.
    static constexpr std::pair<int, double> kTouches[] = {
        {Qt::Key_Return, 1}, {Qt::Key_Enter, 0.5}, {Qt::Key_Escape, 1},  {Qt::Key_F1, 0.5},
        {Qt::Key_F2, 0.15},  {Qt::Key_Alt, 1},     {Qt::Key_Up, 0.5},    {Qt::Key_Down, 1},
        {Qt::Key_Left, 0.5}, {Qt::Key_Right, 0.5}, {Qt::Key_Space, 1},   {Qt::Key_Tab, 0.5},
        {Qt::Key_A, 0.5},    {Qt::Key_G, 0.5},     {Qt::Key_X, 0.5},     {Qt::Key_1, 0.3},
        {Qt::Key_5, 0.3},    {Qt::Key_Home, 0.3},  {Qt::Key_PageDown, 0.3},
    };
    double total = 0;
    for (const auto& [touche, poids] : kTouches) total += poids;
    double r = Rnd() * total;
    int k = Qt::Key_Escape;
    for (const auto& [touche, poids] : kTouches) {
        if (r < poids) {
            k = touche;
            break;
        }
        r -= poids;
    }
    Qt::KeyboardModifiers mods;
    if (Chance(0.08)) mods = Qt::AltModifier;
    else if (Chance(0.05)) mods = Qt::ControlModifier;
    else if (Chance(0.05)) mods = Qt::ShiftModifier;
    Touche(k, k == Qt::Key_Alt ? Qt::KeyboardModifiers() : mods);
}

// ------------------------------------------------------------------ menus

bool Singe::SansPartie() {
    Form1& f = table_->f;
    if (HandlersEnCours() > 0 || !BoutonsOfferts(f).empty()) return false;
    for (int i = 0; i < 5; ++i)
        if (CarteCliquable(f, i)) return false;
    return true;
}

void Singe::CommenceMenu() {
    Form1& f = table_->f;
    struct Element {
        std::vector<QAction*> chemin;
        double poids;
    };
    const Element elements[] = {
        {{f.MenuGame, f.MenuNewGame, f.MenuEnter}, 3},
        {{f.MenuGame, f.MenuNewGame, f.MenuTourna, f.TournEasy}, 1},
        {{f.MenuGame, f.MenuNewGame, f.MenuTourna, f.TournMed}, 1},
        {{f.MenuGame, f.MenuNewGame, f.MenuTourna, f.TournHard}, 1},
        {{f.MenuGame, f.MenuOptions}, 2},
        {{f.MenuGame, f.MenuExit}, 0.05},
        {{f.MenuAutre, f.MenuHelp}, 1},
        {{f.MenuAutre, f.MenuSite}, 0.3},
        {{f.MenuAutre, f.MenuContact, f.ForHelp}, 0.3},
        {{f.MenuAutre, f.MenuContact, f.ForFun}, 0.3},
        {{f.MenuAutre, f.MenuAbout}, 1.5},
    };
    // A game is cut short now and then; more often while a showdown waits,
    // and one is started when none goes on.
    const double nouvellePartie = SansPartie() ? 4.0 : PorteeAttenteOK::EnCours() ? 1.0 : 0.03;
    double total = 0;
    for (const Element& e : elements) total += e.poids * (e.chemin.size() > 2 && e.chemin[1] == f.MenuNewGame ? nouvellePartie : 1);
    double r = Rnd() * total;
    const Element* choisi = &elements[0];
    for (const Element& e : elements) {
        const double p = e.poids * (e.chemin.size() > 2 && e.chemin[1] == f.MenuNewGame ? nouvellePartie : 1);
        if (r < p) {
            choisi = &e;
            break;
        }
        r -= p;
    }
    // The two items with a key, by their key now and then.
    if (choisi->chemin.back() == f.MenuEnter && Chance(0.3)) return Touche(Qt::Key_F2);
    if (choisi->chemin.back() == f.MenuHelp && Chance(0.3)) return Touche(Qt::Key_F1);
    chemin_ = choisi->chemin;
    etape_ = 0;
    attenteMenu_ = 0;
    SuisMenu();
}

void Singe::SuisMenu() {
    if (!table_ || table_->f.Fermee()) {
        chemin_.clear();
        return;
    }
    Form1& f = table_->f;
    if (etape_ == 0) {
        // The menu's title on the menu bar; the input gate decides.
        QMenuBar* barre = f.menuBar();
        const QRect titre = barre->actionGeometry(chemin_[0]);
        if (titre.isEmpty()) {
            chemin_.clear();
            return;
        }
        ++etape_;
        const QPoint p = barre->mapTo(&f, titre.topLeft() + QPoint(Pioche(titre.width()), Pioche(titre.height())));
        CliqueEn(f, p);
        return;
    }
    QMenu* menu = chemin_[etape_ - 1]->menu();
    if (!menu || !menu->isVisible()) {
        // Refused (the table waits) or closed by another input: given up
        // after a while.
        if (++attenteMenu_ > 4) chemin_.clear();
        return;
    }
    attenteMenu_ = 0;
    QAction* element = chemin_[etape_];
    const QRect place = menu->actionGeometry(element);
    ++etape_;
    const bool dernier = etape_ == chemin_.size();
    if (dernier) {
        chemin_.clear();
        ++bilan_.elements;
    }
    CliqueEn(*menu, place.topLeft() + QPoint(Pioche(place.width()), Pioche(place.height())));
}

void Singe::DansMenu() {
    QWidget* popup = QApplication::activePopupWidget();
    auto* menu = qobject_cast<QMenu*>(popup);
    if (!chemin_.empty() && Chance(0.9)) return SuisMenu();
    chemin_.clear();
    const double r = Rnd();
    if (menu && r < 0.5) {
        // Any item of the open menu.
        const QList<QAction*> actions = menu->actions();
        if (!actions.isEmpty()) {
            QAction* a = actions[Pioche(int(actions.size()))];
            const QRect place = menu->actionGeometry(a);
            if (!place.isEmpty()) {
                if (a == table_->f.MenuExit && !fin_ && Chance(0.9)) return Touche(Qt::Key_Escape);
                return CliqueEn(*menu, place.topLeft() + QPoint(Pioche(place.width()), Pioche(place.height())));
            }
        }
    }
    if (r < 0.75) {
        static constexpr int kTouches[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,
                                           Qt::Key_Escape, Qt::Key_Return};
        const int k = kTouches[Pioche(int(std::size(kTouches)))];
        return Touche(k);
    }
    // Elsewhere: the menu closes.
    if (table_ && table_->f.isVisible()) CliqueEn(table_->f, QPoint(Pioche(table_->f.width()), Pioche(table_->f.height())));
}

// ------------------------------------------------------------------ dialogs

void Singe::DansDialogue(QWidget* d) {
    ++dansDialogue_;
    // The longer it stays, the likelier it closes.
    const double fermer = std::min(0.9, 0.06 + 0.03 * dansDialogue_);
    if (Chance(fermer)) return FermeDialogue(d);
    const double r = Rnd();
    if (r < 0.08 && table_ && table_->f.isVisible()) return CliqueDans(*table_->f.Table);  // blocked
    if (r < 0.16) return ToucheAuHasard();
    ChangeDialogue(d);
}

void Singe::FermeDialogue(QWidget* d) {
    QPointer<QWidget> dialogue(d);
    std::vector<QAbstractButton*> fermants;  // close it when clicked
    if (auto* o = dynamic_cast<OptionsDorvane*>(d)) {
        fermants.push_back(o->OK);
        if (o->OptCan->isEnabled()) fermants.push_back(o->OptCan);
    } else if (auto* c = dynamic_cast<Choose*>(d)) {
        fermants = {c->OK, c->Cancel};
    } else if (auto* i = dynamic_cast<Intro*>(d)) {
        fermants = {i->Play};
    } else if (auto* b = qobject_cast<QMessageBox*>(d)) {
        for (QAbstractButton* bouton : b->buttons()) fermants.push_back(bouton);
    }
    const double r = Rnd();
    std::string comment;
    if (r < 0.25) {
        comment = "its close box";
        if (!CaseFermeture(*d)) return;
    } else if (r < 0.45) {
        comment = "Escape";
        d->activateWindow();
        // Escape while another key is down first cancels that key's press
        // (Space on a button).
        const bool autreTouche = touchesTenues_ > 0;
        Touche(Qt::Key_Escape);
        if (autreTouche) return;
    } else if (r < 0.55) {
        // Enter presses the default button, if the focus leaves it to it.
        d->activateWindow();
        return Touche(Qt::Key_Return);
    } else if (auto* about = dynamic_cast<About*>(d)) {
        comment = "a click on its picture";
        CliqueDans(about->AboutUK->isVisible() ? static_cast<QWidget&>(*about->AboutUK) : *about->AboutFR);
    } else if (!fermants.empty()) {
        QAbstractButton* b = fermants[Pioche(int(fermants.size()))];
        comment = "its button " + Nom(b);
        // Only a click that reaches the button must close.
        const QPoint p = b->mapTo(d, QPoint(Pioche(b->width()), Pioche(b->height())));
        if (d->childAt(p) != b && !b->isAncestorOf(d->childAt(p))) return CliqueEn(*d, p);
        CliqueEn(*d, p);
    } else {
        comment = "its close box";
        if (!CaseFermeture(*d)) return;
    }
    if (dialogue && dialogue->isVisible() && dialogue == QApplication::activeModalWidget())
        Stoppe(std::string("the ") + Genre(dialogue) + " window did not close by " + comment);
}

void Singe::ChangeDialogue(QWidget* d) {
    // The controls a person would play with, closing buttons aside.
    std::vector<QWidget*> controles;
    for (QWidget* w : d->findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled()) continue;
        if (qobject_cast<QAbstractSlider*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<ImageCliquable*>(w))
            controles.push_back(w);
        else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            const bool ferme = (dynamic_cast<OptionsDorvane*>(d) && (b == static_cast<OptionsDorvane*>(d)->OK ||
                                                                     b == static_cast<OptionsDorvane*>(d)->OptCan)) ||
                               (dynamic_cast<Choose*>(d) && (b == static_cast<Choose*>(d)->OK ||
                                                            b == static_cast<Choose*>(d)->Cancel)) ||
                               (dynamic_cast<Intro*>(d) && b == static_cast<Intro*>(d)->Play) ||
                               qobject_cast<QMessageBox*>(d);
            if (!ferme) controles.push_back(b);
        }
    }
    if (controles.empty() || Chance(0.1)) return CliqueEn(*d, QPoint(Pioche(d->width()), Pioche(d->height())));
    QWidget* w = controles[Pioche(int(controles.size()))];
    if (auto* texte = qobject_cast<QLineEdit*>(w)) {
        // A delay typed: a small number, now and then a letter first, a
        // number too long for a delay, or a minus sign put in front.
        CliqueDans(*texte);
        if (QApplication::focusWidget() != texte) return;
        Touche(Qt::Key_A, Qt::ControlModifier);
        if (Chance(0.2)) Touche(Qt::Key_X);
        const std::string nombre = std::to_string(Chance(0.05) ? 30000 + Pioche(70000) : Pioche(30));
        for (char c : nombre) Touche(Qt::Key_0 + (c - '0'));
        if (Chance(0.1)) {
            Touche(Qt::Key_Home);
            Touche(Qt::Key_Minus);
        }
        if (Chance(0.1)) Touche(Qt::Key_Backspace);
        return;
    }
    if (auto* curseur = qobject_cast<QAbstractSlider*>(w); curseur && Chance(0.4)) {
        // Clicked for the focus, then moved by keys.
        CliqueDans(*curseur);
        if (QApplication::focusWidget() != curseur) return;
        const int k = Chance(0.5) ? Qt::Key_Right : Chance(0.5) ? Qt::Key_Left : Qt::Key_PageUp;
        for (int i = 1 + Pioche(4); i > 0; --i) Touche(k);
        return;
    }
    CliqueDans(*w);
}

void Singe::DansAide() {
    auto* aide = static_cast<MonHelp*>(aide_.data());
    const double r = Rnd();
    if (r < 0.15) {
        CaseFermeture(*aide);
        return;
    }
    if (r < 0.3) return CliqueDans(*aide->OK);
    if (r < 0.7) {
        const QRect onglet = aide->TabStrip1->tabRect(Pioche(aide->TabStrip1->count()));
        return CliqueEn(*aide, aide->TabStrip1->mapTo(aide, onglet.center()));
    }
    if (r < 0.85) {
        aide->activateWindow();
        return ToucheAuHasard();
    }
    CliqueEn(*aide, QPoint(Pioche(aide->width()), Pioche(aide->height())));
}

// ------------------------------------------------------------------ the flow's events

void Singe::DebutPartie() {
    ++bilan_.parties;
    TireDelais();
    if (verificateur_) verificateur_->DebutPartie();
}

void Singe::Donne() {
    ++bilan_.coups;
    if (verificateur_) verificateur_->Donne();
}

void Singe::Tirage(bool cowboy, std::string_view positions) {
    if (verificateur_) verificateur_->Tirage(cowboy, positions);
}

void Singe::Abattage(bool cowboyGagne) {
    if (verificateur_) verificateur_->Abattage(cowboyGagne);
}

void Singe::PotPaye(bool auCowboy) {
    if (verificateur_) verificateur_->PotPaye(auCowboy);
}

void Singe::Parole(const std::string& phrase, std::string_view code) {
    if (verificateur_) verificateur_->Parole(phrase, code);
}

void Singe::FinPartie() {
    ++bilan_.finies;
    if (verificateur_) verificateur_->FinPartie();
}

#include "singe.moc"
