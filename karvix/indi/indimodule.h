// indimodule.h - the entry points of libkarvix-indi.so, the module the INDI back end lives in.
//
// libindiclient and CFITSIO (and CFITSIO's curl, TLS and Kerberos libraries behind it) map some
// 5 MB into every process that links them. The INDI back end (indibackend.h, indicameras.cpp,
// indilink.h, fitsframe.h) is therefore a module of its own, beside libkarvix, which libkarvix loads
// (indiloader.h) only when the INDI source is chosen or an INDI server's cameras are listed: while
// the simulated sky or a recording is the source, none of those libraries is mapped. The module
// exports these two C functions and nothing else; libkarvix looks them up by name. It does not
// link libkarvix, which is built after it so that whatever links libkarvix gets the module too:
// what it needs of libkarvix, the problem log, comes with each back end it is asked for.
#ifndef KARVIX_INDI_INDIMODULE_H
#define KARVIX_INDI_INDIMODULE_H

#include "backend.h"
#include "indilink.h"
#include "source.h"

#include <string>
#include <vector>

#define KARVIX_INDI_EXPORT __attribute__((visibility("default")))

extern "C" {

// The INDI back end for the source (source.h), owned by the caller; faults while it streams, and
// what libindi says (libindilog.h), go to `log`.
KARVIX_INDI_EXPORT karvix::Backend *karvixIndiCreateBackend(
    const karvix::SourceChoice *choice, karvix::indi::IndiLink::ProblemLog log);

// listIndiCameras (source.h): the cameras of the INDI server at *host:port, into *cameras; what
// libindi says meanwhile goes to `log`.
KARVIX_INDI_EXPORT void karvixIndiListCameras(const std::string *host, int port, int timeoutMs,
    std::string *problem, std::vector<karvix::IndiCamera> *cameras, karvix::indi::IndiLink::ProblemLog log);
}

#endif // KARVIX_INDI_INDIMODULE_H
