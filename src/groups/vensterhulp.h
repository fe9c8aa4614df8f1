#pragma once
// Small helpers that the windows of this folder share.
#include <QString>
#include <QStringList>

class QListWidget;
class QWidget;
namespace platform {
class GridModel;
}

namespace groups {

struct LijstBestand;

// Centres a window on the screen, as (screen - window) \ 2.
void centreer(QWidget *window);
// Takes the main window's icon.
void neemIcoon(QWidget *window);

// Removes one row of a grid, the rows below it moving up with their attributes.
void verwijderRij(platform::GridModel &grid, int row);
// The texts of one row from column first to last, joined.
QString rijTekst(const platform::GridModel &grid, int row, int first, int last, const QString &sep);
// Writes fields into a row from column 0 on; column 0 centred.
void zetRij(platform::GridModel &grid, int row, const QStringList &fields);
// Empties the text of every cell of a row from column first on.
void leegRij(platform::GridModel &grid, int row, int first);

// The selected entry of a list, -1 when none is (the current entry alone,
// which a list takes on receiving the focus, does not count).
int gekozenRij(const QListWidget *list);

// Asks text 24 about a names file and deletes its ".txt" on Yes (the ".mail"
// twin stays for the address look-up); true when it was deleted.
bool vraagEnWisNamenBestand(QWidget *window, const QString &title, const LijstBestand &bestand);

// "&" removed from a caption.
QString zonderAmpersand(QString text);

} // namespace groups
