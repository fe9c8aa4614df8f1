#pragma once
// The lists of files in the names and groups windows: which file is chosen,
// and deleting a chosen names file after asking.
#include <QString>

class QListWidget;
class QWidget;

namespace groups {

struct LijstBestand;

// The selected entry of a list, -1 when none is (the current entry alone,
// which a list takes on receiving the focus, does not count).
int gekozenRij(const QListWidget *list);

// Asks text 24 about a names file and deletes its ".txt" on Yes (the ".mail"
// twin stays for the address look-up); true when it was deleted.
bool vraagEnWisNamenBestand(QWidget *window, const QString &title, const LijstBestand &bestand);

} // namespace groups
