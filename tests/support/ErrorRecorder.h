#pragma once

#include <string>
#include <vector>

// Replaces the modal error box with a record of what it would show, for the life of the object.
class ErrorRecorder {
public:
    ErrorRecorder();
    ~ErrorRecorder();
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;

    // The texts of the boxes, oldest first, as Windows-1251 bytes.
    const std::vector<std::string>& Texts() const { return Reports; }
    // The caption of every box (the application title) seen so far.
    const std::vector<std::string>& Captions() const { return ReportCaptions; }

private:
    std::vector<std::string> Reports;
    std::vector<std::string> ReportCaptions;
};
