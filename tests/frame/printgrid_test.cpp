// Printing a grid: every print goes to a PDF file, which is read back with
// pdftotext (words with their boxes, in points) and pdftoppm (colours).
#include "common/orakels.h"
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "frame/printgrid.h"
#include "platform/clock.h"
#include "platform/grid.h"
#include "platform/gridview.h"
#include "platform/messagebox.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr long kFlags = 0x100004;
constexpr double kA4Width = 595.276; // points
constexpr double kA4Height = 841.89;

struct Word {
  QString text;
  double xMin, yMin, xMax, yMax;
};

struct Page {
  double width = 0, height = 0;
  QList<Word> words;
  QStringList texts() const {
    QStringList t;
    for (const Word &w : words)
      t.append(w.text);
    return t;
  }
  const Word *find(const QString &text) const {
    for (const Word &w : words)
      if (w.text == text)
        return &w;
    return nullptr;
  }
};

QList<Page> readPdf(const QString &file) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
  p.waitForFinished(30000);
  const QString html = QString::fromUtf8(p.readAllStandardOutput());
  QList<Page> pages;
  static const QRegularExpression re(
      QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" )re"
                     R"re(yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
  for (auto it = re.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    if (!m.captured(1).isEmpty()) {
      pages.append(Page{m.captured(1).toDouble(), m.captured(2).toDouble(), {}});
    } else if (!pages.isEmpty()) {
      pages.last().words.append(Word{m.captured(7), m.captured(3).toDouble(),
                                     m.captured(4).toDouble(), m.captured(5).toDouble(),
                                     m.captured(6).toDouble()});
    }
  }
  return pages;
}

// A header row "H0", "H1", ... and rows "r1c0", ...; every column the same width.
void fillGrid(platform::GridModel &grid, int rows, int cols, int width) {
  grid.setRows(rows);
  grid.setCols(cols);
  grid.setFixedRows(rows > 0 ? 1 : 0);
  for (int c = 0; c < cols; ++c) {
    grid.setColWidth(c, width);
    for (int r = 0; r < rows; ++r)
      grid.setTextMatrix(
          r, c, r == 0 ? QStringLiteral("H%1").arg(c) : QStringLiteral("r%1c%2").arg(r).arg(c));
  }
}

bool landscape(const Page &p) { return p.width > p.height; }

// The width in points of a text in the grid's 9-point font.
double textPoints(const QString &text) {
  QFont f = QApplication::font();
  f.setPixelSize(180);
  return QFontMetricsF(f).horizontalAdvance(text) / 20;
}

// The height in points of a line in the grid's 9-point font.
double linePoints() {
  QFont f = QApplication::font();
  f.setPixelSize(180);
  return QFontMetricsF(f).height() / 20;
}

// A window of the kind that prints its grid: a grid and a print button.
class PrintWindow : public QWidget {
public:
  PrintWindow() {
    setWindowTitle(QStringLiteral("Uitslag"));
    msfgUitslag = new platform::GridView(this);
    msfgUitslag->setObjectName(QStringLiteral("msfgUitslag"));
    cmdAfdrukken = new QPushButton(QStringLiteral("Print"), this);
    cmdAfdrukken->setObjectName(QStringLiteral("cmdAfdrukken"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(msfgUitslag);
    layout->addWidget(cmdAfdrukken);
    resize(400, 300);
    connect(cmdAfdrukken, &QPushButton::clicked, this, [this] {
      if (!KiesPrinter(this, kFlags))
        return;
      int marge = 0;
      PrintGrid(*msfgUitslag->grid(), windowTitle(), 0, marge);
    });
  }
  platform::GridView *msfgUitslag;
  QPushButton *cmdAfdrukken;
};

} // namespace

class TestPrintGrid : public QObject {
  Q_OBJECT

  std::unique_ptr<testing::ProgramFolder> m_folder;
  QString m_pdf;

  // Prints through the preset dialog; the pages read back.
  QList<Page> print(platform::GridModel &grid, const QString &title = QStringLiteral("Titel")) {
    QFile::remove(m_pdf);
    setPrintDialogAnswers({true}, m_pdf);
    if (!KiesPrinter(nullptr, kFlags))
      return {};
    int marge = 0;
    PrintGrid(grid, title, 0, marge);
    return readPdf(m_pdf);
  }

private slots:
  void init() {
    m_folder = std::make_unique<testing::ProgramFolder>();
    m_pdf = m_folder->path(QStringLiteral("print.pdf"));
    BAS_Zemlo::iTaal = 11;
    platform::setClock(QDateTime(QDate(2031, 5, 6), QTime(20, 0)));
  }

