#include <dlfcn.h>

#include "dynamic_library.h"

namespace zu::host::dynamic_library {

void* open(const std::string& path, std::string& why) {
    // A bare file name would make dlopen search the library path instead of this file.
    const std::string where = path.find('/') == std::string::npos ? "./" + path : path;
    void* handle = ::dlopen(where.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* error = ::dlerror();
        why = error ? error : "";
    }
    return handle;
}

void* symbol(void* handle, const char* name) {
    return ::dlsym(handle, name);
}

void close(void* handle) {
    ::dlclose(handle);
}

} // namespace zu::host::dynamic_library
