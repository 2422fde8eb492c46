// grblprotocol.h - the few lines of GRBL 1.1 an adjuster needs, as plain functions.
//
// The status report answers the real-time query `?`:
//   <Idle|MPos:1.000,-2.500,0.000|FS:0,0>       (Run or Jog while moving; Hold, Alarm, Door ...)
// with the machine position (MPos) or the work position (WPos), three to six axes in order X, Y,
// Z, A, B, C. A relative jog in millimetres is `$J=G91G21X0.5Y-0.25F60`; it is answered `ok` or
// `error:<n>` (15: beyond the machine's travel). The real-time byte 0x85 cancels a jog.
#ifndef GRBLPROTOCOL_H
#define GRBLPROTOCOL_H

#include <QByteArray>
#include <QVector>
#include <optional>

namespace grbl {

constexpr char jogCancel = char(0x85);
constexpr char statusQuery = '?';
constexpr int maxLineLength = 256; // a longer line is not GRBL's
constexpr int maxStateLength = 16; // GRBL's states are short words: Idle, Jog, Alarm, Sleep ...

struct Status
{
    QByteArray state;         // "Idle", "Jog", "Run", "Hold", "Alarm" ... (a sub-state dropped)
    QVector<double> position; // X, Y, Z [, A, B, C]
    bool moving() const { return state == "Run" || state == "Jog"; }
    bool alarm() const { return state == "Alarm"; }
};

// One status report (without its line end); empty when the line is not a whole, sane one.
std::optional<Status> parseStatus(const QByteArray &line);

// The axis letter's place in a status report's position (X 0 ... C 5); -1 for another letter.
int axisIndex(char letter);

// A relative jog of the given axes (letter, units) at `feedPerMin` units a minute, with its line end.
QByteArray jogCommand(const QVector<QPair<char, double>> &moves, double feedPerMin);

} // namespace grbl

#endif // GRBLPROTOCOL_H
