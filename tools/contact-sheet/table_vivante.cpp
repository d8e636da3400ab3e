// Contact sheet of the living table, drawn by the table window's own
// operations: for each opponent, the table with both piles of $400 built by
// the sway rule, the pot heap after ten random calls, the hands and the
// player's cards, and under it the revealed board (which covers the heap in
// the game); then every frame its face timers paint, in place on its body,
// named by the face picture it shows.
// Writes <prefix>-table.png.
#include <QApplication>
#include <QPainter>

#include <cstdio>
#include <memory>
#include <vector>

#include "assets/inventaire.h"
#include "common/disposition.h"
#include "common/etat.h"
#include "common/hasard.h"
#include "common/personnages.h"
#include "render/form1.h"

namespace {

constexpr int kZoom = 2;
constexpr int kMarge = 24;  // table shown around the face window
const QColor kFondFeuille(0x50, 0x50, 0x58);

// Every surface the face window is painted with, in order.
class Pellicule : public QObject {
public:
    explicit Pellicule(Picture& w) : w_(w) { w.installEventFilter(this); }
    std::vector<QImage> images;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == &w_ && e->type() == QEvent::Paint &&
            (images.empty() || images.back() != w_.Surface()))
            images.push_back(w_.Surface().copy());
        return false;
    }

private:
    Picture& w_;
};

bool Noir(QRgb p) { return (p & 0xFFFFFF) == 0; }

// The face pictures that `apres` shows through their masks and that cover
// every pixel changed since `avant`: the frame just painted.
QString NomDuCadre(const QImage& avant, const QImage& apres) {
    QStringList noms;
    for (const EntreeInventaire& e : InventairePersonnages()) {
        if (e.genre != GenreImage::Cadre || QSize(e.largeur, e.hauteur) != apres.size()) continue;
        const QImage& img = ImageMagasin(e.nom);
        const QImage& m = ImageMagasin(e.masque);
        bool ok = true;
        for (int y = 0; ok && y < apres.height(); ++y)
            for (int x = 0; ok && x < apres.width(); ++x) {
                const bool dedans = Noir(m.pixel(x, y));
                const bool change = (avant.pixel(x, y) ^ apres.pixel(x, y)) & 0xFFFFFF;
                ok = dedans ? (apres.pixel(x, y) & 0xFFFFFF) == (img.pixel(x, y) & 0xFFFFFF)
                            : !change;
            }
        if (ok) noms << QString::fromLatin1(e.nom);
    }
    return noms.isEmpty() ? QStringLiteral("?") : noms.join(QLatin1Char('/'));
}

