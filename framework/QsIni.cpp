#include "QsIni.h"

#include "ProfileFile.h"
#include "TextTrim.h"

std::string QsIni::ReadString(std::string_view section, std::string_view key,
                              std::string_view defaultValue) const {
    const std::string value = qs::ReadProfileString(fileName_, section, key, defaultValue);
    if (!value.empty()) {
        return qs::Trim(value);
    }
    return std::string(defaultValue);
}
