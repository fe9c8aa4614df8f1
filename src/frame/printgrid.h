#pragma once
// Printing a grid on the program's printer, after the print dialog.
#include <QList>
#include <QString>

class QWidget;
namespace platform {
class GridModel;
}

// Shows the print dialog; true when the user chose to print, the chosen
// printer then being the program's printer.
bool KiesPrinter(QWidget *frm, long lVlaggen);

// Prints the grid as a table of boxed cells with sTitel above it, row 0
// repeated at the top of every further page (or the title, when
// bTitelPerPagina is -1), and a footer with the year. A table too wide for the
// page is printed in landscape, and drawn smaller when even that is too narrow.
// iMarge is set to the bottom margin, 800 twips. A printer that cannot print
// gives an information box.
void PrintGrid(platform::GridModel &grid, const QString &sTitel, int bTitelPerPagina, int &iMarge);

// For tests: the print dialog is not shown; each KiesPrinter call takes the
// next answer (true: print, false: cancel) and the printer writes a PDF file.
// Once the answers run out, KiesPrinter answers cancel. The printer is set to
// A4 portrait. An empty list of answers shows the dialog again.
void setPrintDialogAnswers(const QList<bool> &answers, const QString &pdfFile);
