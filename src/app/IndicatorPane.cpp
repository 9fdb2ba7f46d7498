#include "app/IndicatorPane.h"

CIndicatorPane::CIndicatorPane(const QString& name, const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    setMinimumWidth(fontMetrics().horizontalAdvance(text) + 12);
    ApplyColours();
}

void CIndicatorPane::SetOn(bool on) {
    if (on != m_on) {
        m_on = on;
        ApplyColours();
    }
}

void CIndicatorPane::ApplyColours() {
    QPalette colours = palette();
    const QColor menu = colours.color(QPalette::Window);
    colours.setColor(QPalette::Window, menu);
    colours.setColor(QPalette::WindowText, m_on ? QColor(Qt::black) : menu);
    setPalette(colours);
}
