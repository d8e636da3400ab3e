#include "pilote.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <algorithm>
#include <random>
#include <utility>

#include "common/etat.h"
#include "render/form1.h"
#include "rules/evaluation.h"
#include "shell/choose.h"
#include "shell/demarrage.h"
#include "shell/menus.h"
#include "table/offre.h"

namespace {

using Clock = std::chrono::steady_clock;
using B = BoutonTable;
constexpr std::size_t kDernieres = 24;

std::unique_ptr<Form1> NouvelleForm(bool francais, const std::string& dossier) {
    EtatDuJeu() = Etat{};
    Reglages& r = EtatDuJeu().reglages;
    r.Chemin = CheminReglages(dossier);
    r.DelayCard = r.DelayTurn = r.DelayBill = 0;
    r.LangueChoisie = francais ? "FR" : "UK";
    // Every character may be chosen for training.
    r.Progression = ProgressionTous;
    auto f = std::make_unique<Form1>();
    DisposeTable(*f);
    LangueMenu(*f);
    return f;
}

int Niveau(int argent) { return std::clamp(argent / 100 - 3, 0, 2); }

}  // namespace

TableSoak::TableSoak(bool francais, const std::string& dossierReglages)
    : form_(NouvelleForm(francais, dossierReglages)), f(*form_), jeu(ConnecteMenus(f)) {
    f.show();
    (void)QTest::qWaitForWindowExposed(&f);
}

TableSoak::~TableSoak() = default;

std::string NonOfferte(const ActionJoueur& a, const Situation& s) {
    const auto offert = [&](B b) { return std::find(s.offerts.begin(), s.offerts.end(), b) != s.offerts.end(); };
    switch (a.genre) {
    case ActionJoueur::Genre::Bouton:
        return offert(a.bouton) ? "" : "the button is covered or hidden";
    case ActionJoueur::Genre::Tirage:
        if (!offert(B::Draw)) return "Draw is covered or hidden";
        for (char c : a.cartes)
            if (!s.cartes[c - '1']) return std::string("card ") + c + " takes no click";
        return "";
    case ActionJoueur::Genre::Langue:
        return s.attente == Attente::Joueur ? "" : "a fresh table only between two handlers";
    default:
        return "";
    }
}

// ---------------------------------------------------------------- Politique

Politique::Politique(uint64_t graine, long coups) : hasard_(graine ^ 0x51A7E5u), coups_(coups) {}

ActionJoueur Politique::NouvellePartie() {
    ActionJoueur a;
    if (Tirage(2) == 0) {
        a.genre = ActionJoueur::Genre::Entrainement;
        a.perso = 1 + Tirage(3);
        a.skill = Tirage(101);
        a.emotion = Tirage(101);
        a.bluff = Tirage(101);
        a.risk = Tirage(101);
        a.argent = 300 + 100 * Tirage(3);
    } else {
        a.genre = ActionJoueur::Genre::Tournoi;
        a.niveau = 300 + 100 * Tirage(3);
    }
    return a;
}

ActionJoueur Politique::ALaTable(const Situation& s) {
    // The stronger its own hand, the more it bets and the less it folds.
    const Etat& e = EtatDuJeu();
    Evaluation ev;
    EvalueMainComplete(ev, e.donne.Paquet, e.donne.CartesPlayer);
    const double c = ev.CategorieMain;
    const int force = c >= 106 ? 3 : c >= 9 ? 2 : c >= 1 ? 1 : 0;
    const auto poids = [force](B b) {
        static constexpr double table[][4] = {
            {1.5, 0.4, 0.1, 0.02},  // fold
            {3, 4, 3, 2},           // call
            {4, 3, 1.5, 1},         // check or pass
            {0.6, 1.2, 1.5, 1.5},   // $10
            {0.3, 0.8, 1.5, 2},     // $20
            {0.15, 0.4, 1.2, 2.5},  // $50
        };
        switch (b) {
        case B::Fold: return table[0][force];
        case B::Call: return table[1][force];
        case B::Check:
        case B::Pass: return table[2][force];
        case B::Bill10: return table[3][force];
        case B::Bill20: return table[4][force];
        case B::Bill50: return table[5][force];
        default: return 1.0;
        }
    };
    double total = 0;
    for (B b : s.offerts) total += poids(b);
    double r = Rnd() * total;
    B choisi = s.offerts.back();
    for (B b : s.offerts) {
        if (r < poids(b)) {
            choisi = b;
            break;
        }
        r -= poids(b);
    }
    ActionJoueur a;
    if (choisi != B::Draw) {
        a.bouton = choisi;
        return a;
    }
    // Random marks; mostly among the cards that pair with no other.
    a.genre = ActionJoueur::Genre::Tirage;
    const bool garde = Rnd() < 0.7;
    for (int i = 0; i < 5; ++i) {
        bool seule = true;
        for (int j = 0; j < 5; ++j)
            if (j != i && e.donne.CartesPlayer[j].valeur == e.donne.CartesPlayer[i].valeur) seule = false;
        if (s.cartes[i] && (seule || !garde) && Tirage(2) == 1) a.cartes += char('1' + i);
    }
    return a;
}

