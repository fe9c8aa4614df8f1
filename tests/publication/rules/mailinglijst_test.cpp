// The players of an evening matched to the lines of the group's .mail file,
// the address list, and the texts of the result mail.
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "publication/mailinglijst.h"

#include <QTest>

using namespace publication;

class TestMailingLijst : public QObject {
  Q_OBJECT
private slots:
  void cleanup() { testing::resetSharedState(); }

  void usableLines() {
    const QVector<MailRegel> lijst = LeesMailingLijst({
        QStringLiteral("1|Dhr.|Jan|Bakker|jan@bakker.nl"),
        QStringLiteral("   "),
        QStringLiteral("2|x@y.nl"),         // too few fields
        QStringLiteral("3| | |z@y.nl"),     // blank names
        QStringLiteral("2||Piet|de Jong|"), // no address
        QStringLiteral("9 Groep|  Anna  |a@b.nl"),
    });
    QCOMPARE(lijst.size(), 3);
    QCOMPARE(lijst[0].namen, QStringLiteral("Dhr. Jan Bakker "));
    QCOMPARE(lijst[0].adres, QStringLiteral("jan@bakker.nl"));
    QCOMPARE(lijst[1].namen, QStringLiteral(" Piet de Jong "));
    QCOMPARE(lijst[1].adres, QString());
    QCOMPARE(lijst[2].namen, QStringLiteral("  Anna   "));
  }

  void playersTakeLinesByTheirWholeName() {
    const QVector<MailRegel> regels = LeesMailingLijst({
        QStringLiteral("1|Dhr.|Jan|Bakker|eerste@bakker.nl"),
        QStringLiteral("2|Dhr.|Jan|Bakkerman|man@bakker.nl"),
        QStringLiteral("3|Dhr.|Jan|Bakker|tweede@bakker.nl"),
        QStringLiteral("4||Piet|de Jong|"),
        QStringLiteral("5|Mevr.|Els|Jansen| els.jansen@voorbeeld.nl "),
        QStringLiteral("6|Mevr.|An|Smit|an@@smit.nl"),
    });
    const QStringList spelers = {
        QStringLiteral("Dhr. Jan Bakker"), QStringLiteral("Jan Bakker"),
        QStringLiteral("Dhr. Jan Bakker"), QStringLiteral("Dhr. Jan Bakker"),
        QStringLiteral("  Piet de Jong"),  QStringLiteral("Mevr. Els  Jansen"),
        QStringLiteral("Mevr. An Smit"),   QStringLiteral("Dhr. Jan Bakkerman"),
    };
    const QVector<Ontvanger> o = KoppelSpelers(spelers, regels);
    QCOMPARE(o.size(), spelers.size());
    // Two players of one name each take their own line, in file order; a
    // third finds none left, and a name inside a longer one takes nothing.
    QCOMPARE(o[0].adres, QStringLiteral("eerste@bakker.nl"));
    QCOMPARE(o[1].adres, QString());
    QCOMPARE(o[2].adres, QStringLiteral("tweede@bakker.nl"));
    QCOMPARE(o[3].adres, QString());
    QCOMPARE(o[3].namen, QString());
    // A line without a valid address gives no address, blanks aside the name
    // do not count.
    QCOMPARE(o[4].namen, QStringLiteral(" Piet de Jong "));
    QVERIFY(!o[4].heeftAdres());
    QCOMPARE(o[5].adres, QStringLiteral("els.jansen@voorbeeld.nl"));
    QCOMPARE(o[5].namen, QStringLiteral("Mevr. Els Jansen "));
    QVERIFY(!o[6].heeftAdres());
    QCOMPARE(o[7].adres, QStringLiteral("man@bakker.nl"));

    QCOMPARE(AdresKopie(o), QStringLiteral("eerste@bakker.nl; tweede@bakker.nl; "
                                           "els.jansen@voorbeeld.nl; man@bakker.nl; "));
    QCOMPARE(AdresKopie({}), QString());
  }

  void title() {
    QCOMPARE(UitslagTitel(QStringLiteral(" Uitslag (12-03-2024 Groep A) ")),
             QStringLiteral("Uitslag 12-03-2024 Groep A"));
  }

