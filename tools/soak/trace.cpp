#include "trace.h"

#include "common/durees.h"
#include "common/etat.h"
#include "platform/minuterie.h"

namespace {

// A JSON string.
std::string Chaine(std::string_view t) {
    std::string s = "\"";
    for (char c : t) {
        switch (c) {
        case '"': s += "\\\""; break;
        case '\\': s += "\\\\"; break;
        case '\n': s += "\\n"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static const char hex[] = "0123456789abcdef";
                s += "\\u00";
                s += hex[(c >> 4) & 0xF];
                s += hex[c & 0xF];
            } else {
                s += c;
            }
        }
    }
    return s + "\"";
}

std::string MainJson(const Main& m) {
    std::string s = "[";
    for (int i = 0; i < 5; ++i) {
        if (i) s += ',';
        s += Chaine(NomCarte(m[i]));
    }
    return s + "]";
}

const char* Perso(int p) {
    switch (p) {
    case PersoCowboyCowboy: return "cowboy";
    case PersoCowboyMexicain: return "mexican";
    case PersoCowboyFille: return "girl";
    default: return "none";
    }
}

const char* Mode(bool tournoi) { return tournoi ? "tournament" : "training"; }

const char* Qui(bool cowboy) { return cowboy ? "\"cowboy\"" : "\"player\""; }

}  // namespace

std::string NomCarte(const Carte& c) {
    static const char* const valeurs[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    static const char couleurs[] = {'H', 'C', 'D', 'S'};
    if (c.valeur < 1 || c.valeur > 13 || c.couleur < 1 || c.couleur > 4) return "?";
    return std::string(valeurs[c.valeur - 1]) + couleurs[c.couleur - 1];
}

void Trace::Table(bool francais) {
    o_ << "{\"event\":\"table\",\"language\":\"" << (francais ? "fr" : "en") << "\"}\n";
}

void Trace::Offre(const std::vector<std::string>& actions, std::string_view cartes) {
    o_ << "{\"event\":\"offer\",\"actions\":[";
    for (std::size_t i = 0; i < actions.size(); ++i) o_ << (i ? "," : "") << Chaine(actions[i]);
    o_ << "],\"cards\":" << Chaine(cartes) << "}\n";
}

void Trace::DebutPartie() {
    const Etat& e = EtatDuJeu();
    const Partie& p = e.partie;
    o_ << "{\"event\":\"game\",\"character\":\"" << Perso(p.PersoCowboy) << "\",\"mode\":\""
       << Mode(p.ModeTournoi) << "\",\"money\":" << e.argent.player
       << ",\"skill\":" << e.reglages.Skill << ",\"emotion\":" << e.reglages.Emotion
       << ",\"bluff\":" << e.reglages.Bluff << ",\"risk\":" << e.reglages.Risk
       << ",\"first\":" << e.reglages.PremierJoueur << "}\n";
}

void Trace::Donne() {
    const Etat& e = EtatDuJeu();
    o_ << "{\"event\":\"deal\",\"hand\":" << e.partie.NbCoups
       << ",\"opens\":" << Qui(e.mises.ParleEnPremier != 1) << ",\"pot\":" << e.argent.pot
       << ",\"player\":" << MainJson(e.donne.CartesPlayer)
       << ",\"cowboy\":" << MainJson(e.donne.CartesCowboy) << "}\n";
}

void Trace::Parole(const std::string& phrase, std::string_view code) {
    o_ << "{\"event\":\"say\",\"text\":" << Chaine(phrase)
       << ",\"code\":" << (code.empty() ? std::string("null") : Chaine(code)) << "}\n";
}

void Trace::Tirage(bool cowboy, std::string_view positions) {
    const ::Donne& d = EtatDuJeu().donne;
    o_ << "{\"event\":\"draw\",\"who\":" << Qui(cowboy) << (cowboy ? ",\"keep\":" : ",\"changed\":")
       << Chaine(positions) << ",\"hand\":" << MainJson(cowboy ? d.CartesCowboy : d.CartesPlayer)
       << "}\n";
}

void Trace::Abattage(bool cowboyGagne) {
    o_ << "{\"event\":\"showdown\",\"winner\":" << Qui(cowboyGagne) << "}\n";
}

void Trace::PotPaye(bool auCowboy) {
    const Argent& a = EtatDuJeu().argent;
    o_ << "{\"event\":\"pot\",\"to\":" << Qui(auCowboy) << ",\"player\":" << a.player
       << ",\"cowboy\":" << a.cowboy << "}\n";
}

void Trace::FinPartie() {
    const Etat& e = EtatDuJeu();
    const Partie& p = e.partie;
    const bool perdue = e.argent.player == 0;
    const char* suite = perdue ? "lost"
                        : !p.ModeTournoi ? "won"
                        : p.PersoCowboy >= PersoCowboyFille ? "band"
                        : "next";
    o_ << "{\"event\":\"end\",\"winner\":" << Qui(perdue) << ",\"character\":\"" << Perso(p.PersoCowboy)
       << "\",\"hands\":" << p.NbCoups << ",\"outcome\":\"" << suite << "\",\"mode\":\""
       << Mode(p.ModeTournoi) << "\",\"progression\":" << e.reglages.Progression
       << "}\n";
}

void Trace::Attente(Delai quoi, int ms, int) {
    // A face timer pauses when the clock lets it tick: that is not the
    // flow's, and a replay, whose faces never move, would not have it.
    if (Minuterie::TicksEnCours() > 0) return;
    o_ << "{\"event\":\"wait\",\"delay\":\"" << NomDelai(quoi) << '"';
    if (PauseFixe(quoi) > 0) o_ << ",\"ms\":" << ms;
    o_ << "}\n";
}

void Trace::Montants(std::string_view action) {
    const Argent& a = EtatDuJeu().argent;
    o_ << "{\"event\":\"money\",\"after\":" << Chaine(action) << ",\"player\":" << a.player
       << ",\"cowboy\":" << a.cowboy << ",\"pot\":" << a.pot << "}\n";
}
