// indimodule.cpp - the module's factory (indimodule.h); its camera listing is in indicameras.cpp.
#include "indimodule.h"

#include "indibackend.h"
#include "libindilog.h"

karvix::Backend *karvixIndiCreateBackend(
    const karvix::SourceChoice *choice, karvix::indi::IndiLink::ProblemLog log)
{
    karvix::indi::routeLibindiOutput(log);
    return new karvix::indi::IndiBackend(*choice, log);
}
