// The airport editor: the shared record editor on AIRPORTS, with the runways of the shown
// airport in a list. Runways are chosen by the text in the Num box, saved or not.
#pragma once

#include "RecordEditor.h"
#include "RunwayEditor.h"

namespace quillmap {

class AirportEditor final : public RecordEditor {
public:
    explicit AirportEditor(EditorForm& form) : RecordEditor(AirportTable(), form) {}

    // What the runway editor opens on: the Num box and the selected runway, if any.
    RunwaySelection SelectRunway(bool isNew) const;
    // Asks, then deletes the first runway that matches the selected entry; nothing without
    // a selection.
    void DeleteRunway();

protected:
    void OpenCompanionTables(const std::string& dataDirectory) override;
    void ShowCompanions() override;
    void DeleteCompanions() override;
    void ClearCompanions() override;
};

}  // namespace quillmap
