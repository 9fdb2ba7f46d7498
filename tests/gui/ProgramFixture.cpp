#include "ProgramFixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <iterator>
#include <utility>

#include "GuiTestSupport.h"
#include "app/CommandLineInfo.h"
#include "app/Z5App.h"
#include "app/Z5MainFrame.h"
#include "document/Z5Doc.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5ChannelRules.h"
#include "ui/ListSheet.h"

namespace guitest {

CProgramFixture::CProgramFixture() = default;
CProgramFixture::~CProgramFixture() = default;

void CProgramFixture::SetUp() {
    settings.SetInt("Model", "Setup", 1);
    settings.SetInt("Model", "ModelVer", 2);
    program = std::make_unique<CZ5App>(settings);
    program->UserInterface().SetBeepWaits(false);
    ASSERT_TRUE(program->InitInstance(CCommandLineInfo({})));
    ProcessEvents(50);
}

void CProgramFixture::TearDown() {
    program.reset();
}

CZ5MainFrame& CProgramFixture::Frame() {
    return *program->MainFrame();
}

CZ5Doc& CProgramFixture::Document() {
    return *program->Document();
}

CListSheet& CProgramFixture::Grid() {
    return *Frame().ShownList();
}

CNode* CProgramFixture::Channel(int number) {
    return CNode::ResolvePath("MCH.CH" + std::to_string(number));
}

std::string CProgramFixture::SavedBytes(const std::string& name) {
    const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
    EXPECT_TRUE(Document().SaveFile(path).ok);
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QString CProgramFixture::ActionText(int id) {
    Frame().UpdateCommands();
    return Frame().Action(id)->text();
}

bool CProgramFixture::IsEnabled(int id) {
    Frame().UpdateCommands();
    return Frame().Action(id)->isEnabled();
}

void CRealWindowFixture::SetUp() {
    if (!HasPrivateDisplay()) {
        GTEST_SKIP() << "needs a private X display and xdotool";
    }
    CProgramFixture::SetUp();
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    m_dialogs = new QTimer;
    QObject::connect(m_dialogs, &QTimer::timeout, [this] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            if (onDialog) {
                std::exchange(onDialog, nullptr)(*dialog);
            } else {
                ++dialogs;
                dialog->reject();
            }
        }
    });
    m_dialogs->start(10);
}

void CRealWindowFixture::TearDown() {
    delete m_dialogs;
    CProgramFixture::TearDown();
}

void CRealWindowFixture::Program(int number, const char* frequency, const char* name) {
    z5channel::WriteFreshChannel(*Channel(number));
    SetNodeText(Channel(number), "Clear", "OFF");
    SetNodeFreq(Channel(number), "FreqRx", frequency);
    SetNodeString(Channel(number), "Name", name);
    Document().AnnounceChange(SNodeChange::Channels(kAreaMemory, number, number));
}

}  // namespace guitest
