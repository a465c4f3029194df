// What the editor tests share: a data directory named in the registry, records to start
// from, and a run of an editor dialog under a script.
#pragma once

#include "TestApplication.h"
#include "TestRegistry.h"
#include "TestTables.h"
#include "UiScript.h"

#include <gtest/gtest.h>

#include <string>

namespace uitest {

// The text with the blanks at its end removed.
std::string Trimmed(const std::string& text);
// A control's text without the blank padding of its field.
std::string Shown(HWND dialog, int id);

class EditorTest : public ::testing::Test {
protected:
    EditorTest();
    ~EditorTest() override;

    // Runs the editor dialog until it ends; the script's steps must all have run.
    template <class Dialog>
    void RunEditor(Script& script)
    {
        script.Start();
        Dialog dialog;
        dialog.DoModal();
        EXPECT_TRUE(script.Finished()) << script.StepsDone() << " steps done";
    }

    TestApplication application;
    TestDataDirectory data;
};

}  // namespace uitest
