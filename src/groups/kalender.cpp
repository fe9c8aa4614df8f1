#include "groups/kalender.h"

#include "frame/bas_zemlo.h"

#include <algorithm>

namespace groups {

int maandLengte(int maand, int jaar) {
  switch (maand) {
  case 4:
  case 6:
  case 9:
  case 11:
    return 30;
  case 2:
    return QDate::isLeapYear(jaar) ? 29 : 28;
  default:
    return 31;
  }
}

int eersteKolom(int maand, int jaar) { return QDate(jaar, maand, 1).dayOfWeek(); }

int cel(int dag, int maand, int jaar) { return eersteKolom(maand, jaar) - 1 + dag; }

std::array<int, 43> maandCellen(int maand, int jaar) {
  std::array<int, 43> cellen{};
  for (int dag = 1; dag <= maandLengte(maand, jaar); ++dag)
    cellen[cel(dag, maand, jaar)] = dag;
  return cellen;
}

QString kalenderDatum(int dag, int maand, int jaar) {
  dag = std::clamp(dag, 1, maandLengte(maand, jaar));
  return BAS_Zemlo::DatumTekst(QDate(jaar, maand, dag));
}

QString kalenderTitel(const QString &datum) {
  return QString(BAS_Zemlo::Tekst(60)).remove(u'&') + QStringLiteral(" (") + datum + u')';
}

} // namespace groups
