#include "scoring/windows.h"

void registerScoringWindows() {}
