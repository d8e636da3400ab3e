#include "evaluation.h"
// The evaluator comes with the foundation issue.
