// zemlo_mailtxt: writes MAIL.TXT, the settings of the one or two mail servers
// that Zemlo sends its mail through, in the scrambled form Zemlo reads at
// start-up. Zemlo itself never writes this file; a club makes it with this
// command and copies it into the program folder or onto its web server.
//
// Every value is checked with Zemlo's own rules before anything is written,
// so that a file this command makes is one Zemlo can read and send with.
#include "platform/numbers.h"
#include "platform/textfile.h"
#include "publication/mailbericht.h"
#include "publication/mailinstelling.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cstdio>
#include <optional>

namespace {

constexpr int kItems = 9;
// Item i of a provider list is field kField[i] of its line.
constexpr int kField[kItems] = {2, 4, 0, 5, 1, 6, 8, 3, 7};
// The check number (the file's length less 12) has four digits.
constexpr qsizetype kMaxBytes = 9999 + 12;

const char *const kDescription = R"(
Writes MAIL.TXT: the settings of the mail servers that Zemlo sends its mail
through, one line per provider, scrambled the way Zemlo reads them. Zemlo
offers two providers and the director picks one in its e-mail settings: give
provider 1, and provider 2 when the club has a second server (provider 2 is
written when any of its options is given).

Copy the file into Zemlo's program folder (the folder that holds the program
and its data, ~/Zemlo by default), or put it on the club's web server as
/zem/MAIL.TXT, from where Zemlo's "Download MAIL.TXT" window fetches it.
Without a good MAIL.TXT Zemlo cannot send mail. The scrambling hides nothing
from whoever has the file: give Zemlo a mail account of its own.

Each value is written exactly as given, blanks included. It may hold any
character of Windows-1252 (the letters of Western European languages, the euro
sign, "|", tabs, ...) except the pair "<>", which separates the items in the
file. Write --password1=VALUE for a value that begins with "-". The file holds
at most 10011 bytes, about 3300 characters of settings in all. Anything the
file cannot hold, or that Zemlo could not send with, is refused and no file is
written.

Neither --tlsN nor --starttlsN: plain SMTP. Zemlo logs in only when a user is
given, and sends a password only over TLS or STARTTLS, or to a server on the
same computer.

Example:
  scripts/make-mailtxt --output ~/Zemlo/MAIL.TXT \
    --host1 smtp.example.org --port1 587 --starttls1 \
    --user1 uitslag@bridgeclub.example --password1 'secret' \
    --sender1 uitslag@bridgeclub.example --name1 'Bridgeclub De Troef')";

struct Option {
  const char *name;  // without the provider's number
  int item;          // the provider list item it gives
  const char *value; // the value's name in the help; nullptr: a switch
  const char *help;
};

// The options of one provider, "%1" standing for its number.
const Option kOptions[] = {
    {"host", 1, "HOST", "provider %1: the mail server's host name or address (required)"},
    {"port", 2, "PORT",
     "provider %1: its port, 1 to 65535 (required; usually 587 with STARTTLS, 465 with TLS)"},
    {"tls", 3, nullptr, "provider %1: TLS from the first byte (implicit TLS)"},
    {"starttls", 6, nullptr,
     "provider %1: STARTTLS, required (a server that does not offer it is refused)"},
    {"user", 4, "USER", "provider %1: the user to log in with (none: no login)"},
    {"password", 5, "PASSWORD", "provider %1: the password of that user"},
    {"sender", 7, "ADDRESS", "provider %1: the address the mails are sent from (required)"},
    {"name", 8, "NAME", "provider %1: the name shown with that address"},
};

void say(const QString &text) { std::fprintf(stderr, "zemlo_mailtxt: %s\n", qPrintable(text)); }

QString optionName(const Option &o, int provider) {
  return QString::fromLatin1(o.name) + QString::number(provider);
}

