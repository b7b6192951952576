#pragma once

#include <iosfwd>
#include <string>

namespace kpd {

class Glossary;

// kpdtool glossary: brings a table or a term base into the drive folder's glossary, and
// writes that glossary out as either. The format of a file follows its extension.
class GlossaryCommand {
public:
    enum ExitCode { Done = 0, BadInput = 2 };

    GlossaryCommand(std::ostream& out, std::ostream& err, std::string folder)
        : out_(out), err_(err), folder_(std::move(folder))
    {
    }

    // action is "import" or "export"; an existing target is replaced only when forced.
    int run(const std::string& action, const std::string& file, bool force);

    static Glossary read(const std::string& path);
    static void write(const std::string& path, const Glossary& glossary);
    // ".csv" in any case; every other name is a term base.
    static bool isTable(const std::string& path);

private:
    std::ostream& out_;
    std::ostream& err_;
    std::string folder_;
};

} // namespace kpd
