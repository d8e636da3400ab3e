// The mail and web links, handed to the desktop's programs.
#pragma once

#include <string>

#include "common/etat.h"

// The targets, by the running language.
std::string CibleCommentaires(const Reglages& reglages);
std::string CibleAide(const Reglages& reglages);
std::string CibleSite();

// Hands a target to the desktop; a link nobody can open is ignored.
void OuvreLien(const std::string& cible);

// The handlers of the menu items, on the run's settings.
void ForFun_Click();
void ForHelp_Click();
void MenuSite_Click();