  void mailBody_data() {
    QTest::addColumn<int>("taal");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("Dutch") << 10
                           << "Hallo Dhr. Jan Bakker ,\n\nHierbij Uitslag 12-03-2024 Groep "
                              "A\n\nMet vriendelijke groet,\nKees\n\nDeze mail is verstuurd met "
                              "Zemlo 1.0.20";
    QTest::newRow("English") << 11
                             << "Hello Dhr. Jan Bakker ,\n\nHere I send you Uitslag 12-03-2024 "
                                "Groep A\n\nBest regards,\nKees\n\nThis mail was sent with Zemlo "
                                "1.0.20";
  }
  void mailBody() {
    QFETCH(int, taal);
    QFETCH(QString, tekst);
    BAS_Zemlo::iTaal = taal;
    QCOMPARE(UitslagMailTekst(BAS_Zemlo::Tekst(155), QStringLiteral("1.0.20"),
                              QStringLiteral("Uitslag 12-03-2024 Groep A"), QStringLiteral("Kees"),
                              QStringLiteral("Dhr. Jan Bakker ")),
             tekst);
  }

  void placeholdersOfTheTextOnly() {
    // Only the text's own placeholders are filled: a title or a name that
    // holds "#", "%", "$", "*" or "|" (a group file named by hand, a club
    // called "Club #2") goes into the mail as it is.
    QCOMPARE(UitslagMailTekst(QStringLiteral("*|$|%|#"), QStringLiteral("1.0"),
                              QStringLiteral("Groep A#1 (%$*)"), QStringLiteral("Club #2 | %"),
                              QStringLiteral("P#")),
             QStringLiteral("1.0\nGroep A#1 (%$*)\nClub #2 | %\nP#"));
  }

  // The run: every player with an address once, in order, the first failed
  // send ending it; who was mailed and who was not.
  void mailingRun_data() {
    QTest::addColumn<QStringList>("adressen");   // "" : no address
    QTest::addColumn<QStringList>("mislukkend"); // the addresses whose send fails
    QTest::addColumn<QStringList>("geprobeerd");
    QTest::addColumn<int>("verstuurd");
    QTest::addColumn<bool>("mislukt");
    QTest::addColumn<QStringList>("niet");
    const QStringList abcd{"a@x.nl", "b@x.nl", "c@x.nl", "d@x.nl"};
    QTest::newRow("all sent") << abcd << QStringList() << abcd << 4 << false << QStringList();
    QTest::newRow("without an address, the run goes on")
        << QStringList{"a@x.nl", "", "c@x.nl", "d@x.nl"} << QStringList()
        << QStringList{"a@x.nl", "c@x.nl", "d@x.nl"} << 3 << false << QStringList{"P2"};
    QTest::newRow("failure at the third ends the run")
        << abcd << QStringList{"c@x.nl"} << QStringList{"a@x.nl", "b@x.nl", "c@x.nl"} << 2 << true
        << QStringList{"P3", "P4"};
    QTest::newRow("failure at the first")
        << abcd << QStringList{"a@x.nl", "b@x.nl"} << QStringList{"a@x.nl"} << 0 << true
        << QStringList{"P1", "P2", "P3", "P4"};
    QTest::newRow("failure at the last, one without address before")
        << QStringList{"", "b@x.nl", "c@x.nl", "d@x.nl"} << QStringList{"d@x.nl"}
        << QStringList{"b@x.nl", "c@x.nl", "d@x.nl"} << 2 << true << QStringList{"P1", "P4"};
    QTest::newRow("nobody has an address") << QStringList{"", ""} << QStringList() << QStringList()
                                           << 0 << false << QStringList{"P1", "P2"};
    QTest::newRow("no players") << QStringList() << QStringList() << QStringList() << 0 << false
                                << QStringList();
  }
  void mailingRun() {
    QFETCH(QStringList, adressen);
    QFETCH(QStringList, mislukkend);
    QFETCH(QStringList, geprobeerd);
    QFETCH(int, verstuurd);
    QFETCH(bool, mislukt);
    QFETCH(QStringList, niet);
    QVector<Ontvanger> ontvangers;
    for (qsizetype i = 0; i < adressen.size(); ++i)
      ontvangers.append({QStringLiteral("P%1").arg(i + 1), QStringLiteral("N "), adressen[i]});
    QStringList verstuurdAan;
    const MailingUitkomst u = VerstuurMailing(ontvangers, [&](const Ontvanger &o) {
      verstuurdAan.append(o.adres);
      return !mislukkend.contains(o.adres);
    });
    QCOMPARE(verstuurdAan, geprobeerd);
    QCOMPARE(u.verstuurd, verstuurd);
    QCOMPARE(u.mislukt, mislukt);
    QCOMPARE(u.nietVerstuurd, niet);
  }

