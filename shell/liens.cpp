#include "shell/liens.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QUrl>

#include "common/textes_shell.h"

namespace {
std::string Mail(const std::string& sujet) {
    return std::string("mailto:") + textes_shell::AdresseContact + "?subject=" + sujet;
}
}  // namespace

std::string CibleCommentaires(const Reglages& reglages) {
    return Mail(textes_shell::SujetCommentaires.Dans(reglages.Francais()));
}

std::string CibleAide(const Reglages& reglages) {
    return Mail(textes_shell::SujetAide.Dans(reglages.Francais()));
}

std::string CibleSite() {
    return std::string(textes_shell::PageWeb) + "?Ver=" + textes_shell::Version;
}

void OuvreLien(const std::string& cible) {
    // the target is already escaped: hand it over byte for byte
    QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(cible)));
}

void ForFun_Click() { OuvreLien(CibleCommentaires(EtatDuJeu().reglages)); }
void ForHelp_Click() { OuvreLien(CibleAide(EtatDuJeu().reglages)); }
void MenuSite_Click() { OuvreLien(CibleSite()); }
