// The result page as bytes from a small grid.
#include "common/orakels.h"
#include "common/testsupport.h"
#include "platform/grid.h"
#include "publication/uitslagpagina.h"

#include <QTest>

namespace {

void zet(platform::GridModel &grid, int r, int c, const QString &tekst, int uitlijning) {
  platform::GridCell cel;
  cel.text = tekst;
  cel.alignment = uitlijning;
  grid.setCell(r, c, cel);
}

} // namespace

class TestUitslagPagina : public QObject {
  Q_OBJECT
private slots:
  void pageOfASmallGrid() {
    platform::GridModel grid;
    grid.setRows(3);
    grid.setCols(4);
    grid.setColWidth(0, 600);
    grid.setColWidth(1, 3000);
    grid.setColWidth(2, 900);
    grid.setColWidth(3, 1210);
    zet(grid, 0, 0, QStringLiteral("Nr."), 4);
    zet(grid, 0, 1, QStringLiteral("Paren"), 9);
    zet(grid, 0, 2, QStringLiteral("MP"), 4);
    zet(grid, 0, 3, QStringLiteral("%"), 7);
    zet(grid, 1, 0, QStringLiteral("1"), 4);
    zet(grid, 1, 1, QStringLiteral("1. Jan & \"Els\" <A>"), 1);
    zet(grid, 1, 2, QStringLiteral("150.5"), 6);
    grid.setRow(1);
    grid.setCol(2);
    testing::setCellForeColor(grid, 0x0000FF);
    zet(grid, 1, 3, QStringLiteral("57.12%"), 4);
    grid.setCol(3);
    testing::setCellFont(grid, QStringLiteral("Arial"), 13.5);
    zet(grid, 2, 0, QStringLiteral("(2)"), 4);
    zet(grid, 2, 1, QStringLiteral("2. Zo\u00eb \u0141ukasz"), 1);
    zet(grid, 2, 2, QString(), 0);
    zet(grid, 2, 3, QStringLiteral("-"), 4);
    grid.setRow(2);
    for (int c = 0; c < 4; ++c) {
      grid.setCol(c);
      grid.setCellBackColor(0xC0FFFF);
    }
    grid.setCol(3);
    testing::setCellFont(grid, QString(), 10.5);

    const QByteArray verwacht =
        "<html>\r\n"
        "   <head>\r\n"
        "   <meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n"
        "   <title>Uitslag (A&amp;B)</title>\r\n"
        "   </head>\r\n"
        "   <body>\r\n"
        "   <table width=\"100%\" border=\"1\" cellspacing=\"0\">\r\n"
        "<tr>\r\n"
        "     <td  bgColor=\"#C0FFC0\" colspan=\"4\"><h3><font face=\"Verdana\" size=\"3\"> "
        "&nbsp;&nbsp;Uitslag (A&amp;B)</font></h3></td>\r\n"
        "</tr>\r\n"
        "   <tr>\r\n"
        "       <td  width=\"40\" align=\"center\"><font face=\"Verdana\" size=\"3\" "
        "COLOR=\"#000000\">Nr.</font></td>\r\n"
        "       <td  width=\"200\" align=\"right\"><font face=\"Verdana\" size=\"3\" "
        "COLOR=\"#000000\">Paren&nbsp;&nbsp;</font></td>\r\n"
        "       <td  width=\"60\" align=\"center\"><font face=\"Verdana\" size=\"3\" "
        "COLOR=\"#000000\">MP</font></td>\r\n"
        "       <td  width=\"80\" align=\"center\"><font face=\"Verdana\" size=\"3\" "
        "COLOR=\"#000000\">%</font></td>\r\n"
        "   </tr>\r\n"
        "   <tr>\r\n"
        "       <td  width=\"40\" align=\"center\"><font face=\"Verdana\" size=\"3\" "
        "COLOR=\"#000000\">1</font></td>\r\n"
        "       <td  width=\"200\" align=\"left\"><font face=\"Verdana\" size=\"3\" "
        "COLOR=\"#000000\">&nbsp;&nbsp;1. Jan &amp; &quot;Els&quot; &lt;A&gt;</font></td>\r\n"
        "       <td  width=\"60\" align=\"right\"><font face=\"Verdana\" size=\"3\" "
        "COLOR=\"#FF0000\">150.5&nbsp;&nbsp;</font></td>\r\n"
        "       <td  width=\"80\" align=\"center\"><font face=\"Arial\" size=\"4\" "
        "COLOR=\"#000000\">57.12%</font></td>\r\n"
        "   </tr>\r\n"
        "   <tr>\r\n"
        "       <td  bgColor=\"#FFFFC0\" width=\"40\" align=\"center\"><font face=\"Verdana\" "
        "size=\"3\" COLOR=\"#000000\">(2)</font></td>\r\n"
        "       <td  bgColor=\"#FFFFC0\" width=\"200\" align=\"left\"><font face=\"Verdana\" "
        "size=\"3\" COLOR=\"#000000\">&nbsp;&nbsp;2. Zo\xeb &#321;ukasz</font></td>\r\n"
        "       <td  bgColor=\"#FFFFC0\" width=\"60\" align=\"left\"><font face=\"Verdana\" "
        "size=\"3\" COLOR=\"#000000\">&nbsp;&nbsp;</font></td>\r\n"
        "       <td  bgColor=\"#FFFFC0\" width=\"80\" align=\"center\"><font face=\"Verdana\" "
        "size=\"3\" COLOR=\"#000000\">-</font></td>\r\n"
        "   </tr>\r\n"
        "</table>\r\n"
        "</body>\r\n"
        "</html>\r\n";
    const QByteArray pagina = publication::UitslagPagina(grid, QStringLiteral("Uitslag (A&B)"));
    QCOMPARE(pagina, verwacht);
  }

