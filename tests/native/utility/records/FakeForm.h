// The record editors' form as plain values, with scripted answers to questions.
#pragma once

#include "EditorForm.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

class FakeForm final : public quillmap::EditorForm {
public:
    std::map<int, std::string> texts;
    std::map<int, int> selections;  // absent: no selection
    std::map<int, std::vector<std::string>> lists;
    std::map<int, int> listSelections;
    std::deque<bool> answers;  // next answers to Ask; running out fails the test
    std::vector<std::string> questions;
    std::vector<std::string> notices;

    void SetText(int control, const std::string& text) override { texts[control] = text; }
    std::string Text(int control) const override;
    void SetWholeNumber(int control, int value) override { texts[control] = std::to_string(value); }
    int WholeNumber(int control) const override;
    void SetSelection(int control, int index) override;
    int Selection(int control) const override;
    void ClearList(int control) override { lists[control].clear(); }
    void AddListEntry(int control, const std::string& text) override;
    std::optional<std::string> SelectedListEntry(int control) const override;
    bool Ask(const char* question) override;
    void Tell(const std::string& notice) override { notices.push_back(notice); }
};