  void closingMessage_data() {
    QTest::addColumn<bool>("mislukt");
    QTest::addColumn<int>("verstuurd");
    QTest::addColumn<QStringList>("niet");
    QTest::addColumn<QString>("melding");
    QTest::newRow("all") << false << 4 << QStringList()
                         << "Uitslag met succes vestuurd.\n\nDe uitslag is naar 4 van de 4 "
                            "spelers verstuurd.";
    QTest::newRow("one without address")
        << false << 3 << QStringList{QStringLiteral("  Piet de Jong")}
        << "Uitslag met succes vestuurd.\n\nDe uitslag is naar 3 van de 4 spelers "
           "verstuurd.\n\nGeen e-mail verstuurd naar:\nPiet de Jong";
    QTest::newRow("failed at the third")
        << true << 2 << QStringList{QStringLiteral("C"), QStringLiteral("D")}
        << "Niet iedere speler heeft de uitslag ontvangen.|Probeer het later nog een "
           "keer.\n\nDe uitslag is naar 2 van de 4 spelers verstuurd.\n\nGeen e-mail verstuurd "
           "naar:\nC\nD";
    QTest::newRow("nobody has an address")
        << false << 0
        << QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                       QStringLiteral("D")}
        << "De uitslag is naar 0 van de 4 spelers verstuurd.\n\nGeen e-mail verstuurd "
           "naar:\nA\nB\nC\nD";
  }
  void closingMessage() {
    QFETCH(bool, mislukt);
    QFETCH(int, verstuurd);
    QFETCH(QStringList, niet);
    QFETCH(QString, melding);
    BAS_Zemlo::iTaal = 10;
    QCOMPARE(MailingMelding(mislukt, verstuurd, 4, niet), melding);
  }

  void sendButton_data() {
    QTest::addColumn<bool>("mailBestand");
    QTest::addColumn<QString>("adres");
    QTest::addColumn<QString>("naam");
    QTest::addColumn<bool>("mailTxtFout");
    QTest::addColumn<bool>("zichtbaar");
    QTest::addColumn<bool>("ingeschakeld");
    QTest::newRow("ready") << true << "a@b.nl"
                           << "Kees" << false << true << true;
    QTest::newRow("MAIL.TXT unusable") << true << "a@b.nl"
                                       << "Kees" << true << true << false;
    QTest::newRow("no name") << true << "a@b.nl"
                             << "  " << false << false << false;
    QTest::newRow("no address") << true << ""
                                << "Kees" << false << false << false;
    QTest::newRow("no .mail file") << false << "a@b.nl"
                                   << "Kees" << false << false << false;
  }
  void sendButton() {
    QFETCH(bool, mailBestand);
    QFETCH(QString, adres);
    QFETCH(QString, naam);
    QFETCH(bool, mailTxtFout);
    QFETCH(bool, zichtbaar);
    QFETCH(bool, ingeschakeld);
    const VerstuurKnop k = VerstuurKnopStaat(mailBestand, adres, naam, mailTxtFout);
    QCOMPARE(k.zichtbaar, zichtbaar);
    QCOMPARE(k.ingeschakeld, ingeschakeld);
  }
};

#include "mailinglijst_test.moc"
ZEMLO_TEST_CLASS(TestMailingLijst)
