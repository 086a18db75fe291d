// The command lines of the tools: options that take one value each, and positional arguments.
#pragma once

#include <charconv>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "host_error.h"

namespace zu::host {

struct CommandLine {
    std::vector<std::pair<std::string, std::string>> options; // name and value, as given
    std::vector<std::string> positional;
};

// An argument starting with "--" is an option and must be one of `known`; it takes the next
// argument as its value. Throws HostError for an unknown option or one without a value.
CommandLine splitCommandLine(int argc, char** argv, const std::vector<std::string>& known);

// The value of an option as a number; throws HostError naming the option.
template <class Number> Number numberOf(const std::string& option, const std::string& text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || p != end)
        throw HostError(option +
                        (std::is_integral_v<Number> ? " takes a whole number" : " takes a number") +
                        ", not '" + text + "'");
    return value;
}

} // namespace zu::host
