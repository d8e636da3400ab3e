#include "grosse_paire.h"

bool GrossePaire(const Main&, int, int) { return false; }
