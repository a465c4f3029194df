// One runway of the airport shown in the airport editor, created or changed in the RUNWAYS
// table that the airport editor keeps open. The runway's NUM is always the airport number
// it was opened with.
#pragma once

#include "EditorForm.h"

#include <cstddef>
#include <string>

namespace quillmap {

// The runway list entry handed to the runway editor keeps at most this many characters.
inline constexpr std::size_t DesignatorLength = 31;

struct RunwaySelection {
    bool isNew = true;
    std::string airportNum;  // the airport editor's Num box as it was
    std::string designator;  // the selected list entry, as listed
};

class RunwayEditor {
public:
    RunwayEditor(EditorForm& form, RunwaySelection selection)
        : form_(form), selection_(std::move(selection))
    {
    }

    // Makes RUNWAYS current and, for an existing runway, finds it and shows it.
    void Begin();
    // Asks "Save changes ?"; on Yes appends a new runway or rewrites the found one, which is
    // in the table file when Save returns.
    void Save();
    // Gives the AIRPORTS work area back to the airport editor.
    void End();

private:
    EditorForm& form_;
    RunwaySelection selection_;
};

}  // namespace quillmap
