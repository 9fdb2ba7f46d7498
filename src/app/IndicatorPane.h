// CIndicatorPane: one small pane of the status bar: a sunken box with its
// text centred, on the menu colour. An indicator that is off draws its text
// in the menu colour, so the text does not show but the pane keeps its size.
#pragma once

#include <QLabel>

class CIndicatorPane : public QLabel {
    Q_OBJECT
  public:
    CIndicatorPane(const QString& name, const QString& text, QWidget* parent = nullptr);

    void SetOn(bool on);
    bool IsOn() const { return m_on; }

  private:
    void ApplyColours();

    bool m_on = true;
};
