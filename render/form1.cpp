#include "render/form1.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

#include "assets/magasin.h"
#include "common/disposition.h"

const QImage& ImageMagasin(const char* nom) {
    return MagasinImages::Instance().Image(QString::fromLatin1(nom));
}

namespace {

// A cover with its alpha, rebuilt from the store's picture and mask: colour
// where the mask is black, transparent where it is white.
QImage ImageCouverture(const char* nom, int largeur, int hauteur) {
    const MagasinImages& m = MagasinImages::Instance();
    const QString n = QString::fromLatin1(nom);
    QImage alpha(largeur, hauteur, QImage::Format_ARGB32);
    const QImage& img = m.Image(n);
    const QImage& masque = m.Image(n + QStringLiteral("Mask"));
    for (int y = 0; y < hauteur; ++y) {
        const QRgb* i = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        const QRgb* k = reinterpret_cast<const QRgb*>(masque.constScanLine(y));
        QRgb* a = reinterpret_cast<QRgb*>(alpha.scanLine(y));
        for (int x = 0; x < largeur; ++x) a[x] = (k[x] & 0xFFFFFF) == 0 ? (i[x] | 0xFF000000u) : 0u;
    }
    return alpha;
}

}  // namespace

Form1::Form1() {
    setWindowTitle(QStringLiteral("Quarvelin"));
    // The window's 32 x 32 icon: the cowboy's portrait, the face of the game.
    setWindowIcon(QPixmap::fromImage(
        ImageMagasin("CowMed2").scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));

    // The visible client area; the design extends to 1016 x 722, so the
    // stores of the design would lie outside it, unseen.
    Table = new Picture(nullptr, 0, 0, 670, 510, ImageMagasin("BackGround"));
    Table->setFixedSize(670, 510);
    setCentralWidget(Table);
    QWidget* t = Table;

    auto image = [t](int l, int h0, int w, int h, const char* nom, bool visible) {
        auto* p = new Picture(t, l, h0, w, h, nom ? ImageMagasin(nom) : QImage());
        p->setVisible(visible);
        return p;
    };

    // Surfaces lying on the table, under everything else.
    PileBilletsPlayer = image(15, 136, 69, 321, nullptr, false);
    PileBilletsCowboy = image(108, 50, 81, 281, nullptr, false);
    FenetrePot = image(183, 312, 268, 69, nullptr, false);
    FenetreMains = image(264, 168, 129, 81, nullptr, false);
    FenetreVisage = image(308, 107, 55, 49, nullptr, false);

    Card1 = image(87, 393, 71, 96, nullptr, false);
    Card2 = image(159, 393, 71, 96, nullptr, false);
    Card3 = image(231, 393, 71, 96, nullptr, false);
    Card4 = image(303, 393, 71, 96, nullptr, false);
    Card5 = image(375, 393, 71, 96, nullptr, false);
    Cards = {Card1, Card2, Card3, Card4, Card5};
    CowboyGame = image(-352, 664, 387, 124, "CowboyGame", false);

    // Money panels: the shadow label first, so that it lies behind. Each
    // text is centred in its label: the labels of a pair differ in place
    // and width so that their middles are 2 pixels apart across and down,
    // which puts the shadow there whatever the amount's width.
    auto paire = [](Picture* barre, QRect jaune, QRect noir, const QString& texte) {
        auto* n = new Etiquette(barre, noir.x(), noir.y(), noir.width(), noir.height(), texte,
                                Qt::black);
        auto* j = new Etiquette(barre, jaune.x(), jaune.y(), jaune.width(), jaune.height(),
                                texte, kJaune);
        for (Etiquette* e : {n, j}) e->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        return std::pair{j, n};
    };
    PlayerMoneyBar = image(24, 458, 55, 29, "PlayerMoneyBar", false);
    auto [pm0, pm1] = paire(PlayerMoneyBar, {0, 4, 52, 17}, {5, 6, 46, 17}, "$300");
    PlayerMoney = PaireEtiquettes(pm0, pm1);
    CowboyMoneyBar = image(118, 331, 55, 29, "CowboyMoneyBar", false);
    auto [cm0, cm1] = paire(CowboyMoneyBar, {1, 4, 50, 17}, {3, 6, 50, 17}, "$300");
    CowboyMoney = PaireEtiquettes(cm0, cm1);
    PotMoneyBar = image(470, 328, 62, 47, "PotMoneyBar", false);
    // "Pot" has its indices the other way round: 1 yellow, 0 black.
    auto [tp1, tp0] = paire(PotMoneyBar, {0, 4, 61, 17}, {2, 6, 61, 17}, "Pot");
    TextPot = PaireEtiquettes(tp0, tp1);
    auto [p0, p1] = paire(PotMoneyBar, {0, 20, 60, 17}, {1, 22, 62, 17}, "$10");
    Pot = PaireEtiquettes(p0, p1);

    // The piles and the money panels are painted a piece at a time (a bill,
    // a caption) and stay shown all game. Left out of the controls that
    // hide the table, they make the region of those, which Qt works out
    // again at nearly every pass once any control is shown or hidden, a
    // third as complex (35 rectangles instead of 93); what it costs is the
    // table painted under each piece before the piece.
    for (Picture* p : {PileBilletsPlayer, PileBilletsCowboy, PlayerMoneyBar, CowboyMoneyBar, PotMoneyBar})
        p->SetOpaque(false);

    // Action buttons, each with its cover laid over the Up picture.
    auto couverture = [](Picture* bouton, int l, int h0, int w, int h, const char* nom) {
        auto* c = new Picture(bouton, l, h0, w, h);
        c->SetPictureAlpha(ImageCouverture(nom, w, h));
        return c;
    };
    auto bouton = [&](Picture*& up, Picture*& down, Picture*& trame, int y, const char* nomUp,
                      const char* nomDown, const char* nomTrame) {
        down = image(672, y, 77, 50, nomDown, false);
        up = image(760, y, 79, 54, nomUp, true);
        trame = couverture(up, 0, 0, 80, 54, nomTrame);
    };
    bouton(BtnDrawUp, BtnDrawDown, TrameDraw, 0, "BtnDrawUp", "BtnDrawDown", "TrameDraw");
    bouton(BtnCallUp, BtnCallDown, TrameCall, 56, "BtnCallUp", "BtnCallDown", "TrameCall");
    bouton(BtnFoldUp, BtnFoldDown, TrameFold, 112, "BtnFoldUp", "BtnFoldDown", "TrameFold");
    bouton(BtnCheckUp, BtnCheckDown, TrameCheck, 168, "BtnCheckUp", "BtnCheckDown",
           "TrameCheck");
    bouton(BtnPassUp, BtnPassDown, TramePass, 224, "BtnPassUp", "BtnPassDown", "TramePass");
    bouton(BtnOKUp, BtnOKDown, TrameOK, 280, "BtnOKUp", "BtnOKDown", "TrameOK");

    BtnBill50Down = image(680, 512, 37, 88, "BtnBill50Down", false);
    BtnBill20Down = image(720, 512, 30, 88, "BtnBill20Down", false);
    BtnBill10Down = image(752, 512, 33, 88, "BtnBill10Down", false);
    BtnBill50Up = image(680, 416, 37, 88, "BtnBill50Up", true);
    BtnBill20Up = image(720, 416, 30, 88, "BtnBill20Up", true);
    BtnBill10Up = image(752, 416, 33, 88, "BtnBill10Up", true);
    BtnBet = image(680, 376, 100, 25, "BtnBet", true);
    BtnRaise = image(736, 384, 100, 25, "BtnRaise", false);
    TramePlaque.Pose(0, couverture(BtnBill50Up, 0, -8, 100, 112, "TramePlaque"));
    TramePlaque.Pose(1, couverture(BtnBill20Up, 0, 0, 100, 112, "TramePlaque"));
    TramePlaque.Pose(2, couverture(BtnBill10Up, 0, 0, 100, 112, "TramePlaque"));
    TramePlaque.Pose(6, couverture(BtnBet, 0, 0, 100, 112, "TramePlaque"));
    TramePlaque.Pose(7, couverture(BtnRaise, 0, 0, 100, 112, "TramePlaque"));

    // Speech bubble.
    Bobble = image(680, 336, BobbleLargeur, BobbleHauteur, "Bobble", false);
    Say = new Etiquette(Bobble, SayX, SayY, SayLargeur, SayHauteur,
                        QStringLiteral("J'ai perdu la partie !"), Qt::black, false);
    // A J's hook reaches a pixel left of where its text starts: 3 px keep
    // it whole and clear of the bubble's rim.
    Say->setContentsMargins(3, 0, 0, 0);

    // Frame of the player's cards, yellow.
    Line1.Pose(0, new Ligne(t, 120, 528, 120, 576, kJaune));
    Line1.Pose(1, new Ligne(t, 136, 528, 136, 568, kJaune));
    Line1.Pose(2, new Ligne(t, 120, 584, 152, 584, kJaune));
    for (int i = 0; i < 3; ++i) Line1[i].hide();

    // Face timers.
    TimersVisage = {};
    for (auto*& m : TimersVisage) m = new Minuterie(this);
    using M = MinuterieVisage;
    TimerCligne = &Timer(M::Cligne);
    TimerDent = &Timer(M::Dent);
    TimerYeuxPlisses = &Timer(M::YeuxPlisses);
    TimerYeuxCarte = &Timer(M::YeuxCarte);
    TimerYeuxAnime = &Timer(M::YeuxAnime);
    TimerMexCigare = &Timer(M::MexCigare);
    TimerMexDent = &Timer(M::MexDent);
    TimerMexGoutte = &Timer(M::MexGoutte);
    TimerFilleTicBouche = &Timer(M::FilleTicBouche);
    TimerFilleTicYeux = &Timer(M::FilleTicYeux);
    ConnecteVisage();

    // Menus, English design captions.
    QMenuBar* barre = menuBar();
    QMenu* jeu = barre->addMenu(QStringLiteral("Game"));
    MenuGame = jeu->menuAction();
    QMenu* nouveau = jeu->addMenu(QStringLiteral("New Game"));
    MenuNewGame = nouveau->menuAction();
    MenuEnter = nouveau->addAction(QStringLiteral("Entertainement"));
    MenuEnter->setShortcut(QKeySequence(Qt::Key_F2));
    QMenu* tournoi = nouveau->addMenu(QStringLiteral("Tournament"));
    MenuTourna = tournoi->menuAction();
    TournEasy = tournoi->addAction(QStringLiteral("Easy ($300)"));
    TournMed = tournoi->addAction(QStringLiteral("Medium ($400)"));
    TournHard = tournoi->addAction(QStringLiteral("Hard ($500)"));
    MenuOptions = jeu->addAction(QStringLiteral("Options..."));
    MenuExit = jeu->addAction(QStringLiteral("Exit"));
    QMenu* autre = barre->addMenu(QStringLiteral("Help"));
    MenuAutre = autre->menuAction();
    MenuHelp = autre->addAction(QStringLiteral("Contents"));
    MenuHelp->setShortcut(QKeySequence(Qt::Key_F1));
    Tiret1 = autre->addSeparator();
    MenuSite = autre->addAction(QStringLiteral("Site Homepage"));
    QMenu* contact = autre->addMenu(QStringLiteral("E-Mail us !"));
    MenuContact = contact->menuAction();
    ForHelp = contact->addAction(QStringLiteral("For Help"));
    ForFun = contact->addAction(QStringLiteral("For Any Comments"));
    Tiret2 = autre->addSeparator();
    MenuAbout = autre->addAction(QStringLiteral("About..."));

    // Fixed size: the table plus the menu bar, whatever the fonts.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Form1::SurClic(QAction* item, std::function<void()> handler, Acces acces) {
    connect(item, &QAction::triggered, this,
            [item, handler = std::move(handler), acces] { Execute(item, acces, handler); });
}

void Form1::closeEvent(QCloseEvent* e) {
    FenetreTable::closeEvent(e);
    if (e->isAccepted())
        for (Minuterie* m : TimersVisage) m->SetEnabled(false);
}

// Only the interval: the timers stay enabled, as the showdown leaves them.
void Form1::ArreteYeuxAnime() { TimerYeuxAnime->SetInterval(0); }
void Form1::ArreteYeuxCarte() { TimerYeuxCarte->SetInterval(0); }
