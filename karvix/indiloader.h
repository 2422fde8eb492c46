// indiloader.h - the INDI back end, from its module libkarvix-indi.so (indi/indimodule.h), which is
// loaded the first time an INDI camera is chosen or listed.
#ifndef KARVIX_INDILOADER_H
#define KARVIX_INDILOADER_H

#include "backend.h"
#include "source.h"

#include <memory>

namespace karvix {

// The INDI back end for the source. When the module cannot be loaded, a back end whose one camera
// does not open, its problem() naming the module's file and the dynamic loader's reason.
std::shared_ptr<Backend> makeIndiBackend(const SourceChoice &choice);

} // namespace karvix

#endif // KARVIX_INDILOADER_H
