#include "preparation/windows.h"

void registerPreparationWindows() {}
