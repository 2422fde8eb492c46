// indiloader.cpp - loading the INDI back end's module (indiloader.h), and listIndiCameras (source.h).
#include "indiloader.h"

#include "indi/indibackend.h"
#include "indi/indimodule.h"

#include <dlfcn.h>
#include <mutex>

namespace karvix {
namespace {

struct IndiModule
{
    decltype(&karvixIndiCreateBackend) createBackend = nullptr;
    decltype(&karvixIndiListCameras) listCameras = nullptr;
    // Why it is not loaded, in one line; empty once it is.
    std::string problem;
};

// The module sits beside libkarvix: in the build folder and in the installed private library
// folder alike. Its absolute path, from where libkarvix itself was loaded, names the file a
// failure is about and keeps the loader's search path (LD_LIBRARY_PATH, the system's folders)
// from finding another build's module, whose private interface may differ.
std::string modulePath()
{
    Dl_info self {};
    if (dladdr(reinterpret_cast<void *>(&modulePath), &self) == 0 || !self.dli_fname)
        return KARVIX_INDI_MODULE;
    const std::string library = self.dli_fname;
    const size_t slash = library.rfind('/');
    return slash == std::string::npos ? KARVIX_INDI_MODULE
                                      : library.substr(0, slash + 1) + KARVIX_INDI_MODULE;
}

// Once loaded, the module stays loaded until the process ends and is never dlclose'd: the back
// ends it made, their link threads and libindi's own threads may outlive any caller, and
// LeakSanitizer can match its suppressions (lsan.supp names libindiclient) only against libraries
// still mapped at exit. A module that failed to load is tried again the next time.
IndiModule indiModule()
{
    static std::mutex mutex;
    static IndiModule loaded;
    std::lock_guard<std::mutex> lock(mutex);
    if (loaded.createBackend)
        return loaded;
    const std::string path = modulePath();
    IndiModule module;
    void *handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle) {
        module.createBackend
            = reinterpret_cast<decltype(module.createBackend)>(dlsym(handle, "karvixIndiCreateBackend"));
        module.listCameras
            = reinterpret_cast<decltype(module.listCameras)>(dlsym(handle, "karvixIndiListCameras"));
    }
    if (!module.createBackend || !module.listCameras) {
        const char *reason = dlerror();
        module = IndiModule();
        module.problem
            = "INDI cameras unavailable: " + path + " not loaded (" + (reason ? reason : "?") + ")";
        return module;
    }
    loaded = module;
    return loaded;
}

// Stands in for the INDI back end when its module cannot be loaded: the program offers the INDI
// camera as usual, and opening it fails with the reason.
class UnloadedIndiBackend : public CameraBackend
{
public:
    explicit UnloadedIndiBackend(std::string problem) : CameraBackend(0) { setProblem(std::move(problem)); }

private:
    std::vector<std::string> cameraIds() override { return {indi::IndiBackend::kCameraId}; }
    bool openCamera(KarvixHandle) override { return false; }
    int readFrame(KarvixHandle, unsigned char *) override { return -1; }
};

} // namespace

std::shared_ptr<Backend> makeIndiBackend(const SourceChoice &choice)
{
    const IndiModule module = indiModule();
    if (!module.createBackend)
        return std::make_shared<UnloadedIndiBackend>(module.problem);
    return std::shared_ptr<Backend>(module.createBackend(&choice, &logProblem));
}

std::vector<IndiCamera> listIndiCameras(
    const std::string &host, int port, int timeoutMs, std::string *problem)
{
    const IndiModule module = indiModule();
    std::vector<IndiCamera> cameras;
    if (!module.listCameras) {
        if (problem)
            *problem = module.problem;
        return cameras;
    }
    module.listCameras(&host, port, timeoutMs, problem, &cameras, &logProblem);
    return cameras;
}

} // namespace karvix
