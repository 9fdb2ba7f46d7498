// CCloneStatusBar: the main window's status bar: the message pane (it takes
// the free width), the Caps Lock, Num Lock and Scroll Lock indicators
// ("CAP", "NUM", "SCRL") and the pane "2000" with the radio's name.
//
// Linux gives programs no portable way to ask a key's lock state; the
// indicators follow the keyboard lights the kernel shows under
// /sys/class/leds and stay dark where there are none.
#pragma once

#include <QStatusBar>
#include <array>

class CIndicatorPane;
class QTimer;

class CCloneStatusBar : public QStatusBar {
    Q_OBJECT
  public:
    explicit CCloneStatusBar(QWidget* parent = nullptr);
    ~CCloneStatusBar() override;

    static constexpr int kExtraPaneId = 2000;

    // The pane with the given object name ("CAP", "NUM", "SCRL", "2000").
    CIndicatorPane* Pane(const QString& name) const;

    // Re-reads the lock keys' lights.
    void UpdateIndicators();

    // True when a keyboard light whose name ends in suffix ("capslock") is
    // lit under the given directory of lights.
    static bool IsLightOn(const QString& lightsDirectory, const QString& suffix);

  private:
    std::array<CIndicatorPane*, 4> m_panes{};
    QTimer* m_timer;
};