  void onePairGivesHeaderAndOneRow() {
    platform::GridModel grid;
    grid.setRows(2);
    grid.setCols(4);
    const QByteArray pagina = publication::UitslagPagina(grid, QStringLiteral("T"));
    QCOMPARE(pagina.count("   <tr>\r\n"), 2);
    QCOMPARE(pagina.count("<td  width="), 8);
  }

  void colourTexts_data() {
    QTest::addColumn<uint>("bgr");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("header") << 0xC0FFC0u << "C0FFC0";
    QTest::newRow("band") << 0xC0FFFFu << "FFFFC0";
    QTest::newRow("black") << 0u << "000000";
    QTest::newRow("red") << 0x0000FFu << "FF0000";
  }
  void colourTexts() {
    QFETCH(uint, bgr);
    QFETCH(QString, tekst);
    QCOMPARE(publication::KleurTekst(bgr), tekst);
  }

  void escapedTexts_data() {
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("uit");
    QTest::newRow("markup") << "<b>&\"x\"</b>"
                            << "&lt;b&gt;&amp;&quot;x&quot;&lt;/b&gt;";
    QTest::newRow("Windows-1252 kept") << "\u00e9\u20ac"
                                       << "\u00e9\u20ac";
    QTest::newRow("outside Windows-1252") << "\u0141\U0001F0A1"
                                          << "&#321;&#127137;";
    QTest::newRow("question mark") << "?"
                                   << "?";
  }
  void escapedTexts() {
    QFETCH(QString, in);
    QFETCH(QString, uit);
    QCOMPARE(publication::HtmlTekst(in), uit);
  }

  void fileNames() {
    QCOMPARE(publication::HTMLBestandNaam(QStringLiteral("12-03-2024 Groep A.txt")),
             QStringLiteral("12-03-2024 Groep A.html"));
    QCOMPARE(publication::MailBestandNaam(QStringLiteral("12-03-2024 Groep A.txt")),
             QStringLiteral("12-03-2024 Groep A.mail"));
  }
};

#include "uitslagpagina_test.moc"
ZEMLO_TEST_CLASS(TestUitslagPagina)
