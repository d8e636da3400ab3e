#include "shell/aide.h"

#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>

#include <cmath>

#include "assets/magasin.h"
#include "common/etat.h"
#include "common/textes_dialogues.h"
#include "render/form1.h"
#include "shell/centrage.h"
#include "common/disposition.h"
#include "shell/dialogues_commun.h"
#include "platform/polices.h"

namespace td = textes_dialogues;

namespace {

// The window is designed wider and narrowed at load to 7770 twips of outer
// width, its borders included; its client area keeps the design's height.
constexpr int LargeurFenetre = 518;
constexpr int HauteurFenetre = 534;

QPointer<MonHelp> aideOuverte;


QLabel* EtiquetteAide(QWidget* parent, int pixels, bool gras, QColor couleur) {
    auto* e = new QLabel(parent);
    QFont police(Polices().sans);
    police.setPixelSize(pixels);
    police.setBold(gras);
    e->setFont(police);
    QPalette pal = e->palette();
    pal.setColor(QPalette::WindowText, couleur);
    e->setPalette(pal);
    e->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    e->setWordWrap(true);
    return e;
}

void Tapisse(BoiteImage* page) {
    const QImage& tapis = MagasinImages::Instance().Image(u"VertTable");
    for (int j = 0; j <= 4; ++j)
        for (int i = 0; i <= 4; ++i)
            page->Copie(i * tapis.width(), j * tapis.height(), tapis, tapis.rect());
}

}  // namespace

MonHelp::MonHelp(Form1* table) : QWidget(nullptr, Qt::Window), table_(table) {
    setAttribute(Qt::WA_DeleteOnClose);
    // the table alone keeps the run going
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(Texte(td::AideTitre.anglais));
    resize(752, HauteurFenetre);

    TabStrip1 = new QTabBar(this);
    TabStrip1->addTab(Texte(td::OngletBoutons.anglais));
    TabStrip1->addTab(Texte(td::OngletMains.anglais));
    TabStrip1->setExpanding(false);
    TabStrip1->setGeometry(3, 8, 506, 28);
    auto* cadre = new QWidget(this);
    cadre->setGeometry(3, 34, 506, 467);
    cadre->setAutoFillBackground(true);

    HelpButtons = new BoiteImage(this, 495, 449);
    HelpHands = new BoiteImage(this, 489, 449);
    const QColor jaune(255, 255, 0);
    for (int k = 0; k < 8; ++k) {
        HelpText2[k] = EtiquetteAide(HelpButtons, 11, false, Qt::black);
        HelpText[k] = EtiquetteAide(HelpButtons, 11, false, jaune);
    }
    for (int k = 0; k < 9; ++k) {
        NameHand[k] = EtiquetteAide(HelpHands, 11, true, jaune);
        HandText[k] = EtiquetteAide(HelpHands, 9, false, k % 2 == 0 ? QColor(192, 255, 192) : Qt::white);
    }

    OK = new QPushButton(Texte(td::AideOK), this);
    OK->setGeometry(3, 504, 505, 25);
    connect(OK, &QPushButton::clicked, this, [this] { close(); });
    connect(TabStrip1, &QTabBar::currentChanged, this, [this] { TabStrip1_Click(); });

    Form_Load(table);
    if (table) table->installEventFilter(this);
}

bool MonHelp::eventFilter(QObject* o, QEvent* e) {
    // The table is hidden when it closes, whether by Exit or by its close
    // box, and also when a close held by a running handler goes through.
    if (o == table_ && e->type() == QEvent::Hide && !e->spontaneous()) close();
    return QWidget::eventFilter(o, e);
}

