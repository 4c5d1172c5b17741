#pragma once

#include "Application.h"
#include "ErrorRecorder.h"
#include "TestForm.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// Records error boxes and handler calls; destroys the forms that a test created.
class ToolkitTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HandlerCalls().clear();
        Application->SetTitle("Kvizora");
    }
    void TearDown() override { Application->DestroyForms(); }

    // The handler calls since the last look.
    std::vector<std::string> TakeCalls()
    {
        std::vector<std::string> Calls;
        Calls.swap(HandlerCalls());
        return Calls;
    }

    ErrorRecorder Errors;
};
