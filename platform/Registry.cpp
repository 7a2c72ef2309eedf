#include "Registry.h"

#include "FilePath.h"
#include "ProfileFile.h"
#include "TextTrim.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdlib>

namespace qs {
namespace {

const char* const kRoot = "HKEY_LOCAL_MACHINE";
// A created key without values still has to exist in the file: it carries this marker value.
const char* const kKeyMarker = "(key)";

// "\SOFTWARE\Torvik\Modules\HelpPath" -> "SOFTWARE\Torvik\Modules\HelpPath".
std::string KeyName(const std::string& path) {
    const auto first = path.find_first_not_of('\\');
    return first == std::string::npos ? std::string() : path.substr(first);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

// A key exists when a value line of the root section lies in it.
bool KeyExists(const std::string& file, const std::string& key) {
    for (const std::string& name : ReadProfileKeys(file, kRoot)) {
        if (StartsWithNoCase(name, key + "\\")) {
            return true;
        }
    }
    return false;
}

bool IsRootSection(std::string_view line) {
    const auto close = line.find(']');
    return !line.empty() && line.front() == '[' && close != std::string_view::npos &&
           EqualsNoCase(TrimView(line.substr(1, close - 1)), kRoot);
}

// A key name a line of the file holds as it stands: no line break or other control character,
// no "=" (which ends the name), and no blank, ";" (a comment) or "[" (a section) at its start.
// Another name would be written but never read back as this key.
bool FileCanHold(const std::string& key) {
    for (const char c : key) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || c == '=') {
            return false;
        }
    }
    return key.empty() || (key.front() != ' ' && key.front() != ';' && key.front() != '[');
}

// Where the new line goes: after the first root section line, ended as that line is ended. A file
// without the section gets the section line too, at its end.
std::string WithKeyLine(const std::string& content, const std::string& line) {
    std::size_t at = 0;
    while (at < content.size()) {
        const std::size_t end = content.find('\n', at);
        const std::size_t stop = end == std::string::npos ? content.size() : end;
        if (IsRootSection(TrimView(std::string_view(content).substr(at, stop - at)))) {
            if (end == std::string::npos) {
                return content + "\n" + line + "\n";
            }
            const std::string eol = end > at && content[end - 1] == '\r' ? "\r\n" : "\n";
            return content.substr(0, end + 1) + line + eol + content.substr(end + 1);
        }
        at = stop + 1;
    }
    std::string out = content;
    if (!out.empty() && out.back() != '\n') {
        out += '\n';
    }
    return out + "[" + kRoot + "]\n" + line + "\n";
}

// Adds the key's marker line and leaves every other byte of the file as it was; the file is
// replaced in one step, so a reader never sees half of it.
bool CreateKey(const std::string& file, const std::string& key) {
    std::string content;
    ReadWholeFile(file, content);
    const QString name = QString::fromStdString(file);
    QDir().mkpath(QFileInfo(name).absolutePath());
    QSaveFile out(name);
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    const std::string updated = WithKeyLine(content, key + "\\" + kKeyMarker + "=");
    out.write(updated.data(), static_cast<qint64>(updated.size()));
    return out.commit();
}

} // namespace

std::string RegistryKey::FileName() {
    if (const char* env = std::getenv("KRS_REGISTRY_FILE"); env != nullptr && *env != '\0') {
        return env;
    }
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return (dir + QStringLiteral("/krs5400em/registry.ini")).toStdString();
}

std::optional<RegistryKey> RegistryKey::Open(const std::string& path, bool create) {
    const std::string file = FileName();
    const std::string key = KeyName(path);
    if (!KeyExists(file, key) && (!create || !FileCanHold(key) || !CreateKey(file, key))) {
        return std::nullopt;
    }
    return RegistryKey(key);
}

std::string RegistryKey::ReadString(const std::string& name) const {
    return ReadProfileString(FileName(), kRoot, group_ + "\\" + name, "");
}

} // namespace qs
