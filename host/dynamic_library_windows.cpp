#include <windows.h>

#include "dynamic_library.h"

namespace zu::host::dynamic_library {

void* open(const std::string& path, std::string& why) {
    // No error boxes: a file that is not a DLL is reported, not shown to a person.
    const UINT previousMode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = ::LoadLibraryA(path.c_str());
    const DWORD error = ::GetLastError();
    ::SetErrorMode(previousMode);
    if (module == nullptr) why = "Windows error " + std::to_string(error);
    return reinterpret_cast<void*>(module);
}

void* symbol(void* handle, const char* name) {
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(handle), name));
}

void close(void* handle) {
    ::FreeLibrary(static_cast<HMODULE>(handle));
}

} // namespace zu::host::dynamic_library
