#include "FuzzInput.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace qs::fuzz {

TempFile::TempFile(std::string_view name, std::string_view content) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("krs-fuzz-" + std::to_string(::getpid()) + "-" + std::string(name));
    name_ = path.string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

TempFile::~TempFile() {
    std::error_code ignored;
    std::filesystem::remove(name_, ignored);
}

} // namespace qs::fuzz