  void cleanup() {
    setPrintDialogAnswers({}, {});
    m_folder.reset();
  }

  void orientationAndSize_data() {
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("wide");   // landscape expected
    QTest::addColumn<bool>("scaled"); // drawn smaller than its font
    QTest::newRow("portrait") << 4 << 2000 << false << false;
    // 11,797 twips fit the portrait width of 11,906 only without the margin.
    QTest::newRow("left margin counts") << 5 << 2145 << true << false;
    QTest::newRow("landscape") << 8 << 1600 << true << false;
    QTest::newRow("wider than landscape") << 10 << 2000 << true << true;
    QTest::newRow("very wide columns") << 3 << 400000 << true << true;
  }

  void orientationAndSize() {
    QFETCH(int, cols);
    QFETCH(int, width);
    QFETCH(bool, wide);
    QFETCH(bool, scaled);
    platform::GridModel grid;
    fillGrid(grid, 4, cols, width);
    grid.setRow(2);
    grid.setCol(1);
    const QList<Page> pages = print(grid);
    QCOMPARE(pages.size(), 1);
    const Page &page = pages[0];
    QCOMPARE(landscape(page), wide);

    // Every cell is there and on the paper, right margin included.
    const double scale = scaled ? (page.width * 20) / (1.1 * cols * width + 800) : 1.0;
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < cols; ++c) {
        const QString text = grid.textMatrix(r, c);
        const Word *w = page.find(text);
        QVERIFY2(w, qPrintable(text));
        QVERIFY(w->xMax <= page.width - 20 * scale + 0.5);
      }
    // The font keeps its size unless the whole table is scaled.
    const Word *cell = page.find(QStringLiteral("r1c0"));
    const double height = cell->yMax - cell->yMin;
    const Word *title = page.find(QStringLiteral("Titel"));
    const double full = title->yMax - title->yMin;
    QVERIFY(qAbs(height - full) < 0.01);
    QVERIFY(qAbs(full / linePoints() - scale) < 0.05 * scale);
    QVERIFY(page.texts().contains(QStringLiteral("2031")));

    // The grid is left as it was; the printer is portrait again.
    QCOMPARE(grid.fontSize(), platform::GridModel::kDefaultFontSize);
    QCOMPARE(grid.row(), 2);
    QCOMPARE(grid.col(), 1);
    QCOMPARE(grid.colWidth(0), width);
    platform::GridModel narrow;
    fillGrid(narrow, 2, 2, 1000);
    QVERIFY(!landscape(print(narrow).value(0)));
  }

  void layoutOfTheTable() {
    platform::GridModel grid;
    fillGrid(grid, 2, 4, 2000);
    const int codes[] = {platform::AlignLeftCenter, platform::AlignCenterCenter,
                         platform::AlignRightCenter, platform::AlignGeneral};
    const QString texts[] = {QStringLiteral("Links"), QStringLiteral("Midden"),
                             QStringLiteral("Rechts"), QStringLiteral("Jansen")};
    for (int c = 0; c < 4; ++c) {
      grid.setRow(1);
      grid.setCol(c);
      grid.setText(texts[c]);
      testing::setCellAlignment(grid, codes[c]);
    }
    const Page page = print(grid, QStringLiteral("Groep A")).value(0);
    QVERIFY(qAbs(page.width - kA4Width) < 1 && qAbs(page.height - kA4Height) < 1);

    // The title at 400, 400 twips; the table 2 lines under it.
    const Word *title = page.find(QStringLiteral("Groep"));
    QVERIFY(qAbs(title->xMin - 20) < 0.5);
    QVERIFY(title->yMin > 19.5 && title->yMin < 22);
    const double line = title->yMax - title->yMin;
    const Word *header = page.find(QStringLiteral("H0"));
    QVERIFY(header->yMin > 20 + 2 * line && header->yMin < 20 + 2 * line + 8);

    // Boxes of 1.1 x 2000 twips from 400 twips on, i.e. 110 points from 20.
    auto left = [](int c) { return 20 + 110.0 * c; };
    QVERIFY(qAbs(page.find(texts[0])->xMin - (left(0) + 1.6)) < 0.5);
    const Word *centred = page.find(texts[1]);
    QVERIFY(qAbs((centred->xMin + centred->xMax) / 2 - (left(1) + 55)) < 0.5);
    const double w = textPoints(QStringLiteral("w"));
    QVERIFY(qAbs(page.find(texts[2])->xMax - (left(3) - w)) < 0.5);
    QVERIFY(qAbs(page.find(texts[3])->xMax - (left(4) - w)) < 0.5);

    // The footer: the year in 8 points under the table.
    const Word *year = page.find(QStringLiteral("2031"));
    QVERIFY(year->yMin > page.find(texts[0])->yMax);
    QVERIFY(year->yMax - year->yMin < line * 0.95);
    QVERIFY(qAbs(year->xMin - (20 + textPoints(QStringLiteral("  ")) * 8 / 9)) < 1);
  }

