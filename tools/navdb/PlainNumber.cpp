#include "PlainNumber.h"

#include <cctype>

namespace navdb {

bool IsPlainNumber(const std::string& text, bool withFraction)
{
    std::size_t at = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    std::size_t digits = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) ++at, ++digits;
    if (withFraction && at < text.size() && text[at] == '.') {
        for (++at; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at)
            ++digits;
    }
    return digits > 0 && at == text.size();
}

}  // namespace navdb
