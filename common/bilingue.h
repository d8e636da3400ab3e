// A text of the game in English and in French: the fixed texts of the
// windows and menus, and the sentences the opponent composes as it speaks.
#pragma once

#include <string>

struct Bilingue {
    std::string anglais;
    std::string francais;

    // French when the running language is "FR", English for any other code.
    const std::string& Dans(bool enFrancais) const { return enFrancais ? francais : anglais; }
    friend bool operator==(const Bilingue&, const Bilingue&) = default;
};
