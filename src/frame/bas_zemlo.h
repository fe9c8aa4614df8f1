#pragma once
// The state that every window shares, and the shared routines.
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <initializer_list>
#include <optional>

namespace BAS_Zemlo {

// The folder of the program file; every data folder and file lies under it.
// Set once when the program starts, so not part of the state below.
inline QString sProgrammaMap;

// The nine items of each of the two mail providers.
using ProviderLijsten = std::array<QStringList, 2>;

// The state that every window shares, each with its value at program start:
// X(type, name, start value). This one list defines the variables and
// HerstelBeginstand, so a variable added here is reset with the others.
#define ZEMLO_GEDEELDE_STAAT(X)                                                                    \
  /* 10 Dutch, 11 English; 0 until the main window loads */                                        \
  X(int, iTaal, 0)                                                                                 \
  /* the settings file standaard.ini */                                                            \
  X(QString, sIniPad, {})                                                                          \
  /* the value found by the last LeesIni */                                                        \
  X(QString, sIniWaarde, {})                                                                       \
  /* the chosen group file */                                                                      \
  X(QString, sGroepBestand, {})                                                                    \
  /* the chosen results file */                                                                    \
  X(QString, sInvoerBestand, {})                                                                   \
  /* the date the calendar hands back */                                                           \
  X(QString, sKalenderDatum, {})                                                                   \
  /* the window that opened the current one */                                                     \
  X(int, iVanForm, 0)                                                                              \
  X(bool, bFormSluiten, false)                                                                     \
  /* -1 on line at start-up, else 0 */                                                             \
  X(int, bInternet, 0)                                                                             \
  /* -1 once the new-version question was shown */                                                 \
  X(int, bUpdateGevraagd, 0)                                                                       \
  /* short label of the sit-out pair */                                                            \
  X(QString, sStilzitTekst, {})                                                                    \
  /* characters refused in names and file names */                                                 \
  X(QString, sVerbodenTekens, {})                                                                  \
  X(QString, sEigenEmailAdres, {})                                                                 \
  X(QString, sNaamVoorEmail, {})                                                                   \
  /* -1 when MAIL.TXT was missing or damaged */                                                    \
  X(int, bMailTxtFout, 0)                                                                          \
  X(long, lMailFout, 0)                                                                            \
  X(QString, sMailFout, {})                                                                        \
  /* MAIL.TXT as read: its non-blank lines, and the items of each provider */                      \
  X(QStringList, lstCodeer, {})                                                                    \
  X(ProviderLijsten, lstProvider, {})

#define ZEMLO_DEFINIEER(type, name, start) inline type name = start;
ZEMLO_GEDEELDE_STAAT(ZEMLO_DEFINIEER)
#undef ZEMLO_DEFINIEER

// Puts the shared state back as it is at program start (sProgrammaMap stays).
void HerstelBeginstand();

// The text of an index in the language iTaal; an index of five digits is a
// text number in any language. "" when there is none.
QString Tekst(int iIndex);

// A placeholder character of a text ("~", "#", "$", ...) and what fills it in.
struct Invulling {
  QChar teken;
  QString waarde;
};
// sTekst with its placeholders filled in, all in one pass: only the
// characters of sTekst itself are replaced, never one that a value brought,
// so a folder named "Club #2" stays whole in a text that also fills "#".
QString VulIn(const QString &sTekst, std::initializer_list<Invulling> invullingen);
// Text iIndex with every "~" filled in by sWaarde.
QString TekstMet(int iIndex, const QString &sWaarde);
// Text iIndex with its placeholders filled in.
QString TekstMet(int iIndex, std::initializer_list<Invulling> invullingen);
// The same for a label or a mail: the text's own "|" become line breaks too
// (a message box makes them itself).
QString TekstMetRegels(int iIndex, std::initializer_list<Invulling> invullingen = {});

// The language from the first line of taal.txt in the given folder.
int KiesTaal(const QString &programFolder);

// A path under the program folder: Pad("namen") is <program folder>/namen.
QString Pad(const QString &relative);

// Creates every missing folder of the path; the path gets a trailing "/".
void MaakPad(QString &sPad);
// 1 the file holds at least one byte, 0 it is empty, -1 it is not there.
int BestandBestaat(const QString &sPad);

// The file of a folder whose name equals sNaam without regard to letter case:
// the exact name when that file exists, else the first such file in the order
// of the names; sMap + "/" + sNaam when none does (the path a new file gets).
// Every place that opens, saves over, renames or deletes a data file finds it
// here, so a file named "Club.TXT" is the same file as "club.txt".
QString ZoekBestand(const QString &sMap, const QString &sNaam);
// The same for a whole path: the folder as given, the file name matched.
QString ZoekBestand(const QString &sPad);

// A file as a message names it: its path from the program folder on
// ("namen/Club.txt"); a path elsewhere whole.
QString BestandNaam(const QString &sPad);
// Text 210 naming the file at sPad when something stands there that cannot
// be read (no permission, a folder of its name); "" when it reads or
// nothing stands there.
QString OnleesbaarTekst(const QString &sPad);
// Removes each file (none standing there counts as removed); text 211
// naming every one that is still there, "" when all are gone.
QString WisBestanden(const QStringList &paden);

// Writes one key of a profile file, the value on one line. False when the
// file could not be written, or exists and could not be read (it is then
// left as it was).
bool SchrijfIni(const QString &sSectie, const QString &sSleutel, const QString &sWaarde,
                const QString &sBestand);
// Leaves the value in sIniWaarde.
void LeesIni(const QString &sSectie, const QString &sSleutel, const QString &sBestand);

bool IsInternetVerbonden();

// The index of the first item equal to (iExact not 0) or beginning with
// sTekst, both without regard to case; -1 when none does.
int ZoekInLijst(const QStringList &lijst, const QString &sTekst, int iExact);

// The date form of text 63 in the current language.
QString DatumVorm();
// A date written in that form.
QString DatumTekst(const QDate &date);
// The date at the start of a text in either form of text 63, "DD-MM-YYYY" or
// "YYYY-MM-DD" (told apart by where the four-digit year stands); nothing for
// any other text or a date that does not exist.
std::optional<QDate> LeesDatum(const QString &text);

} // namespace BAS_Zemlo
