// Money on the table: the captions, the two bill piles and the pot heap.
//
// A window is refreshed by update(): it is painted at the next pass of
// events, the first moment anyone can see it. Each bill's wait pumps events,
// so with a delay every bill is seen; with none, one pass paints them all.
// The money panels are not refreshed here: their own picture never changes,
// and a caption repaints itself when its text does.
#include <QRect>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

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
    int Argent::*argent;
    int16_t Scene::*ancien;
    std::array<int16_t, kNiveauMax + 1> Scene::*niveaux;
    int16_t Disposition::*baseX;
    int16_t Disposition::*baseY;
    const char* bill;
    const char* billMask;
};

constexpr Pile kPilePlayer{&Form1::PileBilletsPlayer,
                           &Argent::player,           &Scene::ArgentPlayer,
                           &Scene::PilesXPlayer,      &Disposition::PileXPlayer,
                           &Disposition::PileYPlayer, "BillPlayer",
                           "BillPlayerMask"};
constexpr Pile kPileCowboy{&Form1::PileBilletsCowboy,
                           &Argent::cowboy,           &Scene::ArgentCowboy,
                           &Scene::PilesXCowboy,      &Disposition::PileXCowboy,
                           &Disposition::PileYCowboy, "BillCowboy",
                           "BillCowboyMask"};

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

// What a pile window shows, remembered from one call to the next: which
// bills, at which x, and what lay under each of them, so that taking a bill
// off is putting back the block under it rather than drawing the whole pile
// again. The keys of both images tell whether anything else has drawn into
// the window or the table since (any write to a QImage changes its key).
struct Memoire {
    qint64 clePile = 0, cleTable = 0;
    QPoint place;
    int haut = -1;  // bills shown, levels 10 to 10 * haut; -1: not known
    std::array<int16_t, kBilletsMax + 1> x{};  // x of bill b as it was drawn
    QImage dessous;  // rows (b - 1) * height of a bill: what lay under bill b
};

Memoire& MemoireDe(const Pile& p) {
    static Memoire memoires[2];
    return memoires[&p == &kPilePlayer ? 0 : 1];
}

// Drawing one pile: each bill two pixels above the one below it.
class DessinPile {
public:
    DessinPile(Form1& f, const Pile& p)
        : f_(f),
          w_(*(f.*p.fenetre)),
          image_(ImageMagasin(p.bill)),
          masque_(ImageMagasin(p.billMask)),
          niveaux_(EtatDuJeu().scene.*p.niveaux),
          base_(DispositionDuJeu().*p.baseY - w_.Top()),
          m_(MemoireDe(p)) {
        if (m_.dessous.width() < masque_.width() || m_.dessous.height() < Hauteur() * kBilletsMax)
            m_.dessous = QImage(masque_.width(), Hauteur() * kBilletsMax, QImage::Format_RGB32);
    }

    Picture& Fenetre() { return w_; }

    // The window made to show the table and bills 1..n at their stored x;
    // returns the part that changed.
    QRect Montre(int n) {
        QRect change;
        if (!Connue(n)) {
            w_.Clear();
            f_.CopieTableSous(w_);
            m_.haut = 0;
            change = w_.rect();
        }
        for (; m_.haut > n; --m_.haut) {
            const QRect r = Rect(m_.haut * 10, m_.x[m_.haut]);
            Copie(w_.Surface(), r.x(), r.y(), r.width(), r.height(), m_.dessous, 0,
                  Case(m_.haut), OpRaster::SrcCopy);
            change |= r;
        }
        while (m_.haut < n) change |= Pose(++m_.haut);
        Scelle();
        return change;
    }

    // The bill of a level drawn over whatever the window shows.
    QRect Ajoute(int niveau) {
        if (niveau == 10 * (m_.haut + 1) && Connue(m_.haut)) {
            const QRect r = Pose(++m_.haut);
            Scelle();
            return r;
        }
        m_.haut = -1;
        const QRect r = Rect(niveau, niveaux_[niveau]);
        CopieMasquee(w_, r.x(), r.y(), r.width(), r.height(), image_, masque_);
        return r;
    }

    // Before a pile is built: a window that shows just the table is an
    // empty pile.
    void ReconnaitVide() {
        if (m_.haut >= 0 && Connue(0)) return;
        const QImage& t = f_.Table->Surface();
        const QImage& s = w_.Surface();
        const QRect sous = w_.geometry();
        if (!t.rect().contains(sous) || s.size() != sous.size()) return;
        for (int y = 0; y < s.height(); ++y)
            if (std::memcmp(s.constScanLine(y),
                            t.constScanLine(sous.y() + y) + sous.x() * sizeof(QRgb),
                            size_t(s.width()) * sizeof(QRgb)) != 0)
                return;
        m_.haut = 0;
        Scelle();
    }

private:
    int Hauteur() const { return masque_.height(); }
    int Case(int b) const { return (b - 1) * Hauteur(); }

    QRect Rect(int niveau, int x) const {
        const int y = static_cast<int>(std::nearbyint(base_ - niveau / 5.0));
        return {x, y, masque_.width(), masque_.height()};
    }

