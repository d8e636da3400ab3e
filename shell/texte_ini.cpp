// The format of the settings file, apart from the disk: plain C++.
#include "shell/fichier_ini.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

#include "common/personnages.h"

namespace {

// Lines of the file: 15 values, then 19 filler lines of one blank.
constexpr int NbLignesValeurs = 15;
constexpr int NbLignesBourrage = NbLignesINI - NbLignesValeurs;

bool EstBlanc(char c) { return c == ' ' || c == '\t'; }
bool EstFinDeLigne(char c) { return c == '\r' || c == '\n'; }

// Delimited input fields: a line end or a comma ends a field, leading
// blanks are skipped and surrounding double quotes removed. Lines may end
// in CR LF, LF alone or CR alone.
class LecteurChamps {
public:
    explicit LecteurChamps(std::string_view texte) : texte_(texte) {}

    // False once the text is used up.
    bool Suivant(std::string& champ) {
        if (pos_ >= texte_.size()) return false;
        while (pos_ < texte_.size() && EstBlanc(texte_[pos_])) ++pos_;
        champ.clear();
        if (pos_ < texte_.size() && texte_[pos_] == '"') {
            ++pos_;
            while (pos_ < texte_.size() && texte_[pos_] != '"' && !EstFinDeLigne(texte_[pos_]))
                champ += texte_[pos_++];
            if (pos_ < texte_.size() && texte_[pos_] == '"') ++pos_;
            // whatever follows the closing quote up to the delimiter is dropped
            while (pos_ < texte_.size() && texte_[pos_] != ',' && !EstFinDeLigne(texte_[pos_])) ++pos_;
        } else {
            while (pos_ < texte_.size() && texte_[pos_] != ',' && !EstFinDeLigne(texte_[pos_]))
                champ += texte_[pos_++];
            while (!champ.empty() && EstBlanc(champ.back())) champ.pop_back();
        }
        if (pos_ < texte_.size()) {
            const char fin = texte_[pos_++];
            if (fin == '\r' && pos_ < texte_.size() && texte_[pos_] == '\n') ++pos_;
        }
        return true;
    }

private:
    std::string_view texte_;
    std::size_t pos_ = 0;
};

bool EstChiffre(char c) { return c >= '0' && c <= '9'; }

// A decimal number as text to a 16-bit integer, a fraction rounded to the
// nearest whole number with halves to the even one (2.5 gives 2, 3.5 gives 4).
std::optional<int16_t> Entier16(std::string_view s) {
    while (!s.empty() && EstBlanc(s.front())) s.remove_prefix(1);
    while (!s.empty() && EstBlanc(s.back())) s.remove_suffix(1);
    bool negatif = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negatif = s.front() == '-';
        s.remove_prefix(1);
    }
    // digits, an optional fraction, an optional exponent; nothing else
    std::size_t i = 0;
    int chiffres = 0;
    while (i < s.size() && EstChiffre(s[i])) ++i, ++chiffres;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && EstChiffre(s[i])) ++i, ++chiffres;
    }
    if (chiffres == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const std::size_t debut = i;
        while (i < s.size() && EstChiffre(s[i])) ++i;
        if (i == debut) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;

    double valeur = 0;
    const auto [fin, erreur] = std::from_chars(s.data(), s.data() + s.size(), valeur);
    if (erreur != std::errc() || fin != s.data() + s.size()) return std::nullopt;
    if (negatif) valeur = -valeur;
    const double arrondi = std::nearbyint(valeur);  // the default rounding mode: halves to even
    if (arrondi < -32768.0 || arrondi > 32767.0) return std::nullopt;
    return static_cast<int16_t>(arrondi);
}

template <typename T>
T Borne(T valeur, T bas, T haut) { return std::clamp(valeur, bas, haut); }

// The language is written back bare, so only a code that reads back the
// same is kept: blanks at its edges are dropped, and a code holding a
// comma, a quote or a control character is read as none (the language is
// asked again).
std::string LangueLue(std::string_view champ) {
    while (!champ.empty() && EstBlanc(champ.front())) champ.remove_prefix(1);
    while (!champ.empty() && EstBlanc(champ.back())) champ.remove_suffix(1);
    for (const char c : champ) {
        const auto octet = static_cast<unsigned char>(c);
        if (c == ',' || c == '"' || octet < 0x20 || octet == 0x7f) return {};
    }
    return std::string(champ);
}

}  // namespace

