#pragma once
// The lists of files in the names and groups windows: filling them, which
// file is chosen, and deleting a chosen names file after asking.
#include <QString>
#include <QVector>
#include <optional>

class QListWidget;
class QPushButton;
class QWidget;

namespace groups {

struct LijstBestand;

// Fills a list with the names of the files as listed, none selected. The
// list's signals are blocked meanwhile: filling it chooses nothing.
void vulLijst(QListWidget *list, const QVector<LijstBestand> &bestanden);

// The index of the file bestand (a name as listed) in bestanden, -1 when it
// is not listed: how a choice is found again after its list was refilled.
int zoekBestand(const QVector<LijstBestand> &bestanden, const QString &bestand);

// Marks again the entry of the file bestand (a name as listed in
// bestanden), or none when it is not listed; chooses nothing.
void markeerBestand(QListWidget *list, const QVector<LijstBestand> &bestanden,
                    const QString &bestand);

// The selected entry of a list, -1 when none is (the current entry alone,
// which a list takes on receiving the focus, does not count).
int gekozenRij(const QListWidget *list);
// The file of the selected entry of a list filled with bestanden; nothing
// when none is selected.
std::optional<LijstBestand> gekozenBestand(const QListWidget *list,
                                           const QVector<LijstBestand> &bestanden);

// The Delete button of a list of names files: disables the button, asks
// text 24 about the file selected and deletes its ".txt" on Yes (the ".mail"
// twin stays for the address look-up); on No the button is enabled again.
// True when the file was deleted; with none selected nothing is asked.
bool wisNamenBestand(QWidget *window, const QString &title, const QListWidget *list,
                     const QVector<LijstBestand> &bestanden, QPushButton *wis);

} // namespace groups
