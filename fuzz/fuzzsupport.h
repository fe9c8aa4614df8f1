#pragma once
// What the fuzz targets share: a program folder for the whole run, the input
// cut into the files a reader needs, and a check that stops the run when a
// property of a reader does not hold.
#include <QByteArray>
#include <QList>
#include <QString>
#include <cstddef>
#include <cstdint>

// Stops the run (a crash that libFuzzer records) when cond is false.
#define FUZZ_CHECK(cond) ((cond) ? static_cast<void>(0) : ::fuzz::fail(#cond, __FILE__, __LINE__))

namespace fuzz {

[[noreturn]] void fail(const char *what, const char *file, int line);

// The program folder of the process: one temporary folder, made the program
// folder (BAS_Zemlo::sProgrammaMap) on first use and removed at exit. The
// language is Dutch until a target sets another.
QString programFolder();
void setLanguage(int taal);

// A folder under the program folder, emptied (made when missing); its path.
QString freshFolder(const QString &relative);
// Writes or reads a file under the program folder.
void writeFile(const QString &relative, const QByteArray &bytes);
QByteArray readFile(const QString &relative);
// The names of the files of a folder under the program folder, sorted.
QStringList fileNames(const QString &relative);

// The input cut at the byte 0x1E (record separator) into at most n parts, the
// last part taking the rest; missing parts are empty. Targets that need more
// than one file take one part each.
QList<QByteArray> parts(const uint8_t *data, size_t size, int n);

// The bytes as a file's text (Windows-1252).
QString text(const QByteArray &bytes);

} // namespace fuzz
