#include "rounds/windows.h"

void registerRoundsWindows() {}
