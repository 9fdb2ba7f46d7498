#include "app/HelpWindow.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

CHelpWindow::CHelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("CP-Z5 Help"));
    m_browser->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    FitOnScreen();
}

// The manual's usual size, smaller on a small screen, and placed on it.
void CHelpWindow::FitOnScreen() {
    constexpr int kWidth = 640;
    constexpr int kHeight = 560;
    constexpr int kMargin = 40;
    const QScreen* shownOn = parentWidget() != nullptr ? parentWidget()->screen() : screen();
    if (shownOn == nullptr) {
        resize(kWidth, kHeight);
        return;
    }
    const QRect room = shownOn->availableGeometry().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const QSize size(std::min(kWidth, room.width()), std::min(kHeight, room.height()));
    resize(size);
    move(room.center() - QPoint(size.width() / 2, size.height() / 2));
}

CHelpWindow::~CHelpWindow() = default;

void CHelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString CHelpWindow::FindHelpFile() {
    const QString directory = QCoreApplication::applicationDirPath();
    const QString candidates[] = {
        directory + QLatin1Char('/') + QLatin1String(kFileName),
        directory + QStringLiteral("/../share/cpz5/") + QLatin1String(kFileName),
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile()) {
            return QFileInfo(candidate).canonicalFilePath();
        }
    }
    return {};
}

bool CHelpWindow::Load() {
    const QString path = FindHelpFile();
    if (path.isEmpty()) {
        return false;
    }
    m_browser->setSource(QUrl::fromLocalFile(path));
    return true;
}
