// A scratch folder for tests that read and write files; removed with everything in it when the
// object goes.
#pragma once

#include <string>
#include <string_view>

namespace qs::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Writes the bytes to `name` (which may name a sub-folder) and returns the full path.
    std::string Write(std::string_view name, std::string_view bytes) const;
    std::string Read(std::string_view name) const;
    std::string Path(std::string_view name) const { return path_ + "/" + std::string(name); }
    const std::string& Dir() const { return path_; }

private:
    std::string path_;
};

} // namespace qs::test
