#include "FieldCodec.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

namespace sde {

namespace {

void RightAlign(const std::string& digits, int width, char* out)
{
    if (static_cast<int>(digits.size()) > width) {
        std::memset(out, '*', static_cast<size_t>(width));
        return;
    }
    size_t pad = static_cast<size_t>(width) - digits.size();
    std::memset(out, ' ', pad);
    std::memcpy(out + pad, digits.data(), digits.size());
}

void LeftAlign(const char* text, size_t length, int width, char* out)
{
    size_t n = length < static_cast<size_t>(width) ? length : static_cast<size_t>(width);
    std::memcpy(out, text, n);
    std::memset(out + n, ' ', static_cast<size_t>(width) - n);
}

std::string Fixed(double value, int decimals)
{
    char buffer[400];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) return std::string(401, '*');
    std::string text(buffer, result.ptr);
    // "-0.00" is zero: no sign.
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

}  // namespace

void EncodeText(const TableField& field, const char* text, char* out)
{
    if (field.Numeric()) {
        size_t length = std::strlen(text);
        bool blank = std::strspn(text, " ") == length;
        if (blank)
            std::memset(out, ' ', static_cast<size_t>(field.width));
        else
            EncodeDouble(field, DecodeDouble(text, static_cast<int>(length)), out);
        return;
    }
    LeftAlign(text, std::strlen(text), field.width, out);
}

void EncodeInteger(const TableField& field, int32_t value, char* out)
{
    std::string digits = std::to_string(value);
    if (!field.Numeric()) {
        LeftAlign(digits.data(), digits.size(), field.width, out);
        return;
    }
    if (field.decimals > 0) {
        std::string withDecimals =
            digits + "." + std::string(static_cast<size_t>(field.decimals), '0');
        if (static_cast<int>(withDecimals.size()) <= field.width) digits = withDecimals;
    }
    RightAlign(digits, field.width, out);
}

void EncodeDouble(const TableField& field, double value, char* out)
{
    if (!std::isfinite(value)) {
        std::memset(out, '*', static_cast<size_t>(field.width));
        return;
    }
    if (!field.Numeric()) {
        char buffer[64];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        LeftAlign(buffer, static_cast<size_t>(result.ptr - buffer), field.width, out);
        return;
    }
    std::string text = Fixed(value, field.decimals);
    for (int decimals = field.decimals - 1;
         decimals >= 0 && static_cast<int>(text.size()) > field.width; --decimals)
        text = Fixed(value, decimals);
    RightAlign(text, field.width, out);
}

double DecodeDouble(const char* in, int width)
{
    const char* p = in;
    const char* end = in + width;
    while (p < end && *p == ' ') ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    // Only plain decimal notation: no "inf", "nan" or hexadecimal forms.
    if (p == end || !((*p >= '0' && *p <= '9') || *p == '.')) return 0.0;
    double value = 0.0;
    auto result = std::from_chars(p, end, value, std::chars_format::fixed);
    if (result.ec != std::errc()) return 0.0;
    return negative ? -value : value;
}

int16_t DecodeShort(const char* in, int width)
{
    double value = std::trunc(DecodeDouble(in, width));
    if (value > 32767.0) return 32767;
    if (value < -32768.0) return -32768;
    return static_cast<int16_t>(value);
}

}  // namespace sde
