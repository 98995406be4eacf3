#pragma once
// A fresh temporary folder that a test works in; removed again with everything in it.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace luvo::test {

class TempDir {
  public:
    TempDir() {
        namespace fs = std::filesystem;
        std::string pattern = (fs::temp_directory_path() / "luvo-test-XXXXXX").string();
        path_ = fs::path(mkdtemp(pattern.data()) ? pattern : std::string());
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// Makes a TempDir the current working directory for the lifetime of the object.
class ScopedWorkDir {
  public:
    ScopedWorkDir() : old_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir_.path());
    }
    ~ScopedWorkDir() {
        std::error_code ec;
        std::filesystem::current_path(old_, ec);
    }
    const TempDir& dir() const { return dir_; }

  private:
    std::filesystem::path old_;
    TempDir dir_;
};

// The whole file as bytes ("" when it cannot be read).
inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace luvo::test
