#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vakrel::test {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "vakrel-test-XXXXXX").string();
    char* made = ::mkdtemp(tmpl.data());
    if (!made) throw std::runtime_error("cannot create a temporary folder");
    path_ = made;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void TempDir::write(std::string_view name, std::string_view bytes) const {
    std::ofstream out(file(name), std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file(name));
}

std::string TempDir::read(std::string_view name) const {
    std::ifstream in(file(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool TempDir::exists(std::string_view name) const { return std::filesystem::exists(file(name)); }

std::string ReadSourceFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << "missing " << path;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string Example(const std::string& name) { return ReadSourceFile(std::string(VAKREL_EXAMPLES) + "/" + name); }

}  // namespace vakrel::test
