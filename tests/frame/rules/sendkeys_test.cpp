// Keystroke sending: the notation read into key records.
#include "common/testsupport.h"
#include "frame/sendkeys.h"

#include <QMetaEnum>
#include <QTest>

namespace {

// Records written compactly: "End" a press, "/End" a release, ":x" the text
// typed (control characters as \xNN), "U+20AC" a key with no Qt name.
QString describe(const QList<platform::KeyRecord> &records) {
  static const QMetaEnum keys = QMetaEnum::fromType<Qt::Key>();
  QStringList parts;
  for (const platform::KeyRecord &r : records) {
    const char *name = keys.valueToKey(r.key);
    QString part = r.up ? QStringLiteral("/") : QString();
    part += name ? QString::fromLatin1(name).mid(4)
                 : QStringLiteral("U+%1").arg(r.key, 4, 16, QChar(u'0')).toUpper();
    if (!r.text.isEmpty()) {
      part += u':';
      for (const QChar c : r.text)
        part += c.unicode() < 0x20 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'))
                                   : QString(c);
    }
    parts << part;
  }
  return parts.join(u' ');
}

} // namespace

class SendKeysTest : public QObject {
  Q_OBJECT

private slots:
  void records_data();
  void records();
  void refused_data();
  void refused();
};

void SendKeysTest::records_data() {
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("expected");
  const QString shiftA = "Shift A:A /A:A /Shift";

  QTest::newRow("empty") << ""
                         << "";
  QTest::newRow("plain letter") << "a"
                                << "A:a /A:a";
  QTest::newRow("digit and blank") << "1 "
                                   << "1:1 /1:1 Space:  /Space: ";
  QTest::newRow("capital takes Shift") << "A" << shiftA;
  QTest::newRow("shifted sign") << "!"
                                << "Shift Exclam:! /Exclam:! /Shift";
  QTest::newRow("character of no key") << "é€"
                                       << "Eacute:é /Eacute:é U+20AC:€ /U+20AC:€";
  QTest::newRow("beyond the basic plane") << QString::fromUcs4(U"\U0001F600")
                                          << "U+1F600:" + QString::fromUcs4(U"\U0001F600") +
                                                 " /U+1F600:" + QString::fromUcs4(U"\U0001F600");

  QTest::newRow("END") << "{END}"
                       << "End /End";
  QTest::newRow("name in any case") << "{eNd}"
                                    << "End /End";
  QTest::newRow("count") << "{END 3}"
                         << "End /End End /End End /End";
  QTest::newRow("count 0 is once") << "{END 0}"
                                   << "End /End";
  QTest::newRow("count not a number is once") << "{END x}"
                                              << "End /End";
  QTest::newRow("count read up to its end") << "{LEFT 2x}"
                                            << "Left /Left Left /Left";
  QTest::newRow("names of the table") << "{BS}{DEL}{PGDN}{F16}{PRTSC}{BREAK}"
                                      << "Backspace:\\x08 /Backspace:\\x08 Delete /Delete "
                                         "PageDown /PageDown F16 /F16 Print /Print Pause /Pause";
  QTest::newRow("tilde is Enter") << "~"
                                  << "Return:\\x0d /Return:\\x0d";
  QTest::newRow("ENTER and TAB") << "{ENTER}{TAB}"
                                 << "Return:\\x0d /Return:\\x0d Tab:\\x09 /Tab:\\x09";

  QTest::newRow("Shift prefix") << "+a" << shiftA;
  QTest::newRow("Shift not pressed twice") << "+A" << shiftA;
  QTest::newRow("Shift prefix on a sign") << "+1"
                                          << "Shift Exclam:! /Exclam:! /Shift";
  QTest::newRow("Ctrl types no text") << "^a"
                                      << "Control A /A /Control";
  QTest::newRow("Alt on a name") << "%{F4}"
                                 << "Alt F4 /F4 /Alt";
  QTest::newRow("prefixes on prefixes") << "+^{END}"
                                        << "Shift Control End /End /Control /Shift";
  QTest::newRow("prefix for one item only") << "+ab"
                                            << "Shift A:A /A:A /Shift B:b /B:b";
  QTest::newRow("prefix on a group") << "+(ab)c"
                                     << "Shift A:A /A:A B:B /B:B /Shift C:c /C:c";
  QTest::newRow("group content is plain") << "({+)"
                                          << "Shift BraceLeft:{ /BraceLeft:{ /Shift "
                                             "Shift Plus:+ /Plus:+ /Shift";
  QTest::newRow("empty group, then its )") << "()"
                                           << "Shift ParenRight:) /ParenRight:) /Shift";

  QTest::newRow("literal +") << "{+}"
                             << "Shift Plus:+ /Plus:+ /Shift";
  QTest::newRow("literal {") << "{{}"
                             << "Shift BraceLeft:{ /BraceLeft:{ /Shift";
  QTest::newRow("literal }") << "{}}"
                             << "Shift BraceRight:} /BraceRight:} /Shift";
  QTest::newRow("literal tilde") << "{~}"
                                 << "Shift AsciiTilde:~ /AsciiTilde:~ /Shift";
  QTest::newRow("literal with count") << "{( 2}"
                                      << "Shift ParenLeft:( /ParenLeft:( /Shift "
                                         "Shift ParenLeft:( /ParenLeft:( /Shift";
  QTest::newRow("literal of no key") << "{é}"
                                     << "Eacute:é /Eacute:é";
  QTest::newRow("lone ) is a character") << "a)"
                                         << "A:a /A:a Shift ParenRight:) "
                                            "/ParenRight:) /Shift";
}

void SendKeysTest::records() {
  QFETCH(QString, keys);
  QFETCH(QString, expected);
  const auto records = MSendInput::ToetsRecords(keys);
  QVERIFY(records.has_value());
  QCOMPARE(describe(*records), expected);
}

void SendKeysTest::refused_data() {
  QTest::addColumn<QString>("keys");
  QTest::newRow("unknown name") << "{ENDD}";
  QTest::newRow("unknown name after good keys") << "12{ENDE}";
  QTest::newRow("unclosed brace") << "{END";
  QTest::newRow("lone brace") << "a{";
  QTest::newRow("unclosed group") << "+(ab";
  QTest::newRow("empty braces") << "{}";
  QTest::newRow("blank name") << "{ 3}";
  QTest::newRow("prefix at the end") << "a+";
  QTest::newRow("count too large") << "{END 100000000000}";
  QTest::newRow("endless prefixes") << QString(100000, u'+') + "a";
}

void SendKeysTest::refused() {
  QFETCH(QString, keys);
  QVERIFY(!MSendInput::ToetsRecords(keys).has_value());
}

// The use the program makes of it: a text box that has just taken the focus
// gets "{END}", then the events are processed; the caret ends behind the text.
// Typed text, Shift and Ctrl reach the control; after a Tab the keys go on
// to the control that then has the focus.
#include "sendkeys_test.moc"
ZEMLO_TEST_CLASS(SendKeysTest)