    // Bill b drawn at its level's stored x, what lay under it kept first.
    QRect Pose(int b) {
        const int x = niveaux_[10 * b];
        const QRect r = Rect(10 * b, x);
        Copie(m_.dessous, 0, Case(b), r.width(), r.height(), w_.Surface(), r.x(), r.y(),
              OpRaster::SrcCopy);
        CopieMasquee(w_, r.x(), r.y(), r.width(), r.height(), image_, masque_);
        m_.x[b] = static_cast<int16_t>(x);
        return r;
    }

    // Whether the window still shows what was remembered, with the bills
    // 1..n (those that stay) at the x the levels hold now.
    bool Connue(int n) const {
        if (m_.haut < 0 || m_.clePile != w_.Surface().cacheKey() ||
            m_.cleTable != f_.Table->Surface().cacheKey() || m_.place != w_.pos())
            return false;
        for (int b = 1; b <= std::min(n, m_.haut); ++b)
            if (m_.x[b] != niveaux_[10 * b]) return false;
        return true;
    }

    void Scelle() {
        m_.clePile = w_.Surface().cacheKey();
        m_.cleTable = f_.Table->Surface().cacheKey();
        m_.place = w_.pos();
    }

    Form1& f_;
    Picture& w_;
    const QImage& image_;
    const QImage& masque_;
    std::array<int16_t, kNiveauMax + 1>& niveaux_;
    int base_;  // the base line in the window
    Memoire& m_;
};

void Paiement(Form1& f, const Pile& p, long long ancien, int montant) {
    Etat& e = EtatDuJeu();
    e.argent.*p.argent = static_cast<int>(ancien - montant);
    f.MontreArgent();

    // One step per $10: the pile redrawn up to its new top each time.
    const int pas = montant >= 10 ? montant / 10 : 0;
    if (pas == 0) return;
    DessinPile d(f, p);
    Picture& w = d.Fenetre();
    for (int j = 1; j <= pas; ++j) {
        const QRect change = d.Montre(BilletsDe(ancien - 10LL * j));
        if (!w.Visible()) w.Show();
        if (!change.isEmpty()) w.Rafraichit(change);
        Attendre(Delai::Bill);
    }
}

void Gain(Form1& f, const Pile& p, long long ancien, int montant) {
    Etat& e = EtatDuJeu();
    auto& niveaux = e.scene.*p.niveaux;

    // Every gain is the pot going to this player.
    f.RecopieTable(*f.FenetrePot);
    e.argent.*p.argent = static_cast<int>(ancien + montant);
    f.MontreArgent();

    DessinPile d(f, p);
    Picture& w = d.Fenetre();
    // The bottom bill goes back to the base from the next redraw on.
    niveaux[0] = niveaux[10] = static_cast<int16_t>(DispositionDuJeu().*p.baseX - w.Left());
    // Below the arrays (a negative amount), the walk starts from the base.
    int x = niveaux[std::clamp<long long>(ancien, 0, kNiveauMax)];
    long long i = ancien + 10;
    if (i < 0) i += (-i + 9) / 10 * 10;  // levels below 0 do not exist
    const long long fin = std::min<long long>(ancien + montant, kNiveauMax);
    if (i > fin) return;
    for (; i <= fin; i += 10) {
        x += TireBalancement();
        niveaux[i] = static_cast<int16_t>(x);
        w.Rafraichit(d.Ajoute(static_cast<int>(i)));
        Attendre(Delai::Bill);
    }
}

void AffBillets(Form1& f, const Pile& p, double NbBillARetirer, const std::string& PlusMoins) {
    Etat& e = EtatDuJeu();
    const long long ancien = e.argent.*p.argent;
    e.scene.*p.ancien = En16(ancien);
    const int montant = Montant(NbBillARetirer);
    if (PlusMoins == "-")
        Paiement(f, p, ancien, montant);
    else
        Gain(f, p, ancien, montant);
}

// First hand of a game: the pile rebuilt from its base, one bill per $10.
void Construit(Form1& f, const Pile& p) {
    Etat& e = EtatDuJeu();
    Disposition& disp = DispositionDuJeu();
    DessinPile d(f, p);
    Picture& w = d.Fenetre();
    auto& niveaux = e.scene.*p.niveaux;
    const int argent = e.argent.*p.argent;
    e.scene.*p.ancien = En16(argent);
    d.ReconnaitVide();
    int x = disp.*p.baseX;
    for (int i = 10; i <= std::min(argent, kNiveauMax); i += 10) {
        x += TireBalancement();
        niveaux[i] = static_cast<int16_t>(x - w.Left());
        w.Rafraichit(d.Ajoute(i));
        Attendre(Delai::Bill);
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
        pot.Rafraichit({x, y, masque.width(), masque.height()});
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
    w.Clear();
    CopieTableSous(w);
    MontreRedessinee(w);
}

void Form1::MontreRedessinee(Picture& w) {
    // Hiding it for the redrawing and showing it again with no pass of
    // events between shows nobody anything; it would only make Qt work out
    // again which controls cover which.
    if (w.Visible())
        w.update();
    else
        w.Show();
}
