#include "platform/QtSettingsStore.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdlib>

#include "platform/SettingsText.h"

namespace {

QString Key(const std::string& section, const std::string& name) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(name);
}

// The INI reader takes an unquoted value with commas ("PDF,spool,PDF") as a
// list of its parts; a setting is the text the user wrote, so the parts are
// joined again.
QString TextOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QLatin1Char(','));
    }
    return value.toString();
}

}  // namespace

std::string CQtSettingsStore::DefaultPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config != nullptr && *config == '/') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home != nullptr ? home : "") + "/.config";
    }
    return base + "/Brel/CP-Z5.conf";
}

CQtSettingsStore::CQtSettingsStore() : CQtSettingsStore(DefaultPath()) {}

CQtSettingsStore::CQtSettingsStore(const std::string& path)
    : m_settings(std::make_unique<QSettings>(QString::fromStdString(path), QSettings::IniFormat)) {}

CQtSettingsStore::~CQtSettingsStore() = default;

int CQtSettingsStore::GetInt(const std::string& section, const std::string& name,
                             int defaultValue) const {
    QVariant value = m_settings->value(Key(section, name));
    if (!value.isValid()) {
        return defaultValue;
    }
    return ParseSettingsInt(TextOf(value).toStdString(), defaultValue);
}

void CQtSettingsStore::SetInt(const std::string& section, const std::string& name, int value) {
    m_settings->setValue(Key(section, name), value);
}

std::string CQtSettingsStore::GetString(const std::string& section, const std::string& name,
                                        const std::string& defaultValue) const {
    QVariant value = m_settings->value(Key(section, name));
    return value.isValid() ? TextOf(value).toStdString() : defaultValue;
}

void CQtSettingsStore::SetString(const std::string& section, const std::string& name,
                                 const std::string& value) {
    m_settings->setValue(Key(section, name), QString::fromStdString(value));
}

bool CQtSettingsStore::Contains(const std::string& section, const std::string& name) const {
    return m_settings->contains(Key(section, name));
}

bool CQtSettingsStore::Sync() {
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

std::string CQtSettingsStore::Path() const {
    return m_settings->fileName().toStdString();
}
