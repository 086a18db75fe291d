#pragma once

#include <stdexcept>

namespace zu::host {

// Anything that keeps the host from loading or driving a plug-in; the message is for a person.
class HostError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace zu::host
