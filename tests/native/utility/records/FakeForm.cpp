#include "FakeForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

std::string FakeForm::Text(int control) const
{
    auto found = texts.find(control);
    return found == texts.end() ? std::string() : found->second;
}

int FakeForm::WholeNumber(int control) const
{
    return std::atoi(Text(control).c_str());
}

void FakeForm::SetSelection(int control, int index)
{
    if (index == 0 || index == 1)
        selections[control] = index;
    else
        selections.erase(control);
}

int FakeForm::Selection(int control) const
{
    auto found = selections.find(control);
    return found == selections.end() ? -1 : found->second;
}

void FakeForm::AddListEntry(int control, const std::string& text)
{
    auto& list = lists[control];
    list.insert(std::upper_bound(list.begin(), list.end(), text), text);
}

std::optional<std::string> FakeForm::SelectedListEntry(int control) const
{
    auto selected = listSelections.find(control);
    auto list = lists.find(control);
    if (selected == listSelections.end() || list == lists.end() ||
        selected->second >= static_cast<int>(list->second.size()))
        return std::nullopt;
    return list->second[static_cast<size_t>(selected->second)];
}

bool FakeForm::Ask(const char* question)
{
    questions.emplace_back(question);
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question " << question;
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}
