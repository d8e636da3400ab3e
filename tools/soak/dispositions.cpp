#include "dispositions.h"

#include <array>
#include <set>

#include "common/etat.h"
#include "render/form1.h"
#include "rules/plaques.h"
#include "table/offre.h"

namespace {

using B = BoutonTable;

constexpr B kPlaques[] = {B::Bill50, B::Bill20, B::Bill10};

// Whether a control is shown (its own flag and its parents').
bool Vu(Form1& f, const QWidget& w) { return w.isVisibleTo(f.Table); }

}  // namespace

const char* NomDisposition(Disposition3 d) {
    switch (d) {
    case Disposition3::Rien: return "nothing";
    case Disposition3::Ouverture: return "opening";
    case Disposition3::Check: return "check";
    case Disposition3::ReponseMise: return "answer to a bet";
    case Disposition3::Tirage: return "draw";
    case Disposition3::OK: break;
    }
    return "OK";
}

std::string HorsDisposition(Form1& f, const Etat& e, bool attenteOK, Disposition3* trouvee) {
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
        if (!Vu(f, montre) || Vu(f, cache)) return relance ? "the Raise board not alone" : "the Bet board not alone";
        const bool couvert = Vu(f, f.TramePlaque[relance ? 7 : 6]);
        if (couvert != plaques.empty()) return "the board's cover does not follow the plates";
        return "";
    };
    const auto couvert = [&](Picture& up, Picture& trame) { return Vu(f, up) && Vu(f, trame); };

    Disposition3 d;
    std::string ecart;
    if (actions.empty() && plaques.empty() && cartes == 0) {
        d = Disposition3::Rien;
        const bool fini = (p == 0 || c == 0) && e.argent.pot == 0;
        if (e.partie.PersoCowboy != 0 && !fini) ecart = "nothing offered in a game going on";
    } else if (actions == std::set{B::OK}) {
        d = Disposition3::OK;
        if (!attenteOK) ecart = "OK offered outside the showdown's wait";
        else if (!plaques.empty() || cartes != 0) ecart = "more than OK offered";
    } else if (actions == std::set{B::Draw}) {
        d = Disposition3::Tirage;
        if (cartes != 5) ecart = "the draw without its five cards";
        else if (!plaques.empty()) ecart = "plates offered at the draw";
        else if (!couvert(*f.BtnCallUp, *f.TrameCall)) ecart = "Call not shown covered at the draw";
        else if (mise != 0) ecart = "the draw with something to call";
    } else if (cartes != 0) {
        d = Disposition3::Rien;
        ecart = "cards clickable outside the draw";
    } else if (actions == std::set{B::Pass}) {
        d = Disposition3::Ouverture;
        if (mise != 0) ecart = "Pass with something to call";
        else if (plaques != regle(0)) ecart = "plates other than the money allows";
        else if (!couvert(*f.BtnCallUp, *f.TrameCall)) ecart = "Call not shown covered beside Pass";
        else ecart = tableau(false);
    } else if (actions == std::set{B::Check}) {
        d = Disposition3::Check;
        if (mise != 0) ecart = "Check with something to call";
        else if (plaques != regle(0)) ecart = "plates other than the money allows";
        else if (!couvert(*f.BtnFoldUp, *f.TrameFold)) ecart = "Fold not shown covered beside Check";
        else ecart = tableau(false);
    } else if (actions == std::set{B::Call, B::Fold}) {
        d = Disposition3::ReponseMise;
        if (mise == 0) ecart = "Call with nothing to call";
        else if (mise > p) ecart = "a bet the player cannot call";
        else if (plaques != regle(mise)) ecart = "raises other than the money allows";
        else ecart = tableau(true);
    } else {
        d = Disposition3::Rien;
        ecart = "no layout offers these buttons";
    }
    if (ecart.empty() && d != Disposition3::OK && attenteOK) ecart = "the showdown waits without OK";
    if (ecart.empty()) {
        const bool cadre = Vu(f, f.Line1[0]) && Vu(f, f.Line1[1]) && Vu(f, f.Line1[2]);
        const bool unCadre = Vu(f, f.Line1[0]) || Vu(f, f.Line1[1]) || Vu(f, f.Line1[2]);
        if (d == Disposition3::Tirage ? !cadre : unCadre) ecart = "the frame of the cards outside the draw";
    }
    if (!ecart.empty()) return std::string(NomDisposition(d)) + ": " + ecart;
    if (trouvee) *trouvee = d;
    return "";
}
