// CWindowPicture: a window as the manual shows it: what the window draws,
// under a plain title bar with its title, in a thin frame (the offscreen
// platform draws no decoration of its own). Texts that would differ from one
// run or machine to the next (the folder the pictures are made in, the
// virtual radio's terminal) are replaced in the window before it is drawn.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

class QPalette;
class QWidget;

class CWindowPicture {
  public:
    struct SReplacement {
        QString from;
        QString to;
    };
    static constexpr int kTitleHeight = 24;

    explicit CWindowPicture(std::vector<SReplacement> replacements);

    // Replaces the texts in the window's title, labels and status bar, then
    // draws it with its title bar; size: the window's size in the picture
    // (once its texts are replaced), when valid.
    QImage Take(QWidget& window, QSize size = QSize()) const;

    // content under a title bar with title, framed, in the palette's colours.
    static QImage Framed(const QImage& content, const QString& title, const QPalette& palette);

  private:
    QString Replaced(QString text) const;
    void ReplaceTexts(QWidget& window) const;

    std::vector<SReplacement> m_replacements;
};
