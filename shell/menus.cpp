#include "shell/menus.h"

#include "common/etat.h"
#include "render/form1.h"
#include "shell/about.h"
#include "shell/aide.h"
#include "shell/choose.h"
#include "shell/fichier_ini.h"
#include "shell/liens.h"
#include "shell/options.h"
#include "table/jeu.h"

void MenuExit_Click(Form1& f) { f.close(); }

Jeu& ConnecteMenus(Form1& f) {
    // These items stay usable at all times, during the waits too.
    f.SurClic(f.MenuExit, [&f] { MenuExit_Click(f); }, Acces::Toujours);
    f.SurClic(f.MenuAbout, [&f] { MenuAbout_Click(&f); }, Acces::Toujours);
    f.SurClic(f.MenuSite, [] { MenuSite_Click(); }, Acces::Toujours);
    f.SurClic(f.ForHelp, [] { ForHelp_Click(); }, Acces::Toujours);
    f.SurClic(f.ForFun, [] { ForFun_Click(); }, Acces::Toujours);

    f.SurClic(f.MenuOptions, [&f] { MenuOptions_Click(&f); }, Acces::Toujours);
    f.SurClic(f.MenuHelp, [&f] { MenuHelp_Click(&f); }, Acces::Toujours);

    // The game flow lives as long as the table; it gets the set-up dialog
    // and the settings writer from here.
    auto* jeu = new Jeu(f, ServicesJeu{[&f] { MontreChoose(&f); },
                                       [] {
                                           const Etat& e = EtatDuJeu();
                                           SaveFichierINI(e.reglages, e.partie);
                                       }});
    // A new game may be asked for while a showdown waits for OK.
    f.SurClic(f.MenuEnter, [jeu] { jeu->MenuEnter_Click(); }, Acces::PendantAttenteOK);
    f.SurClic(f.TournEasy, [jeu] { jeu->TournEasy_Click(); }, Acces::PendantAttenteOK);
    f.SurClic(f.TournMed, [jeu] { jeu->TournMed_Click(); }, Acces::PendantAttenteOK);
    f.SurClic(f.TournHard, [jeu] { jeu->TournHard_Click(); }, Acces::PendantAttenteOK);
    return *jeu;
}
