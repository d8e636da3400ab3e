#include "table/offre.h"

#include "render/form1.h"

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
