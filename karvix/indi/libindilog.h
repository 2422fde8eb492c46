// libindilog.h - what libindi's client would print on the terminal goes to the program's log.
//
// libindiclient 1.9.9 has no logging hooks of its own: its messages (IDLog) and the XML it could
// not take (prXMLEle on stderr: "Dispatch command error(-1): ..." and then the element, for each
// message of a server that it did not expect) go straight to stderr. It calls both through its
// procedure linkage table, and this module, which comes before it in the group it is loaded in,
// defines both: they end here, as lines of the problem log, an element on one line and cut short.
// A server that chatters (or a port that is no INDI server) fills the log with at most
// kLinesPerMinute of them a minute. XML written to any other file is written as libindi would.
#ifndef KARVIX_INDI_LIBINDILOG_H
#define KARVIX_INDI_LIBINDILOG_H

#include <string>

namespace karvix::indi {

constexpr int kLinesPerMinute = 20;

// Where libindi's lines go from now on (libkarvix's logProblem); until set, to stderr.
void routeLibindiOutput(void (*log)(const std::string &line));

} // namespace karvix::indi

#endif // KARVIX_INDI_LIBINDILOG_H
