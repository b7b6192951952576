#pragma once

#include <string>

namespace kpd {

// Holds the fatal error that ended a parse: the parser's code and description and where
// in the document it stopped. Errors and warnings that do not stop the parse are ignored.
class ErrorHandlerImpl {
public:
    void fatalError(int code, std::string description, long line, long column);

    bool failed() const { return failed_; }
    int code() const { return code_; }
    const std::string& description() const { return description_; }
    long line() const { return line_; }
    long column() const { return column_; }

    // The code as a signed decimal, " : ", the description, when the parser got that far
    // the line and column (from 1) where it stopped, and the file that failed.
    std::string report(const std::string& file) const;

private:
    bool failed_ = false;
    int code_ = 0;
    std::string description_;
    long line_ = 0;
    long column_ = 0;
};

} // namespace kpd
