#pragma once

// Runs the built zykcalc in a temporary data folder of its own, feeding its standard input from a
// text and collecting its standard output, standard error and exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace zyk::test {

struct ProcessResult {
    int status = -1;  // the exit status, -1 when the program did not exit by itself
    std::string out, err;
};

inline std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteAll(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// One argument for the shell, quoted so that nothing in it is interpreted.
inline std::string Quoted(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

class ZykcalcProcess : public ::testing::Test {
protected:
    // zykcalc --data-dir <temp> ARGUMENTS... < input
    ProcessResult Run(const std::vector<std::string>& arguments,
                      const std::string& input = "") const {
        const auto in = m_folder / "in.txt";
        const auto out = m_folder / "out.txt";
        const auto err = m_folder / "err.txt";
        WriteAll(in, input);
        std::string command = Quoted(ZYKCALC_PATH) + " --data-dir " + Quoted(m_folder.string());
        for (const auto& argument : arguments) {
            command += " " + Quoted(argument);
        }
        command +=
            " <" + Quoted(in.string()) + " >" + Quoted(out.string()) + " 2>" + Quoted(err.string());
        const int raw = std::system(command.c_str());
        ProcessResult result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = ReadAll(out);
        result.err = ReadAll(err);
        return result;
    }

    TempFolder m_temp;
    const std::filesystem::path m_folder = m_temp.Path();
};

}  // namespace zyk::test
