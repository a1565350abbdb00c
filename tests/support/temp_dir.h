#pragma once
// A temporary folder for real files, removed with everything in it at the end of the test.

#include <string>
#include <string_view>

namespace vakrel::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }
    void write(std::string_view name, std::string_view bytes) const;
    std::string read(std::string_view name) const;
    bool exists(std::string_view name) const;

private:
    std::string path_;
};

// Reads a file of the source tree, failing the test when it is missing.
std::string ReadSourceFile(const std::string& path);
// A file of the bundled example set.
std::string Example(const std::string& name);

}  // namespace vakrel::test
