#include "StableNum.h"

#include <cmath>

namespace worlddata {

namespace {

constexpr char AirportNumFill = '_';
constexpr uint64_t FnvOffset = 14695981039346656037ull;
constexpr uint64_t FnvPrime = 1099511628211ull;
constexpr char RadixDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr uint64_t Radix = 36;

uint64_t Fnv1a(uint64_t hash, std::string_view text)
{
    for (unsigned char c : text) {
        hash ^= c;
        hash *= FnvPrime;
    }
    // A separator, so that "AB"+"C" and "A"+"BC" differ.
    hash ^= 0xFF;
    return hash * FnvPrime;
}

}  // namespace

std::string AirportNum(std::string_view ident)
{
    std::string num(ident.substr(0, NumLength));
    num.resize(NumLength, AirportNumFill);
    return num;
}

uint64_t NavaidIdentity(std::string_view ident, std::string_view type, std::string_view region,
                        const GeoPosition& position)
{
    std::string square = std::to_string(static_cast<int>(std::floor(position.latitude))) + "," +
                         std::to_string(static_cast<int>(std::floor(position.longitude)));
    return Fnv1a(Fnv1a(Fnv1a(Fnv1a(FnvOffset, ident), type), region), square);
}

std::string NavaidNumOfHash(uint64_t hash)
{
    std::string num(NumLength, '0');
    for (std::size_t i = NumLength; i-- > 0; hash /= Radix) num[i] = RadixDigits[hash % Radix];
    return num;
}

std::string NavaidNums::Assign(std::string_view ident, std::string_view type,
                               std::string_view region, const GeoPosition& position)
{
    uint64_t identity = NavaidIdentity(ident, type, region, position);
    if (!identities_.insert(identity).second) return {};
    std::string num = NavaidNumOfHash(identity);
    for (uint64_t counter = 1; !nums_.insert(num).second; ++counter) {
        ++clashes_;
        num = NavaidNumOfHash(Fnv1a(identity, std::to_string(counter)));
    }
    return num;
}

}  // namespace worlddata
