#include "groups/windows.h"

void registerGroupsWindows() {}
