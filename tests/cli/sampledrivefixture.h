#pragma once

#include "kpdtool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace kpd {

// A temporary folder with a copy of the sample drive's custom set, and kpdtool run on the
// sample drive with what it prints caught.
class SampleDriveFixture : public testing::Test {
protected:
    SampleDriveFixture(const std::string& folderPrefix, const std::string& copyName)
        : dir_(std::filesystem::temp_directory_path() / (folderPrefix + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(dir_);
        std::filesystem::copy_file(dataFolder() + "/Custom.kpl", dir_ / copyName,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    ~SampleDriveFixture() override { std::filesystem::remove_all(dir_); }

    static std::string dataFolder() { return std::string(KPD_SOURCE_DIR) + "/data"; }

    int run(std::vector<std::string> args)
    {
        out_.str({});
        err_.str({});
        KpdTool tool(out_, err_, dataFolder());
        return tool.run(args);
    }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    std::filesystem::path dir_;
    std::ostringstream out_;
    std::ostringstream err_;
};

} // namespace kpd
