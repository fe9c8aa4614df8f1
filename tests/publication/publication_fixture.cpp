#include "publication_fixture.h"

#include <QTest>

namespace venstertest {

void typ(QWidget *widget, const QString &tekst) {
  for (const QChar c : tekst) {
    if (c.unicode() < 128) {
      QTest::keyClick(widget, c.toLatin1());
      continue;
    }
    const auto toets = static_cast<Qt::Key>(c.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Press, widget, toets, QString(c), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, widget, toets, QString(c), Qt::NoModifier);
  }
}

void registreerInvoer() {
  registerWindow(QStringLiteral("frmZemlo06"),
                 [] { return new Invoer(QStringLiteral("frmZemlo06")); });
  registerWindow(QStringLiteral("frmZemlo07"),
                 [] { return new Invoer(QStringLiteral("frmZemlo07")); });
}

void vulUitslag(platform::GridModel &grid, int paren) {
  grid.setRows(paren + 2);
  grid.setCols(6);
  grid.setFixedRows(1);
  const QStringList kop = {QStringLiteral("Nr"), QStringLiteral("Paren"),
                           QStringLiteral("1"),  QStringLiteral("2"),
                           QStringLiteral("MP"), QStringLiteral("Percentage")};
  for (int c = 0; c < 6; ++c) {
    platform::GridCell cel;
    cel.text = kop[c];
    cel.alignment = c == 1 ? 9 : 4;
    grid.setCell(0, c, cel);
  }
  for (int p = 1; p <= paren; ++p) {
    const QStringList rij = {QString::number(p),      QStringLiteral("%1. Paar & <%1>").arg(p),
                             QStringLiteral("2"),     QStringLiteral("1"),
                             QString::number(10 - p), QStringLiteral("%1.00%").arg(60 - p)};
    for (int c = 0; c < 6; ++c) {
      platform::GridCell cel;
      cel.text = rij[c];
      cel.alignment = c == 1 ? 1 : 4;
      grid.setCell(p, c, cel);
    }
  }
  grid.setTextMatrix(paren + 1, 2, QStringLiteral("8"));
  grid.setTextMatrix(paren + 1, 3, QStringLiteral("8"));
}

QStringList spelers() {
  return {QStringLiteral("Dhr. Jan Bakker"),     QStringLiteral("Mevr. Els Jansen"),
          QStringLiteral("Piet de Jong"),        QStringLiteral("  "),
          QStringLiteral("Mevr. Anna de Vries"), QStringLiteral("Dhr. Jan Bakker"),
          QStringLiteral("Dhr. Kees Smit")};
}

void schrijfAvond(const testing::ProgramFolder &folder, bool metMail, const QString &adres,
                  const QString &naam) {
  folder.write(QStringLiteral("groepen/12-03-2024 Groep A.txt"),
               "1| Dhr. Jan Bakker+3| Mevr. Els Jansen\r\n"
               "2|  Piet de Jong+5| Mevr. Anna de Vries\r\n"
               "4| Dhr. Jan Bakker+6| Dhr. Kees Smit\r\n");
  if (metMail)
    folder.write(QStringLiteral("groepen/12-03-2024 Groep A.mail"),
                 "1|Dhr.|Jan|Bakker|jan@bakker.test\r\n"
                 "3|Mevr.|Els|Jansen|els@jansen.test\r\n"
                 "2||Piet|de Jong|\r\n"
                 "5|Mevr.|Anna|de Vries|anna@vries.test\r\n"
                 "4|Dhr.|Jan|Bakker|jan2@bakker.test\r\n"
                 "6|Dhr.|Kees|Smit|kees@smit.test\r\n");
  QByteArray ini = "[standaard]\r\n";
  if (!adres.isEmpty())
    ini += "eigen e-mail adres=" + adres.toLatin1() + "\r\n";
  if (!naam.isEmpty())
    ini += "Naam voor e-mail=" + naam.toLatin1() + "\r\n";
  folder.write(QStringLiteral("standaard.ini"), ini);
  BAS_Zemlo::sGroepBestand = QStringLiteral("12-03-2024 Groep A.txt");
  BAS_Zemlo::sIniPad = folder.path(QStringLiteral("standaard.ini"));
}

} // namespace venstertest
