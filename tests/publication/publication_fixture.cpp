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

scoring::Uitslag uitslag(int paren) {
  scoring::Uitslag uit;
  uit.gerangschikt = true;
  for (int p = 1; p <= paren; ++p) {
    scoring::UitslagRij rij;
    rij.paar = p;
    rij.plaats = QString::number(p);
    rij.label = QStringLiteral("%1. Paar & <%1>").arg(p);
    rij.spellen = {QStringLiteral("2"), QStringLiteral("1")};
    rij.totaal = QString::number(10 - p);
    rij.percentage = QStringLiteral("%1.00%").arg(60 - p);
    uit.rijen.append(rij);
  }
  uit.spelTotalen = {QStringLiteral("8"), QStringLiteral("8")};
  return uit;
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
