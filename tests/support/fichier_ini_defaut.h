// The settings file as the tests expect it: the one place where the
// defaults of a first start are spelt out, so that a changed default
// breaks here and nowhere else.
#pragma once

#include <string>
#include <vector>

// The 15 values of a first start's file; line 11 holds `langue`.
inline std::vector<std::string> ValeursINIDefaut(const std::string& langue = "") {
    return {"1", "50", "30", "40", "50", "400", "230", "1500", "5", "2", langue, "1", "10", "", "0"};
}

// A file of these values: each line ended by `fin`, then `bourrage` filler
// lines of one blank.
inline std::string LignesINI(const std::vector<std::string>& valeurs, const std::string& fin = "\r\n",
                             int bourrage = 19) {
    std::string texte;
    for (const auto& v : valeurs) texte += v + fin;
    for (int i = 0; i < bourrage; ++i) texte += " " + fin;
    return texte;
}

// The whole file a first start writes once `langue` is chosen.
inline std::string FichierINIDefaut(const std::string& langue = "") {
    return LignesINI(ValeursINIDefaut(langue));
}
