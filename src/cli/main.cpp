#include "kpdtool.h"

#include "install/installlayout.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    // The drive data lies beside the program, or in the package's data folder when the
    // program is installed, unless --folder says otherwise.
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) self = std::filesystem::absolute(argv[0]);
    const kpd::InstallLayout layout = kpd::InstallLayout::of(self.parent_path());
    kpd::KpdTool tool(std::cout, std::cerr, layout.bundledData().string());
    tool.setProgressShown(isatty(STDERR_FILENO) == 1);
    const int status = tool.run(std::vector<std::string>(argv + 1, argv + argc));
    // The tool still holds the model of the drive. Destroying it frees nothing the
    // operating system would not, and on the largest drives takes a tenth of a second:
    // the output is flushed and the process ends here. Every file written is closed already.
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(status);
}
