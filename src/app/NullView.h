// CNullView: an empty pane that draws nothing; the list frame keeps one as
// the placeholder of its first slot.
#pragma once

#include <QWidget>

class CNullView : public QWidget {
  public:
    explicit CNullView(QWidget* parent = nullptr) : QWidget(parent) {}
};
