// A folder of its own for a test's files, removed with what it holds.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "hexloom-cli-XXXXXX");
        path_ = mkdtemp(pattern.data());
    }
    ~TemporaryFolder() { std::filesystem::remove_all(path_); }
    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;

    std::string operator/(const std::string &name) const { return path_ / name; }
    const std::filesystem::path &path() const { return path_; }

    void write(const std::string &name, const std::string &contents) const {
        std::ofstream(path_ / name, std::ios::binary) << contents;
    }
    std::string read(const std::string &name) const {
        std::ifstream file(path_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    // Names, hidden ones too: a temporary file left behind shows here.
    std::set<std::string> names() const {
        std::set<std::string> all;
        for (const auto &entry : std::filesystem::directory_iterator(path_))
            all.insert(entry.path().filename());
        return all;
    }

private:
    std::filesystem::path path_;
};
