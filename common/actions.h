// Action codes of the opponent and keep patterns.
#pragma once

#include <string>
#include <string_view>

// An action code names an action and, for bets and raises, its amount:
// "BE10" "BE20" "BE50" bet, "PA" pass, "CH" check, "CA" call, "FO" fold,
// "RA10" "RA20" "RA50" raise.
using CodeAction = std::string;

// The kind of an action: its first two letters.
inline std::string_view GenreAction(std::string_view code) { return code.substr(0, 2); }

// The amount of a bet or raise: the number in its last two letters.
inline int MontantAction(std::string_view code) {
    if (code.size() < 4) return 0;
    return (code[code.size() - 2] - '0') * 10 + (code[code.size() - 1] - '0');
}

// A keep pattern lists the positions "1".."5" of the cards the opponent
// keeps, ascending: "" keeps none, "12345" keeps all, "2345" changes the first.
using MotifGarde = std::string;