std::optional<ActionJoueur> Politique::Suivante(const Situation& s, std::string& erreur) {
    ActionJoueur a;
    if (!s.table) {
        a.genre = ActionJoueur::Genre::Langue;
        return a;
    }
    if (s.attente == Attente::OK) {
        // Now and then a new game instead of OK.
        if (Rnd() < 0.003) return NouvellePartie();
        a.bouton = B::OK;
        return a;
    }
    if (!suite_.empty()) {
        a = suite_.front();
        suite_.pop_front();
        return a;
    }
    if (s.coups >= coups_) return {};
    if (!s.partieEnCours || Rnd() < 0.0005) {
        if (!francais_ && s.coups >= coups_ / 2 && !s.partieEnCours) {
            francais_ = true;
            a.genre = ActionJoueur::Genre::Langue;
            a.francais = true;
            return a;
        }
        suite_.push_back(NouvellePartie());
        a.genre = ActionJoueur::Genre::Premier;
        a.premier = Tirage(3);
        return a;
    }
    if (s.offerts.empty()) {
        erreur = "a game goes on with nothing offered";
        return {};
    }
    return ALaTable(s);
}

std::optional<ActionJoueur> ScriptActions::Suivante(const Situation&, std::string& erreur) {
    std::string ligne;
    while (std::getline(lignes_, ligne)) {
        ++ligne_;
        std::optional<ActionJoueur> a = LitAction(ligne, erreur);
        if (!erreur.empty()) {
            erreur = "actions line " + std::to_string(ligne_) + ": " + erreur;
            return {};
        }
        if (a) return a;
    }
    return {};
}

// ------------------------------------------------------------------- Pilote

Pilote::Pilote(SourceActions& source, OptionsPilote options)
    : source_(source), options_(std::move(options)) {
    if (options_.trace) {
        trace_ = std::make_unique<Trace>(*options_.trace);
        ObserveAttentes(trace_.get());
    }
    sonde_.setInterval(0);
    QObject::connect(&sonde_, &QTimer::timeout, [this] { Sonde(); });
    sondeModale_.setInterval(0);
    QObject::connect(&sondeModale_, &QTimer::timeout, [this] { RepondModal(); });
}

Pilote::~Pilote() {
    if (trace_) ObserveAttentes(nullptr);
    if (table_) table_->jeu.observateur = nullptr;
}

bool Pilote::Joue() {
    const auto debut = Clock::now();
    sonde_.start();
    sondeModale_.start();
    while (!arrete_) Etape(Attente::Joueur);
    sonde_.stop();
    sondeModale_.stop();
    bilan_.secondes = std::chrono::duration<double>(Clock::now() - debut).count();
    return arret_.empty();
}

std::string Pilote::DernieresActions() const {
    std::string t;
    for (const std::string& a : dernieres_) t += a + "\n";
    return t;
}

void Pilote::Stoppe(std::string pourquoi) {
    if (arrete_) return;
    arrete_ = true;
    arret_ = std::move(pourquoi);
    // A handler still running is unwound by the close.
    if (table_ && HandlersEnCours() > 0) table_->f.close();
}

std::string Pilote::Verifie(Attente a, bool enAttente) {
    if (!options_.verifications || !verificateur_) return "";
    const auto debut = Clock::now();
    std::string r = enAttente ? verificateur_->EnAttente(a) : verificateur_->ApresHandler();
    bilan_.secondesVerifications += std::chrono::duration<double>(Clock::now() - debut).count();
    return r;
}

Situation Pilote::Observe(Attente a) {
    Situation s;
    s.attente = a;
    s.table = table_ != nullptr;
    s.partieEnCours = partieEnCours_;
    s.coups = bilan_.coups;
    if (table_) {
        Form1& f = table_->f;
        s.offerts = BoutonsOfferts(f);
        for (int i = 0; i < 5; ++i) s.cartes[i] = CarteCliquable(f, i);
    }
    return s;
}

