#include "kpdtool.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    // The drive data lies beside the program unless --folder says otherwise.
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) self = std::filesystem::absolute(argv[0]);
    kpd::KpdTool tool(std::cout, std::cerr, self.parent_path().string());
    return tool.run(std::vector<std::string>(argv + 1, argv + argc));
}
