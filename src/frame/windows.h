#pragma once
// Makes the windows of this part of the program known to the others.
void registerFrameWindows();
