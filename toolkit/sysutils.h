// Exceptions that the message loop reports, text trimming and text-number conversion.
// Numbers are read and written with "." as the decimal point whatever the locale.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// Raised by the toolkit's operations; the message loop shows it in the standard error box.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    std::string Message() const { return what(); }
};

class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// The text without leading and trailing blanks and control characters.
std::string Trim(std::string_view text);

// Reads an optional sign, digits with at most one ".", and an optional exponent, with blanks
// around; throws EConvertError naming the text otherwise (also for "-", "Inf", "NaN" or a
// number too large for a double).
double StrToFloat(std::string_view text);

// The shortest decimal form with at most 15 significant digits.
std::string FloatToStr(double value);