  // On paper code 4 is centred; 6, 7 and 9 are right; every other code,
  // 3, 5 and 8 among them, prints at the box's left edge.
  void alignmentOnPaper() {
    platform::GridModel grid;
    fillGrid(grid, 11, 1, 3000);
    const char expected[] = "llllclrrlr"; // by code 0-9: left, centre, right
    for (int code = 0; code <= 9; ++code) {
      grid.setRow(code + 1);
      grid.setCol(0);
      grid.setText(QStringLiteral("Code%1").arg(code));
      testing::setCellAlignment(grid, code);
    }
    const Page page = print(grid).value(0);
    // The box is 1.1 x 3000 twips from 400 on: 20 to 185 points.
    const double left = 20, right = 185, w = textPoints(QStringLiteral("w"));
    for (int code = 0; code <= 9; ++code) {
      const Word *word = page.find(QStringLiteral("Code%1").arg(code));
      QVERIFY(word);
      const QString where =
          QStringLiteral("code %1 at %2-%3").arg(code).arg(word->xMin).arg(word->xMax);
      switch (expected[code]) {
      case 'l':
        QVERIFY2(qAbs(word->xMin - (left + 1.6)) < 0.5, qPrintable(where));
        break;
      case 'c':
        QVERIFY2(qAbs((word->xMin + word->xMax) / 2 - (left + right) / 2) < 0.5, qPrintable(where));
        break;
      case 'r':
        QVERIFY2(qAbs(word->xMax - (right - w)) < 0.5, qPrintable(where));
        break;
      }
    }
  }

  void pageBreaks() {
    // How many rows a first and a further page hold.
    platform::GridModel grid;
    fillGrid(grid, 200, 3, 1500);
    const QList<Page> many = print(grid);
    QVERIFY(many.size() >= 3);
    auto bodyRows = [](const Page &p) {
      int n = 0;
      for (const Word &w : p.words)
        n += w.text.endsWith(QStringLiteral("c0")) ? 1 : 0;
      return n;
    };
    const int first = bodyRows(many[0]);
    const int further = bodyRows(many[1]);
    QVERIFY(first > 40 && further > first);

    // Around each page's end: never a page with only the header on it.
    const int counts[] = {first - 1, first, first + 1, first + further, first + further + 1};
    for (int body : counts) {
      fillGrid(grid, body + 1, 3, 1500);
      const QList<Page> pages = print(grid);
      const int expected = body <= first ? 1 : body <= first + further ? 2 : 3;
      QCOMPARE(pages.size(), expected);
      QStringList seen;
      for (int i = 0; i < pages.size(); ++i) {
        const Page &p = pages[i];
        // Every page starts with the header row at 400, 400 twips.
        const Word *h = p.find(QStringLiteral("H0"));
        QVERIFY2(h, qPrintable(QStringLiteral("%1 rows, page %2").arg(body).arg(i + 1)));
        if (i > 0)
          QVERIFY(h->yMin > 20 && h->yMin < 26);
        QVERIFY(bodyRows(p) > 0);
        for (const Word &w : p.words) {
          QVERIFY(w.yMax < p.height - 40);
          if (w.text.endsWith(QStringLiteral("c0")))
            seen.append(w.text);
        }
        QCOMPARE(p.texts().contains(QStringLiteral("2031")), i == pages.size() - 1);
      }
      QCOMPARE(seen.size(), body);
      QCOMPARE(seen.last(), QStringLiteral("r%1c0").arg(body));
      QCOMPARE(seen.removeDuplicates(), 0);
    }
  }

