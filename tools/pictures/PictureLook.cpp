#include "PictureLook.h"

#include <QApplication>
#include <QFont>
#include <QStyle>
#include <QStyleFactory>
#include <ctime>

namespace {

// What a desktop or a user sets to change how Qt programs look.
constexpr const char* kLookVariables[] = {
    "QT_QPA_PLATFORMTHEME",
    "QT_STYLE_OVERRIDE",
    "QT_SCALE_FACTOR",
    "QT_SCREEN_SCALE_FACTORS",
    "QT_AUTO_SCREEN_SCALE_FACTOR",
    "QT_ENABLE_HIGHDPI_SCALING",
    "QT_SCALE_FACTOR_ROUNDING_POLICY",
    "QT_FONT_DPI",
    "QT_USE_PHYSICAL_DPI",
};

constexpr Qt::UIEffect kEffects[] = {Qt::UI_AnimateMenu,  Qt::UI_FadeMenu,
                                     Qt::UI_AnimateCombo, Qt::UI_AnimateTooltip,
                                     Qt::UI_FadeTooltip,  Qt::UI_AnimateToolBox};

}  // namespace

void CPictureLook::PrepareEnvironment() {
    for (const char* variable : kLookVariables) {
        qunsetenv(variable);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Times shown in local time read the same everywhere.
    qputenv("TZ", "UTC");
    tzset();
    QApplication::setDesktopSettingsAware(false);
}

void CPictureLook::Apply(QApplication& application) {
    QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"));
    QApplication::setStyle(style);
    QApplication::setPalette(style->standardPalette());
    QApplication::setFont(QFont(QString::fromLatin1(kFontFamily), kFontPoints));
    // A blinking cursor would be caught in either phase.
    application.setCursorFlashTime(0);
    for (const Qt::UIEffect effect : kEffects) {
        QApplication::setEffectEnabled(effect, false);
    }
}
