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

// The Delete button of a list of names files: disables the button and asks
// text 24 about the file selected; on No the button is enabled again. The
// file to delete on Yes; nothing on No, and with none selected nothing is
// asked.
std::optional<LijstBestand> vraagWisNamen(QWidget *window, const QString &title,
                                          const QListWidget *list,
                                          const QVector<LijstBestand> &bestanden, QPushButton *wis);
// Deletes the file at pad. True when it is gone; when it is still there text
// 211 says so, the button is enabled again, and false.
bool wisBestand(QWidget *window, const QString &title, const QString &pad, QPushButton *wis);
// Deletes the ".txt" of a names file (the ".mail" twin stays for the address
// look-up), as wisBestand.
bool wisNamenBestand(QWidget *window, const QString &title, const LijstBestand &bestand,
                     QPushButton *wis);

// Shows text 210 when the file at pad stands there but cannot be read;
// true when it did.
bool meldOnleesbaar(QWidget *window, const QString &title, const QString &pad);

} // namespace groups
