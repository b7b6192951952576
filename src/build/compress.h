#pragma once

#include "databaseimage.h"
#include "dictionary.h"
#include "paramstrings.h"
#include "stringcollector.h"

#include "model/userinterface.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kpd {

class TheApp;
class Parameter;
class DrvMenu;

enum class CompressResult : std::int32_t {
    Fits = 0,       // built, no longer than the keypad's 131,072 bytes
    TooLarge = 1,   // built, but the keypad cannot hold it
    Stopped = 2,    // stopped by the user, or the data exceeds what the format can hold
};

// Builds the keypad's string database image from the custom string set, for one command:
// setData, compress, then one writer. Long steps open progress windows through the
// application's user interface and can be stopped from them.
class Compress : public ProgressOwner {
public:
    static constexpr std::size_t kMaxParameters = StringCollector::kMaxParameters;

    void setData(TheApp& anApp, std::int32_t base);

    // A data set beyond the format's limits ends like a stopped build (nothing may be
    // written) after a message titled "ERROR" naming the limit; failed() tells the two apart.
    CompressResult compress();
    bool failed() const { return failed_; }
    const std::string& failure() const { return failure_; }

    std::int32_t progress() const override { return progress_; }
    void stopProcess() override { stop_ = true; }
    std::int32_t getTotalBytes() const { return totalBytes_; }
    static bool IsSameText(const std::string& String1, const std::string& String2) { return String1 == String2; }

    std::int32_t base() const { return base_; }
    const DatabaseImage& image() const { return image_; }
    const std::vector<ParamStrings>& paramStrings() const { return records_; }
    const Dictionary& dictionary() const { return dictionary_; }

    // The writers below replace their file only with a whole rendering of a whole image:
    // after a stopped build or a stopped rendering they write nothing and return false, so
    // a good file of an earlier build is never replaced by a cut one. Write failures throw
    // FileWriteError and leave the old file.

    // Intel hex rendering from base on; base advances past it. A stop keeps the records made.
    void CreateIntelHexData();
    const std::vector<std::string>& hexLines() const { return hexLines_; }
    bool WriteFileHex(const std::string& filename) const;

    // Returns the module name; after a stop no line counts.
    std::string CreateAssemblerData(const std::string& DBLangName);
    // Zero after a stopped CreateAssemblerData: there is nothing worth writing.
    std::size_t assemblerLineCount() const { return asmLineCount_; }
    bool WriteFileAsm(const std::string& filename) const;
    bool WriteFileBin(const std::string& filename) const;
    // path is the segment folder with its trailing separator; confinedTo as for
    // ImageFiles::writeSegments. Returns the last segment holding image bytes, or -1 when
    // the build was stopped and nothing was written.
    std::int16_t WriteFileSegs(const std::string& path, const std::string& confinedTo = {}) const;

private:
    bool reportProgress(std::int32_t value);
    bool translateDatabase();
    void fillRecord(const DrvMenu& menu, const Parameter& parameter);
    CompressResult build();
    UserInterface& ui() const;

    TheApp* app_ = nullptr;
    std::string custKey_;
    std::int32_t base_ = 0;
    std::int32_t progress_ = 0;
    bool stop_ = false;
    bool failed_ = false;
    std::string failure_;
    std::vector<ParamStrings> records_;
    Dictionary dictionary_;
    DatabaseImage image_;
    std::int32_t totalBytes_ = 0;
    bool imageComplete_ = false;
    std::vector<std::string> hexLines_;
    bool hexComplete_ = false;
    std::vector<std::string> asmLines_;
    std::size_t asmLineCount_ = 0;
    bool asmComplete_ = false;
};

} // namespace kpd
