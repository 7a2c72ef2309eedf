#include "Registry.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cstdlib>

namespace qs {
namespace {

// A created key without values still has to exist in the file: it carries this marker value.
const char* const kKeyMarker = "(key)";

QString GroupOf(const std::string& path) {
    QString group = QString::fromStdString(path);
    group.replace('\\', '/');
    while (group.startsWith('/')) {
        group.remove(0, 1);
    }
    return QStringLiteral("HKEY_LOCAL_MACHINE/") + group;
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
    QSettings file(QString::fromStdString(FileName()), QSettings::IniFormat);
    const QString group = GroupOf(path);
    file.beginGroup(group);
    const bool exists = !file.childKeys().isEmpty() || !file.childGroups().isEmpty();
    file.endGroup();
    if (!exists) {
        if (!create) {
            return std::nullopt;
        }
        QDir().mkpath(QFileInfo(QString::fromStdString(FileName())).absolutePath());
        file.setValue(group + '/' + kKeyMarker, QString());
        file.sync();
    }
    return RegistryKey(group.toStdString());
}

std::string RegistryKey::ReadString(const std::string& name) const {
    QSettings file(QString::fromStdString(FileName()), QSettings::IniFormat);
    const QVariant value = file.value(QString::fromStdString(group_) + '/' + QString::fromStdString(name));
    return value.toString().toStdString();
}

} // namespace qs