void Pilote::Etape(Attente a) {
    const auto erreurHasard = [this] { return options_.erreurHasard ? options_.erreurHasard() : std::string(); };
    if (std::string r = erreurHasard(); !r.empty()) return Stoppe(r);
    if (std::string r = Verifie(a, true); !r.empty()) return Stoppe("breach: " + r);
    const Situation s = Observe(a);
    if (trace_ && table_ && std::exchange(offreAEcrire_, false)) {
        std::vector<std::string> noms;
        ActionJoueur bouton;
        for (B b : s.offerts) {
            bouton.bouton = b;
            noms.push_back(TexteAction(bouton));
        }
        std::string cartes;
        for (int i = 0; i < 5; ++i)
            if (s.cartes[i]) cartes += char('1' + i);
        trace_->Offre(noms, cartes);
    }
    std::string erreur;
    const std::optional<ActionJoueur> action = source_.Suivante(s, erreur);
    if (!erreur.empty()) return Stoppe(erreur);
    if (!action) return Stoppe("");
    const std::string texte = TexteAction(*action);
    if (std::string r = NonOfferte(*action, s); !r.empty())
        return Stoppe("\"" + texte + "\" is not offered: " + r);

    dernieres_.push_back("hand " + std::to_string(bilan_.coups) + ": " + texte);
    if (dernieres_.size() > kDernieres) dernieres_.pop_front();
    if (options_.journalActions) *options_.journalActions << texte << '\n';
    ++bilan_.actions;
    const auto debut = Clock::now();
    const double verifications = bilan_.secondesVerifications;
    // What a setting changes shows at the next action only; a handler or a
    // fresh table leads to a new wait for the player.
    const bool reglage = action->genre == ActionJoueur::Genre::Premier ||
                         action->genre == ActionJoueur::Genre::Progression;
    if (!reglage) offreAEcrire_ = true;
    Fais(*action);
    // Handlers run inside the action at the top; inside the OK wait, the
    // top's action counts them already.
    if (a == Attente::Joueur)
        bilan_.secondesJeu += std::chrono::duration<double>(Clock::now() - debut).count() -
                              (bilan_.secondesVerifications - verifications);
    if (arrete_) return;
    if (std::string r = erreurHasard(); !r.empty()) return Stoppe(r);
    // Between two handlers the next step checks; inside the OK wait, now.
    if (a == Attente::OK)
        if (std::string r = Verifie(a, false); !r.empty()) return Stoppe("breach: " + r);
    const bool handler = !reglage && action->genre != ActionJoueur::Genre::Langue;
    if (trace_ && handler) trace_->Montants(texte);
}

void Pilote::Fais(const ActionJoueur& a) {
    using G = ActionJoueur::Genre;
    if (a.genre == G::Langue) return NouvelleTable(a.francais);
    if (!table_) NouvelleTable(false);
    Form1& f = table_->f;
    switch (a.genre) {
    case G::Bouton: Clique(f, a.bouton); break;
    case G::Tirage:
        for (char c : a.cartes) CliqueCarte(f, c - '1');
        Clique(f, B::Draw);
        break;
    case G::Entrainement:
    case G::Tournoi:
        if (partieEnCours_) ++bilan_.partiesAbandonnees;
        tournoiEnCours_ = a.genre == G::Tournoi;
        if (a.genre == G::Tournoi) {
            niveauTournoi_ = Niveau(a.niveau);
            ++bilan_.tournois[niveauTournoi_];
            (a.niveau == 300 ? f.TournEasy : a.niveau == 400 ? f.TournMed : f.TournHard)->trigger();
        } else {
            choix_ = a;
            f.MenuEnter->trigger();
            if (choix_) Stoppe("the opponent set-up dialog did not show");
        }
        break;
    case G::Premier: EtatDuJeu().reglages.PremierJoueur = static_cast<int16_t>(a.premier); break;
    case G::Progression: EtatDuJeu().reglages.Progression = static_cast<int16_t>(a.progression); break;
    case G::Langue: break;
    }
}

void Pilote::NouvelleTable(bool francais) {
    if (table_) {
        table_->jeu.observateur = nullptr;
        if (partieEnCours_) ++bilan_.partiesAbandonnees;
        table_.reset();
    }
    partieEnCours_ = tournoiEnCours_ = false;
    table_ = std::make_unique<TableSoak>(francais, dossier_.path().toStdString());
    verificateur_ = std::make_unique<Verificateur>(table_->f);
    verificateur_->EcranToutesLes(options_.ecranToutesLes);
    table_->jeu.observateur = this;
    if (trace_) trace_->Table(francais);
}

void Pilote::Sonde() {
    if (RepondModal()) return;
    if (dansSonde_ || arrete_ || !table_) return;
    if (AttenteDuFlux(table_->f) != Attente::OK) return;
    dansSonde_ = true;
    Etape(Attente::OK);
    dansSonde_ = false;
}

