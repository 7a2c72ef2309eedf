// Reads single values from a profile (ini) file, such as the device settings file.
#pragma once

#include <string>
#include <string_view>
#include <utility>

class QsIni {
public:
    explicit QsIni(std::string fileName) : fileName_(std::move(fileName)) {}

    // The key's value trimmed of blanks and control characters; the default, unchanged, when the
    // value is empty or the key, its section or the file is missing.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;

private:
    std::string fileName_;
};
