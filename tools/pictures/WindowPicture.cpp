#include "WindowPicture.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QStatusBar>
#include <QWidget>

CWindowPicture::CWindowPicture(std::vector<SReplacement> replacements)
    : m_replacements(std::move(replacements)) {}

QString CWindowPicture::Replaced(QString text) const {
    for (const SReplacement& replacement : m_replacements) {
        if (!replacement.from.isEmpty()) {
            text.replace(replacement.from, replacement.to);
        }
    }
    return text;
}

void CWindowPicture::ReplaceTexts(QWidget& window) const {
    window.setWindowTitle(Replaced(window.windowTitle()));
    for (QLabel* label : window.findChildren<QLabel*>()) {
        const QString text = Replaced(label->text());
        if (text != label->text()) {
            label->setText(text);
        }
    }
    for (QStatusBar* bar : window.findChildren<QStatusBar*>()) {
        const QString message = Replaced(bar->currentMessage());
        if (message != bar->currentMessage()) {
            bar->showMessage(message);
        }
    }
}

QImage CWindowPicture::Take(QWidget& window, QSize size) const {
    ReplaceTexts(window);
    QApplication::processEvents();
    if (size.isValid()) {
        window.resize(size);
        QApplication::processEvents();
    }
    const QImage content = window.grab().toImage();
    return Framed(content, window.windowTitle(), window.palette());
}

QImage CWindowPicture::Framed(const QImage& content, const QString& title,
                              const QPalette& palette) {
    constexpr int kBorder = 1;
    constexpr int kTitleIndent = 8;
    QImage picture(content.width() + 2 * kBorder, content.height() + kTitleHeight + kBorder,
                   QImage::Format_RGB32);
    picture.fill(palette.color(QPalette::Dark));
    QPainter painter(&picture);
    const QRect bar(kBorder, kBorder, content.width(), kTitleHeight - kBorder);
    painter.fillRect(bar, palette.color(QPalette::Window).darker(112));
    QFont font = QApplication::font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(palette.color(QPalette::WindowText));
    painter.drawText(bar.adjusted(kTitleIndent, 0, -kTitleIndent, 0),
                     Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.drawImage(QPoint(kBorder, kTitleHeight), content);
    return picture;
}
