#include "TempDir.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <cstdlib>

namespace qs::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "krs-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Write(std::string_view name, std::string_view bytes) const {
    const std::string file = Path(name);
    std::filesystem::create_directories(std::filesystem::path(file).parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
}

std::string TempDir::Read(std::string_view name) const {
    std::ifstream in(Path(name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace qs::test
