#include "table/offre.h"

#include <set>

#include "common/etat.h"
#include "render/form1.h"
#include "rules/plaques.h"

Picture& BoutonUp(Form1& f, BoutonTable b) {
    switch (b) {
    case BoutonTable::Check: return *f.BtnCheckUp;
    case BoutonTable::Call: return *f.BtnCallUp;
    case BoutonTable::Pass: return *f.BtnPassUp;
    case BoutonTable::Fold: return *f.BtnFoldUp;
    case BoutonTable::OK: return *f.BtnOKUp;
    case BoutonTable::Draw: return *f.BtnDrawUp;
    case BoutonTable::Bill50: return *f.BtnBill50Up;
    case BoutonTable::Bill20: return *f.BtnBill20Up;
    case BoutonTable::Bill10: break;
    }
    return *f.BtnBill10Up;
}

namespace {

// What a click at the centre of `w` would reach.
bool Atteint(Form1& f, Picture& w) {
    return w.isVisibleTo(f.Table) && f.Table->childAt(w.geometry().center()) == &w;
}

// Whether a control is shown (its own flag and its parents').
bool Vu(Form1& f, const QWidget& w) { return w.isVisibleTo(f.Table); }

using B = BoutonTable;
constexpr B kPlaques[] = {B::Bill50, B::Bill20, B::Bill10};

}  // namespace

bool Offert(Form1& f, BoutonTable b) { return Atteint(f, BoutonUp(f, b)); }

std::vector<BoutonTable> BoutonsOfferts(Form1& f) {
    std::vector<BoutonTable> offerts;
    for (BoutonTable b : kBoutonsTable)
        if (Offert(f, b)) offerts.push_back(b);
    return offerts;
}

bool CarteCliquable(Form1& f, int i) {
    Picture& carte = *f.Cards[i];
    return carte.isEnabled() && Atteint(f, carte);
}

std::string HorsOffre(Form1& f, const Etat& e, bool attenteOK, Offre* trouvee) {
    const auto offerts = BoutonsOfferts(f);
    std::set<B> actions(offerts.begin(), offerts.end());
    std::set<B> plaques;
    for (B b : kPlaques)
        if (actions.erase(b)) plaques.insert(b);
    int cartes = 0;
    for (int i = 0; i < 5; ++i) cartes += CarteCliquable(f, i);

    const int p = e.argent.player, c = e.argent.cowboy, mise = e.mises.MiseCourante;
    const auto regle = [&](int m) {
        std::set<B> libres;
        const Plaques pl = RegleDesPlaques(m, p, c);
        for (int i = 0; i < 3; ++i)
            if (!pl.couvertes[i]) libres.insert(kPlaques[i]);
        return libres;
    };
    // The board over the plates, uncovered while a plate is left.
    const auto tableau = [&](bool relance) -> std::string {
        Picture& montre = relance ? *f.BtnRaise : *f.BtnBet;
        Picture& cache = relance ? *f.BtnBet : *f.BtnRaise;
        if (!Vu(f, montre) || Vu(f, cache))
            return relance ? "the Raise board not alone" : "the Bet board not alone";
        const bool couvert = Vu(f, f.TramePlaque[relance ? 7 : 6]);
        if (couvert != plaques.empty()) return "the board's cover does not follow the plates";
        return "";
    };
    const auto couvert = [&](Picture& up, Picture& trame) { return Vu(f, up) && Vu(f, trame); };

    Offre vue;
    std::string ecart;
    if (actions.empty() && plaques.empty() && cartes == 0) {
        vue = Offre::Rien;
        const bool fini = (p == 0 || c == 0) && e.argent.pot == 0;
        if (e.partie.PersoCowboy != 0 && !fini) ecart = "nothing offered in a game going on";
    } else if (actions == std::set{B::OK}) {
        vue = Offre::OK;
        if (!attenteOK) ecart = "OK offered outside the showdown's wait";
        else if (!plaques.empty() || cartes != 0) ecart = "more than OK offered";
    } else if (actions == std::set{B::Draw}) {
        vue = Offre::Tirage;
        if (cartes != 5) ecart = "the draw without its five cards";
        else if (!plaques.empty()) ecart = "plates offered at the draw";
        else if (!couvert(*f.BtnCallUp, *f.TrameCall)) ecart = "Call not shown covered at the draw";
        else if (mise != 0) ecart = "the draw with something to call";
    } else if (cartes != 0) {
        vue = Offre::Rien;
        ecart = "cards clickable outside the draw";
    } else if (actions == std::set{B::Pass}) {
        vue = Offre::Ouverture;
        if (mise != 0) ecart = "Pass with something to call";
        else if (plaques != regle(0)) ecart = "plates other than the money allows";
        else if (!couvert(*f.BtnCallUp, *f.TrameCall)) ecart = "Call not shown covered beside Pass";
        else ecart = tableau(false);
    } else if (actions == std::set{B::Check}) {
        vue = Offre::Check;
        if (mise != 0) ecart = "Check with something to call";
        else if (plaques != regle(0)) ecart = "plates other than the money allows";
        else if (!couvert(*f.BtnFoldUp, *f.TrameFold)) ecart = "Fold not shown covered beside Check";
        else ecart = tableau(false);
    } else if (actions == std::set{B::Call, B::Fold}) {
        vue = Offre::ReponseMise;
        if (mise == 0) ecart = "Call with nothing to call";
        else if (mise > p) ecart = "a bet the player cannot call";
        else if (plaques != regle(mise)) ecart = "raises other than the money allows";
        else ecart = tableau(true);
    } else {
        vue = Offre::Rien;
        ecart = "no layout offers these buttons";
    }
    if (ecart.empty() && vue != Offre::OK && attenteOK) ecart = "the showdown waits without OK";
    if (ecart.empty()) {
        const bool cadre = Vu(f, f.Line1[0]) && Vu(f, f.Line1[1]) && Vu(f, f.Line1[2]);
        const bool unCadre = Vu(f, f.Line1[0]) || Vu(f, f.Line1[1]) || Vu(f, f.Line1[2]);
        if (vue == Offre::Tirage ? !cadre : unCadre) ecart = "the frame of the cards outside the draw";
    }
    if (!ecart.empty()) return std::string(NomOffre(vue)) + ": " + ecart;
    if (trouvee) *trouvee = vue;
    return "";
}
