#include "errorhandlerimpl.h"

#include "textcodec.h"

namespace kpd {

void ErrorHandlerImpl::fatalError(int code, std::string description, long line, long column)
{
    // The first fatal error is where the document went wrong; later ones only follow from it.
    if (failed_) return;
    failed_ = true;
    code_ = code;
    description_ = std::move(description);
    line_ = line;
    column_ = column;
}

std::string ErrorHandlerImpl::report(const std::string& file) const
{
    std::string text = std::to_string(code_) + " : " + description_;
    // A file that could not be read has no place in the document to point at.
    if (line_ > 0) text += " at line " + std::to_string(line_) + ", column " + std::to_string(column_);
    // The path is in the file system's UTF-8; the message is model text.
    return text + " in the file " + TextCodec::utf8ToLatin1(file);
}

} // namespace kpd
