#include "shell/options.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <cmath>
#include <cstring>

#include "assets/magasin.h"
#include "common/etat.h"
#include "common/textes_dialogues.h"
#include "platform/boite_message.h"
#include "shell/centrage.h"
#include "common/disposition.h"
#include "shell/dialogues_commun.h"
#include "shell/fichier_ini.h"

namespace td = textes_dialogues;

namespace {

// A horizontal scroll bar choosing 1..n: it takes the keyboard focus, the
// right arrow moves to the next choice, and a click in its track moves one
// step, so that no choice is skipped.
QScrollBar* BarreDeChoix(QWidget* parent, int n) {
    auto* barre = new QScrollBar(Qt::Horizontal, parent);
    barre->setRange(1, n);
    barre->setSingleStep(1);
    barre->setPageStep(1);
    barre->setFocusPolicy(Qt::StrongFocus);
    // a scroll bar's controls run the other way by default
    barre->setInvertedControls(false);
    return barre;
}

QLabel* EtiquetteOptions(QWidget* parent, std::string_view texte, int x, int y, int l, int h) {
    auto* e = new QLabel(Texte(texte), parent);
    e->setGeometry(x, y, l, h);
    return e;
}

// A failed save in the player's words: the file, then why.
QString TexteEchecSauvegarde(const SauvegardeINI& sauvegarde, const Reglages& reglages, bool fr) {
    const auto pourquoi = [&]() -> QString {
        switch (sauvegarde.echec) {
        case EchecINI::Illisible: return Texte(td::EchecIllisible.Dans(fr));
        case EchecINI::TropLong: return Texte(td::EchecTropLong.Dans(fr));
        case EchecINI::LienCasse: return Texte(td::EchecLienCasse.Dans(fr));
        case EchecINI::PasUnFichier: return Texte(td::EchecPasUnFichier.Dans(fr));
        case EchecINI::Interdit: return Texte(td::EchecInterdit.Dans(fr));
        case EchecINI::Plein: return Texte(td::EchecPlein.Dans(fr));
        case EchecINI::Systeme:
        case EchecINI::Aucun: break;
        }
        return Texte(td::EchecSysteme.Dans(fr)) + QLatin1Char(' ') +
               QString::fromLocal8Bit(std::strerror(sauvegarde.erreur)) + QLatin1Char('.');
    };
    // the path in the system's bytes, shown as the system names it
    const QString fichier =
        QFile::decodeName(QByteArray::fromStdString(reglages.Chemin + NomFichierINI));
    return Texte(td::SauverEchec.Dans(fr)) + QLatin1Char('\n') + fichier + QStringLiteral("\n\n") +
           pourquoi();
}

}  // namespace

std::optional<int16_t> LitAttente(const QString& texte) {
    bool ok = false;
    const double v = texte.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    const double arrondi = std::nearbyint(v);
    if (arrondi < -32768.0 || arrondi > 32767.0) return std::nullopt;
    return static_cast<int16_t>(arrondi);
}

