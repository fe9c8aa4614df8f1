#include "rounds_fixture.h"

#include "common/vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/windows.h"
#include "platform/grid.h"
#include "rounds/windows.h"
#include "scoring/uitslagvenster.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace roundstest {

QByteArray fixture(const QString &name) {
  QFile f(QStringLiteral(ZEMLO_TEST_FIXTURES "/rounds/") + name);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Program::Program(int taal, const AvondOpzet &avond) : m_avond(avond) {
  folder.write(QStringLiteral("taal.txt"), QByteArray::number(taal) + "\r\n");
  registerFrameWindows();
  registerRoundsWindows();
  main = qobject_cast<frmZemlo01 *>(showWindow(QStringLiteral("frmZemlo01")));
  const QString map = QStringLiteral("schema/%1/").arg(taal);
  folder.write(map + QStringLiteral("06 Paren 03 Ronden Mitchell.txt"),
               fixture(QStringLiteral("06 Paren 03 Ronden Mitchell.txt")));
  folder.write(
      QStringLiteral("groepen/") + groep() + QStringLiteral(".txt"),
      fixture(avond.stilzit ? QStringLiteral("groep5.txt") : QStringLiteral("groep6.txt")));
  folder.write(invoer(), header() + avond.body);
  QDir().mkpath(folder.path(QStringLiteral("namen")));
}

Program::~Program() {
  for (const char *name : {"frmZemlo08", "frmZemlo07"})
    if (ZemloWindow *w = findWindow(QString::fromLatin1(name)))
      delete w;
  registerWindow(QStringLiteral("frmZemlo08"), nullptr);
  scoring::ZetUitslagVenster({});
  delete main;
  testing::flushDeletes();
}

QString Program::groep() const {
  return QStringLiteral("01-02-2024 ") + BAS_Zemlo::Tekst(125) + QStringLiteral(" A");
}

QString Program::invoer() const {
  return QStringLiteral("invoer/") + groep() + u' ' + BAS_Zemlo::Tekst(70) + QStringLiteral(".txt");
}

QByteArray Program::header() const {
  QByteArray kop = (groep() + u' ' + BAS_Zemlo::Tekst(70)).toLatin1() + "\r\n6\r\n";
  kop += m_avond.stilzit ? QByteArray::number(m_avond.stilzit) : BAS_Zemlo::Tekst(54).toLatin1();
  kop += "\r\n3\r\n" + QByteArray::number(m_avond.spellen) +
         "\r\n06 Paren 03 Ronden Mitchell\r\n1\r\n";
  return kop;
}

frmZemlo07 *Program::open() {
  BAS_Zemlo::sGroepBestand = groep() + QStringLiteral(".txt");
  BAS_Zemlo::sInvoerBestand = invoer().mid(7);
  auto *w = qobject_cast<frmZemlo07 *>(openWindow(QStringLiteral("frmZemlo07"), main));
  QApplication::processEvents();
  QPointer<frmZemlo07> levend(w);
  if (!levend || levend->isClosing())
    return nullptr;
  if (!QTest::qWaitForWindowActive(levend))
    return nullptr;
  return levend;
}

QStringList Program::takeBoxes() {
  QStringList out;
  for (const auto &b : boxes.boxes)
    out.append(b.text);
  boxes.boxes.clear();
  return out;
}

QLineEdit *vakNZ(const QWidget *w, int i) {
  return w->findChild<QLineEdit *>(QStringLiteral("txtScoreNZ%1").arg(i));
}

QLineEdit *vakOW(const QWidget *w, int i) {
  return w->findChild<QLineEdit *>(QStringLiteral("txtScoreOW%1").arg(i));
}

void click(QWidget *w) {
  QTest::mouseClick(w, Qt::LeftButton);
  QApplication::processEvents();
}

void typeEnter(QWidget *box, const QString &text) {
  QTest::keyClicks(box, text);
  QTest::keyClick(box, Qt::Key_Return);
  QApplication::processEvents();
}

void typeSlip(frmZemlo07 *w, const QStringList &scores) {
  for (int i = 0; i < scores.size(); ++i)
    typeEnter(vakNZ(w, i), scores.at(i));
}

QString row(const platform::GridModel &grid, int r) {
  QStringList cells;
  for (int c = 0; c < grid.cols(); ++c)
    cells.append(grid.textMatrix(r, c));
  return cells.join(u'|');
}

QStringList missing(const frmZemlo07 *w) {
  QStringList out;
  for (int i = 0; i < w->lstNietGevuld->count(); ++i)
    out.append(w->lstNietGevuld->item(i)->text());
  return out;
}

} // namespace roundstest
