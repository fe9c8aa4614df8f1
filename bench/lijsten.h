#pragma once
// Times the names window's Add and the groups window's pick on a short and
// on long names files, and prints the figures side by side; false when a
// window did not do the steps.
bool TijdLijsten(int rondes);
