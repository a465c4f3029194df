#include "RecordSearch.h"

#include "NavigationTables.h"
#include "TableEngine.h"

namespace quillmap {

std::string UpperCaseName(std::string name, const DoubleByteCharacters* doubleBytes)
{
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (doubleBytes && doubleBytes->isLeadByte(byte) && i + 1 < name.size()) {
            doubleBytes->upperCasePair(&name[i]);
            ++i;
        } else if (byte >= 'a' && byte <= 'z') {
            name[i] = static_cast<char>(byte - 'a' + 'A');
        }
    }
    return name;
}

void SearchRecord(const SearchRequest& request, const DoubleByteCharacters* doubleBytes)
{
    SetSoftSeek(1);
    if (!request.num.empty()) {
        OrderSet(TagOrder(nav::NumTag));
        RecordSeek(request.num.c_str());
    }
    if (!request.id.empty()) {
        OrderSet(TagOrder(nav::IdTag));
        RecordSeek(request.id.c_str());
    }
    if (!request.name.empty()) {
        OrderSet(TagOrder(nav::NameTag));
        RecordSeek(UpperCaseName(request.name, doubleBytes).c_str());
    }
    SetSoftSeek(0);
    OrderSet(TagOrder(nav::NumTag));
}

}  // namespace quillmap
