#include "profiles/NumberText.h"

#include <charconv>
#include <cmath>
#include <cwctype>
#include <limits>

namespace profiles {

int32_t ReadInt(const std::wstring& text) {
    size_t i = 0;
    while (i < text.size() && std::iswspace(static_cast<wint_t>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    int64_t value = 0;
    const int64_t limit =
        negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min()) : std::numeric_limits<int32_t>::max();
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > limit) value = limit;  // keep consuming digits, stay saturated
    }
    return static_cast<int32_t>(negative ? -value : value);
}

float ReadFloat(const std::wstring& text) {
    // Collect the longest prefix that looks like a decimal number, then convert it with
    // from_chars, which ignores the locale.
    size_t i = 0;
    while (i < text.size() && std::iswspace(static_cast<wint_t>(text[i]))) ++i;
    std::string digits;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        if (text[i] == L'-') digits += '-';
        ++i;
    }
    bool any = false;
    while (i < text.size() && text[i] >= L'0' && text[i] <= L'9' && digits.size() < 400) {
        digits += static_cast<char>(text[i++]);
        any = true;
    }
    if (i < text.size() && text[i] == L'.') {
        digits += '.';
        ++i;
        while (i < text.size() && text[i] >= L'0' && text[i] <= L'9') {
            if (digits.size() < 400) digits += static_cast<char>(text[i]);
            ++i;
            any = true;
        }
    }
    if (!any) return 0.0f;
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == L'+' || text[j] == L'-')) exponent += static_cast<char>(text[j++]);
        size_t expDigits = 0;
        while (j < text.size() && text[j] >= L'0' && text[j] <= L'9') {
            if (expDigits < 6) exponent += static_cast<char>(text[j]);
            ++expDigits;
            ++j;
        }
        if (expDigits > 0) digits += exponent;
    }
    constexpr double kLargest = std::numeric_limits<float>::max();
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: the sign and the exponent decide.
        const bool negative = !digits.empty() && digits[0] == '-';
        const bool tiny = digits.find("e-") != std::string::npos;
        value = tiny ? 0.0 : (negative ? -kLargest : kLargest);
    } else if (result.ec != std::errc()) {
        return 0.0f;
    }
    // Out of a float's range: the largest float of that sign, so every stored value stays a
    // number that is written and read back unchanged.
    if (std::fabs(value) > kLargest) value = value < 0 ? -kLargest : kLargest;
    return static_cast<float>(value);
}

std::wstring FloatText(float value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value), std::chars_format::fixed, 6);
    if (result.ec != std::errc()) return L"0.000000";
    return std::wstring(buffer, result.ptr);
}

}  // namespace profiles
