#include "app/CloneStatusBar.h"

#include <QDir>
#include <QFile>
#include <QTimer>

#include "app/IndicatorPane.h"

namespace {

const QString kLightsDirectory = QStringLiteral("/sys/class/leds");
constexpr int kIndicatorPollMs = 500;

struct SIndicator {
    const char* name;
    const char* text;   // marked for the translators; the radio's name is not
    const char* light;  // suffix of the keyboard light, "" for a plain pane
};
constexpr std::array<SIndicator, 4> kIndicators = {{
    {"CAP", QT_TRANSLATE_NOOP("CCloneStatusBar", "CAP"), "capslock"},
    {"NUM", QT_TRANSLATE_NOOP("CCloneStatusBar", "NUM"), "numlock"},
    {"SCRL", QT_TRANSLATE_NOOP("CCloneStatusBar", "SCRL"), "scrolllock"},
    {"2000", "QM-Z5", ""},
}};

}  // namespace

CCloneStatusBar::CCloneStatusBar(QWidget* parent) : QStatusBar(parent), m_timer(new QTimer(this)) {
    for (size_t i = 0; i < kIndicators.size(); ++i) {
        m_panes[i] = new CIndicatorPane(QString::fromLatin1(kIndicators[i].name),
                                        tr(kIndicators[i].text), this);
        addPermanentWidget(m_panes[i]);
    }
    UpdateIndicators();
    connect(m_timer, &QTimer::timeout, this, &CCloneStatusBar::UpdateIndicators);
    m_timer->start(kIndicatorPollMs);
}

CCloneStatusBar::~CCloneStatusBar() = default;

CIndicatorPane* CCloneStatusBar::Pane(const QString& name) const {
    for (CIndicatorPane* pane : m_panes) {
        if (pane->objectName() == name) {
            return pane;
        }
    }
    return nullptr;
}

void CCloneStatusBar::UpdateIndicators() {
    for (size_t i = 0; i < kIndicators.size(); ++i) {
        const QString light = QString::fromLatin1(kIndicators[i].light);
        if (!light.isEmpty()) {
            m_panes[i]->SetOn(IsLightOn(kLightsDirectory, light));
        }
    }
}

bool CCloneStatusBar::IsLightOn(const QString& lightsDirectory, const QString& suffix) {
    const QDir lights(lightsDirectory);
    const QStringList names =
        lights.entryList({QStringLiteral("*::") + suffix}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        QFile brightness(lights.filePath(name + QStringLiteral("/brightness")));
        if (brightness.open(QIODevice::ReadOnly) && brightness.readAll().trimmed() != "0") {
            return true;
        }
    }
    return false;
}
