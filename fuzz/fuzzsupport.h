// fuzzsupport.h - what every fuzz target shares: a quiet log, a failed check that stops the run,
// and the file an input is written to before the program reads it.
#ifndef FUZZSUPPORT_H
#define FUZZSUPPORT_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

namespace fuzzsupport {

// Drops the program's critical log lines: the routines log every refused input, and printing them
// would slow the fuzzer down by orders of magnitude without telling anything the checks do not.
void silenceLog();

// Aborts, so that libFuzzer saves the input, when condition is false; what names the broken rule.
void require(bool condition, const char *what);

// Writes data to a fresh file in a private temporary folder and returns its path. Every call gets a
// new name: QSettings caches a file by name and trusts its size and time stamp, which two inputs
// written within one millisecond can share.
QString writeInput(const uint8_t *data, size_t size);

// Qt's INI parser and number conversions carry no coverage instrumentation, so the fuzzer would see
// no difference between an input that sets a key, to a number or to NaN, and one that does not.
// This reads the INI file at path and counts, in libFuzzer's extra coverage counters, which of the
// keys (at most 24) it holds and what kind of text each is: not a number, NaN, an infinity, a
// negative or a non-negative number.
void observeKeys(const QString &path, const QStringList &keys);

// Removes the file writeInput returned.
void removeInput(const QString &path);

} // namespace fuzzsupport

#endif // FUZZSUPPORT_H
