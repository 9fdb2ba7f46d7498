#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMessageBox>
#include <QModelIndex>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace guitest {

namespace {
constexpr int kPollMs = 10;
constexpr int kGiveUpMs = 10000;

void PollForModal(std::function<void(QWidget*)> answer, int waitedMs) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->isVisible()) {
        answer(modal);
        return;
    }
    if (waitedMs < kGiveUpMs) {
        QTimer::singleShot(kPollMs,
                           [answer, waitedMs] { PollForModal(answer, waitedMs + kPollMs); });
    }
}
}  // namespace

void AnswerNextModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer] { PollForModal(answer, 0); });
}

void PressButton(QWidget* window, const QString& nameOrText) {
    const QString wanted = QString(nameOrText).remove(QLatin1Char('&'));
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->objectName() == nameOrText ||
            button->text().remove(QLatin1Char('&')) == wanted) {
            button->click();
            return;
        }
    }
    // No such button: close the window so that the test goes on and fails.
    ADD_FAILURE() << "no button " << nameOrText.toStdString();
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->reject();
    } else {
        window->close();
    }
}

void ProcessEvents(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    } while (timer.elapsed() < milliseconds);
}

std::string SaveScreenshot(QWidget* widget, const std::string& name) {
    const QString directory = QStringLiteral(CPZ5_SCREENSHOT_DIR);
    QDir().mkpath(directory);
    const QString path =
        directory + QLatin1Char('/') + QString::fromStdString(name) + QStringLiteral(".png");
    return widget->grab().save(path) ? path.toStdString() : std::string();
}

QStringList RedrawnRows(const QList<QList<QVariant>>& spy) {
    QStringList rows;
    for (const QList<QVariant>& signal : spy) {
        rows << QStringLiteral("%1-%2")
                    .arg(signal[0].value<QModelIndex>().row())
                    .arg(signal[1].value<QModelIndex>().row());
    }
    return rows;
}

QString MessageText(QWidget* window) {
    const auto* box = qobject_cast<QMessageBox*>(window);
    return box != nullptr ? box->text() : QString();
}

bool HasPrivateDisplay() {
    return QGuiApplication::platformName() == QStringLiteral("xcb") &&
           qgetenv("CPZ5_REAL_POINTER") == "1" &&
           !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
}

void Xdo(const QStringList& arguments) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    ASSERT_TRUE(xdotool.waitForStarted());
    for (int waited = 0; waited < 100 && xdotool.state() != QProcess::NotRunning; ++waited) {
        ProcessEvents(20);
    }
    ProcessEvents(150);
}

}  // namespace guitest
