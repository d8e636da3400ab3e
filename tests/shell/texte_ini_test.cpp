// The settings file's text: what is written, what is accepted, what is
// rejected, and how out-of-range values are mended.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/fichier_ini.h"
#include "support/fichier_ini_defaut.h"

namespace {

const std::vector<std::string> kValides = {"2", "75", "10", "90", "20", "500", "100", "900",
                                           "3", "0", "FR", "2", "4", "", "4721"};

}  // namespace

TEST(TexteINI, FirstStartFileHoldsTheDefaultsLineByLine) {
    Reglages r;
    r.LangueChoisie = "UK";
    EXPECT_EQ(TexteINI(r, Partie{}), FichierINIDefaut("UK"));
}

TEST(TexteINI, TournamentWritesTheTrainingSetUpPutAside) {
    Reglages r;  // live values: a tournament opponent's personality
    r.Skill = 95; r.Bluff = 5; r.Risk = 66; r.Emotion = 12; r.ArgentDepart = 500;
    r.Progression = ProgressionMexicain;
    r.DelayTurn = 800;
    Partie p;
    p.ModeTournoi = true;
    p.SauveSkill = 61; p.SauveBluff = 62; p.SauveRisk = 63; p.SauveEmotion = 64; p.SauveArgent = 300;
    std::vector<std::string> attendu = ValeursINIDefaut();
    attendu[1] = "61"; attendu[2] = "62"; attendu[3] = "63"; attendu[4] = "64"; attendu[5] = "300";
    attendu[7] = "800"; attendu[14] = "4721";
    EXPECT_EQ(TexteINI(r, p), LignesINI(attendu));
    p.ModeTournoi = false;  // in training the live values are the set-up
    EXPECT_TRUE(TexteINI(r, p).starts_with(ValeursINIDefaut()[0] + "\r\n95\r\n5\r\n66\r\n12\r\n"));
}

TEST(TexteINI, ReadsEveryLineInItsPlace) {
    Reglages r;
    r.Chemin = "/tmp/x/";
    ASSERT_TRUE(LitTexteINI(LignesINI(kValides), r));
    EXPECT_EQ(r.ChoixCowboy, 2);
    EXPECT_EQ(r.Skill, 75);
    EXPECT_EQ(r.Bluff, 10);
    EXPECT_EQ(r.Risk, 90);
    EXPECT_EQ(r.Emotion, 20);
    EXPECT_EQ(r.ArgentDepart, 500);
    EXPECT_EQ(r.DelayCard, 100);
    EXPECT_EQ(r.DelayTurn, 900);
    EXPECT_EQ(r.DelayBill, 3);
    EXPECT_EQ(r.PremierJoueur, 0);
    EXPECT_EQ(r.LangueChoisie, "FR");
    EXPECT_EQ(r.TypeCartes, 2);
    EXPECT_EQ(r.DosCarte, 4);
    EXPECT_EQ(r.Progression, ProgressionMexicain);
    EXPECT_EQ(r.Chemin, "/tmp/x/");
    EXPECT_EQ(r.DelayBouton, 0);
}

TEST(TexteINI, WrittenFileReadsBackTheSame) {
    Reglages r;
    r.ChoixCowboy = 3; r.Skill = 0; r.Bluff = 100; r.Risk = 1; r.Emotion = 99;
    r.ArgentDepart = 300; r.DelayCard = 0; r.DelayTurn = 32767; r.DelayBill = 12;
    r.PremierJoueur = 1; r.LangueChoisie = "FR"; r.TypeCartes = 2; r.DosCarte = 11;
    r.Progression = ProgressionTous;
    Reglages lu;
    ASSERT_TRUE(LitTexteINI(TexteINI(r, Partie{}), lu));
    EXPECT_EQ(TexteINI(lu, Partie{}), TexteINI(r, Partie{}));
}

TEST(TexteINI, LineEndsOtherThanCrLfAreAccepted) {
    for (const std::string fin : {"\n", "\r"}) {
        Reglages r;
        ASSERT_TRUE(LitTexteINI(LignesINI(kValides, fin), r)) << int(fin[0]);
        EXPECT_EQ(r.LangueChoisie, "FR");
        EXPECT_EQ(r.Progression, ProgressionMexicain);
    }
    // the last line may lack its line end
    std::string sansFin = LignesINI(kValides);
    sansFin.resize(sansFin.size() - 2);
    Reglages r;
    EXPECT_TRUE(LitTexteINI(sansFin, r));
}