void ReglagesParDefaut(Reglages& reglages) {
    Reglages defaut;
    defaut.Chemin = std::move(reglages.Chemin);
    defaut.DelayBouton = reglages.DelayBouton;
    reglages = std::move(defaut);
}

bool LitTexteINI(std::string_view texte, Reglages& reglages) {
    // as some editors save it
    constexpr std::string_view marqueOrdre = "\xEF\xBB\xBF";
    if (texte.starts_with(marqueOrdre)) texte.remove_prefix(marqueOrdre.size());
    LecteurChamps lecteur(texte);
    std::array<std::string, NbLignesValeurs> champs;
    for (auto& champ : champs)
        if (!lecteur.Suivant(champ)) return false;
    std::string ignore;
    for (int i = 0; i < NbLignesBourrage; ++i)
        if (!lecteur.Suivant(ignore)) return false;

    // lines 1-10, 12, 13 and 15 are numbers; 11 the language; 14 is discarded
    std::array<int16_t, NbLignesValeurs> n{};
    for (int ligne = 1; ligne <= NbLignesValeurs; ++ligne) {
        if (ligne == 11 || ligne == 14) continue;
        const auto valeur = Entier16(champs[ligne - 1]);
        if (!valeur) return false;
        n[ligne - 1] = *valeur;
    }

    const Reglages defaut;
    Reglages lu = reglages;
    // A value out of its range takes its own default; the others stand, so
    // the dialogs never meet an option they cannot show.
    lu.ChoixCowboy = PersoValide(n[0]) ? n[0] : defaut.ChoixCowboy;
    lu.Skill = Borne<int>(n[1], 0, 100);
    lu.Bluff = Borne<int>(n[2], 0, 100);
    lu.Risk = Borne<int16_t>(n[3], 0, 100);
    lu.Emotion = Borne<int>(n[4], 0, 100);
    lu.ArgentDepart = (n[5] == 300 || n[5] == 400 || n[5] == 500) ? n[5] : defaut.ArgentDepart;
    lu.DelayCard = n[6];
    lu.DelayTurn = n[7];
    lu.DelayBill = n[8];
    lu.PremierJoueur = (n[9] >= 0 && n[9] <= 2) ? n[9] : defaut.PremierJoueur;
    lu.LangueChoisie = LangueLue(champs[10]);
    lu.TypeCartes = n[11] == 1 ? int16_t{1} : int16_t{2};
    lu.DosCarte = (n[12] >= 1 && n[12] <= 11) ? n[12] : defaut.DosCarte;
    lu.Progression = n[14];
    reglages = std::move(lu);
    return true;
}

std::string TexteINI(const Reglages& r, const Partie& partie) {
    // During a tournament the file keeps the training set-up, never the
    // personality of the opponent being met.
    const bool sauve = partie.ModeTournoi;
    const std::array<std::string, NbLignesValeurs> lignes = {
        std::to_string(r.ChoixCowboy),
        std::to_string(sauve ? partie.SauveSkill : r.Skill),
        std::to_string(sauve ? partie.SauveBluff : r.Bluff),
        std::to_string(sauve ? partie.SauveRisk : r.Risk),
        std::to_string(sauve ? partie.SauveEmotion : r.Emotion),
        std::to_string(sauve ? partie.SauveArgent : r.ArgentDepart),
        std::to_string(r.DelayCard),
        std::to_string(r.DelayTurn),
        std::to_string(r.DelayBill),
        std::to_string(r.PremierJoueur),
        r.LangueChoisie,
        std::to_string(r.TypeCartes),
        std::to_string(r.DosCarte),
        std::string(),
        std::to_string(r.Progression),
    };
    std::string texte;
    for (const auto& ligne : lignes) texte += ligne + "\r\n";
    for (int i = 0; i < NbLignesBourrage; ++i) texte += " \r\n";
    return texte;
}

