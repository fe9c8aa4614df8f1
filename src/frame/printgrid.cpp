#include "frame/printgrid.h"

#include "frame/bas_zemlo.h"
#include "frame/vensterhulp.h"
#include "platform/clock.h"
#include "platform/grid.h"
#include "platform/messagebox.h"
#include "platform/units.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <memory>

namespace {

// Print dialog flags, by their codes.
constexpr long kNoSelection = 0x4;

// Positions and sizes on paper are in twips.
constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerPoint = 20;
constexpr double kEdge = 400;     // left edge of the table, top of every page
constexpr double kCellExtra = 32; // added to every row's height
constexpr double kCellInset = 32; // left-aligned text stands this far inside its box
constexpr double kWidthFactor = 1.1;
constexpr int kBottomMargin = 800;
constexpr double kFooterPoints = 8;
constexpr double kBoxPen = 10;
constexpr int kPrintFailedText = 180;

// The program's one printer, deleted with the application.
class PrinterHolder : public QObject {
public:
  PrinterHolder() : printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}
  std::unique_ptr<QPrinter> printer;
};

QPointer<PrinterHolder> gHolder;

QPrinter &thePrinter() {
  if (!gHolder) {
    gHolder = new PrinterHolder;
    gHolder->setParent(QCoreApplication::instance());
  }
  return *gHolder->printer;
}

// A printer whose output failed keeps failing: its engine stops writing after
// the first error. The program's printer is then replaced by a new one with
// the same choice of printer and settings.
void renewPrinter() {
  const QPrinter &old = thePrinter();
  auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (old.outputFormat() == QPrinter::PdfFormat) {
    fresh->setOutputFormat(QPrinter::PdfFormat);
    fresh->setOutputFileName(old.outputFileName());
  } else {
    fresh->setPrinterName(old.printerName());
  }
  fresh->setPageLayout(old.pageLayout());
  fresh->setCopyCount(old.copyCount());
  fresh->setDuplex(old.duplex());
  fresh->setColorMode(old.colorMode());
  gHolder->printer = std::move(fresh);
}

// Output to a file must have left something in it.
bool outputWritten(const QPrinter &printer) {
  if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
    return true;
  const QFileInfo file(printer.outputFileName());
  return file.exists() && file.size() > 0;
}

// The test hook: preset answers instead of the dialog, output to a PDF file.
struct DialogAnswers {
  bool active = false;
  QList<bool> answers;
  QString pdfFile;
};

DialogAnswers &dialogAnswers() {
  static DialogAnswers answers;
  return answers;
}

void tellPrintFailed() {
  renewPrinter();
  QWidget *parent = QApplication::activeWindow();
  const QString title = parent ? parent->windowTitle() : BAS_Zemlo::Tekst(0);
  platform::information(parent, title, BAS_Zemlo::Tekst(kPrintFailedText));
}

// The page in twips in the printer's present orientation.
QSizeF pageTwips(const QPrinter &printer) {
  const QRectF r = printer.pageLayout().fullRect(QPageLayout::Point);
  return {r.width() * kTwipsPerPoint, r.height() * kTwipsPerPoint};
}

// A font whose size is given in drawing units (twips), so that it scales
// with the table.
QFont printFont(const QString &name, double points) {
  QFont f = name.isEmpty() ? QApplication::font() : QFont(name);
  f.setPixelSize(std::max(1, qRound(points * kTwipsPerPoint)));
  return f;
}

double boxWidth(const platform::GridModel &grid, int col) {
  return kWidthFactor * std::max(0, grid.colWidth(col));
}

// Draws the table page by page; false when the printer refused a new page.
class TablePrinter {
public:
  TablePrinter(QPrinter &printer, QPainter &painter, const platform::GridModel &grid,
               const QString &title, int titlePerPage, double pageHeight, int margin)
      : m_printer(printer), m_painter(painter), m_grid(grid), m_title(title),
        m_titlePerPage(titlePerPage), m_pageHeight(pageHeight), m_margin(margin),
        m_font(printFont(grid.fontName(), grid.fontSize())), m_metrics(m_font) {}

  bool print() {
    m_painter.setFont(m_font);
    m_y = kEdge;
    printTitle();
    // A grid without columns has nothing to show in its rows.
    const int rows = m_grid.cols() > 0 ? m_grid.rows() : 0;
    int rowsOnPage = 0;
    for (int r = 0; r < rows; ++r) {
      const double advance = m_grid.rowHeight(r) + kCellExtra;
      // A row taller than what is left of the page goes to the next one.
      if (rowsOnPage > 0 && m_y + advance > m_pageHeight - m_margin) {
        if (!newPage())
          return false;
        rowsOnPage = 0;
      }
      printRow(r);
      ++rowsOnPage;
      // A new page only when rows are left for it.
      if (m_y >= m_pageHeight - 2.0 * m_margin && r < rows - 1) {
        if (!newPage())
          return false;
        rowsOnPage = 0;
      }
    }
    printFooter();
    return true;
  }

private:
  void printLine(const QString &text, double x) {
    m_painter.drawText(QPointF(x, m_y + m_metrics.ascent()), text);
    m_y += m_metrics.height();
  }

  void printTitle() {
    m_painter.setPen(Qt::black);
    printLine(m_title, kEdge);
    m_y += m_metrics.height(); // the empty line
  }

