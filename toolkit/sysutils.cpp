#include "sysutils.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// True when text is [sign] digits [. digits] [e [sign] digits] with at least one mantissa digit.
bool isPlainNumber(std::string_view text) {
    std::size_t i = 0;
    auto digits = [&] {
        std::size_t start = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        return i - start;
    };
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
        if (digits() == 0) return false;
    }
    return i == text.size();
}

} // namespace

std::string Trim(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return std::string(text.substr(first, last - first));
}

double StrToFloat(std::string_view text) {
    const std::string trimmed = Trim(text);
    std::string_view number = trimmed;
    if (!number.empty() && number.front() == '+') number.remove_prefix(1);
    double value = 0.0;
    if (isPlainNumber(trimmed)) {
        auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
        if (error == std::errc() && end == number.data() + number.size() && std::isfinite(value))
            return value;
    }
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

std::string FloatToStr(double value) {
    char text[64];
    auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15);
    return error == std::errc() ? std::string(text, end) : std::string();
}
