#pragma once
// An evening for the entry per board, made from its opened files: the
// numbers of its header, the play schema's tables for every board and the
// group's pair labels; and the texts the window shows of them.
#include "preparation/avond.h"
#include "scoring/avondmodel.h"
#include "scoring/uitslag.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace scoring {

// The tables that play each board (board b at index b - 1), from the round
// lines of a play schema, its board sets mapped onto iSpellen boards a round.
QVector<QVector<TafelParen>> TafelsPerSpel(const QStringList &rondeRegels, int iRonden,
                                           int iSpellen);

// The numbers of a results file's header as the entry per board keeps them.
AvondKop KopGetallen(const preparation::InvoerKop &kop);

// The window caption: text 71 and the group file's name up to its first
// full stop in brackets.
QString VensterTitel(const QString &sGroepBestand);

// The header words of the result grid (texts 16 without its full stop, 32,
// 80 and 81).
KopTeksten ResultaatKop();

// An evening of the entry per board.
struct SpelAvond {
  preparation::GeopendeAvond bestanden;
  AvondKop getallen;
  QVector<QVector<TafelParen>> tafels;
  PaarLabels paren;
};
SpelAvond MaakSpelAvond(const preparation::GeopendeAvond &bestanden);

// The lines the results file is written with: the header, then the board
// lines of the model (those it could not read included).
QStringList InvoerRegels(const SpelAvond &avond, const AvondModel &model);

} // namespace scoring
