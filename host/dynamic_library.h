// The platform's calls for loading a shared library and finding a function in it.
#pragma once

#include <string>

namespace zu::host::dynamic_library {

// Loads the file at `path`; null when it cannot, with the system's reason in `why`.
void* open(const std::string& path, std::string& why);
// The address of the exported function `name`, or null.
void* symbol(void* handle, const char* name);
void close(void* handle);

} // namespace zu::host::dynamic_library
