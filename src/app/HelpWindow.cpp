#include "app/HelpWindow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

CHelpWindow::CHelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("CP-Z5 Help"));
    m_browser->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(640, 560);
}

CHelpWindow::~CHelpWindow() = default;

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