// A character as the messages show it: itself, with its code point when it
// is not plain printable ASCII.
QString shown(const QString &c) {
  const char32_t code = c.toUcs4().value(0);
  const QString hex = QString::number(code, 16).toUpper().rightJustified(4, u'0');
  if (code > 32 && code < 127)
    return QStringLiteral("\"%1\"").arg(c);
  if (code == 0xFFFD) // what a byte that is not UTF-8 becomes
    return QStringLiteral("U+FFFD (a byte that is not UTF-8?)");
  if (QChar::isPrint(code))
    return QStringLiteral("\"%1\" (U+%2)").arg(c, hex);
  return QStringLiteral("U+%1").arg(hex);
}

// What keeps a value out of the file: a character beyond Windows-1252, or
// the pair that separates the items.
std::optional<QString> notInFile(const QString &value) {
  if (const auto c = publication::NietTeBewaren(value))
    return QStringLiteral("holds %1, which MAIL.TXT (Windows-1252) cannot hold").arg(shown(*c));
  if (value.contains(QStringLiteral("<>")))
    return QStringLiteral("holds \"<>\", which MAIL.TXT puts between its items");
  return std::nullopt;
}

// Letters, digits, "-" and ".", as Zemlo takes a host or greeting name.
bool isHostName(const QString &name) {
  return !name.isEmpty() && publication::GroetNaam(name, QString()) == name;
}

// The nine items of provider p from the options, or nothing after saying
// what is wrong.
std::optional<QStringList> provider(const QCommandLineParser &parser, int p,
                                    const QString &greeting) {
  QStringList items(kItems);
  items[0] = greeting;
  items[3] = items[6] = QStringLiteral("False");
  for (const Option &o : kOptions) {
    const QString name = optionName(o, p);
    if (!o.value) {
      if (parser.isSet(name))
        items[o.item] = QStringLiteral("True");
      continue;
    }
    items[o.item] = parser.value(name);
    if (!parser.isSet(name))
      continue;
    if (const auto fault = notInFile(items[o.item])) {
      say(QStringLiteral("--%1 %2").arg(name, *fault));
      return std::nullopt;
    }
  }
  const QString n = QString::number(p);
  for (const char *required : {"host", "port", "sender"})
    if (!parser.isSet(QString::fromLatin1(required) + n)) {
      say(QStringLiteral("--%1%2 is missing (see --help)").arg(QString::fromLatin1(required), n));
      return std::nullopt;
    }
  if (!isHostName(items[1].trimmed())) {
    say(QStringLiteral("--host%1 \"%2\" is not a host name (letters, digits, \"-\" and \".\")")
            .arg(n, items[1]));
    return std::nullopt;
  }
  if (!platform::readDigits(items[2], 1, 65535)) {
    say(QStringLiteral("--port%1 \"%2\" is not a port number from 1 to 65535").arg(n, items[2]));
    return std::nullopt;
  }
  if (items[3] == QStringLiteral("True") && items[6] == QStringLiteral("True")) {
    say(QStringLiteral("give --tls%1 or --starttls%1, not both").arg(n));
    return std::nullopt;
  }
  if (!publication::IsGeldigAdres(items[7].trimmed())) {
    say(QStringLiteral("--sender%1 \"%2\" is not an e-mail address Zemlo can send from")
            .arg(n, items[7]));
    return std::nullopt;
  }
  if (!publication::IsVeiligeKopWaarde(items[8])) {
    say(QStringLiteral("--name%1 holds a line break or another control character").arg(n));
    return std::nullopt;
  }
  // What Zemlo itself makes of them when it sends.
  if (!publication::LeesProvider(items, greeting, QStringLiteral("localhost"))) {
    say(QStringLiteral("Zemlo could not send with the settings of provider %1").arg(n));
    return std::nullopt;
  }
  return items;
}

