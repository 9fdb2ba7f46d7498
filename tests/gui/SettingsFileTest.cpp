// The settings file the desktop program writes when it starts on an empty
// one: every section and value name, every default and the order QSettings
// keeps them in, to the byte. A renamed key or a changed default shows here
// as a changed file, which the users' existing files would no longer match.
#include <gtest/gtest.h>

#include <QFile>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <string>

#include "GuiTestSupport.h"
#include "app/CommandLineInfo.h"
#include "app/PrintSelectDlg.h"
#include "app/Z5App.h"
#include "app/Z5MainFrame.h"
#include "platform/QtSettingsStore.h"
#include "radio/VirtualRadio.h"
#include "transport/PortName.h"
#include "ui/CommandIds.h"
#include "ui/ListSheet.h"

namespace {

// The file as text; the tool bar's state, which Qt encodes in its own way,
// as "STATE", and the test's folder as "DIR".
std::string ReadAll(const QString& path, const QString& folder) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll())
        .replace(QRegularExpression(QStringLiteral("State=\"[^\"]*\"")),
                 QStringLiteral("State=STATE"))
        .replace(folder, QStringLiteral("DIR"))
        .toStdString();
}

class SettingsFileTest : public testing::Test {
  protected:
    void TearDown() override { CPortName::Bind(1, ""); }

    // Starts the program on an empty settings file, lets answer handle the
    // first-start setup, runs use, closes the main window and ends the
    // program; the file as it was then written.
    std::string Run(std::function<void(QWidget*)> answer, std::function<void(CZ5App&)> use) {
        const QString path = dir.filePath("CP-Z5.conf");
        QFile(path).open(QIODevice::WriteOnly);
        {
            CQtSettingsStore settings(path.toStdString());
            CZ5App program(settings);
            program.UserInterface().SetBeepWaits(false);
            guitest::AnswerNextModal(std::move(answer));
            EXPECT_TRUE(program.InitInstance(CCommandLineInfo({})));
            guitest::ProcessEvents(50);
            use(program);
            program.MainFrame()->close();
            guitest::ProcessEvents(20);
        }
        return ReadAll(path, dir.path());
    }

    QTemporaryDir dir;
};

void Cancel(QWidget* window) {
    guitest::PressButton(window, "2");
}

void Confirm(QWidget* window) {
    guitest::PressButton(window, "1");
}

// What every start writes at its end: the port, the model options, the tool
// bar and status bar and the window's place.
constexpr const char* kPort =
    "[CommPort]\n"
    "PortNumber=1\n"
    "\n";
constexpr const char* kModel =
    "[Model]\n"
    "ANI=0\n"
    "OP0=0\n"
    "OP1=0\n"
    "Rxexp=0\n"
    "Scrambler=0\n"
    "\n";
constexpr const char* kBarsAndWindow =
    "[ToolBarState-Summary]\n"
    "State=STATE\n"
    "StatusBar=1\n"
    "\n"
    "[Window%20Position]\n"
    "CmdShow=1\n"
    "Height=452\n"
    "Left=5\n"
    "SplitterH=380\n"
    "SplitterV=194\n"
    "Top=5\n"
    "Width=790\n";

TEST_F(SettingsFileTest, AStartThatOnlyCancelsTheSetupWritesTheDefaults) {
    EXPECT_EQ(Run(Cancel, [](CZ5App&) {}), std::string(kPort) + kModel + kBarsAndWindow);
}

TEST_F(SettingsFileTest, AFirstStartThatFindsTheRadioWritesWhatItFound) {
    CVirtualRadio::SConfig config;
    config.optionByte = 0x0E;  // USA with the receive range and the scrambler bit
    CVirtualRadio radio(CImageBuffer(0x7A0), config);
    ASSERT_TRUE(radio.Start()) << radio.Error();
    CPortName::Bind(1, radio.SlavePath());
    EXPECT_EQ(Run(Confirm, [](CZ5App&) {}), std::string(kPort) +
                                                "[Model]\n"
                                                "ANI=0\n"
                                                "ModelVer=2\n"
                                                "OP0=0\n"
                                                "OP1=0\n"
                                                "Rxexp=1\n"
                                                "Scrambler=1\n"
                                                "Setup=1\n"
                                                "\n" +
                                                std::string(kBarsAndWindow));
}

// Saving, printing's choices, a column's width and a write safeguard each
// keep their own values.
TEST_F(SettingsFileTest, WhatTheUserChangesIsKeptUnderItsOwnNames) {
    const std::string written = Run(Cancel, [this](CZ5App& program) {
        const std::string saved = dir.filePath("saved.cz5").toStdString();
        program.SetSavePrompt([saved] { return saved; });
        EXPECT_TRUE(program.MainFrame()->RunCommand(Cmd::FileSaveAs));
        guitest::AnswerNextModal(Confirm);
        program.PrintDialog()->exec();
        program.MainFrame()->ShownList()->horizontalHeader()->resizeSection(1, 90);
        EXPECT_TRUE(program.MainFrame()->RunCommand(Cmd::CloneBackup));
    });
    EXPECT_EQ(written, std::string("[Column_ChListSheet]\n"
                                   "Width1=90\n"
                                   "\n") +
                           kPort +
                           "[History]\n"
                           "BackupBeforeWrite=1\n"
                           "\n" +
                           kModel +
                           "[Print]\n"
                           "All=1\n"
                           "Cch=0\n"
                           "Common=0\n"
                           "Dtmf=0\n"
                           "InUseOnly=0\n"
                           "Mch=0\n"
                           "Pch=0\n"
                           "Pgr=0\n"
                           "\n"
                           "[Recent%20File%20List]\n"
                           "File1=DIR/saved.cz5\n"
                           "File2=\n"
                           "File3=\n"
                           "File4=\n"
                           "\n" +
                           kBarsAndWindow);
}

}  // namespace
