#include "kpdtool.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    // The drive data lies beside the program unless --folder says otherwise.
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) self = std::filesystem::absolute(argv[0]);
    kpd::KpdTool tool(std::cout, std::cerr, self.parent_path().string());
    const int status = tool.run(std::vector<std::string>(argv + 1, argv + argc));
    // The tool still holds the model of the drive. Destroying it frees nothing the
    // operating system would not, and on the largest drives takes a tenth of a second:
    // the output is flushed and the process ends here. Every file written is closed already.
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(status);
}