void MonHelp::keyPressEvent(QKeyEvent* e) {
    // Outside a dialog no button is a default one: Enter is caught here,
    // wherever the focus is.
    if ((e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) || EstEntree(*e)) {
        e->accept();
        OK->click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void MonHelp::Form_Load(Form1* table) {
    const bool fr = EtatDuJeu().reglages.Francais();
    if (fr) {
        setWindowTitle(Texte(td::AideTitre.francais));
        TabStrip1->setTabText(0, Texte(td::OngletBoutons.francais));
        TabStrip1->setTabText(1, Texte(td::OngletMains.francais));
    }
    // Until the window is framed, its borders are taken as wide as the table's.
    const int bordsTable = table ? table->frameGeometry().width() - table->width() : 0;
    setFixedSize(LargeurFenetre - bordsTable, HauteurFenetre);
    PlaceSurTable(this, table);
    QuandCadreConnu(this, [this] {
        setFixedWidth(LargeurFenetre - (frameGeometry().width() - width()));
        PlaceSurTable(this, table_);
    });
    HelpButtons->move(12, 40);
    for (int k = 0; k < 8; ++k) HelpText[k]->setText(TexteAffiche(td::AideBoutons[k].Dans(fr)));

    // Heights of the button pictures: h of a round button, b and w of a board.
    const double h = 54, b = 25, w = 100;
    const std::array<int, 8> largeurs{321, 321, 321, 305, 329, 473, 481, 481};
    const std::array<int, 8> hauteurs{57, 57, 57, 57, 57, 57, 49, 41};
    for (int k = 0; k < 8; ++k) {
        double top;
        if (k <= 5) {
            top = 2 + k * (h + 8) + 0.4 * h - 5;
            if (k == 2 || k == 5) top -= 10;  // the three- and four-line texts
        } else {
            top = 10 + 6 * (h + 8) + (k - 6) * (b + 8) + 0.2 * b;
        }
        const int left = static_cast<int>(2 + w + 30);
        const int y = static_cast<int>(std::lround(top));
        HelpText[k]->setGeometry(left, y, largeurs[k], hauteurs[k]);
        HelpText2[k]->setText(HelpText[k]->text());
        HelpText2[k]->setGeometry(left + 2, y + 2, largeurs[k], hauteurs[k]);
        HelpText[k]->raise();
    }

    Tapisse(HelpButtons);
    if (table != nullptr) {
        // The pictures as the table holds them now: French ones once the
        // menus were put into French.
        struct Rangee {
            Picture* bouton;
            int left, top;
            QSize taille;
        };
        const int hb = table->BtnCallUp->Height();
        const std::array<Rangee, 8> rangees{{
            {table->BtnOKUp, 11, 2, table->BtnOKUp->size()},
            {table->BtnDrawUp, 11, 2 + 1 * (hb + 8), table->BtnDrawUp->size()},
            {table->BtnCallUp, 11, 2 + 2 * (hb + 8), table->BtnCallUp->size()},
            {table->BtnCheckUp, 11, 2 + 3 * (table->BtnCheckUp->Height() + 8), table->BtnCheckUp->size()},
            {table->BtnFoldUp, 11, 2 + 4 * (table->BtnFoldUp->Height() + 8), table->BtnFoldUp->size()},
            {table->BtnPassUp, 11, 2 + 5 * (table->BtnPassUp->Height() + 8), table->BtnPassUp->size()},
            // The boards take each other's size; both are 100 x 25.
            {table->BtnBet, 2, 6 * table->BtnPassUp->Height() + 58, table->BtnRaise->size()},
            {table->BtnRaise, 2, 6 * table->BtnPassUp->Height() + 66 + table->BtnBet->Height(),
             table->BtnBet->size()},
        }};
        for (const Rangee& r : rangees)
            HelpButtons->Copie(r.left, r.top, r.bouton->Surface(), QRect(QPoint(0, 0), r.taille));
    }

    const int largeur = DispositionDuJeu().LargeurCarte, hauteur = DispositionDuJeu().HauteurCarte;
    HelpHands->move(HelpButtons->pos());
    Tapisse(HelpHands);
    for (int k = 0; k < 9; ++k) {
        HandText[k]->setGeometry(largeur + 4 * 15 + 3, 16 + k * (hauteur / 3 + 17),
                                 HelpHands->width() - 134 - 4, 100);
        NameHand[k]->setGeometry(2, 3 + k * 49, HelpHands->width() - 4, 25);
    }
    // The examples always come from the "Typical" faces, whatever set is in use.
    const QImage& feuille = MagasinImages::Instance().Image(u"TabCartes");
    for (int k = 0; k < 9; ++k) {
        NameHand[k]->setText(TexteAffiche(td::NomsMains[k].Dans(fr)));
        HandText[k]->setText(TexteAffiche(td::TextesMains[k].Dans(fr)));
        for (int j = 0; j < 5; ++j) {
            const td::CarteExemple c = td::MainsExemples[k][j];
            HelpHands->Copie(15 * j, 17 + k * 49, feuille,
                             QRect((c.valeur - 1) * largeur, (c.couleur - 1) * hauteur, largeur, hauteur / 3));
        }
    }

    TabStrip1_Click();
}

void MonHelp::TabStrip1_Click() {
    const bool boutons = TabStrip1->currentIndex() == 0;
    HelpButtons->setVisible(boutons);
    HelpHands->setVisible(!boutons);
}

MonHelp* AideOuverte() { return aideOuverte.data(); }

void MenuHelp_Click(Form1* table) {
    if (aideOuverte) {
        aideOuverte->setWindowState(aideOuverte->windowState() & ~Qt::WindowMinimized);
        aideOuverte->show();
        aideOuverte->raise();
        aideOuverte->activateWindow();
        return;
    }
    aideOuverte = new MonHelp(table);
    aideOuverte->show();
}
