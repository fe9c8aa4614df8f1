#pragma once
// The state that every window shares, and the shared routines.
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace BAS_Zemlo {

// The folder of the program file; every data folder and file lies under it.
inline QString sProgrammaMap;

inline int iTaal = 0;          // 10 Dutch, 11 English; 0 until the main window loads
inline QString sIniPad;        // the settings file standaard.ini
inline QString sIniWaarde;     // the value found by the last LeesIni
inline QString sGroepBestand;  // the chosen group file
inline QString sInvoerBestand; // the chosen results file
inline QString sKalenderDatum; // the date the calendar hands back
inline int iVanForm = 0;       // the window that opened the current one
inline bool bFormSluiten = false;
inline bool bGridOnzichtbaar = false;
inline int bInternet = 0;       // -1 on line at start-up, else 0
inline int bUpdateGevraagd = 0; // -1 once the new-version question was shown
inline QString sStilzitTekst;   // short label of the sit-out pair
inline QString sVerbodenTekens; // characters refused in names and file names
inline QString sEigenEmailAdres;
inline QString sNaamVoorEmail;
inline int bMailTxtFout = 0; // -1 when MAIL.TXT was missing or damaged
inline long lMailFout = 0;
inline QString sMailFout;
// MAIL.TXT as read: its non-blank lines, and the nine items of each provider.
inline QStringList lstCodeer;
inline std::array<QStringList, 2> lstProvider;

// The text of an index in the language iTaal; an index of five digits is a
// text number in any language. "" when there is none.
QString Tekst(int iIndex);

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
