// A directory of its own for a test, and the files in it as bytes and
// lines.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// A directory of its own for one test, removed with everything in it.
class CScratchDir {
  public:
    CScratchDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "cpz5-test-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    ~CScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    const std::string& Path() const { return m_path; }

  private:
    std::string m_path;
};

inline void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The parts of text that end ends; a last part without one counts too.
inline std::vector<std::string> SplitLines(const std::string& text, const std::string& end) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t next; (next = text.find(end, at)) != std::string::npos;
         at = next + end.size()) {
        lines.push_back(text.substr(at, next - at));
    }
    if (at < text.size()) {
        lines.push_back(text.substr(at));
    }
    return lines;
}