// One line: a three-digit offset, each character's Windows-1252 code plus the
// offset in three digits, and four closing characters.
QByteArray scrambled(const QStringList &items, const QByteArray &tail) {
  QStringList fields(kItems);
  for (int i = 0; i < kItems; ++i)
    fields[kField[i]] = items[i];
  // From 100 up, every group has three digits; up to 744, the highest code
  // (255) stays below 1000.
  const int offset = static_cast<int>(QRandomGenerator::global()->bounded(100, 745));
  QByteArray line = QByteArray::number(offset);
  for (char c : platform::encodeAnsi(fields.join(QStringLiteral("<>"))))
    line += QByteArray::number(static_cast<unsigned char>(c) + offset);
  return line + tail;
}

} // namespace

int main(int argc, char *argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("zemlo_mailtxt"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QString::fromUtf8(kDescription));
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Shows this help."));
  parser.addOption(help);
  parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                    QStringLiteral("the file to write (default: MAIL.TXT in the current folder)"),
                    QStringLiteral("FILE"),
                    QStringLiteral("MAIL.TXT")});
  parser.addOption({QStringLiteral("greeting"),
                    QStringLiteral("the name Zemlo greets the mail server with (EHLO); "
                                   "not given: this computer's name"),
                    QStringLiteral("NAME")});
  for (int p = 1; p <= 2; ++p)
    for (const Option &o : kOptions) {
      const QString text = QString::fromLatin1(o.help).arg(p);
      if (o.value)
        parser.addOption({optionName(o, p), text, QString::fromLatin1(o.value)});
      else
        parser.addOption({optionName(o, p), text});
    }

  if (!parser.parse(app.arguments())) {
    say(parser.errorText() + QStringLiteral(" (see --help)"));
    return 1;
  }
  if (parser.isSet(help)) {
    std::fputs(qPrintable(parser.helpText()), stdout);
    return 0;
  }
  if (!parser.positionalArguments().isEmpty()) {
    say(QStringLiteral("unexpected argument \"%1\" (see --help)")
            .arg(parser.positionalArguments().first()));
    return 1;
  }
  for (const QString &name : parser.optionNames())
    if (parser.values(name).size() > 1) {
      say(QStringLiteral("--%1 is given more than once").arg(name));
      return 1;
    }

  const QString greeting = parser.value(QStringLiteral("greeting"));
  if (const auto fault = notInFile(greeting)) {
    say(QStringLiteral("--greeting %1").arg(*fault));
    return 1;
  }
  if (!greeting.isEmpty() && !isHostName(greeting.trimmed())) {
    say(QStringLiteral("--greeting \"%1\" is not a host name (letters, digits, \"-\" and \".\")")
            .arg(greeting));
    return 1;
  }

  QList<QStringList> providers;
  for (int p = 1; p <= 2; ++p) {
    bool given = p == 1;
    for (const Option &o : kOptions)
      given = given || parser.isSet(optionName(o, p));
    if (!given)
      continue;
    const auto items = provider(parser, p, greeting);
    if (!items)
      return 1;
    providers.append(*items);
  }

  // Every line gets the check number, so that the file stays good when its
  // lines change places; only the first line's is read.
  qsizetype size = 0;
  for (const QStringList &items : providers)
    size += scrambled(items, "0000").size() + 2;
  if (size > kMaxBytes) {
    say(QStringLiteral("the settings make a MAIL.TXT of %1 bytes; it holds at most %2 (its "
                       "check number has four digits): shorten them")
            .arg(size)
            .arg(kMaxBytes));
    return 1;
  }
  const QByteArray check = QByteArray::number(size - 12).rightJustified(4, '0');
  QByteArray bytes;
  for (const QStringList &items : providers)
    bytes += scrambled(items, check) + "\r\n";

  const QString output = parser.value(QStringLiteral("output"));
  QSaveFile file(output);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    say(QStringLiteral("cannot write %1: %2").arg(output, file.errorString()));
    return 1;
  }
  std::printf("Wrote %s: %d provider%s.\n", qPrintable(output), static_cast<int>(providers.size()),
              providers.size() == 1 ? "" : "s");
  return 0;
}
