#pragma once

#include "terminaluserinterface.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace kpd {

class TheApp;

// The command-line tool over the core: check the size of, build, export and decode the
// keypad string database without the editor's windows, loading the drive data through
// the editor's own loader.
class KpdTool {
public:
    enum ExitCode { Success = 0, TooLarge = 1, BadInput = 2 };

    KpdTool(std::ostream& out, std::ostream& err, std::string programFolder);
    ~KpdTool();

    int run(const std::vector<std::string>& args);
    // A progress bar on the error stream while the database is built: for a terminal only.
    void setProgressShown(bool shown) { ui_.setProgressShown(shown); }

    static std::string usage();

private:
    struct Arguments;

    int checkSize(const Arguments& a);
    int build(const Arguments& a);
    int exportText(const Arguments& a);
    int decode(const Arguments& a);
    int report(const Arguments& a);
    // The configuration, constants and reference files of the folder, then the file into
    // the cleared custom set; false (after a message) when that cannot be done.
    bool load(TheApp& app, const std::string& file);
    // The data root of a command. It lives as long as the tool, so that the program can
    // end without tearing a model of the largest drives down piece by piece.
    TheApp& newApp(const std::string& folder);

    std::ostream& out_;
    std::ostream& err_;
    std::string programFolder_;
    TerminalUserInterface ui_;
    std::unique_ptr<TheApp> app_;
};

} // namespace kpd
