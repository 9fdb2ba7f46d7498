// CDialogFocusOrder: the program's dialogs open with the focus on their first
// field, and Tab goes through their fields in the order they are read: rows
// from top to bottom, each from left to right, a group box or a property
// sheet's page as one block read through before what follows it.
//
// Installed on the application, it orders every dialog of the program (its
// own dialog classes) when it is first shown, and each page
// of a property sheet when that page is first shown. Message boxes and the
// system's file and print dialogs keep their own order. Tab after the last
// control comes back to the first one (and Shift+Tab the other way): no
// container that passes its focus on (a button box) stands in the way.
#pragma once

#include <QObject>

class QWidget;

class CDialogFocusOrder : public QObject {
    Q_OBJECT
  public:
    // Installs one filter on the application (once).
    static void Install();

    // Orders Tab through the fields of root; returns the first field (not a
    // button or tab bar), nullptr when there is none.
    static QWidget* Apply(QWidget* root);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
};
