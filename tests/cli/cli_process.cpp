#include "cli_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace scrivafresa::testing {

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const ProcessOptions& options) {
    const std::filesystem::path outPath = options.folder / ".captured-out";
    const std::filesystem::path errPath = options.folder / ".captured-err";
    const std::string outTarget =
        options.standardOutput.empty() ? outPath.string() : options.standardOutput;

    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);

    std::vector<std::string> variables;
    for (char** v = environ; *v; ++v) {
        const std::string variable = *v;
        if (!options.environment.contains(variable.substr(0, variable.find('='))))
            variables.push_back(variable);
    }
    for (const auto& [name, value] : options.environment) variables.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (std::string& v : variables) envp.push_back(v.data());
    envp.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        // Only async-signal-safe calls until exec.
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(outTarget.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 ||
            dup2(err, 2) < 0 || chdir(options.folder.c_str()) != 0)
            _exit(127);
        execve(program.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    ProcessResult result;
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return result;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (options.standardOutput.empty()) result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return result;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void CommandLineTest::SetUp() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "scrivafresa-cli-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
}

void CommandLineTest::TearDown() {
    if (!folder_.empty()) std::filesystem::remove_all(folder_);
}

ProcessResult CommandLineTest::Run(const std::vector<std::string>& arguments,
                                   ProcessOptions options) const {
    options.folder = folder_;
    return RunProcess(SCRIVAFRESA_CLI, arguments, options);
}

}  // namespace scrivafresa::testing
