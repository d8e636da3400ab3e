// Money on the table: the captions, the two bill piles and the pot heap.
#include <QRect>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "common/disposition.h"
#include "common/etat.h"
#include "common/hasard.h"
#include "platform/raster.h"
#include "render/attendre.h"
#include "render/form1.h"

namespace {

// Highest level a pile can hold: one bill per $10 up to $1000.
constexpr int kNiveauMax = 1000;
constexpr int kBilletsMax = kNiveauMax / 10;

// What differs between the player's pile and the opponent's.
struct Pile {
    Picture* Form1::*fenetre;
    Picture* Form1::*barre;
    int Argent::*argent;
    int16_t Scene::*ancien;
    std::array<int16_t, kNiveauMax + 1> Scene::*niveaux;
    int16_t Disposition::*baseX;
    int16_t Disposition::*baseY;
    const char* bill;
    const char* billMask;
};

constexpr Pile kPilePlayer{&Form1::PileBilletsPlayer, &Form1::PlayerMoneyBar, &Argent::player,
                           &Scene::ArgentPlayer,      &Scene::PilesXPlayer,   &Disposition::PileXPlayer,
                           &Disposition::PileYPlayer, "BillPlayer",           "BillPlayerMask"};
constexpr Pile kPileCowboy{&Form1::PileBilletsCowboy, &Form1::CowboyMoneyBar, &Argent::cowboy,
                           &Scene::ArgentCowboy,      &Scene::PilesXCowboy,   &Disposition::PileXCowboy,
                           &Disposition::PileYCowboy, "BillCowboy",           "BillCowboyMask"};

// One step of a pile's sway: -1, 0 or +1 (1/4, 1/2, 1/4), two draws.
int TireBalancement() {
    const bool monte = Tirage(2) == 1;
    const int pas = Tirage(2);
    return monte ? pas : -pas;
}

// Amounts are whole dollars in the money's 16-bit range; anything else in
// the amount argument would only make the loops below run away.
int Montant(double n) {
    if (!std::isfinite(n)) return 0;
    return static_cast<int>(std::lround(std::clamp(n, -32768.0, 32767.0)));
}

int16_t En16(long long v) { return static_cast<int16_t>(std::clamp(v, -32768LL, 32767LL)); }

// Number of bills a pile of `montant` dollars shows, within the arrays.
int BilletsDe(long long montant) {
    return montant < 10 ? 0 : static_cast<int>(std::min<long long>(montant / 10, kBilletsMax));
}

// Drawing a pile: each bill two pixels above the one below it.
struct Dessin {
    Picture& fenetre;
    const QImage& image;
    const QImage& masque;
    const std::array<int16_t, kNiveauMax + 1>& niveaux;
    int base;  // the base line in the window