bool Pilote::RepondModal() {
    QWidget* m = QApplication::activeModalWidget();
    if (!m || !m->isVisible()) return false;
    if (auto* choose = dynamic_cast<Choose*>(m)) {
        if (!choix_) {
            choose->Cancel->click();
            return true;
        }
        const ActionJoueur a = *std::exchange(choix_, std::nullopt);
        choose->ChooseOpp[a.perso - 1]->setChecked(true);
        choose->SliderSkill->setValue(a.skill);
        choose->SliderEmotion->setValue(a.emotion);
        choose->SliderBluff->setValue(a.bluff);
        choose->SliderRisk->setValue(a.risk);
        choose->OptionMoney[a.argent / 100 - 2]->setChecked(true);
        choose->OK->click();
        return true;
    }
    // The box of a tournament won, or any other box: read and closed.
    if (auto* box = qobject_cast<QMessageBox*>(m)) {
        box->accept();
        return true;
    }
    if (auto* dialogue = qobject_cast<QDialog*>(m)) {
        dialogue->reject();
        return true;
    }
    return false;
}

// ------------------------------------------------------------ the flow's events

namespace {
// Times the checks made at one of the flow's events.
struct Chrono {
    double& total;
    Clock::time_point debut = Clock::now();
    ~Chrono() { total += std::chrono::duration<double>(Clock::now() - debut).count(); }
};
}  // namespace

void Pilote::DebutPartie() {
    ++bilan_.parties;
    partieEnCours_ = true;
    abattage_ = false;
    if (verificateur_) verificateur_->DebutPartie();
    if (trace_) trace_->DebutPartie();
}

void Pilote::Donne() {
    ++bilan_.coups;
    abattage_ = false;
    // The antes of a fresh pot make $20: more is a pot left by two passes.
    if (EtatDuJeu().argent.pot > 2 * EtatDuJeu().mises.MiseDepart) ++bilan_.passes;
    if (verificateur_ && options_.verifications) {
        Chrono c{bilan_.secondesVerifications};
        verificateur_->Donne();
    }
    if (trace_) trace_->Donne();
}

void Pilote::Parole(const std::string& phrase, std::string_view code) {
    if (verificateur_ && options_.verifications) {
        Chrono c{bilan_.secondesVerifications};
        verificateur_->Parole(phrase, code);
    }
    if (trace_) trace_->Parole(phrase, code);
}

void Pilote::Tirage(bool cowboy, std::string_view positions) {
    if (verificateur_ && options_.verifications) {
        Chrono c{bilan_.secondesVerifications};
        verificateur_->Tirage(cowboy, positions);
    }
    if (trace_) trace_->Tirage(cowboy, positions);
}

void Pilote::Abattage(bool cowboyGagne) {
    ++bilan_.abattages;
    abattage_ = true;
    if (verificateur_ && options_.verifications) {
        Chrono c{bilan_.secondesVerifications};
        verificateur_->Abattage(cowboyGagne);
    }
    if (trace_) trace_->Abattage(cowboyGagne);
}

void Pilote::PotPaye(bool auCowboy) {
    const int perso = std::clamp<int>(EtatDuJeu().partie.PersoCowboy, 0, 3);
    ++bilan_.pots[perso];
    if (auCowboy) ++bilan_.potsCowboy[perso];
    if (!abattage_) ++bilan_.couches;
    if (verificateur_ && options_.verifications) {
        Chrono c{bilan_.secondesVerifications};
        verificateur_->PotPaye(auCowboy);
    }
    if (trace_) trace_->PotPaye(auCowboy);
}

void Pilote::FinPartie() {
    const Etat& e = EtatDuJeu();
    const int perso = std::clamp<int>(e.partie.PersoCowboy, 0, 3);
    const bool cowboyGagne = e.argent.player == 0;
    ++bilan_.partiesFinies;
    ++bilan_.finies[perso];
    if (cowboyGagne) ++bilan_.gagneesCowboy[perso];
    if (e.partie.ModeTournoi && tournoiEnCours_) {
        if (cowboyGagne) {
            ++bilan_.tournoisPerdus[niveauTournoi_];
            tournoiEnCours_ = false;
        } else if (perso == PersoCowboyFille) {
            ++bilan_.tournoisGagnes[niveauTournoi_];
            tournoiEnCours_ = false;
        }
    }
    partieEnCours_ = false;
    if (verificateur_ && options_.verifications) {
        Chrono c{bilan_.secondesVerifications};
        verificateur_->FinPartie();
    }
    if (trace_) trace_->FinPartie();
}

uint64_t GraineAuHasard() {
    std::random_device systeme;
    const uint64_t horloge = static_cast<uint64_t>(Clock::now().time_since_epoch().count());
    return ((uint64_t(systeme()) << 32) ^ systeme() ^ horloge) & 0xFFFFFFFFFFFFull;
}
