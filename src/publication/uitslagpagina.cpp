#include "publication/uitslagpagina.h"

#include "platform/grid.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

namespace publication {

namespace {

constexpr std::uint32_t kKopKleur = 0xC0FFC0;
// The face of cells that name none, the same as the page's title.
const QString kLetter = QStringLiteral("Verdana");
const QString kNbsp = QStringLiteral("&nbsp;&nbsp;");

QString q(const QString &s) { return u'"' + s + u'"'; }

bool inAnsi(char32_t codePoint) {
  if (codePoint > 0xFFFF)
    return false;
  const QString one(QChar(static_cast<char16_t>(codePoint)));
  return codePoint == u'?' || platform::encodeAnsi(one) != "?";
}

QString celRegel(const platform::GridModel &grid, int r, int c) {
  const platform::GridCell &cel = grid.cell(r, c);
  QString achtergrond;
  if (cel.backColor && *cel.backColor != 0)
    achtergrond = QStringLiteral(" bgColor=") + q(u'#' + KleurTekst(*cel.backColor));
  const QString letter = !cel.fontName.isEmpty()      ? cel.fontName
                         : !grid.fontName().isEmpty() ? grid.fontName()
                                                      : kLetter;
  const double punten = cel.fontSize > 0 ? cel.fontSize : grid.fontSize();
  const auto grootte = platform::roundHalfEven(punten) / 3;

  QString uitlijning;
  QString tekst = HtmlTekst(cel.text);
  switch (cel.alignment) {
  case 4:
  case 7:
    uitlijning = QStringLiteral("center");
    break;
  case 6:
  case 9:
    uitlijning = QStringLiteral("right");
    tekst += kNbsp;
    break;
  default:
    uitlijning = QStringLiteral("left");
    tekst.prepend(kNbsp);
    break;
  }
  return QStringLiteral("       <td ") + achtergrond + QStringLiteral(" width=") +
         q(QString::number(grid.colWidth(c) / 15)) + QStringLiteral(" align=") + q(uitlijning) +
         QStringLiteral("><font face=") + q(HtmlTekst(letter)) + QStringLiteral(" size=") +
         q(QString::number(grootte)) + QStringLiteral(" COLOR=") +
         q(u'#' + KleurTekst(cel.foreColor.value_or(0))) + u'>' + tekst +
         QStringLiteral("</font></td>");
}

} // namespace

QString KleurTekst(std::uint32_t bgr) {
  const QString hex = QString::number(bgr & 0xFFFFFF, 16).toUpper().rightJustified(6, u'0');
  return hex.mid(4, 2) + hex.mid(2, 2) + hex.mid(0, 2);
}

QString HtmlTekst(const QString &tekst) {
  QString uit;
  uit.reserve(tekst.size());
  for (const char32_t cp : tekst.toUcs4()) {
    switch (cp) {
    case u'&':
      uit += QStringLiteral("&amp;");
      break;
    case u'<':
      uit += QStringLiteral("&lt;");
      break;
    case u'>':
      uit += QStringLiteral("&gt;");
      break;
    case u'"':
      uit += QStringLiteral("&quot;");
      break;
    default:
      if (inAnsi(cp))
        uit += QChar(static_cast<char16_t>(cp));
      else
        uit += QStringLiteral("&#%1;").arg(static_cast<unsigned>(cp));
    }
  }
  return uit;
}

QByteArray UitslagPagina(const platform::GridModel &grid, const QString &titel) {
  const QString kop = HtmlTekst(titel);
  QStringList regels;
  regels << QStringLiteral("<html>") << QStringLiteral("   <head>")
         << QStringLiteral("   <meta http-equiv=\"Content-Type\" content=\"text/html; "
                           "charset=windows-1252\">")
         << QStringLiteral("   <title>") + kop + QStringLiteral("</title>")
         << QStringLiteral("   </head>") << QStringLiteral("   <body>")
         << QStringLiteral("   <table width=\"100%\" border=\"1\" cellspacing=\"0\">")
         << QStringLiteral("<tr>")
         << QStringLiteral("     <td  bgColor=") + q(u'#' + KleurTekst(kKopKleur)) +
                QStringLiteral(" colspan=") + q(QString::number(grid.cols())) +
                QStringLiteral("><h3><font face=\"Verdana\" size=\"3\"> ") + kNbsp + kop +
                QStringLiteral("</font></h3></td>")
         << QStringLiteral("</tr>");
  for (int r = 0; r < grid.rows(); ++r) {
    regels << QStringLiteral("   <tr>");
    for (int c = 0; c < grid.cols(); ++c)
      regels << celRegel(grid, r, c);
    regels << QStringLiteral("   </tr>");
  }
  regels << QStringLiteral("</table>") << QStringLiteral("</body>") << QStringLiteral("</html>");

  QByteArray bytes;
  for (const QString &regel : regels)
    bytes += platform::encodeAnsi(regel) + "\r\n";
  return bytes;
}

QString HTMLBestandNaam(const QString &groepBestand) {
  return QString(groepBestand).replace(QStringLiteral(".txt"), QStringLiteral(".html"));
}

QString MailBestandNaam(const QString &groepBestand) {
  return QString(groepBestand).replace(QStringLiteral(".txt"), QStringLiteral(".mail"));
}

} // namespace publication