  void printRow(int r) {
    const double height = m_grid.rowHeight(r);
    double x = kEdge;
    for (int c = 0; c < m_grid.cols(); ++c) {
      const platform::GridCell &cell = m_grid.cell(r, c);
      const double width = boxWidth(m_grid, c);
      m_painter.setPen(QPen(Qt::black, kBoxPen));
      m_painter.setBrush(Qt::NoBrush);
      m_painter.drawRect(QRectF(x, m_y, width, height + kCellExtra));

      // On paper only centre-centre is centred, and only right-top,
      // right-centre and general are right; every other alignment prints at
      // the box's left edge.
      double tx = x + kCellInset;
      const int a = cell.alignment;
      if (a == platform::AlignCenterCenter)
        tx = x + width / 2 - m_metrics.horizontalAdvance(cell.text) / 2;
      else if (a == platform::AlignRightTop || a == platform::AlignRightCenter ||
               a == platform::AlignGeneral)
        tx = x + width - m_metrics.horizontalAdvance(cell.text + u'w');
      const double ty = m_y + (height - m_metrics.height()) / 2 + kCellExtra / 2;

      // Every cell in its own text colour, so that the header's colour does
      // not carry over into the rows under it.
      m_painter.setPen(cell.foreColor ? venster::kleur(*cell.foreColor) : QColor(Qt::black));
      m_painter.drawText(QPointF(tx, ty + m_metrics.ascent()), cell.text);
      x += width;
    }
    m_y += height + kCellExtra;
  }

  bool newPage() {
    if (!m_printer.newPage())
      return false;
    m_y = kEdge;
    if (m_titlePerPage != -1) {
      printRow(0);
    } else if (!m_title.isEmpty()) {
      printTitle();
    }
    return true;
  }

  void printFooter() {
    const QFont small = printFont(m_grid.fontName(), kFooterPoints);
    const QFontMetricsF metrics(small);
    m_painter.setFont(small);
    m_painter.setPen(Qt::black);
    m_y += metrics.height(); // the empty line
    const QString footer =
        BAS_Zemlo::Tekst(1) + QStringLiteral("  ") + QString::number(platform::today().year());
    m_painter.drawText(QPointF(kEdge, m_y + metrics.ascent()), footer);
  }

  QPrinter &m_printer;
  QPainter &m_painter;
  const platform::GridModel &m_grid;
  QString m_title;
  int m_titlePerPage;
  double m_pageHeight;
  double m_margin;
  QFont m_font;
  QFontMetricsF m_metrics;
  double m_y = kEdge;
};

} // namespace

bool KiesPrinter(QWidget *frm, long lVlaggen) {
  QPrinter &printer = thePrinter();
  DialogAnswers &preset = dialogAnswers();
  if (preset.active) {
    // Answers run out as a cancel, so that no test waits on a dialog.
    if (preset.answers.isEmpty() || !preset.answers.takeFirst())
      return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(preset.pdfFile);
    return true;
  }

  // The whole grid is always printed, so no page range is offered.
  printer.setPrintRange(QPrinter::AllPages);
  QPrintDialog dialog(&printer, frm);
  QAbstractPrintDialog::PrintDialogOptions options = dialog.options();
  options &= ~QAbstractPrintDialog::PrintPageRange;
  options &= ~QAbstractPrintDialog::PrintCurrentPage;
  if (lVlaggen & kNoSelection)
    options &= ~QAbstractPrintDialog::PrintSelection;
  // Printing to a file (PDF) is always offered, whatever the flags ask: on a
  // computer without a printer it is the only way to print.
  options |= QAbstractPrintDialog::PrintToFile;
  dialog.setOptions(options);
  return dialog.exec() == QDialog::Accepted;
}

void PrintGrid(platform::GridModel &grid, const QString &sTitel, int bTitelPerPagina, int &iMarge) {
  iMarge = kBottomMargin;
  QPrinter &printer = thePrinter();
  printer.setFullPage(true); // positions are measured from the paper's edges

  // The table with its left margin, and as much room on the right.
  double tableWidth = 0;
  for (int c = 0; c < grid.cols(); ++c)
    tableWidth += boxWidth(grid, c);
  const double needed = tableWidth + 2 * kEdge;
  if (needed > pageTwips(printer).width())
    printer.setPageOrientation(QPageLayout::Landscape);
  const QSizeF page = pageTwips(printer);
  // Still too wide in landscape: the whole table is drawn smaller.
  const double scale = needed > page.width() ? page.width() / needed : 1.0;

  QPainter painter;
  if (!painter.begin(&printer)) {
    printer.setPageOrientation(QPageLayout::Portrait);
    tellPrintFailed();
    return;
  }
  const double toDevice = printer.resolution() / kTwipsPerInch * scale;
  painter.scale(toDevice, toDevice);
  TablePrinter table(printer, painter, grid, sTitel, bTitelPerPagina, page.height() / scale,
                     iMarge);
  const bool printed = table.print();
  const bool ended = painter.end();
  printer.setPageOrientation(QPageLayout::Portrait);
  if (!printed || !ended || printer.printerState() == QPrinter::Error ||
      printer.printerState() == QPrinter::Aborted || !outputWritten(printer))
    tellPrintFailed();
}

void setPrintDialogAnswers(const QList<bool> &answers, const QString &pdfFile) {
  DialogAnswers &preset = dialogAnswers();
  QPrinter &printer = thePrinter();
  preset.active = !answers.isEmpty();
  preset.answers = answers;
  preset.pdfFile = pdfFile;
  if (preset.active) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
  } else {
    printer.setOutputFileName(QString());
    printer.setOutputFormat(QPrinter::NativeFormat);
  }
}
