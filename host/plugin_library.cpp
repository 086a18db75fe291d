#include "plugin_library.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include "host_error.h"

namespace zu::host {

PluginLibrary::PluginLibrary(const std::string& path)
    : filePath(path), handle(nullptr), entryProc(nullptr) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        throw HostError("cannot open plug-in '" + path + "': no such file");
    if (!S_ISREG(info.st_mode)) throw HostError("'" + path + "' is not a plug-in file");
    // A bare file name would make dlopen search the library path instead of this file.
    const std::string where = path.find('/') == std::string::npos ? "./" + path : path;
    handle = ::dlopen(where.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = ::dlerror();
        throw HostError("'" + path + "' is not a plug-in that this host can load" +
                        (why ? std::string(" (") + why + ")" : std::string()));
    }
    for (const char* name : {"VSTPluginMain", "main"}) {
        if (void* symbol = ::dlsym(handle, name)) {
            entryProc = reinterpret_cast<EntryProc>(symbol);
            entrySymbol = name;
            return;
        }
    }
    ::dlclose(handle);
    throw HostError("'" + path + "' is not a plug-in: it exports neither VSTPluginMain nor main");
}

PluginLibrary::~PluginLibrary() {
    ::dlclose(handle);
}

} // namespace zu::host