// A table of this opponent as the first hand of a game leaves it, with
// ten calls on the heap.
void PoseTable(Form1& f, int16_t perso) {
    Etat& e = EtatDuJeu();
    const Disposition& d = DispositionDuJeu();
    e.partie.PersoCowboy = perso;
    e.partie.ModeTournoi = true;
    const Personnage& fiche = *FichePerso(perso);
    const GeoPerso& geo = d.*fiche.geo;
    e.scene.CowboyX = geo.CorpsX;
    e.scene.CowboyY = geo.CorpsY;
    e.scene.PosMainsX = geo.MainsX;
    e.scene.PosMainsY = geo.MainsY;
    e.scene.PosVisageX = geo.VisageX;
    e.scene.PosVisageY = geo.VisageY;

    f.ArretTimers();
    f.CowboyGame->Hide();
    f.Table->Clear();
    f.PileBilletsPlayer->Clear();
    f.PileBilletsCowboy->Clear();
    f.AffBackground();
    f.AffCowboy();
    f.ArretTimers();  // the sheet paints the frames itself
    f.RecopieTable(*f.PileBilletsPlayer);
    f.RecopieTable(*f.PileBilletsCowboy);

    // Both piles of $400 from their base.
    e.argent = {400, 400, 0};
    for (int i = 1; i <= 1000; ++i) {
        e.scene.PilesXPlayer[i] = int16_t(d.PileXPlayer - f.PileBilletsPlayer->Left());
        e.scene.PilesXCowboy[i] = int16_t(d.PileXCowboy - f.PileBilletsCowboy->Left());
    }
    f.ConstruitPiles();

    // Ten calls of $10, $20 or $50 on the heap.
    f.RecopieTable(*f.FenetrePot);
    constexpr int kPlaques[] = {1, 2, 5};
    for (int k = 0; k < 10; ++k) {
        const int billets = kPlaques[Tirage(3)];
        e.argent.pot += 10 * billets;
        f.AddBilletsPot(int16_t(billets));
    }
    f.MontreArgent();
    for (Picture* b : {f.PlayerMoneyBar, f.CowboyMoneyBar, f.PotMoneyBar}) b->Show();

    // Hands holding five cards, the face window on the body.
    const QImage& mains = ImageMagasin("Mains");
    f.FenetreMains->Move(geo.MainsX, geo.MainsY, mains.width(), mains.height());
    f.AffMainsCartes(5);
    const QImage& visage = ImageMagasin(fiche.visage.taille);
    f.FenetreVisage->Move(geo.VisageX, geo.VisageY, visage.width(), visage.height());
    f.RecopieTable(*f.FenetreVisage);

    // The player's cards.
    const Carte joueur[] = {{12, 1}, {12, 4}, {9, 3}, {4, 2}, {2, 1}};
    for (int i = 0; i < 5; ++i) {
        f.PeintFace(*f.Cards[i], joueur[i].valeur, joueur[i].couleur);
        f.Cards[i]->Show();
    }
}

// Each timer of a character, ticked in this order: the idle ones twice
// where the second tick undoes the first, then the tells.
struct Coup {
    void (Form1::*tick)();
    int fois;
};
const std::vector<Coup> kCoups[] = {
    {{&Form1::TimerCligne_Timer, 2},
     {&Form1::TimerYeuxPlisses_Timer, 1},
     {&Form1::TimerCligne_Timer, 2},
     {&Form1::TimerDent_Timer, 2},
     {&Form1::TimerYeuxCarte_Timer, 1},
     {&Form1::TimerYeuxAnime_Timer, 1}},
    {{&Form1::TimerCligne_Timer, 2},
     {&Form1::TimerYeuxPlisses_Timer, 1},
     {&Form1::TimerCligne_Timer, 2},
     {&Form1::TimerMexCigare_Timer, 6},
     {&Form1::TimerMexGoutte_Timer, 5},
     {&Form1::TimerMexDent_Timer, 1}},
    {{&Form1::TimerCligne_Timer, 2},
     {&Form1::TimerYeuxPlisses_Timer, 1},
     {&Form1::TimerCligne_Timer, 2},
     {&Form1::TimerDent_Timer, 2},
     {&Form1::TimerFilleTicYeux_Timer, 1},
     {&Form1::TimerFilleTicBouche_Timer, 1}},
};

struct Vignette {
    QImage image;
    QString nom;
};