OptionsDorvane::OptionsDorvane(QWidget* table) : QDialog(nullptr) {
    setWindowTitle(Texte(td::OptionsTitre));
    setFixedSize(460, 452);

    // Game: card back, card set, first player.
    Frame1[1] = new QGroupBox(Texte(td::CadreJeu.anglais), this);
    Frame1[1]->setGeometry(8, 6, 444, 206);
    Label1[1] = EtiquetteOptions(Frame1[1], td::DosDesCartes.anglais, 12, 22, 124, 18);
    ScrollBack = BarreDeChoix(Frame1[1], 11);
    ScrollBack->setGeometry(12, 42, 124, 17);
    BackName = EtiquetteOptions(Frame1[1], "", 12, 62, 124, 36);
    BackName->setWordWrap(true);
    const int largeur = DispositionDuJeu().LargeurCarte, hauteur = DispositionDuJeu().HauteurCarte;
    BackChoose = new BoiteImage(Frame1[1], largeur, hauteur);
    BackChoose->move(142, 20);
    Label1[2] = EtiquetteOptions(Frame1[1], td::TypeDeCartes.anglais, 226, 22, 124, 18);
    ScrollGame = BarreDeChoix(Frame1[1], 2);
    ScrollGame->setGeometry(226, 42, 124, 17);
    GameName = EtiquetteOptions(Frame1[1], "", 226, 62, 124, 36);
    GameName->setWordWrap(true);
    GameChoose = new BoiteImage(Frame1[1], largeur, hauteur);
    GameChoose->move(356, 20);
    Label1[0] = EtiquetteOptions(Frame1[1], td::PremierJoueur.anglais, 12, 126, 140, 18);
    for (int i = 0; i < 3; ++i) {
        Option1[i] = new QRadioButton(Texte(td::ChoixPremier[i].anglais), Frame1[1]);
        Option1[i]->setGeometry(160, 124 + i * 24, 270, 22);
    }

    // Time: the three delays.
    Frame1[0] = new QGroupBox(Texte(td::CadreTemps.anglais), this);
    Frame1[0]->setGeometry(8, 218, 444, 104);
    std::array<QLineEdit**, 3> boites{&DelayCard, &DelayTurn, &DelayBill};
    const Reglages defaut;
    const std::array<QString, 3> defauts{QString::number(defaut.DelayCard),
                                         QString::number(defaut.DelayTurn),
                                         QString::number(defaut.DelayBill)};
    for (int i = 0; i < 3; ++i) {
        const int y = 24 + i * 26;
        Label3[i] = EtiquetteOptions(Frame1[0], td::Attentes[i].anglais, 12, y, 196, 20);
        *boites[i] = new QLineEdit(defauts[i], Frame1[0]);
        (*boites[i])->setGeometry(210, y - 1, 64, 22);
        Label4[i] = EtiquetteOptions(Frame1[0], td::UniteAttente, 282, y, 150, 20);
    }

    // Language stored for the next start.
    Frame1[2] = new QGroupBox(Texte(td::CadreLangage.anglais), this);
    Frame1[2]->setGeometry(8, 328, 444, 82);
    Lang[1] = new QRadioButton(Texte(td::Langues[1].anglais), Frame1[2]);
    Lang[1]->setGeometry(12, 20, 130, 22);
    Lang[0] = new QRadioButton(Texte(td::Langues[0].anglais), Frame1[2]);
    Lang[0]->setGeometry(160, 20, 130, 22);
    LangueInfo = EtiquetteOptions(Frame1[2], td::LangueInfo.anglais, 12, 42, 420, 36);
    LangueInfo->setWordWrap(true);

    OptSave = new QPushButton(Texte(td::OptSave.anglais), this);
    OptDef = new QPushButton(Texte(td::OptDef.anglais), this);
    OptCan = new QPushButton(Texte(td::OptCan.anglais), this);
    OK = new QPushButton(Texte(td::OptionsOK), this);
    const std::array<QPushButton*, 4> boutons{OptSave, OptDef, OptCan, OK};
    for (int i = 0; i < 4; ++i) boutons[i]->setGeometry(8 + i * 112, 418, 108, 28);
    // Enter presses OK, unless another button has the focus.
    OK->setDefault(true);

    // Every change enables Cancel again, which only Save disables.
    auto activeAnnuler = [this] { OptCan->setEnabled(true); };
    for (int i = 0; i < 3; ++i) {
        QLineEdit* boite = *boites[i];
        const QString defaut = defauts[i];
        // DelayCard_Change, DelayTurn_Change, DelayBill_Change
        connect(boite, &QLineEdit::textChanged, this, [boite, defaut, activeAnnuler](const QString& t) {
            if (!LitAttente(t)) boite->setText(defaut);
            activeAnnuler();
        });
    }
    for (QRadioButton* b : Option1)
        connect(b, &QRadioButton::toggled, this, [activeAnnuler](bool on) { if (on) activeAnnuler(); });
    for (QRadioButton* b : Lang)
        connect(b, &QRadioButton::toggled, this, [activeAnnuler](bool on) { if (on) activeAnnuler(); });
    connect(ScrollBack, &QScrollBar::valueChanged, this, [this] { ScrollBack_Change(); });
    connect(ScrollGame, &QScrollBar::valueChanged, this, [this] { ScrollGame_Change(); });
    connect(OK, &QPushButton::clicked, this, [this] { OK_Click(); });
    connect(OptSave, &QPushButton::clicked, this, [this] { OptSave_Click(); });
    connect(OptDef, &QPushButton::clicked, this, [this] { OptDef_Click(); });
    connect(OptCan, &QPushButton::clicked, this, [this] { reject(); });

    Form_Load(table);
}

