#pragma once
// Routines that only the tests and the fuzz targets use: a grid's cells set
// one attribute at a time and its rows sorted, a names file's lines and the
// path of its twin, the board sets as text, the tables of one board, the lines an evening did not
// read and the result of an evening straight from its board lines. They set
// up what a test needs, or check the program's own routines against a second
// way to the same answer.
#include "groups/namenbestand.h"
#include "groups/namenlijst.h"
#include "platform/grid.h"
#include "preparation/schema.h"
#include "scoring/avondmodel.h"
#include "scoring/spelregel.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <algorithm>
#include <cstdint>

namespace testing {

// One attribute of the grid's current cell; the rest of the cell stays.
inline void setCellAlignment(platform::GridModel &grid, int alignment) {
  platform::GridCell cell = grid.cell(grid.row(), grid.col());
  cell.alignment = std::clamp(alignment, 0, 9);
  grid.setCell(grid.row(), grid.col(), cell);
}
inline void setCellForeColor(platform::GridModel &grid, std::uint32_t bgr) {
  platform::GridCell cell = grid.cell(grid.row(), grid.col());
  cell.foreColor = bgr;
  grid.setCell(grid.row(), grid.col(), cell);
}
inline void setCellFont(platform::GridModel &grid, const QString &name, double size,
                        bool bold = false) {
  platform::GridCell cell = grid.cell(grid.row(), grid.col());
  cell.fontName = name;
  cell.fontSize = size;
  cell.fontBold = bold;
  grid.setCell(grid.row(), grid.col(), cell);
}

// Every cell of a grid as "row,col alignment text", row by row.
inline QStringList cellTexts(const platform::GridModel &grid) {
  QStringList out;
  for (int r = 0; r < grid.rows(); ++r)
    for (int c = 0; c < grid.cols(); ++c)
      out.append(QStringLiteral("%1,%2 %3 %4")
                     .arg(r)
                     .arg(c)
                     .arg(grid.cell(r, c).alignment)
                     .arg(grid.textMatrix(r, c)));
  return out;
}

// Stable sort of the rows first..last of a grid on the text of one column,
// in the order of platform::sortedOrder: whole rows move, with their cell
// attributes and heights.
inline void sortRows(platform::GridModel &grid, int col, platform::GridSort order, int first,
                     int last) {
  first = std::max(first, 0);
  last = std::min(last, grid.rows() - 1);
  if (col < 0 || col >= grid.cols() || first >= last || order == platform::SortNone)
    return;
  QStringList keys;
  for (int r = first; r <= last; ++r)
    keys.append(grid.textMatrix(r, col));
  QVector<QVector<platform::GridCell>> cells;
  QVector<int> heights;
  for (const int i : platform::sortedOrder(keys, order)) {
    QVector<platform::GridCell> row;
    for (int c = 0; c < grid.cols(); ++c)
      row.append(grid.cell(first + i, c));
    cells.append(row);
    heights.append(grid.rowHeight(first + i));
  }
  for (int k = 0; k < cells.size(); ++k) {
    for (int c = 0; c < grid.cols(); ++c)
      grid.setCell(first + k, c, cells[k][c]);
    grid.setRowHeight(first + k, heights[k]);
  }
}

} // namespace testing

namespace groups {

// The lines of a names file as the names window writes them: the header,
// then "k|title|first|last|email".
inline QStringList NamenRegels(const NamenBestand &bestand) {
  NamenLijst lijst;
  lijst.zet(bestand);
  return lijst.regels();
}

// The ".mail" twin of a names file, found as the names window writes it.
inline QString namenMailPad(const QString &naam) {
  return tweelingPad(namenPad(naam), QStringLiteral(".mail"));
}

} // namespace groups

namespace preparation {

// "(1-4)|(1-3)", "(5-8)|(4-6)", ...: for each round k the set of the file and
// the set of boards (k-1)*b+1 to k*b that replaces it.
inline QStringList VervangSpelNummers(int iRonden, int iSpellen) {
  const auto set = [](int eerste, int laatste) {
    return u'(' + QString::number(eerste) + u'-' + QString::number(laatste) + u')';
  };
  QStringList lijst;
  for (int k = 1; k <= iRonden; ++k)
    lijst.append(set(4 * k - 3, 4 * k) + u'|' + set((k - 1) * iSpellen + 1, k * iSpellen));
  return lijst;
}

// The tables that play board n.
inline QList<Tafel> TafelsVoorSpel(const QList<Tafel> &tafels, int iSpel) {
  QList<Tafel> spelend;
  for (const Tafel &t : tafels)
    if (t.eersteSpel > 0 && t.eersteSpel <= iSpel && iSpel <= t.laatsteSpel)
      spelend.append(t);
  return spelend;
}

} // namespace preparation

namespace scoring {

// The indexes in Regels() of the lines a model did not read, found line by
// line: a line is read when the model, given that line alone, reads it, and
// no earlier line of its board was read.
inline QVector<int> OngelezenRegels(const AvondModel &model) {
  QVector<int> ongelezen;
  QSet<int> gelezen;
  const QStringList regels = model.Regels();
  for (int i = 0; i < regels.size(); ++i) {
    const int spel = SpelNummerVan(regels.at(i));
    AvondModel alleen = model;
    alleen.LeesRegels({regels.at(i)});
    if (spel >= 1 && spel <= model.AantalSpellen() && alleen.OnleesbareSpellen().isEmpty() &&
        !gelezen.contains(spel))
      gelezen.insert(spel);
    else
      ongelezen.append(i);
  }
  return ongelezen;
}

// The result of an evening from its results file: the board lines read and
// scored as AvondModel does, then totalled and ranked by MaakUitslag.
inline Uitslag UitslagVanRegels(const AvondKop &kop,
                                const QVector<QVector<TafelParen>> &tafelsPerSpel,
                                const QStringList &labels, const QStringList &regels) {
  AvondModel model(kop, tafelsPerSpel);
  model.LeesRegels(regels);
  return MaakUitslag(model.Stand(labels));
}

} // namespace scoring
