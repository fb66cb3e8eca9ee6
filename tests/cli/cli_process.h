#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace scrivafresa::testing {

struct ProcessResult {
    int status = -1;  // exit status, or -1 when the process did not exit normally
    std::string out;
    std::string err;
};

struct ProcessOptions {
    std::filesystem::path folder;                    // working folder
    std::map<std::string, std::string> environment;  // added to the inherited one
    std::string standardOutput;                      // a file instead of capturing, e.g. /dev/full
};

// Runs a program with no standard input and returns its exit status and what it wrote.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const ProcessOptions& options);

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& content);

// The names of the entries of a folder, sorted.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder);

// Each test runs the command line in a fresh folder of its own.
class CommandLineTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    ProcessResult Run(const std::vector<std::string>& arguments, ProcessOptions options = {}) const;

    std::filesystem::path folder_;
};

inline const std::string kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

}  // namespace scrivafresa::testing
