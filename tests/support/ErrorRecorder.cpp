#include "ErrorRecorder.h"

#include "Application.h"

ErrorRecorder::ErrorRecorder()
{
    Application->SetErrorReporter([this](const std::string& Caption, const std::string& Text) {
        ReportCaptions.push_back(Caption);
        Reports.push_back(Text);
    });
}

ErrorRecorder::~ErrorRecorder()
{
    Application->SetErrorReporter({});
}
