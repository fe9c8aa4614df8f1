#include "groups_fixture.h"

#include "common/vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/windows.h"
#include "groups/windows.h"
#include "platform/gridviewmodel.h"

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

// A cell out of sight is scrolled into view first, as a person would. A
// cell's rectangle is in viewport coordinates; a header cell lies in a header
// widget beside the viewport, which gets the click.
void clickCell(platform::GridView *view, int r, int c) {
  const QModelIndex index = view->tableModel()->indexOfCell(r, c);
  if (index.isValid() && !view->viewport()->rect().contains(view->cellRect(r, c)))
    view->scrollTo(index);
  const QPoint p = view->viewport()->mapTo(view, view->cellRect(r, c).center());
  QWidget *target = view->childAt(p);
  if (!target)
    target = view;
  QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(view, p));
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
