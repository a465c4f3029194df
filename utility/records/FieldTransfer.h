// Moving one field's value between the engine's current record and its control.
#pragma once

#include "EditorFields.h"
#include "EditorForm.h"

#include <string>

namespace quillmap {

// Current record to control.
void ShowField(const EditorField& field, EditorForm& form);
// Control to current record.
void WriteField(const EditorField& field, const EditorForm& form);
// Empties the control (no text, no selection).
void ClearField(const EditorField& field, EditorForm& form);

// A frequency box's value: the leading decimal number of the text, 0 when there is none.
double ParseFrequency(const std::string& text);

}  // namespace quillmap
