#include "TableCreation.h"

#include "DbfFormat.h"
#include "DbfTable.h"
#include "PathName.h"
#include "os/OsFile.h"

#include <cstring>

namespace sde {

using namespace dbf;

namespace {

bool fail(std::string* error, const std::string& reason) {
    if (error) *error = reason;
    return false;
}

bool validName(const std::string& name) {
    if (name.empty() || name.size() > maxFieldNameLength) return false;
    for (char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'))
            return false;
    return true;
}

}  // namespace

bool createTable(const char* path, const std::vector<FieldSpec>& fields, std::string* error) {
    if (fields.empty()) return fail(error, "a table needs at least one field");
    std::vector<FieldDescriptor> descriptors;
    size_t recordLength = 1;
    for (const FieldSpec& spec : fields) {
        if (!validName(spec.name)) return fail(error, "bad field name \"" + spec.name + "\"");
        FieldDescriptor d {};
        for (size_t i = 0; i < spec.name.size(); ++i)
            d.name[i] = static_cast<char>(spec.name[i] >= 'a' && spec.name[i] <= 'z' ? spec.name[i] - 32 : spec.name[i]);
        d.type = spec.type;
        if (spec.type == 'C') {
            if (spec.width < 1 || spec.width > maxCharacterWidth)
                return fail(error, "bad width for character field " + spec.name);
            // Long character fields keep the high byte of the width in the decimals slot.
            d.length = static_cast<uint8_t>(spec.width & 0xFF);
            d.decimals = static_cast<uint8_t>(spec.width >> 8);
        } else if (spec.type == 'N') {
            if (spec.width < 1 || spec.width > maxNumericWidth || spec.decimals < 0 ||
                (spec.decimals > 0 && spec.decimals > spec.width - 2))
                return fail(error, "bad width or decimals for numeric field " + spec.name);
            d.length = static_cast<uint8_t>(spec.width);
            d.decimals = static_cast<uint8_t>(spec.decimals);
        } else {
            return fail(error, "field " + spec.name + ": only C and N fields are supported");
        }
        recordLength += static_cast<size_t>(spec.width);
        descriptors.push_back(d);
    }
    if (recordLength > 0xFFFF) return fail(error, "record longer than 65535 bytes");

    FileHeader header {};
    header.version = versionDbase3;
    header.languageDriver = languageWindowsAnsi;
    todayForHeader(header.updated);
    size_t headerLength = sizeof(FileHeader) + descriptors.size() * sizeof(FieldDescriptor) + 1;
    if (headerLength > 0xFFFF) return fail(error, "too many fields");
    writeLe16(header.headerLength, static_cast<uint16_t>(headerLength));
    writeLe16(header.recordLength, static_cast<uint16_t>(recordLength));

    std::vector<char> bytes(headerLength + 1);
    std::memcpy(bytes.data(), &header, sizeof header);
    if (!descriptors.empty())
        std::memcpy(bytes.data() + sizeof header, descriptors.data(), descriptors.size() * sizeof(FieldDescriptor));
    bytes[headerLength - 1] = headerTerminator;
    bytes[headerLength] = endOfFile;

    std::string filePath = platformPath(path);
    OsFile file;
    if (!file.open(filePath, FileAccess::Create)) return fail(error, "cannot create " + filePath);
    if (!file.writeAt(0, bytes.data(), bytes.size())) return fail(error, "cannot write " + filePath);
    file.close();
    OsFile::removeFile(indexPathFor(filePath));
    return true;
}

}  // namespace sde
