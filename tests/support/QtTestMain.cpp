// main() of the test programs of the desktop program's windows: they need a
// QApplication (and its clipboard); without a display chosen they run on
// Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

namespace {

// The offscreen platform cannot raise or resize windows to their hints and
// says so for every window; that is no news for these tests.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QStringLiteral("propagateSizeHints")) &&
        !message.contains(QStringLiteral("does not support raise"))) {
        qt_message_output(type, context, message);
    }
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
