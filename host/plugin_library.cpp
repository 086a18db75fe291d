#include "plugin_library.h"

#include <sys/stat.h>

#include "dynamic_library.h"
#include "host_error.h"

namespace zu::host {

PluginLibrary::PluginLibrary(const std::string& path)
    : filePath(path), handle(nullptr), entryProc(nullptr) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        throw HostError("cannot open plug-in '" + path + "': no such file");
    if (!S_ISREG(info.st_mode)) throw HostError("'" + path + "' is not a plug-in file");
    std::string why;
    handle = dynamic_library::open(path, why);
    if (handle == nullptr)
        throw HostError("'" + path + "' is not a plug-in that this host can load" +
                        (why.empty() ? std::string() : " (" + why + ")"));
    for (const char* name : {"VSTPluginMain", "main"}) {
        if (void* symbol = dynamic_library::symbol(handle, name)) {
            entryProc = reinterpret_cast<EntryProc>(symbol);
            entrySymbol = name;
            return;
        }
    }
    dynamic_library::close(handle);
    throw HostError("'" + path + "' is not a plug-in: it exports neither VSTPluginMain nor main");
}

PluginLibrary::~PluginLibrary() {
    dynamic_library::close(handle);
}

} // namespace zu::host
