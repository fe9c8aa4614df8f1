#pragma once
// The calendar's rules, apart from its window.
#include <QDate>
#include <QString>
#include <array>

namespace groups {

// The days of a month: 31, 30, or for February 29 in a Gregorian leap year, else 28.
int maandLengte(int maand, int jaar);
// The column (Monday 1 to Sunday 7) of the 1st of a month.
int eersteKolom(int maand, int jaar);
// The cell (1 to 42, six rows of seven from Monday) that shows a day.
int cel(int dag, int maand, int jaar);
// The days that the 42 cells show for a month: index 1 to 42, 0 for a cell
// without a day (index 0 is not used).
std::array<int, 43> maandCellen(int maand, int jaar);
// Cells 1 to 35 always show; 36 to 42 only when they hold a day.
inline bool celZichtbaar(const std::array<int, 43> &cellen, int index) {
  return index <= 35 || cellen[index] != 0;
}
// A day, month and year in the form of text 63; the day is cut to the
// length of the month so that the date always exists.
QString kalenderDatum(int dag, int maand, int jaar);
// The calendar's caption: text 60 without its "&", " (", the date and ")".
QString kalenderTitel(const QString &datum);

} // namespace groups
