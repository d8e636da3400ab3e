// A fixed text of the game in English and in French.
#pragma once

struct Bilingue {
    const char* anglais;
    const char* francais;
    // French when the running language is "FR", English for any other code.
    const char* Dans(bool enFrancais) const { return enFrancais ? francais : anglais; }
};
