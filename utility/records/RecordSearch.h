// The Find dialog's search on the current work area: by number, identifier or name, each
// filled box a soft seek in its own order, the last filled one deciding where the record
// ends up. The table is left in number order.
#pragma once

#include <string>

namespace quillmap {

struct SearchRequest {
    std::string num;
    std::string id;
    std::string name;  // as typed; upper-cased for the NAME tag
};

// Double-byte characters of the system's code page, for the upper-casing of names.
struct DoubleByteCharacters {
    bool (*isLeadByte)(unsigned char);
    void (*upperCasePair)(char* pair);  // two bytes, upper-cased in place
};

// Letters a to z become A to Z and double-byte characters take the system's mapping;
// nothing else changes. Without double-byte information every byte stands alone.
std::string UpperCaseName(std::string name, const DoubleByteCharacters* doubleBytes = nullptr);

void SearchRecord(const SearchRequest& request, const DoubleByteCharacters* doubleBytes = nullptr);

}  // namespace quillmap
