#include "shell/intro.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "render/form1.h"
#include "common/etat.h"
#include "common/textes_shell.h"
#include "shell/centrage.h"
#include "shell/liens.h"

namespace {
constexpr int Largeur = 460;
constexpr int Hauteur = 410;
constexpr int TailleMedaillon = 65;
constexpr int TaillePicture1 = 128;
}  // namespace

QString TexteIntro(bool francais) {
    using namespace textes_shell;
    const QString saut = QStringLiteral("\n\n");
    return QString::fromUtf8(IntroParagraphe1.Dans(francais)) + saut +
           QString::fromUtf8(IntroParagraphe2.Dans(francais)) + saut +
           QString::fromUtf8(IntroParagraphe3.Dans(francais)) + saut +
           QString::fromUtf8(IntroParagraphe4.Dans(francais));
}

Intro::Intro(QWidget* table) : QDialog(table) {
    using namespace textes_shell;
    const bool francais = EtatDuJeu().reglages.Francais();
    setWindowTitle(QLatin1String(IntroTitre));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(Largeur, Hauteur);

    Picture1 = new QLabel(this);
    Picture1->setPixmap(QPixmap::fromImage(ImageMagasin("Picture1")));
    Picture1->setGeometry(12, 12, TaillePicture1, TaillePicture1);

    // the three portraits, evenly spaced beside the picture
    const int gauche = 12 + TaillePicture1;
    const int pas = (Largeur - gauche - 3 * TailleMedaillon) / 4;
    QLabel** portraits[3] = {&ChooseC, &ChooseM, &ChooseF};
    const char* noms[3] = {"CowMed1", "MexMed1", "FilleMed1"};
    for (int i = 0; i < 3; ++i) {
        *portraits[i] = new QLabel(this);
        (*portraits[i])->setPixmap(QPixmap::fromImage(ImageMagasin(noms[i])));
        (*portraits[i])->setGeometry(gauche + pas + i * (TailleMedaillon + pas), 44, TailleMedaillon,
                                     TailleMedaillon);
    }

    IntroText = new QLabel(TexteIntro(francais), this);
    IntroText->setWordWrap(true);
    IntroText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    IntroText->setGeometry(16, 152, Largeur - 32, 180);

    Mail = new QPushButton(QString::fromUtf8(IntroMail.Dans(francais)), this);
    Mail->setGeometry(16, 336, Largeur - 32, 28);
    Mail->setAutoDefault(false);
    Play = new QPushButton(QLatin1String(IntroPlay), this);
    Play->setGeometry((Largeur - 100) / 2, 372, 100, 28);
    Play->setDefault(true);

    connect(Mail, &QPushButton::clicked, this, &Intro::Mail_Click);
    connect(Play, &QPushButton::clicked, this, &Intro::Play_Click);

    CentreSurTable(this, table);
}

void Intro::Mail_Click() { ForFun_Click(); }

void Intro::Play_Click() { accept(); }
