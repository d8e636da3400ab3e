#include "shell/langue.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "common/durees.h"
#include "common/textes_shell.h"
#include "shell/centrage.h"
#include "shell/image_cliquable.h"
#include "render/form1.h"

int16_t FrameDrapeau = 0;

namespace {
constexpr int LargeurDrapeau = 96;
constexpr int HauteurDrapeau = 64;
constexpr int Largeur = 320;
constexpr int Hauteur = 180;
}  // namespace

Langue::Langue(QWidget* table, Reglages& reglages) : QDialog(table), reglages_(reglages) {
    using namespace textes_shell;
    setWindowTitle(QLatin1String(LangueTitre));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(Largeur, Hauteur);

    const char* invites[2] = {ChoisirAnglais, ChoisirFrancais};
    for (int i = 0; i < 2; ++i) {
        Label1[i] = new QLabel(QString::fromUtf8(invites[i]), this);
        Label1[i]->setAlignment(Qt::AlignCenter);
        Label1[i]->setGeometry(10, 8 + 20 * i, Largeur - 20, 18);
    }

    for (int k = 0; k < int(ImageDrapeauUK.size()); ++k) {
        const std::string n = std::to_string(k);
        ImageDrapeauUK[k] = ImageMagasin(("ImageDrapeauUK" + n).c_str());
        ImageDrapeauFR[k] = ImageMagasin(("ImageDrapeauFR" + n).c_str());
    }
    DrapeauUK = new ImageCliquable(this);
    DrapeauUK->setImage(ImageDrapeauUK[0]);
    DrapeauUK->move(48, 56);
    DrapeauFR = new ImageCliquable(this);
    DrapeauFR->setImage(ImageDrapeauFR[0]);
    DrapeauFR->move(Largeur - 48 - LargeurDrapeau, 56);
    // Tab reaches the flags too; Enter or Space on one chooses it.
    for (ImageCliquable* d : {DrapeauUK, DrapeauFR}) d->setFocusPolicy(Qt::StrongFocus);

    Command1 = new QPushButton(QString::fromUtf8(BoutonAnglais), this);
    Command1->setGeometry(48, 134, LargeurDrapeau, 28);
    FR = new QPushButton(QString::fromUtf8(BoutonFrancais), this);
    FR->setGeometry(Largeur - 48 - LargeurDrapeau, 134, LargeurDrapeau, 28);
    // Enter on the focused button chooses its language, as Space does; the
    // dialog opens with the focus on the English button, not on a flag.
    Command1->setAutoDefault(true);
    FR->setAutoDefault(true);
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Langue::Command1_Click);
    connect(FR, &QPushButton::clicked, this, &Langue::FR_Click);
    connect(DrapeauUK, &ImageCliquable::clicked, this, &Langue::DrapeauUK_Click);
    connect(DrapeauFR, &ImageCliquable::clicked, this, &Langue::DrapeauFR_Click);

    Timer1 = new QTimer(this);
    Timer1->setInterval(kIntervalleDrapeaux);
    connect(Timer1, &QTimer::timeout, this, &Langue::Timer1_Timer);
    Timer1->start();

    CentreSurTable(this, table);
}

void Langue::Timer1_Timer() {
    DrapeauFR->setImage(ImageDrapeauFR[FrameDrapeau]);
    DrapeauUK->setImage(ImageDrapeauUK[FrameDrapeau]);
    FrameDrapeau = int16_t((FrameDrapeau + 1) % int(ImageDrapeauUK.size()));
}

void Langue::Command1_Click() {
    reglages_.LangueChoisie = "UK";
    accept();
}

void Langue::FR_Click() {
    reglages_.LangueChoisie = "FR";
    accept();
}
