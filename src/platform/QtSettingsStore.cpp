#include "platform/QtSettingsStore.h"

#include <sys/stat.h>

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdlib>

#include "platform/TextFile.h"
#include "platform/Translation.h"

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

// What is wrong with the settings file at path, "" when it may be read and
// written (also when it does not exist yet).
std::string RefusalOf(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return {};
    }
    if (!S_ISREG(status.st_mode)) {
        return path + " " + CTextFile::NotRegularReason(status.st_mode);
    }
    if (status.st_size > CQtSettingsStore::kMaxFileBytes) {
        return CTranslation::Args(CTranslation::Tr("CQtSettingsStore", "%1 is larger than 1 MiB"),
                                  {path});
    }
    return {};
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

CQtSettingsStore::CQtSettingsStore(const std::string& path) : m_path(path) {
    if (const std::string refusal = RefusalOf(path); !refusal.empty()) {
        m_problem = CTranslation::Args(
            CTranslation::Tr("CQtSettingsStore",
                             "the settings file %1: it is neither read nor written, and this run "
                             "uses the default settings"),
            {refusal});
        return;
    }
    m_settings = std::make_unique<QSettings>(QString::fromStdString(path), QSettings::IniFormat);
}

CQtSettingsStore::~CQtSettingsStore() = default;

std::optional<std::string> CQtSettingsStore::Text(const std::string& section,
                                                  const std::string& name) const {
    if (m_settings == nullptr) {
        return m_memory.Text(section, name);
    }
    QVariant value = m_settings->value(Key(section, name));
    if (!value.isValid()) {
        return std::nullopt;
    }
    return TextOf(value).toStdString();
}

void CQtSettingsStore::SetText(const std::string& section, const std::string& name,
                               const std::string& text) {
    if (m_settings == nullptr) {
        m_memory.SetText(section, name, text);
        return;
    }
    m_settings->setValue(Key(section, name), QString::fromStdString(text));
}

bool CQtSettingsStore::Sync() {
    if (m_settings == nullptr) {
        return false;
    }
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

std::string CQtSettingsStore::Path() const {
    return m_path;
}