TEST(TexteINI, IncompleteOrNonNumericFilesAreRejectedWhole) {
    const Reglages avant = [] { Reglages r; r.Skill = 77; r.LangueChoisie = "UK"; return r; }();
    std::vector<std::string> nonNumerique = kValides;
    nonNumerique[6] = "fast";            // line 7
    std::vector<std::string> vide = kValides;
    vide[12] = "";                       // line 13 empty
    std::vector<std::string> horsPlage = kValides;
    horsPlage[7] = "40000";              // line 8 beyond 16 bits
    std::vector<std::string> arrondiHors = kValides;
    arrondiHors[7] = "32767.5";          // rounds to 32768
    std::vector<std::string> demiNombre = kValides;
    demiNombre[0] = "2x";

    const std::vector<std::pair<const char*, std::string>> cas = {
        {"empty file", ""},
        {"a filler line missing", LignesINI(kValides, "\r\n", 18)},
        {"fillers all missing", LignesINI(kValides, "\r\n", 0)},
        {"non-numeric line 7", LignesINI(nonNumerique)},
        {"empty numeric line", LignesINI(vide)},
        {"beyond 16 bits", LignesINI(horsPlage)},
        {"rounds beyond 16 bits", LignesINI(arrondiHors)},
        {"trailing letters", LignesINI(demiNombre)},
    };
    for (const auto& [nom, texte] : cas) {
        Reglages r = avant;
        EXPECT_FALSE(LitTexteINI(texte, r)) << nom;
        EXPECT_EQ(r.Skill, 77) << nom;
        EXPECT_EQ(r.LangueChoisie, "UK") << nom;
    }
}

TEST(TexteINI, FieldsEndAtCommasAndLineEndsBlanksAndQuotesDropped) {
    std::vector<std::string> v = kValides;
    v[5] = "   300";        // leading blanks skipped
    v[10] = "\"UK\"";       // quotes removed
    v[13] = "anything";     // reserved line: discarded
    v[14] = "\"8356\"";     // a quoted number is a number
    std::string texte;
    for (const auto& s : v) texte += s + "\r\n";
    for (int i = 0; i < 19; ++i) texte += "filler " + std::to_string(i) + "\r\n";
    Reglages r;
    ASSERT_TRUE(LitTexteINI(texte, r));
    EXPECT_EQ(r.ArgentDepart, 300);
    EXPECT_EQ(r.LangueChoisie, "UK");
    EXPECT_EQ(r.Progression, ProgressionTous);
}

TEST(TexteINI, CommaSplitsALineAndShiftsTheRest) {
    // "0,0" on line 15 gives one field more: a filler is pushed out, no harm
    std::vector<std::string> v = kValides;
    v[14] = "0,0";
    Reglages r;
    ASSERT_TRUE(LitTexteINI(LignesINI(v), r));
    EXPECT_EQ(r.Progression, 0);

    // "1,5" on line 1 shifts every value by one: the language lands on a
    // numeric line ("" for the card set) and the file is rejected
    std::vector<std::string> w = ValeursINIDefaut();
    w[0] = "1,5";
    Reglages s;
    s.Skill = 77;
    EXPECT_FALSE(LitTexteINI(LignesINI(w), s));
    EXPECT_EQ(s.Skill, 77);
}

TEST(TexteINI, FractionsRoundToTheNearestWithHalvesToEven) {
    const std::vector<std::pair<std::string, int>> cas = {
        {"2.5", 2}, {"3.5", 4}, {"3.49", 3}, {"7.51", 8}, {"10.0", 10}, {"4e2", 400}, {" +6 ", 6}};
    for (const auto& [texte, attendu] : cas) {
        std::vector<std::string> v = kValides;
        v[7] = texte;  // DelayTurn: stored as read
        Reglages r;
        ASSERT_TRUE(LitTexteINI(LignesINI(v), r)) << texte;
        EXPECT_EQ(r.DelayTurn, attendu) << texte;
    }
    std::vector<std::string> v = kValides;
    v[7] = "-32768";
    v[6] = "-0.5";
    Reglages r;
    ASSERT_TRUE(LitTexteINI(LignesINI(v), r));
    EXPECT_EQ(r.DelayTurn, -32768);
    EXPECT_EQ(r.DelayCard, 0);
}

