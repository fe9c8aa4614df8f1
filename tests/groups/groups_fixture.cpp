#include "groups_fixture.h"

#include "frame/bas_zemlo.h"
#include "groups/windows.h"

#include <QApplication>
#include <QFile>
#include <QTest>

namespace groupstest {

QByteArray fixture(const QString &name) {
  QFile f(QStringLiteral(ZEMLO_TEST_FIXTURES "/groups/") + name);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Program::Program(int taal) {
  folder.write(QStringLiteral("taal.txt"), QByteArray::number(taal) + "\r\n");
  registerFrameWindows();
  registerGroupsWindows();
  main = qobject_cast<frmZemlo01 *>(showWindow(QStringLiteral("frmZemlo01")));
}

Program::~Program() {
  for (const char *name : {"frmZemlo05", "frmZemlo03", "frmZemlo02"})
    if (ZemloWindow *w = findWindow(QString::fromLatin1(name)))
      delete w;
  delete main;
  testing::flushDeletes();
}

void Program::click(QWidget *button) {
  QTest::mouseClick(button, Qt::LeftButton);
  QApplication::processEvents();
}

QStringList Program::takeBoxes() {
  QStringList out;
  for (const auto &b : boxes.boxes)
    out.append(b.text);
  boxes.boxes.clear();
  return out;
}

void clickCell(platform::GridView *view, int r, int c) {
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cellRect(r, c).center());
  QApplication::processEvents();
}

QString row(const platform::GridModel &grid, int r, int first, int last) {
  if (last < 0)
    last = grid.cols() - 1;
  QStringList cells;
  for (int c = first; c <= last; ++c)
    cells.append(grid.textMatrix(r, c));
  return cells.join(u'|');
}

} // namespace groupstest
