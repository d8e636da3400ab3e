#include "shell/menus.h"

#include "render/form1.h"
#include "shell/about.h"
#include "shell/aide.h"
#include "shell/liens.h"
#include "shell/options.h"

void MenuExit_Click(Form1& f) { f.close(); }

void ConnecteMenus(Form1& f) {
    // Every item stays usable at all times, during the waits too.
    f.SurClic(f.MenuExit, [&f] { MenuExit_Click(f); }, Acces::Toujours);
    f.SurClic(f.MenuAbout, [&f] { MenuAbout_Click(&f); }, Acces::Toujours);
    f.SurClic(f.MenuSite, [] { MenuSite_Click(); }, Acces::Toujours);
    f.SurClic(f.ForHelp, [] { ForHelp_Click(); }, Acces::Toujours);
    f.SurClic(f.ForFun, [] { ForFun_Click(); }, Acces::Toujours);

    f.SurClic(f.MenuOptions, [&f] { MenuOptions_Click(&f); }, Acces::Toujours);
    f.SurClic(f.MenuHelp, [&f] { MenuHelp_Click(&f); }, Acces::Toujours);

    // Training and tournaments start games: not wired yet.
    // f.SurClic(f.MenuEnter, ...); f.SurClic(f.TournEasy, ...);
    // f.SurClic(f.TournMed, ...);  f.SurClic(f.TournHard, ...);
}
