#include "TableCreation.h"

#include "AsciiText.h"
#include "DbfFormat.h"
#include "DbfTable.h"
#include "PathName.h"
#include "OsFile.h"

#include <cstring>
#include <string>
#include <vector>

namespace sde {

using namespace dbf;

namespace {

bool ValidName(const std::string& name)
{
    if (name.empty() || name.size() > MaxFieldNameLength) return false;
    for (char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
              c == '_'))
            return false;
    return true;
}

}  // namespace

nav::Status CreateTable(const char* path, std::span<const nav::FieldDefinition> fields)
{
    if (fields.empty()) return nav::Fail("a table needs at least one field");
    std::vector<FieldDescriptor> descriptors;
    size_t recordLength = 1;
    for (const nav::FieldDefinition& spec : fields) {
        const std::string name = spec.name ? spec.name : "";
        if (!ValidName(name)) return nav::Fail("bad field name \"" + name + "\"");
        FieldDescriptor d{};
        for (size_t i = 0; i < name.size(); ++i) d.name[i] = nav::UpperAscii(name[i]);
        d.type = spec.type;
        if (spec.type == 'C') {
            if (spec.width < 1 || spec.width > MaxCharacterWidth)
                return nav::Fail("bad width for character field " + name);
            // Long character fields keep the high byte of the width in the decimals slot.
            d.length = static_cast<uint8_t>(spec.width & 0xFF);
            d.decimals = static_cast<uint8_t>(spec.width >> 8);
        } else if (spec.type == 'N') {
            if (spec.width < 1 || spec.width > MaxNumericWidth || spec.decimals < 0 ||
                (spec.decimals > 0 && spec.decimals > spec.width - 2))
                return nav::Fail("bad width or decimals for numeric field " + name);
            d.length = static_cast<uint8_t>(spec.width);
            d.decimals = static_cast<uint8_t>(spec.decimals);
        } else {
            return nav::Fail("field " + name + ": only C and N fields are supported");
        }
        recordLength += static_cast<size_t>(spec.width);
        descriptors.push_back(d);
    }
    if (recordLength > 0xFFFF) return nav::Fail("record longer than 65535 bytes");

    FileHeader header{};
    header.version = VersionDbase3;
    header.languageDriver = LanguageWindowsAnsi;
    TodayForHeader(header.updated);
    size_t headerLength = sizeof(FileHeader) + descriptors.size() * sizeof(FieldDescriptor) + 1;
    if (headerLength > 0xFFFF) return nav::Fail("too many fields");
    WriteLe16(header.headerLength, static_cast<uint16_t>(headerLength));
    WriteLe16(header.recordLength, static_cast<uint16_t>(recordLength));

    std::vector<char> bytes(headerLength + 1);
    std::memcpy(bytes.data(), &header, sizeof header);
    if (!descriptors.empty())
        std::memcpy(bytes.data() + sizeof header, descriptors.data(),
                    descriptors.size() * sizeof(FieldDescriptor));
    bytes[headerLength - 1] = HeaderTerminator;
    bytes[headerLength] = EndOfFile;

    std::string filePath = PlatformPath(path);
    OsFile file;
    if (!file.Open(filePath, FileAccess::Create)) return nav::Fail("cannot create " + filePath);
    if (!file.WriteAt(0, bytes.data(), bytes.size())) return nav::Fail("cannot write " + filePath);
    file.Close();
    OsFile::RemoveFile(IndexPathFor(filePath));
    return {};
}

}  // namespace sde
