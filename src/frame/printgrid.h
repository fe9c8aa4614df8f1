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

// Prints the grid as a table of boxed cells with sTitel above it.
void PrintGrid(platform::GridModel &grid, const QString &sTitel, int bTitelPerPagina,
               int &iMarge);

// For tests: the print dialog is not shown; each KiesPrinter call takes the
// next answer (true: print, false: cancel) and the printer writes a PDF file.
// An empty list of answers shows the dialog again.
void setPrintDialogAnswers(const QList<bool> &answers, const QString &pdfFile);
