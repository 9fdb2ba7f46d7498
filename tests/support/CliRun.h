// Running the built cpz5-cli as a user or script does: in a working
// directory, with its settings in that directory's "config" folder, without
// a terminal. Test programs that use it define CPZ5_CLI_PATH.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

struct SCliRun {
    int status;       // the exit status; -1 when the program did not exit
    std::string out;  // what it wrote to standard output
    std::string err;  // and to standard error
};

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs cpz5-cli with arguments (shell words) in directory.
inline SCliRun RunCli(const std::string& directory, const std::string& arguments) {
    const std::string command = "cd '" + directory + "' && XDG_CONFIG_HOME='" + directory +
                                "/config' XDG_DATA_HOME='" + directory +
                                "/data' '" CPZ5_CLI_PATH "' " + arguments + " >'" + directory +
                                "/out' 2>'" + directory + "/err' </dev/null";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadWholeFile(directory + "/out"),
            ReadWholeFile(directory + "/err")};
}
