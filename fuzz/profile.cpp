// Profile (ini) files: any file contents read through both readers, for a section and key named
// by the input and for the ones the program reads. Round trip: a section and key line written
// first in the file, with names and a value of the file's ordinary characters, read back as the
// value written.
#include "FuzzInput.h"
#include "ProfileFile.h"
#include "QsIni.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Bytes of the input mapped onto the characters a name or value may hold, without blanks at
// either end; values may also hold "=" and ";".
std::string Plain(const std::string& raw, bool value) {
    static const std::string kNameChars =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 ._-\\/";
    static const std::string kValueChars = kNameChars + "=;,[]()'\"";
    const std::string& chars = value ? kValueChars : kNameChars;
    std::string out;
    for (const char c : raw) {
        out += chars[static_cast<unsigned char>(c) % chars.size()];
    }
    const auto first = out.find_first_not_of(' ');
    return first == std::string::npos ? std::string()
                                      : out.substr(first, out.find_last_not_of(' ') - first + 1);
}

void CheckWritten(qs::fuzz::FuzzInput& in, const std::string& rest) {
    const std::string section = Plain(in.Text('\n'), false);
    const std::string key = Plain(in.Text('\n'), false);
    std::string value = Plain(in.Text('\n'), true).substr(0, qs::kProfileValueMax);
    if (section.empty() || key.empty()) {
        return;
    }
    const qs::fuzz::TempFile file("written.ini", "[" + section + "]\n" + key + "=" + value + "\n" + rest);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2); // the quotes a value may be enclosed in
    }
    if (qs::ReadProfileString(file.Name(), section, key, "(default)") != value && !value.empty()) {
        std::fprintf(stderr, "profile: [%s] %s reads otherwise than '%s'\n", section.c_str(), key.c_str(),
                     value.c_str());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qs::fuzz::FuzzInput in(data, size);
    const std::string section = in.Text('\n');
    const std::string key = in.Text('\n');
    const std::string rest = in.Rest();
    const qs::fuzz::TempFile file("profile.ini", rest);
    qs::ReadProfileString(file.Name(), section, key, "default ");
    for (const std::string& name : qs::ReadProfileKeys(file.Name(), section)) {
        qs::ReadProfileString(file.Name(), section, name, "");
    }
    QsIni(file.Name()).ReadString(section, key, "");
    QsIni(file.Name()).ReadString("Device", "IP", "");
    qs::fuzz::FuzzInput written(data, size);
    CheckWritten(written, rest);
    return 0;
}