    QRect Rect(int niveau) const {
        const int y = static_cast<int>(std::nearbyint(base - niveau / 5.0));
        return {niveaux[niveau], y, masque.width(), masque.height()};
    }
    QRect Pose(int niveau) const {
        const QRect r = Rect(niveau);
        CopieMasquee(fenetre, r.x(), r.y(), r.width(), r.height(), image, masque);
        return r;
    }
};

// The rectangles under the bills a payment takes away, saved while the pile
// is drawn: taking a bill off is putting back what lay under it. Kept from
// call to call so that a payment allocates nothing.
QImage& Reserve(int largeur, int hauteur) {
    static QImage reserve;
    if (reserve.width() < largeur || reserve.height() < hauteur)
        reserve = QImage(std::max(largeur, reserve.width()), std::max(hauteur, reserve.height()),
                         QImage::Format_RGB32);
    return reserve;
}

void Paiement(Form1& f, const Pile& p, Dessin& d, long long ancien, int montant) {
    Etat& e = EtatDuJeu();
    e.argent.*p.argent = static_cast<int>(ancien - montant);
    f.MontreArgent();
    (f.*p.barre)->Refresh();

    const int pas = montant >= 10 ? montant / 10 : 0;
    if (pas == 0) return;
    const int16_t& delai = e.reglages.DelayBill;
    Picture& w = d.fenetre;
    const int dessus = BilletsDe(ancien - 10);
    const int reste = BilletsDe(ancien - 10LL * pas);
    const int hb = d.masque.height();
    QImage& reserve = Reserve(d.masque.width(), hb * std::max(1, dessus - reste));
    const auto place = [&](int b) { return (b - reste - 1) * hb; };

    // First step: the pile drawn afresh up to its new top, bottom bill at
    // its stored x.
    w.Clear();
    f.CopieTableSous(w);
    for (int b = 1; b <= dessus; ++b) {
        const QRect r = d.Rect(10 * b);
        if (b > reste) Copie(reserve, 0, place(b), r.width(), r.height(), w.Surface(), r.x(), r.y(),
                             OpRaster::SrcCopy);
        d.Pose(10 * b);
    }
    if (!w.Visible()) w.Show();
    w.Refresh();
    Attendre(delai);

    // Every further step takes the top bill off.
    int haut = dessus;
    for (int j = 2; j <= pas; ++j) {
        const int cible = BilletsDe(ancien - 10LL * j);
        QRect change;
        for (; haut > cible; --haut) {
            const QRect r = d.Rect(10 * haut);
            Copie(w.Surface(), r.x(), r.y(), r.width(), r.height(), reserve, 0, place(haut),
                  OpRaster::SrcCopy);
            change |= r;
        }
        if (!change.isEmpty()) w.repaint(change);
        Attendre(delai);
    }
}

void Gain(Form1& f, const Pile& p, Dessin& d, long long ancien, int montant) {
    Etat& e = EtatDuJeu();
    Disposition& disp = DispositionDuJeu();
    auto& niveaux = e.scene.*p.niveaux;
    Picture& w = d.fenetre;

    // Every gain is the pot going to this player.
    f.RecopieTable(*f.FenetrePot);
    e.argent.*p.argent = static_cast<int>(ancien + montant);
    f.MontreArgent();
    (f.*p.barre)->Refresh();

    // The bottom bill goes back to the base from the next redraw on.
    niveaux[0] = niveaux[10] = static_cast<int16_t>(disp.*p.baseX - w.Left());
    // Below the arrays (a negative amount), the walk starts from the base.
    int x = niveaux[std::clamp<long long>(ancien, 0, kNiveauMax)];
    long long i = ancien + 10;
    if (i < 0) i += (-i + 9) / 10 * 10;  // levels below 0 do not exist
    const long long fin = std::min<long long>(ancien + montant, kNiveauMax);
    if (i > fin) return;
    w.Refresh();
    for (; i <= fin; i += 10) {
        x += TireBalancement();
        niveaux[i] = static_cast<int16_t>(x);
        w.repaint(d.Pose(static_cast<int>(i)));
        Attendre(e.reglages.DelayBill);
    }
}

void AffBillets(Form1& f, const Pile& p, double NbBillARetirer, const std::string& PlusMoins) {
    Etat& e = EtatDuJeu();
    const long long ancien = e.argent.*p.argent;
    e.scene.*p.ancien = En16(ancien);
    Dessin d{*(f.*p.fenetre), ImageMagasin(p.bill), ImageMagasin(p.billMask), e.scene.*p.niveaux,
             DispositionDuJeu().*p.baseY - (f.*p.fenetre)->Top()};
    const int montant = Montant(NbBillARetirer);
    if (PlusMoins == "-")
        Paiement(f, p, d, ancien, montant);
    else
        Gain(f, p, d, ancien, montant);
}

// First hand of a game: the pile rebuilt from its base, one bill per $10.
void Construit(Form1& f, const Pile& p) {
    Etat& e = EtatDuJeu();
    Disposition& disp = DispositionDuJeu();
    Picture& w = *(f.*p.fenetre);
    auto& niveaux = e.scene.*p.niveaux;
    Dessin d{w, ImageMagasin(p.bill), ImageMagasin(p.billMask), niveaux, disp.*p.baseY - w.Top()};
    const int argent = e.argent.*p.argent;
    e.scene.*p.ancien = En16(argent);
    int x = disp.*p.baseX;
    for (int i = 10; i <= std::min(argent, kNiveauMax); i += 10) {
        x += TireBalancement();
        niveaux[i] = static_cast<int16_t>(x - w.Left());
        w.repaint(d.Pose(i));
        Attendre(e.reglages.DelayBill);
    }
}

const char* const kBillsPot[] = {"Bill1", "Bill2", "Bill3", "Bill4"};
const char* const kBillsPotMask[] = {"Bill1Mask", "Bill2Mask", "Bill3Mask", "Bill4Mask"};

}  // namespace

void Form1::MontreArgent() {
    const Argent& a = EtatDuJeu().argent;
    PlayerMoney.SetCaption(TexteArgent(a.player));
    CowboyMoney.SetCaption(TexteArgent(a.cowboy));
    Pot.SetCaption(TexteArgent(a.pot));
}

void Form1::AffBilletsPlayer(double NbBillARetirer, const std::string& PlusMoins) {
    AffBillets(*this, kPilePlayer, NbBillARetirer, PlusMoins);
}

void Form1::AffBilletsCowboy(double NbBillARetirer, const std::string& PlusMoins) {
    AffBillets(*this, kPileCowboy, NbBillARetirer, PlusMoins);
}

void Form1::ConstruitPiles() {
    Construit(*this, kPilePlayer);
    Construit(*this, kPileCowboy);
}

void Form1::AddBilletsPot(int16_t k) {
    Picture& pot = *FenetrePot;
    const int t = Tirage(4, 1);
    const int pasX = Tirage(10, 5);
    const int pasY = k > 5 ? Tirage(4, 1) : Tirage(4, 4);
    const QImage& image = ImageMagasin(kBillsPot[t - 1]);
    const QImage& masque = ImageMagasin(kBillsPotMask[t - 1]);
    const int libreL = pot.Width() - masque.width() - pasX * k;
    int libreH = pot.Height() - masque.height() - k * pasY;
    if (libreH < 0) libreH = 5;
    // A heap too wide for the window starts at its left edge.
    int x = libreL > 0 ? Tirage(libreL) : 0;
    int y = Tirage(libreH);
    for (int b = 1; b <= k; ++b) {
        CopieMasquee(pot, x, y, masque.width(), masque.height(), image, masque);
        pot.repaint(x, y, masque.width(), masque.height());
        x += static_cast<int>(pasX * Rnd());
        y += static_cast<int>(Rnd() * pasY);
    }
}

void Form1::CopieTableSous(Picture& w) { CopieTableSous(w, w.Width(), w.Height()); }

void Form1::CopieTableSous(Picture& w, int largeur, int hauteur) {
    Copie(w.Surface(), 0, 0, largeur, hauteur, Table->Surface(), w.Left(), w.Top(),
          OpRaster::SrcCopy);
}

void Form1::RecopieTable(Picture& w) {
    w.Hide();
    w.Clear();
    CopieTableSous(w);
    w.Show();
}
