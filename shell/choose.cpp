#include "shell/choose.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include <cmath>

#include "assets/magasin.h"
#include "common/durees.h"
#include "common/etat.h"
#include "common/hasard.h"
#include "common/personnages.h"
#include "common/textes_dialogues.h"
#include "platform/boite_message.h"
#include "shell/centrage.h"
#include "shell/dialogues_commun.h"
#include "shell/fichier_ini.h"

namespace td = textes_dialogues;

namespace {

constexpr int TaillePortrait = 65;
constexpr int LargeurPile = 56;
constexpr int HauteurPile = 92;

// The money option of a sum: 1 for $300, 2 for $400, 3 for $500; a sum the
// dialog does not offer selects the default sum's.
int IndexArgent(int argent) {
    if (argent != 300 && argent != 400 && argent != 500) argent = Reglages{}.ArgentDepart;
    return argent / 100 - 2;
}

const QImage& Image(const char* nom) { return MagasinImages::Instance().Image(QString::fromUtf8(nom)); }

void Portrait(BoiteImage* boite, const char* nom) {
    const QImage& img = Image(nom);
    boite->Efface();
    boite->Copie(0, 0, img, img.rect());
}

}  // namespace

Choose::Choose(QWidget* table) : QDialog(nullptr) {
    setWindowTitle(Texte(td::ChooseTitre.anglais));
    setFixedSize(480, 456);

    const std::array<BoiteImage**, 3> portraits{&ChooseC, &ChooseM, &ChooseF};
    for (int i = 0; i < 3; ++i) {
        *portraits[i] = new BoiteImage(this, TaillePortrait, TaillePortrait);
        (*portraits[i])->move(48 + i * 160, 12);
        ChooseOpp[i] = new QRadioButton(this);
        ChooseOpp[i]->setGeometry(48 + i * 160 + TaillePortrait / 2 - 8, 82, 22, 22);
    }

    const std::array<QSlider**, 4> curseurs{&SliderSkill, &SliderBluff, &SliderRisk, &SliderEmotion};
    for (int k = 0; k < 4; ++k) {
        Label1[k] = new QLabel(Texte(td::Qualites[k].anglais), this);
        Label1[k]->setGeometry(16, 118 + k * 34, 220, 22);
        *curseurs[k] = new QSlider(Qt::Horizontal, this);
        (*curseurs[k])->setGeometry(236, 116 + k * 34, 228, 26);
        (*curseurs[k])->setRange(0, 100);
        (*curseurs[k])->setTickPosition(QSlider::TicksBelow);
        (*curseurs[k])->setTickInterval(10);
    }

    Frame1 = new QGroupBox(this);
    Frame1->setGeometry(16, 252, 448, 154);
    for (int i = 1; i <= 3; ++i) {
        BillChoose[i] = new BoiteImage(Frame1, LargeurPile, HauteurPile);
        BillChoose[i]->move(44 + (i - 1) * 150, 16);
        OptionMoney[i] = new QRadioButton(Texte(td::Sommes[i - 1]), Frame1);
        OptionMoney[i]->setGeometry(40 + (i - 1) * 150, 118, 90, 24);
    }

    OK = new QPushButton(Texte(td::ChooseOK.anglais), this);
    Default = new QPushButton(Texte(td::ChooseDefaut.anglais), this);
    Cancel = new QPushButton(Texte(td::ChooseAnnuler.anglais), this);
    const std::array<QPushButton*, 3> boutons{OK, Default, Cancel};
    for (int i = 0; i < 3; ++i) boutons[i]->setGeometry(16 + i * 152, 418, 144, 28);
    // Enter presses OK, unless another button has the focus.
    OK->setDefault(true);

    Timer1 = new QTimer(this);
    Timer1->setInterval(kPasZoom);

    for (int i = 0; i < 3; ++i)
        connect(ChooseOpp[i], &QRadioButton::toggled, this, [this, i](bool on) { if (on) ChooseOpp_Click(i); });
    for (int k = 0; k < 4; ++k)
        connect(*curseurs[k], &QSlider::valueChanged, this, [this, k](int v) { Slider_Change(k, v); });
    for (int i = 1; i <= 3; ++i)
        connect(OptionMoney[i], &QRadioButton::toggled, this, [this, i](bool on) { if (on) OptionMoney_Click(i); });
    connect(OK, &QPushButton::clicked, this, [this] { OK_Click(); });
    connect(Default, &QPushButton::clicked, this, [this] { Default_Click(); });
    connect(Cancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    Form_Load(table);
    Timer1->start();
}

void Choose::Form_Load(QWidget* table) {
    const Etat& etat = EtatDuJeu();
    const Reglages& r = etat.reglages;
    AnimChoose = 100;
    AnimSens = true;
    if (r.Francais()) {
        setWindowTitle(Texte(td::ChooseTitre.francais));
        for (int k = 0; k < 4; ++k) Label1[k]->setText(Texte(td::Qualites[k].francais));
        OK->setText(Texte(td::ChooseOK.francais));
        Default->setText(Texte(td::ChooseDefaut.francais));
        Cancel->setText(Texte(td::ChooseAnnuler.francais));
    }
    CentreSurTable(this, table);

    // A character the training may not choose yet shows its locked portrait.
    const std::array<BoiteImage*, kNbPersos> portraits{ChooseC, ChooseM, ChooseF};
    for (int i = 0; i < kNbPersos; ++i) {
        const Medailles& med = FichePerso(i + 1)->medailles;
        Portrait(portraits[i], Deverrouille(i + 1, r.Progression) ? med.actuel : med.aVenir);
    }

    // During a tournament the live values are the opponent's: show the
    // training set-up put aside.
    const Partie& p = etat.partie;
    const bool tournoi = p.ModeTournoi;
    SliderSkill->setValue(tournoi ? p.SauveSkill : r.Skill);
    SliderEmotion->setValue(tournoi ? p.SauveEmotion : r.Emotion);
    SliderBluff->setValue(tournoi ? p.SauveBluff : r.Bluff);
    SliderRisk->setValue(tournoi ? p.SauveRisk : r.Risk);
    // The labels show their value from the first showing, even when a value
    // equals the slider's starting position.
    const std::array<QSlider*, 4> curseurs{SliderSkill, SliderBluff, SliderRisk, SliderEmotion};
    for (int k = 0; k < 4; ++k) Slider_Change(k, curseurs[k]->value());
    OptionMoney[IndexArgent(tournoi ? p.SauveArgent : r.ArgentDepart)]->setChecked(true);

    // A character number out of range selects the default one.
    const int choix = PersoValide(r.ChoixCowboy) ? r.ChoixCowboy : Reglages{}.ChoixCowboy;
    ChooseOpp[choix - 1]->setChecked(true);

    DessinePiles();
}

void Choose::DessinePiles() {
    const QImage& billet = Image("BillCowboy");
    const QImage& masque = Image("BillCowboyMask");
    const std::array<int, 4> dernier{0, 340, 380, 420};
    for (int pile = 1; pile <= 3; ++pile) {
        BoiteImage* boite = BillChoose[pile];
        const int h = boite->height();
        int x = 5;
        for (int i = 310; i <= dernier[pile]; i += 10) {
            // A sway of -1, 0 or +1 pixel: direction first, then the step.
            const int d = Tirage(2);
            if (d == 1)
                x += Tirage(2);
            else
                x -= Tirage(2);
            boite->CopieSprite(x, h - i / 5, billet, masque);
        }
    }
    Frame1->update();
}

void Choose::ChooseOpp_Click(int index) {
    const int16_t progression = EtatDuJeu().reglages.Progression;
    if (progression == ProgressionTous) {
        AnimChoose = 100;
        AnimSens = true;
        Portrait(ChooseC, FichePerso(PersoCowboyCowboy)->medailles.actuel);
        Portrait(ChooseM, FichePerso(PersoCowboyMexicain)->medailles.actuel);
        return;
    }
    if (Deverrouille(index + 1, progression)) return;
    ChooseOpp[0]->setChecked(true);
    const bool fr = EtatDuJeu().reglages.Francais();
    BoiteMessage(this, Texte(td::VerrouTitre.Dans(fr)), TexteAffiche(td::VerrouTexte.Dans(fr)),
                 BoutonsMessage::OK);
}

void Choose::Slider_Change(int k, int valeur) {
    if (tags_[k].isEmpty()) tags_[k] = Label1[k]->text();
    Label1[k]->setText(tags_[k] + " : " + QString::number(valeur) + "%");
}

void Choose::OptionMoney_Click(int index) {
    for (int i = 1; i <= 3; ++i) BillChoose[i]->Bordure(i == index);
}

void Choose::Default_Click() {
    const Reglages defaut;
    SliderSkill->setValue(defaut.Skill);
    SliderEmotion->setValue(defaut.Emotion);
    SliderBluff->setValue(defaut.Bluff);
    SliderRisk->setValue(defaut.Risk);
    OptionMoney[IndexArgent(defaut.ArgentDepart)]->setChecked(true);
    ChooseOpp[defaut.ChoixCowboy - 1]->setChecked(true);
}

void Choose::OK_Click() {
    Etat& etat = EtatDuJeu();
    Reglages& r = etat.reglages;
    r.Skill = SliderSkill->value();
    r.Emotion = SliderEmotion->value();
    r.Bluff = SliderBluff->value();
    r.Risk = static_cast<int16_t>(SliderRisk->value());
    r.ArgentDepart = OptionMoney[1]->isChecked() ? 300 : OptionMoney[3]->isChecked() ? 500 : 400;
    r.ChoixCowboy = ChooseOpp[1]->isChecked() ? 2 : ChooseOpp[2]->isChecked() ? 3 : 1;
    etat.partie.ModeTournoi = false;
    etat.partie.ReglagesSauves = false;
    SaveFichierINI(r, etat.partie);
    Timer1->stop();
    accept();
}

void Choose::reject() {
    EtatDuJeu().partie.ChoixAnnule = true;
    Timer1->stop();
    QDialog::reject();
}

void Choose::Timer1_Timer() {
    if (AnimChoose == 80) AnimSens = false;
    if (AnimChoose == 100) AnimSens = true;
    AnimChoose = static_cast<int16_t>(AnimChoose + (AnimSens ? -1 : 1));

    // The selected character's portrait, the last one's when none is.
    const std::array<BoiteImage*, kNbPersos> portraits{ChooseC, ChooseM, ChooseF};
    int i = 0;
    while (i < kNbPersos - 1 && !ChooseOpp[i]->isChecked()) ++i;
    BoiteImage* boite = portraits[i];
    const char* nom = FichePerso(i + 1)->medailles.actuel;
    const double w = boite->width();
    const double h = boite->height();
    const double lz = w * AnimChoose / 100;
    const double hz = h * AnimChoose / 100;
    const QRect cible(static_cast<int>(std::lrint((w - lz) / 2)), static_cast<int>(std::lrint((h - hz) / 2)),
                      static_cast<int>(std::lrint(lz)), static_cast<int>(std::lrint(hz)));
    boite->Efface();
    boite->Etire(cible, Image(nom), QRect(0, 0, boite->width(), boite->height()));
}

void MontreChoose(QWidget* table) {
    Choose dialogue(table);
    dialogue.exec();
}
