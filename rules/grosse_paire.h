// Whether the opponent holds a pair high enough to play on.
#pragma once

#include "common/cartes.h"

// `argentCowboy` is the opponent's money, read from its caption by the caller.
bool GrossePaire(const Main& CartesCowboy, int Risk, int argentCowboy);
