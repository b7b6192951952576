#pragma once

#include <iosfwd>
#include <string>

namespace kpd {

class UserInterface;

// `kpdtool diff A B [--base C] [--json]`: the editor's comparison of two keypad data files
// without a window. Exit status 0 when the sets are equal, 1 when they differ, 2 when a
// file cannot be read whole. With a base, the conflicts come first.
class DiffCommand {
public:
    struct Options {
        std::string ours;
        std::string theirs;
        std::string base;
        bool json = false;
    };

    DiffCommand(UserInterface& ui, std::ostream& out, std::string driveFolder);

    int run(const Options& options);

private:
    UserInterface& ui_;
    std::ostream& out_;
    std::string driveFolder_;
};

} // namespace kpd