  void headerColourOnFurtherPages() {
    platform::GridModel grid;
    fillGrid(grid, 120, 3, 1500);
    grid.setRow(0);
    for (int c = 0; c < 3; ++c) {
      grid.setCol(c);
      testing::setCellForeColor(grid, 0x0000FF); // red
    }
    QCOMPARE(print(grid).size(), 3);
    const QString base = m_folder->path(QStringLiteral("page"));
    QCOMPARE(
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-f"),
                           QStringLiteral("2"), QStringLiteral("-l"), QStringLiteral("2"),
                           QStringLiteral("-png"), QStringLiteral("-singlefile"), m_pdf, base}),
        0);
    const QImage image(base + QStringLiteral(".png"));
    QVERIFY(!image.isNull());
    // At 72 dpi a pixel is a point: the header row lies from 20 to 34.35.
    int redInHeader = 0, redBelow = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() > 150 && c.green() < 100 && c.blue() < 100)
          (y < 36 ? redInHeader : redBelow) += 1;
      }
    QVERIFY(redInHeader > 10);
    QCOMPARE(redBelow, 0);
  }

  void gridsWithoutRowsOrColumns_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::newRow("no rows") << 0 << 3;
    QTest::newRow("no columns") << 300 << 0;
    QTest::newRow("header only") << 1 << 3;
    QTest::newRow("nothing") << 0 << 0;
  }

  void gridsWithoutRowsOrColumns() {
    QFETCH(int, rows);
    QFETCH(int, cols);
    platform::GridModel grid;
    fillGrid(grid, rows, cols, 1000);
    const QList<Page> pages = print(grid);
    QCOMPARE(pages.size(), 1);
    QVERIFY(!landscape(pages[0]));
    QCOMPARE(pages[0].texts().first(), QStringLiteral("Titel"));
    // The footer stands under everything else.
    const Word *year = pages[0].find(QStringLiteral("2031"));
    QVERIFY(year);
    for (const Word &w : pages[0].words)
      QVERIFY(w.yMax <= year->yMax);
    QCOMPARE(pages[0].texts().contains(QStringLiteral("H0")), rows > 0 && cols > 0);
  }

  void printerThatCannotPrint_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("cannot start") << QStringLiteral("missing/print.pdf");
    QTest::newRow("fails while writing") << QStringLiteral("/dev/full");
  }

  void printerThatCannotPrint() {
    QFETCH(QString, file);
    platform::RecordingAnswerer answerer;
    platform::GridModel grid;
    fillGrid(grid, 300, 2, 1000);
    setPrintDialogAnswers({true}, file.startsWith(u'/') ? file : m_folder->path(file));
    QVERIFY(KiesPrinter(nullptr, kFlags));
    int marge = 0;
    PrintGrid(grid, QStringLiteral("Titel"), 0, marge);
    QCOMPARE(marge, 800);
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].kind, platform::BoxKind::Information);
    QCOMPARE(answerer.boxes[0].text,
             QStringLiteral("Printing has failed.\nCheck the printer and try again."));
    // The program goes on and prints again.
    QVERIFY(print(grid).size() > 1);
    QCOMPARE(answerer.boxes.size(), 1);
  }

  // The print dialog offers printing to a PDF file, also with the flags of
  // the result window and the group list, which ask to hide it.
  void dialogOffersPrintToFile() {
    setPrintDialogAnswers({}, {});
    bool gezien = false;
    bool pdf = false;
    QTimer::singleShot(0, [&] {
      auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
      if (!dialog)
        return;
      gezien = true;
      // The dialog lists it among the printers.
      for (const QComboBox *printers : dialog->findChildren<QComboBox *>())
        for (int i = 0; i < printers->count(); ++i)
          pdf = pdf || printers->itemText(i).contains(QStringLiteral("PDF"));
      dialog->reject();
    });
    QVERIFY(!KiesPrinter(nullptr, kFlags));
    QVERIFY(gezien);
    QVERIFY(pdf);
  }

  void printFromAWindow() {
    PrintWindow window;
    platform::GridModel *grid = window.msfgUitslag->grid();
    fillGrid(*grid, 5, 3, 1200);
    grid->setTextMatrix(1, 0, QStringLiteral("Jansen"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Cancel, then print, then the answers have run out: a cancel.
    setPrintDialogAnswers({false, true}, m_pdf);
    QTest::mouseClick(window.cmdAfdrukken, Qt::LeftButton);
    QVERIFY(!QFile::exists(m_pdf));
    QTest::mouseClick(window.cmdAfdrukken, Qt::LeftButton);
    const QList<Page> pages = readPdf(m_pdf);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages[0].texts().first(), QStringLiteral("Uitslag"));
    QVERIFY(pages[0].texts().contains(QStringLiteral("Jansen")));
    QVERIFY(QFile::remove(m_pdf));
    QTest::mouseClick(window.cmdAfdrukken, Qt::LeftButton);
    QVERIFY(!QFile::exists(m_pdf));
  }
};

#include "printgrid_test.moc"
ZEMLO_TEST_CLASS(TestPrintGrid)