std::vector<Vignette> Visages(Form1& f, int16_t perso) {
    Picture& fenetre = *f.FenetreVisage;
    const QRect zone = fenetre.geometry().adjusted(-kMarge, -kMarge, kMarge, kMarge);
    const QImage corps = f.Table->grab(zone).toImage().convertToFormat(QImage::Format_RGB32);
    QApplication::processEvents();  // the face window on screen: its frames repaint it
    Pellicule film(fenetre);
    QImage avant = fenetre.Surface().copy();
    Scene& s = EtatDuJeu().scene;
    s.YeuxFermes = false;
    s.BoucheOuverte = true;
    s.FrameCigare = s.FrameGoutte = 0;
    for (const Coup& c : kCoups[perso - 1])
        for (int k = 0; k < c.fois; ++k) {
            (f.*c.tick)();
            f.ArretTimers();
        }
    std::vector<Vignette> vignettes;
    for (const QImage& img : film.images) {
        QImage v = corps.copy();
        QPainter p(&v);
        p.drawImage(kMarge, kMarge, img);
        p.end();
        vignettes.push_back({v, NomDuCadre(avant, img)});
        avant = img;
    }
    return vignettes;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QString prefixe = QStringLiteral("contact-sheet");
    for (const QString& a : app.arguments().mid(1))
        if (!a.startsWith(QStringLiteral("--"))) prefixe = a;

    HasardHorloge hasard(20261207);
    InstalleHasard(&hasard);
    Reglages& r = EtatDuJeu().reglages;
    r.DelayBill = r.DelayCard = r.DelayTurn = 0;

    Form1 f;
    f.CowboyGame->Move(73, 256);
    f.show();

    const Main reveles[] = {
        {{{1, 4}, {13, 1}, {10, 2}, {5, 3}, {1, 1}}},
        {{{11, 2}, {11, 3}, {7, 4}, {7, 1}, {3, 2}}},
        {{{2, 4}, {6, 4}, {9, 4}, {12, 4}, {13, 4}}},
    };
    std::vector<QImage> tables, plateaux;
    std::vector<std::vector<Vignette>> visages;
    for (int16_t perso = 1; perso <= 3; ++perso) {
        PoseTable(f, perso);
        tables.push_back(f.Table->grab().toImage());
        visages.push_back(Visages(f, perso));
        EtatDuJeu().donne.CartesCowboy = reveles[perso - 1];
        f.MontreCartesCowboy();
        plateaux.push_back(f.Table->grab(f.CowboyGame->geometry()).toImage());
    }

    // Layout: the three tables side by side, then one row of faces per
    // character, zoomed, each with its name.
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(11);
    const int largeur = 3 * 670 + 4 * 10, legende = 16;
    const int hauteurPlateau = plateaux.front().height();
    int hauteur = 10 + 510 + 10 + hauteurPlateau + 10;
    std::vector<int> hauteursRangs;
    for (const auto& rang : visages) {
        const QSize t = rang.front().image.size() * kZoom;
        const int parLigne = std::max(1, (largeur - 10) / (t.width() + 10));
        const int lignes = int((rang.size() + parLigne - 1) / parLigne);
        hauteursRangs.push_back(lignes * (t.height() + legende + 10) + 20);
        hauteur += hauteursRangs.back();
    }
    QImage feuille(largeur, hauteur, QImage::Format_RGB32);
    feuille.fill(kFondFeuille);
    QPainter p(&feuille);
    p.setFont(police);
    p.setPen(Qt::white);
    for (int i = 0; i < 3; ++i) {
        p.drawImage(10 + i * 680, 10, tables[i]);
        p.drawImage(10 + i * 680 + (670 - plateaux[i].width()) / 2, 10 + 510 + 10, plateaux[i]);
    }
    int y = 10 + 510 + 10 + hauteurPlateau + 10;
    for (size_t k = 0; k < visages.size(); ++k) {
        const auto& rang = visages[k];
        const QSize t = rang.front().image.size() * kZoom;
        const int parLigne = std::max(1, (largeur - 10) / (t.width() + 10));
        for (size_t i = 0; i < rang.size(); ++i) {
            const int x = 10 + int(i % parLigne) * (t.width() + 10);
            const int yy = y + 10 + int(i / parLigne) * (t.height() + legende + 10);
            p.drawImage(QRect(QPoint(x, yy), t), rang[i].image);
            p.drawText(x, yy + t.height() + 12, QStringLiteral("%1 %2").arg(i + 1).arg(rang[i].nom));
        }
        y += hauteursRangs[k];
    }
    p.end();
    InstalleHasard(nullptr);
    const QString fichier = prefixe + QStringLiteral("-table.png");
    const bool ok = feuille.save(fichier);
    std::printf("%s\n", qPrintable(fichier));
    return ok ? 0 : 1;
}
