// The fixed-column layout of import files: the signature line, the record columns of the
// three kinds and the conversion of a column's characters.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace nav {

// Buffers the lines are read into, terminator included.
inline constexpr std::size_t SignatureLineSize = 80;
inline constexpr std::size_t RecordLineSize = 256;

// The extension of import files, which the Import button's file dialog shows first.
inline constexpr char ImportFileExtension[] = ".GPS";

inline constexpr std::string_view ImportSignature = "IMPORT";
inline constexpr std::size_t ImportKindOffset = 7;
inline constexpr std::size_t ImportKeyLength = 8;
// Lines 2 and 3 are free text; records start on line 4.
inline constexpr int ImportFreeLines = 2;

enum class ImportKind {
    NotImportFile,
    Unrecognised,
    Airports,
    Runways,
    Navaids
};

ImportKind ImportKindOfSignature(std::string_view signatureLine);

enum class ColumnConversion {
    Key,       // the first 8 characters of the line
    Text,      // from the offset to the end of the line; the table keeps what fits
    Integer,   // width characters read as a decimal integer
    Real,      // width characters read as a decimal number with optional fraction
    Variation  // airports' VAR: "A" asks for the computed variation, else Integer
};

struct ImportColumn {
    const char* field;
    std::size_t offset;
    std::size_t width;  // 0 for Text
    ColumnConversion conversion;
};

// The columns of each kind in the order the import writes them.
std::span<const ImportColumn> ImportColumns(ImportKind kind);

// The alias (and file base name) of the table an import kind fills.
const char* ImportTableAlias(ImportKind kind);

inline constexpr char ComputedVariationMark = 'A';

// The characters of a column, fewer (or none) where the line ends early.
std::string_view ColumnText(std::string_view line, const ImportColumn& column);

// Leading white space, an optional sign, then digits up to the first other character; no
// digits gives 0.
int32_t ParseImportInteger(std::string_view text);
// As ParseImportInteger, with an optional fraction after a decimal point.
double ParseImportReal(std::string_view text);

}  // namespace nav