void OptionsDorvane::Form_Load(QWidget* table) {
    const Reglages& r = EtatDuJeu().reglages;
    const bool fr = r.Francais();
    if (fr) {
        OptSave->setText(Texte(td::OptSave.francais));
        OptDef->setText(Texte(td::OptDef.francais));
        OptCan->setText(Texte(td::OptCan.francais));
        Label1[1]->setText(Texte(td::DosDesCartes.francais));
        Label1[2]->setText(Texte(td::TypeDeCartes.francais));
        Label1[0]->setText(Texte(td::PremierJoueur.francais));
        for (int i = 0; i < 3; ++i) Label3[i]->setText(Texte(td::Attentes[i].francais));
        Frame1[1]->setTitle(Texte(td::CadreJeu.francais));
        Frame1[0]->setTitle(Texte(td::CadreTemps.francais));
        Frame1[2]->setTitle(Texte(td::CadreLangage.francais));
        for (int i = 0; i < 3; ++i) Option1[i]->setText(Texte(td::ChoixPremier[i].francais));
        for (int i = 0; i < 2; ++i) Lang[i]->setText(Texte(td::Langues[i].francais));
        LangueInfo->setText(Texte(td::LangueInfo.francais));
    }
    CentreSurTable(this, table);

    // An out-of-range first player selects nothing; OK then reads "at random".
    if (r.PremierJoueur >= 0 && r.PremierJoueur <= 2) Option1[r.PremierJoueur]->setChecked(true);
    DelayCard->setText(QString::number(r.DelayCard));
    DelayTurn->setText(QString::number(r.DelayTurn));
    DelayBill->setText(QString::number(r.DelayBill));
    // The scroll bars keep an out-of-range value inside their range.
    ScrollBack->setValue(r.DosCarte);
    ScrollGame->setValue(r.TypeCartes);
    (fr ? Lang[0] : Lang[1])->setChecked(true);
    ScrollGame_Change();
    ScrollBack_Change();
}

void OptionsDorvane::ScrollBack_Change() {
    OptCan->setEnabled(true);
    const int v = ScrollBack->value();
    const int largeur = DispositionDuJeu().LargeurCarte, hauteur = DispositionDuJeu().HauteurCarte;
    BackName->setText(Texte(td::NomDos[v]));
    BackChoose->Efface();
    // the backs stand one pixel apart in their strip
    BackChoose->Copie(0, 0, MagasinImages::Instance().Image(u"DosCartes"),
                      QRect((v - 1) * (largeur + 1), 0, largeur, hauteur));
}

void OptionsDorvane::ScrollGame_Change() {
    OptCan->setEnabled(true);
    const int v = ScrollGame->value();
    GameName->setText(Texte(td::NomJeu[v]));
    // The face set changes at once for the whole run, even if the dialog is
    // then cancelled.
    ChoisitCartes(v);
    GameChoose->Efface();
    // the sample is the Queen of hearts: column 12, row 1
    const int largeur = DispositionDuJeu().LargeurCarte, hauteur = DispositionDuJeu().HauteurCarte;
    GameChoose->Copie(0, 0, Cartes(), QRect(11 * largeur, 0, largeur, hauteur));
}

void OptionsDorvane::Applique() {
    Reglages& r = EtatDuJeu().reglages;
    // The change handlers keep every box a valid number.
    const Reglages defaut;
    r.DelayCard = LitAttente(DelayCard->text()).value_or(defaut.DelayCard);
    r.DelayTurn = LitAttente(DelayTurn->text()).value_or(defaut.DelayTurn);
    r.DelayBill = LitAttente(DelayBill->text()).value_or(defaut.DelayBill);
    r.DosCarte = static_cast<int16_t>(ScrollBack->value());
    r.TypeCartes = static_cast<int16_t>(ScrollGame->value());
    r.PremierJoueur = Option1[0]->isChecked() ? 0 : Option1[1]->isChecked() ? 1 : 2;
}

void OptionsDorvane::OK_Click() {
    Applique();
    accept();
}

void OptionsDorvane::OptSave_Click() {
    const bool fr = EtatDuJeu().reglages.Francais();
    if (!BoiteMessage(this, Texte(td::SauverTitre.Dans(fr)), Texte(td::SauverQuestion.Dans(fr)),
                      BoutonsMessage::OuiNon))
        return;
    Applique();
    Etat& etat = EtatDuJeu();
    // The chosen language goes to the file only; the running one stays.
    const std::string enCours = etat.reglages.LangueChoisie;
    etat.reglages.LangueChoisie = Lang[0]->isChecked() ? "FR" : "UK";
    OptCan->setEnabled(false);
    const SauvegardeINI sauvegarde = SaveFichierINI(etat.reglages, etat.partie);
    etat.reglages.LangueChoisie = enCours;
    // The player asked for it: a save that did not happen is said on screen.
    if (!sauvegarde)
        BoiteMessage(this, Texte(td::SauverTitre.Dans(fr)),
                     TexteEchecSauvegarde(sauvegarde, etat.reglages, fr), BoutonsMessage::OK);
}

void OptionsDorvane::OptDef_Click() {
    const Reglages defaut;
    Option1[defaut.PremierJoueur]->setChecked(true);
    DelayCard->setText(QString::number(defaut.DelayCard));
    DelayTurn->setText(QString::number(defaut.DelayTurn));
    DelayBill->setText(QString::number(defaut.DelayBill));
    ScrollBack->setValue(defaut.DosCarte);
    ScrollGame->setValue(defaut.TypeCartes);
    ScrollGame_Change();
    ScrollBack_Change();
}

void MenuOptions_Click(QWidget* table) {
    OptionsDorvane dialogue(table);
    dialogue.exec();
}
