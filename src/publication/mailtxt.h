#pragma once
// MAIL.TXT: the settings of the two mail providers, one scrambled line each.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace mailtxt {

struct Reading {
  enum Status { Ok, Missing, Damaged };
  Status status = Missing;
  QStringList lines;                    // the non-blank lines as read
  std::array<QStringList, 2> providers; // nine items each, in list order
  int providerCount = 0;
};

// Reads and checks the bytes of a MAIL.TXT (empty: a missing file). A
// provider whose sender's name holds a line break or another control
// character makes the file damaged, as a line that does not unscramble does.
Reading read(const QByteArray &bytes);

// The nine fields of one stored line, or nothing when it does not unscramble.
std::optional<QStringList> unscramble(const QString &line);

} // namespace mailtxt

// Reads MAIL.TXT of the program folder into lstCodeer and lstProvider. A
// missing or damaged file sets bMailTxtFout and gives the number of its text
// (152 missing, 153 damaged), leaving the provider lists as they were; 0 when
// the file was read.
int LeesMailTxtBestand();