TEST(TexteINI, OutOfRangeValuesTakeTheirOwnDefaultOthersStand) {
    std::vector<std::string> v = {"4", "250", "-5", "101", "-1", "350", "-20", "0",
                                  "999", "3", "DE", "0", "40", "", "1234"};
    Reglages r;
    ASSERT_TRUE(LitTexteINI(LignesINI(v), r));
    EXPECT_EQ(r.ChoixCowboy, 1);
    EXPECT_EQ(r.Skill, 100);
    EXPECT_EQ(r.Bluff, 0);
    EXPECT_EQ(r.Risk, 100);
    EXPECT_EQ(r.Emotion, 0);
    EXPECT_EQ(r.ArgentDepart, 400);
    EXPECT_EQ(r.DelayCard, -20);     // delays stand as read
    EXPECT_EQ(r.DelayTurn, 0);
    EXPECT_EQ(r.DelayBill, 999);
    EXPECT_EQ(r.PremierJoueur, 2);
    EXPECT_EQ(r.LangueChoisie, "DE");  // unknown code kept and written back
    EXPECT_EQ(r.TypeCartes, 2);
    EXPECT_EQ(r.DosCarte, 10);
    EXPECT_EQ(r.Progression, 1234);  // stored; it unlocks nothing

    std::vector<std::string> w = ValeursINIDefaut("UK");
    w[0] = "0";
    w[9] = "-1";
    w[11] = "7";
    w[12] = "0";
    Reglages s;
    ASSERT_TRUE(LitTexteINI(LignesINI(w), s));
    EXPECT_EQ(s.ChoixCowboy, 1);
    EXPECT_EQ(s.PremierJoueur, 2);
    EXPECT_EQ(s.TypeCartes, 2);
    EXPECT_EQ(s.DosCarte, 10);
    EXPECT_EQ(s.Skill, 50);
}

TEST(TexteINI, DefaultsKeepTheSettingsDirectory) {
    Reglages r;
    r.Chemin = "/home/joueur/";
    r.Skill = 3;
    r.LangueChoisie = "FR";
    r.Progression = ProgressionTous;
    ReglagesParDefaut(r);
    EXPECT_EQ(r.Chemin, "/home/joueur/");
    EXPECT_EQ(r.Skill, 50);
    EXPECT_EQ(r.LangueChoisie, "");
    EXPECT_EQ(r.Progression, 0);
}

TEST(TexteINI, ByteOrderMarkOfAnEditorIsSkipped) {
    Reglages r;
    ASSERT_TRUE(LitTexteINI("\xEF\xBB\xBF" + LignesINI(kValides), r));
    EXPECT_EQ(r.ChoixCowboy, 2);
    EXPECT_EQ(r.LangueChoisie, "FR");
    // only at the very start: a mark before line 2 spoils that number
    std::vector<std::string> v = kValides;
    v[1] = "\xEF\xBB\xBF" "75";
    Reglages s;
    EXPECT_FALSE(LitTexteINI(LignesINI(v), s));
}

TEST(TexteINI, OnlyTheFirst34LinesCountHoweverLongTheText) {
    // the 19th filler line and lines after it, far past what is read from disk
    std::string texte = LignesINI(kValides);
    texte.insert(texte.size() - 2, TailleMaxFichierINI, 'x');
    texte += std::string(TailleMaxFichierINI, 'y') + "\r\nnot a number\r\n";
    Reglages r;
    EXPECT_TRUE(LitTexteINI(texte, r));
    EXPECT_EQ(r.Progression, ProgressionMexicain);
}

TEST(TexteINI, EveryWrittenFileReadsBackToTheSameValues) {
    // Line 11 as an editor may leave it, and the language it gives.
    const std::vector<std::pair<std::string, std::string>> cas = {
        {"UK", "UK"},
        {"\"UK,UK\"", ""},        // a comma would split the line once written bare
        {"\"\tUK\"", "UK"},       // blanks at the edges dropped, tabs too
        {"\" FR \"", "FR"},
        {"\"UK\t\"", "UK"},
        {"\"U\tK\"", ""},         // a control character inside
        {std::string("U\x01K"), ""},
        {"U\x7fK", ""},
        {"UK\"", ""},             // a stray quote
        {"\"\"", ""},
        {"\"  \"", ""},
        {"en gb", "en gb"},       // a blank inside stays
        {"\"fran\xC3\xA7" "ais\"", "fran\xC3\xA7" "ais"},
        {"  UK  ", "UK"},
    };
    for (const auto& [ligne, attendue] : cas) {
        std::vector<std::string> v = kValides;
        v[10] = ligne;
        Reglages lu;
        ASSERT_TRUE(LitTexteINI(LignesINI(v), lu)) << ligne;
        EXPECT_EQ(lu.LangueChoisie, attendue) << ligne;
        // what is written from it reads back to the same settings
        const std::string ecrit = TexteINI(lu, Partie{});
        Reglages relu;
        relu.LangueChoisie = "XX";
        ASSERT_TRUE(LitTexteINI(ecrit, relu)) << ligne;
        EXPECT_EQ(relu.LangueChoisie, lu.LangueChoisie) << ligne;
        EXPECT_EQ(relu.Skill, lu.Skill) << ligne;
        EXPECT_EQ(relu.Progression, lu.Progression) << ligne;
        EXPECT_EQ(TexteINI(relu, Partie{}), ecrit) << ligne;
    }
}
