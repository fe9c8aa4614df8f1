#include "groups/vensterhulp.h"

#include "frame/bas_zemlo.h"
#include "frame/frmzemlo01.h"
#include "groups/namenbestand.h"
#include "platform/messagebox.h"
#include "platform/grid.h"

#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QWidget>

namespace groups {

void centreer(QWidget *window) {
  const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen)
    return;
  const QRect area = screen->availableGeometry();
  window->move(area.x() + (area.width() - window->width()) / 2,
               area.y() + (area.height() - window->height()) / 2);
}

void neemIcoon(QWidget *window) {
  if (frmZemlo01 *main = frmZemlo01::instance())
    window->setWindowIcon(main->windowIcon());
}

void verwijderRij(platform::GridModel &grid, int row) {
  if (row < 0 || row >= grid.rows())
    return;
  for (int r = row; r + 1 < grid.rows(); ++r)
    for (int c = 0; c < grid.cols(); ++c)
      grid.setCell(r, c, grid.cell(r + 1, c));
  grid.setRows(grid.rows() - 1);
}

QString rijTekst(const platform::GridModel &grid, int row, int first, int last,
                 const QString &sep) {
  QStringList parts;
  for (int c = first; c <= last; ++c)
    parts.append(grid.textMatrix(row, c));
  return parts.join(sep);
}

void zetRij(platform::GridModel &grid, int row, const QStringList &fields) {
  for (int c = 0; c < grid.cols(); ++c)
    grid.setTextMatrix(row, c, c < fields.size() ? fields[c] : QString());
  platform::GridCell cell = grid.cell(row, 0);
  cell.alignment = platform::AlignCenterCenter;
  grid.setCell(row, 0, cell);
}

void leegRij(platform::GridModel &grid, int row, int first) {
  for (int c = first; c < grid.cols(); ++c)
    grid.setTextMatrix(row, c, QString());
}

int gekozenRij(const QListWidget *list) {
  const auto items = list->selectedItems();
  return items.isEmpty() ? -1 : list->row(items.first());
}

QString zonderAmpersand(QString text) { return text.remove(u'&'); }

bool vraagEnWisNamenBestand(QWidget *window, const QString &title, const LijstBestand &bestand) {
  const QString vraag = QString(BAS_Zemlo::Tekst(24)).replace(u'~', bestand.naam);
  if (!platform::question(window, title, vraag))
    return false;
  QFile::remove(BAS_Zemlo::Pad(QStringLiteral("namen/")) + bestand.bestand);
  return true;
}

} // namespace groups
