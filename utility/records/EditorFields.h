// Which control of an editor shows which table field, and how the value travels between
// them.
#pragma once

#include <array>
#include <cstddef>
#include <span>

namespace quillmap {

enum class FieldKind {
    Text,         // text both ways (FieldReplace type 1024)
    Hemisphere,   // selection index of the N/S or W/E list, stored as an integer (type 1)
    WholeNumber,  // signed decimal, stored as an integer (type 1)
    Frequency,    // shown as the field's text, stored as the double parsed from it (type 8)
};

struct EditorField {
    const char* name;
    int control;
    FieldKind kind;
};

inline constexpr char SaveQuestion[] = "Save changes ?";

// What one waypoint editor works on: its table, its fields in the order shown and in the
// order saved, and its questions.
struct EditorTable {
    const char* alias;  // also the base name of the table file
    std::span<const EditorField> shownFields;
    std::span<const EditorField> savedFields;
    const char* newQuestion;
    const char* deleteQuestion;
};

const EditorTable& AirportTable();
const EditorTable& NavaidTable();
const EditorTable& UserWaypointTable();

// The runway editor's fields, in the order shown and saved (NUM is not among them).
std::span<const EditorField> RunwayFields();

}  // namespace quillmap
