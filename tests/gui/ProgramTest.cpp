// The whole desktop program on the offscreen platform: its start with fresh,
// stored and nonsense settings, the tree of areas and the grids, files, the
// model version commands, a read from the virtual radio and the single
// instance of the real executable.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <fstream>
#include <memory>

#include "GuiTestSupport.h"
#include "app/CommandLineInfo.h"
#include "app/WindowPlacement.h"
#include "app/Z5App.h"
#include "app/Z5ListFrame.h"
#include "app/Z5MainFrame.h"
#include "app/Z5TreeView.h"
#include "clone/CloneManager.h"
#include "clone/CloneRsIoManager.h"
#include "clone/ModelManager.h"
#include "clone/Z5DefaultDataManager.h"
#include "document/Z5Doc.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5RadioDataManager.h"
#include "platform/MemorySettingsStore.h"
#include "radio/VirtualRadio.h"
#include "transport/PortName.h"
#include "ui/CommandIds.h"
#include "ui/ListSheet.h"
#include "ui/Z5ChListSheet.h"

namespace {

using guitest::AnswerNextModal;
using guitest::PressButton;
using guitest::ProcessEvents;

// Closes every message box that opens while it lives, answering with its
// default button, and keeps the texts.
class CBoxCloser {
  public:
    CBoxCloser() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { CloseOpenBoxes(); });
        m_timer.start(10);
    }
    QStringList texts;
    std::function<void(QMessageBox*)> onBox;

  private:
    void CloseOpenBoxes() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        texts << box->text();
        if (onBox) {
            onBox(box);
        }
        QAbstractButton* button = box->defaultButton();
        if (button == nullptr && !box->buttons().isEmpty()) {
            button = box->buttons().first();
        }
        if (button != nullptr) {
            button->click();
        }
    }
    QTimer m_timer;
};

// The virtual radio's memory: the factory data of version with a few
// channels, one of them (CH3, 146.52 MHz) outside the GEN band.
CImageBuffer RadioMemory(int version) {
    const CZ5DefaultDataManager::Image& factory = CZ5DefaultDataManager::FactoryImage(version);
    CImageBuffer memory(static_cast<std::uint32_t>(factory.size()));
    memory.Write(0, factory.data(), static_cast<std::uint32_t>(factory.size()));
    CZ5RadioDataManager map;
    map.Initialize();
    map.ImageToNodes(map.GetRoot(), memory);
    const std::pair<const char*, const char*> channels[] = {
        {"MCH.CH0", "145.00000"}, {"MCH.CH3", "146.52000"}, {"PCH.CH1", "145.80000"}};
    for (const auto& [path, frequency] : channels) {
        CNode* channel = map.GetRoot()->FindPath(path);
        SetNodeText(channel, "Clear", "OFF");
        SetNodeFreq(channel, "FreqRx", frequency);
        SetNodeString(channel, "Name", "TEST");
    }
    map.NodesToImage(map.GetRoot(), memory);
    return memory;
}

class ProgramTest : public testing::Test {
  protected:
    void SetUp() override { settings.SetInt("Model", "Setup", 1); }
    void TearDown() override {
        program.reset();
        CPortName::Bind(1, "");
    }

    void Start(const std::vector<std::string>& arguments = {}) {
        program = std::make_unique<CZ5App>(settings);
        program->UserInterface().SetBeepWaits(false);
        ASSERT_TRUE(program->InitInstance(CCommandLineInfo(arguments)));
        ProcessEvents(50);
    }

    // Points the document's serial transfer at COM1; false when the document
    // has none.
    bool UseCom1() {
        auto* transfer =
            dynamic_cast<CCloneRsIoManager*>(Document().GetCloneManager().GetSerialTransfer());
        if (transfer != nullptr) {
            transfer->SetPortNumber(1);
        }
        return transfer != nullptr;
    }

    CZ5MainFrame& Frame() { return *program->MainFrame(); }
    CZ5Doc& Document() { return *program->Document(); }
    CListSheet* Shown() { return Frame().ShownList(); }
    int TreeWidth() { return Frame().Splitter()->sizes().value(0); }

    // A clone file of the current data at a new path.
    std::string SavedFile(const std::string& name) {
        const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
        EXPECT_TRUE(Document().SaveFile(path).ok);
        return path;
    }

    QTemporaryDir dir;
    CMemorySettingsStore settings;
    std::unique_ptr<CZ5App> program;
};

TEST_F(ProgramTest, AFirstStartOffersTheSetupThenOpensTheDefaultWindow) {
    CMemorySettingsStore empty;
    settings = empty;
    QStringList entries;
    QString instructions;
    AnswerNextModal([&](QWidget* setup) {
        EXPECT_EQ(setup->objectName(), "160");
        auto* ports = setup->findChild<QComboBox*>("1055");
        ASSERT_NE(ports, nullptr);
        for (int i = 0; i < ports->count(); ++i) {
            entries << ports->itemText(i);
        }
        instructions = setup->findChild<QPlainTextEdit*>("1053")->toPlainText();
        EXPECT_NE(setup->findChild<QWidget*>("1059"), nullptr);
        guitest::SaveScreenshot(setup, "setup-dialog");
        PressButton(setup, "2");
    });
    CPortName::Bind(1, "/dev/pts/virtual");
    Start();
    ASSERT_EQ(entries.size(), 4);
    EXPECT_EQ(entries[0], "COM1  (/dev/pts/virtual)");
    EXPECT_TRUE(entries[3].startsWith("COM4"));
    EXPECT_FALSE(instructions.isEmpty());

    // Large enough for every column and the tree's labels, within the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(Frame().pos(), screen.topLeft() + QPoint(5, 5));
    EXPECT_TRUE(screen.contains(Frame().geometry()));
    const bool allColumns = Shown()->horizontalHeader()->length() <= Shown()->viewport()->width();
    EXPECT_TRUE(allColumns || Frame().width() == screen.width() - 10);
    EXPECT_GE(Frame().TreeView()->viewport()->width(), Frame().TreeView()->columnWidth(0));
    EXPECT_FALSE(Frame().isMaximized());
    EXPECT_EQ(settings.GetInt("Model", "Setup", 0), 0) << "a cancelled setup comes again";
    EXPECT_EQ(Frame().windowTitle(), "Untitled - CP-Z5");
}

TEST_F(ProgramTest, TheSetupFindsTheVirtualRadioOnCom1) {
    CVirtualRadio::SConfig config;
    config.optionByte = 0x0E;  // USA with the receive range extension and the scrambler bit
    CVirtualRadio radio(RadioMemory(2), config);
    ASSERT_TRUE(radio.Start()) << radio.Error();
    CPortName::Bind(1, radio.SlavePath());
    settings = CMemorySettingsStore();
    settings.SetInt("CommPort", "PortNumber", 3);
    int offered = 0;
    AnswerNextModal([&](QWidget* setup) {
        auto* ports = setup->findChild<QComboBox*>("1055");
        offered = ports->currentIndex() + 1;
        ports->setCurrentIndex(0);
        PressButton(setup, "1");
    });
    Start();
    EXPECT_EQ(offered, 3) << "the port of the settings is offered first";
    EXPECT_EQ(settings.GetInt("Model", "Setup", 0), 1);
    EXPECT_EQ(settings.GetInt("Model", "ModelVer", -1), 2);
    EXPECT_EQ(settings.GetInt("Model", "Rxexp", -1), 1);
    EXPECT_EQ(settings.GetInt("Model", "Scrambler", -1), 1);
    EXPECT_EQ(settings.GetInt("Model", "ANI", -1), 0);
    EXPECT_EQ(settings.GetInt("CommPort", "PortNumber", 0), 1);
    EXPECT_EQ(program->GetModelVersion(), 2);
    EXPECT_EQ(program->HasModelOption("DETOP_RXEXP"), 1);
}

TEST_F(ProgramTest, ASetupWithoutARadioStaysOpenAndWritesNothing) {
    CPortName::Bind(1, dir.filePath("no-such-tty").toStdString());
    settings = CMemorySettingsStore();
    QStringList texts;
    bool stayedOpen = false;
    AnswerNextModal([&](QWidget* setup) {
        AnswerNextModal([&](QWidget* box) {
            texts << guitest::MessageText(box);
            PressButton(box, "OK");
            QTimer::singleShot(50, [&, setup] {
                stayedOpen = setup->isVisible();
                PressButton(setup, "2");
            });
        });
        PressButton(setup, "1");
    });
    Start();
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].contains("no-such-tty"));
    EXPECT_FALSE(settings.Contains("Model", "Setup"));
    EXPECT_FALSE(settings.Contains("CommPort", "PortNumber"));
}

TEST_F(ProgramTest, TheSetupSwitchShowsTheSetupAgainButNotInLowerCase) {
    bool shown = false;
    AnswerNextModal([&](QWidget* setup) {
        shown = setup->objectName() == "160";
        PressButton(setup, "2");
    });
    Start({"-S"});
    EXPECT_TRUE(shown);
    program.reset();
    CZ5App lower(settings);
    EXPECT_FALSE(lower.IsSetupNeeded(CCommandLineInfo({"-s"})));
    EXPECT_TRUE(lower.IsSetupNeeded(CCommandLineInfo({"/S"})));
}

TEST_F(ProgramTest, AWindowMaximisedAtCloseOpensMaximised) {
    settings.SetInt("Window Position", "CmdShow", 3);
    settings.SetInt("Window Position", "Left", 40);
    settings.SetInt("Window Position", "Top", 30);
    settings.SetInt("Window Position", "Width", 620);
    settings.SetInt("Window Position", "Height", 410);
    Start();
    EXPECT_TRUE(Frame().isMaximized());
    EXPECT_EQ(Frame().NormalPlace(), QRect(40, 30, 620, 410));
    Frame().showNormal();
    ProcessEvents();
    EXPECT_EQ(Frame().pos(), QPoint(40, 30));
}

TEST_F(ProgramTest, NonsenseSettingsStillGiveAUsableWindowOnTheScreen) {
    struct SCase {
        int left, top, width, height, tree, columnWidth;
    };
    const SCase cases[] = {
        {-100000, -100000, -5, -5, -50, -3},
        {100000, 100000, 100000, 100000, 100000, 100000},
        {5, 5, 0, 0, 0, 0},
        {2147483647, -2147483647, 2147483647, 1, 2147483647, 2147483647},
    };
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const SCase& c : cases) {
        settings.SetInt("Window Position", "Left", c.left);
        settings.SetInt("Window Position", "Top", c.top);
        settings.SetInt("Window Position", "Width", c.width);
        settings.SetInt("Window Position", "Height", c.height);
        settings.SetInt("Window Position", "SplitterV", c.tree);
        for (int column = 0; column < 16; ++column) {
            settings.SetInt("Column_ChListSheet", "Width" + std::to_string(column), c.columnWidth);
        }
        settings.SetString("ToolBarState-Summary", "State", "garbage");
        Start();
        const QRect window(Frame().pos(), Frame().size());
        EXPECT_TRUE(screen.contains(window.topLeft())) << c.left;
        EXPECT_GE(window.width(), 400);
        EXPECT_GE(window.height(), 200);
        EXPECT_LE(window.width(), std::max(screen.width(), 400));
        EXPECT_GE(TreeWidth(), CWindowPlacement::kMinPane);
        EXPECT_GE(Frame().Splitter()->sizes().value(1), CWindowPlacement::kMinPane);
        const int widest = Shown()->ScaledWidth(200);
        for (int column = 0; column < Shown()->GetColumnCount(); ++column) {
            EXPECT_LE(Shown()->horizontalHeader()->sectionSize(column), widest);
            EXPECT_GT(Shown()->horizontalHeader()->sectionSize(column), 0);
        }
        program.reset();
    }
}

TEST_F(ProgramTest, TheTreeShowsTheAreasAndEnterOnCallShowsTheCallList) {
    Start();
    CZ5TreeView* tree = Frame().TreeView();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), "QM-Z5");
    ASSERT_EQ(root->childCount(), 3);
    EXPECT_EQ(root->child(0)->text(0), "Memory CH");
    EXPECT_EQ(root->child(1)->text(0), "Program scan edge");
    EXPECT_EQ(root->child(2)->text(0), "Call");
    EXPECT_EQ(Frame().GetListArea(), kAreaMemory);
    EXPECT_EQ(Shown()->GetItemCount(), 100);

    Frame().activateWindow();
    tree->setFocus();
    {
        const QSignalBlocker quiet(tree);  // moving there alone shows nothing yet
        tree->setCurrentItem(root->child(2));
    }
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(Frame().GetListArea(), kAreaCall);
    EXPECT_EQ(Shown()->GetItemCount(), 1);
    EXPECT_EQ(Shown()->GetCellText(0, 0), "00");
    EXPECT_TRUE(tree->hasFocus()) << "the focus stays in the tree";

    QTest::keyClick(tree, Qt::Key_Tab);
    EXPECT_TRUE(Shown()->hasFocus());
    QTest::keyClick(Shown(), Qt::Key_Tab);
    EXPECT_TRUE(tree->hasFocus());

    tree->setCurrentItem(root->child(1));
    EXPECT_EQ(Frame().GetListArea(), kAreaScanEdge);
    EXPECT_EQ(Shown()->GetCellText(5, 0), "3B");
    Frame().RebuildTree();
    EXPECT_EQ(Frame().GetListArea(), kAreaScanEdge) << "a refill keeps the area";
}

TEST_F(ProgramTest, TheScramblerUnitAddsTheScramblerColumn) {
    struct SCase {
        int scrambler, op0, op1;
        int columns;
    };
    const SCase cases[] = {{1, 1, 1, 16}, {0, 0, 0, 15}, {1, 0, 1, 15}, {1, 1, 0, 15}};
    for (const SCase& c : cases) {
        settings.SetInt("Model", "Scrambler", c.scrambler);
        settings.SetInt("Model", "OP0", c.op0);
        settings.SetInt("Model", "OP1", c.op1);
        Start();
        EXPECT_EQ(Shown()->GetColumnCount(), c.columns);
        program.reset();
    }
}

TEST_F(ProgramTest, ABadFileLeavesTheOpenDocumentAsItWas) {
    Start();
    const std::string good = SavedFile("good.cz5");
    CBoxCloser boxes;
    EXPECT_FALSE(program->OpenDocumentFile(dir.filePath("missing.cz5").toStdString()))
        << "a missing file leaves the recent list";
    const std::string bad = dir.filePath("bad.cz5").toStdString();
    std::ofstream(bad) << "this is not a clone file\n";
    Document().SetModifiedFlag(true);
    boxes.onBox = [](QMessageBox* box) { box->setDefaultButton(QMessageBox::No); };
    EXPECT_TRUE(program->OpenDocumentFile(bad)) << "an existing file stays on the recent list";
    EXPECT_EQ(Document().GetPathName(), good);
    EXPECT_TRUE(Document().IsModified());
    EXPECT_EQ(Document().GetTitle(), "good.cz5");
    ASSERT_GE(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts.back().contains("could not be opened"));
}

// Runs body with dir as the working folder.
template <class Body>
void InFolder(const QTemporaryDir& dir, Body body) {
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    body();
    QDir::setCurrent(before);
}

TEST_F(ProgramTest, TheOpenFileIsKnownUnderEveryNameButLetterCaseTellsFilesApart) {
    Start();
    const std::string lower = SavedFile("a.cz5");
    const std::string upper = SavedFile("A.cz5");
    const std::string link = dir.filePath("link.cz5").toStdString();
    ASSERT_EQ(symlink(lower.c_str(), link.c_str()), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    CBoxCloser boxes;
    ASSERT_TRUE(program->OpenDocumentFile(lower));
    const int before = boxes.texts.size();
    InFolder(dir, [&] {
        for (const std::string& name : {link, std::string("a.cz5"), std::string("sub/../a.cz5")}) {
            EXPECT_TRUE(program->OpenDocumentFile(name)) << name;
        }
    });
    ASSERT_EQ(boxes.texts.size(), before + 3);
    EXPECT_EQ(boxes.texts.back(), "The file already opened.");
    EXPECT_EQ(Document().GetPathName(), lower);

    EXPECT_TRUE(program->OpenDocumentFile(upper));
    EXPECT_EQ(boxes.texts.size(), before + 3) << "A.cz5 is another file";
    EXPECT_EQ(Document().GetPathName(), upper);
}

TEST_F(ProgramTest, ARelativeNameIsOpenedAndRememberedAbsolute) {
    Start();
    ASSERT_TRUE(QDir(dir.path()).mkdir("rel"));
    const std::string absolute = SavedFile("rel/x.cz5");
    SavedFile("other.cz5");  // the document is on another file now
    InFolder(dir, [&] { EXPECT_TRUE(program->OpenDocumentFile("rel/x.cz5")); });
    EXPECT_EQ(Document().GetPathName(), absolute);
    EXPECT_EQ(settings.GetString("Recent File List", "File1", ""), absolute);
}

TEST_F(ProgramTest, CancelAtTheSaveQuestionKeepsTheRecentEntry) {
    Start();
    const std::string one = SavedFile("one.cz5");
    const std::string two = SavedFile("two.cz5");
    ASSERT_TRUE(program->OpenDocumentFile(one));
    ASSERT_TRUE(program->OpenDocumentFile(two));
    Document().SetModifiedFlag(true);
    CBoxCloser boxes;
    boxes.onBox = [](QMessageBox* box) { box->setDefaultButton(QMessageBox::Cancel); };

    ASSERT_TRUE(Frame().RunCommand(Cmd::FileMruFirst + 1));  // one.cz5

    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].startsWith("Save changes"));
    EXPECT_EQ(program->RecentFiles().Entries(), (std::vector<std::string>{two, one}));
    EXPECT_EQ(Document().GetPathName(), two);
    EXPECT_TRUE(Document().IsModified());
}

TEST_F(ProgramTest, ASaveFromTheQuestionBecomesARecentFileAndTheTitle) {
    Start();
    const std::string bad = dir.filePath("bad.cz5").toStdString();
    std::ofstream(bad) << "this is not a clone file\n";
    const std::string saved = dir.filePath("saved.cz5").toStdString();
    program->SetSavePrompt([&] { return saved; });
    Document().SetModifiedFlag(true);
    CBoxCloser boxes;
    boxes.onBox = [](QMessageBox* box) {
        if (box->text().startsWith("Save changes")) {
            box->setDefaultButton(QMessageBox::Yes);
        }
    };

    EXPECT_TRUE(program->OpenDocumentFile(bad));  // saved first, then the open fails

    EXPECT_EQ(Document().GetPathName(), saved);
    EXPECT_FALSE(Document().IsModified());
    EXPECT_EQ(settings.GetString("Recent File List", "File1", ""), saved);
    EXPECT_EQ(Frame().windowTitle(), "saved.cz5 - CP-Z5");
}

// A file handed over by a second start: first the save question (Cancel
// keeps everything), then, after a dialog that was open has closed, the file.
TEST_F(ProgramTest, AHandedOverFileAsksToSaveFirstAndWaitsForAnOpenDialog) {
    Start();
    const std::string first = SavedFile("first.cz5");
    const std::string second = SavedFile("second.cz5");
    Document().SetModifiedFlag(true);
    CBoxCloser boxes;
    boxes.onBox = [](QMessageBox* box) { box->setDefaultButton(QMessageBox::Cancel); };
    program->OpenRequestedFile(first);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].startsWith("Save changes to"));
    EXPECT_EQ(Document().GetPathName(), second) << "cancelled: the document stays";
    EXPECT_TRUE(Document().IsModified());

    Document().SetModifiedFlag(false);
    QDialog open(&Frame());
    open.setModal(true);
    open.show();
    program->OpenRequestedFile(first);
    ProcessEvents(300);
    EXPECT_EQ(Document().GetPathName(), second) << "nothing opens under a modal dialog";
    open.close();
    for (int i = 0; i < 50 && Document().GetPathName() != first; ++i) {
        ProcessEvents(20);
    }
    EXPECT_EQ(Document().GetPathName(), first);
    EXPECT_TRUE(Frame().isVisible());
}

TEST_F(ProgramTest, SavedAndOpenedFilesBecomeRecentFiles) {
    Start();
    EXPECT_FALSE(Document().IsModified());
    CBoxCloser boxes;
    const std::string first = dir.filePath("first.cz5").toStdString();
    program->SetSavePrompt([&] { return first; });
    ASSERT_TRUE(Frame().RunCommand(Cmd::FileSaveAs));
    EXPECT_EQ(Document().GetPathName(), first);
    EXPECT_EQ(settings.GetString("Recent File List", "File1", ""), first);
    EXPECT_TRUE(Frame().Action(Cmd::FileMruFirst)->text().endsWith("first.cz5"));

    const std::string second = dir.filePath("second.cz5").toStdString();
    ASSERT_TRUE(QFile::copy(QString::fromStdString(first), QString::fromStdString(second)));
    program->SetOpenPrompt([&] { return second; });
    ASSERT_TRUE(Frame().RunCommand(Cmd::FileOpen));
    EXPECT_EQ(Document().GetPathName(), second);
    EXPECT_EQ(program->RecentFiles().Entries(), (std::vector<std::string>{second, first}));

    ASSERT_TRUE(Frame().RunCommand(Cmd::FileMruFirst + 1));
    EXPECT_EQ(Document().GetPathName(), first);

    ASSERT_TRUE(Frame().RunCommand(Cmd::FileNewMenu));
    EXPECT_EQ(Document().GetPathName(), "");
    EXPECT_EQ(Frame().windowTitle(), "Untitled - CP-Z5");
    EXPECT_EQ(boxes.texts, QStringList()) << "nothing was changed, so nothing was asked";
}

TEST_F(ProgramTest, ClosingKeepsThePlaceAndTheTreeWidth) {
    Start();
    Frame().move(60, 70);
    Frame().resize(640, 420);
    Frame().Splitter()->setSizes({150, 480});
    ProcessEvents();
    Frame().close();
    EXPECT_EQ(settings.GetInt("Window Position", "Left", 0), 60);
    EXPECT_EQ(settings.GetInt("Window Position", "Top", 0), 70);
    EXPECT_EQ(settings.GetInt("Window Position", "Width", 0), 640);
    EXPECT_EQ(settings.GetInt("Window Position", "Height", 0), 420);
    EXPECT_EQ(settings.GetInt("Window Position", "SplitterV", 0), 150);
    EXPECT_EQ(settings.GetInt("Window Position", "CmdShow", 0), 1);
    EXPECT_TRUE(settings.Contains("ToolBarState-Summary", "State"));
}

TEST_F(ProgramTest, TheWindowCannotBeMadeSmallerThan400By200) {
    Start();
    Frame().resize(100, 50);
    EXPECT_EQ(Frame().size(), QSize(400, 200));
}

TEST_F(ProgramTest, ModelVersionCommandsAskBeforeTheyResetTheData) {
    settings.SetInt("Model", "ModelVer", 2);
    Start();
    Frame().UpdateCommands();
    EXPECT_TRUE(Frame().Action(Cmd::ModelVersion2)->isChecked());
    EXPECT_FALSE(Frame().Action(Cmd::ModelVersion0)->isChecked());

    CBoxCloser boxes;
    boxes.onBox = [](QMessageBox* box) { box->setDefaultButton(QMessageBox::No); };
    Frame().RunCommand(Cmd::ModelVersion0);
    EXPECT_EQ(program->GetModelVersion(), 2);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].startsWith("Change model"));

    boxes.onBox = [](QMessageBox* box) { box->setDefaultButton(QMessageBox::Yes); };
    Frame().RunCommand(Cmd::ModelVersion0);
    EXPECT_EQ(program->GetModelVersion(), 0);
    EXPECT_TRUE(Frame().Action(Cmd::ModelVersion0)->isChecked());
    Frame().RunCommand(Cmd::ModelVersion0);
    EXPECT_EQ(boxes.texts.size(), 2) << "choosing the current version asks nothing";
}

TEST_F(ProgramTest, TheMenusCommandsAreOfferedAtStart) {
    Start();
    Frame().UpdateCommands();
    // The Memory CH list shows with row 00 selected.
    for (const int id :
         {Cmd::EditMemory, Cmd::EditCopy, Cmd::EditClear, Cmd::EditDelete, Cmd::EditInsert}) {
        EXPECT_TRUE(Frame().Action(id)->isEnabled()) << id;
    }
    for (const int id : {Cmd::FileNewMenu, Cmd::FileOpen, Cmd::FileSave, Cmd::FileSaveAs,
                         Cmd::FilePrint, Cmd::AppAbout, Cmd::HelpContents, Cmd::ViewToolbar}) {
        EXPECT_TRUE(Frame().Action(id)->isEnabled()) << id;
    }
    EXPECT_EQ(Frame().Action(Cmd::CloneRead)->objectName(), "cmd32774");
}

TEST_F(ProgramTest, AReadFromTheVirtualRadioFillsTheGridAndKeepsTheArea) {
    // A GEN radio with the scrambler unit.
    CVirtualRadio::SConfig config;
    config.optionByte = 0x68;
    CVirtualRadio radio(RadioMemory(0), config);
    ASSERT_TRUE(radio.Start()) << radio.Error();
    CPortName::Bind(1, radio.SlavePath());
    settings.SetInt("Model", "ModelVer", 0);
    Start();
    if (!UseCom1()) {
        GTEST_SKIP() << "the document has no serial transfer yet";
    }
    EXPECT_EQ(Shown()->GetColumnCount(), 15);
    Frame().TreeView()->SelectData(CZ5TreeView::kScanEdgeData);
    CBoxCloser boxes;
    Frame().UpdateCommands();
    ASSERT_TRUE(Frame().Action(Cmd::CloneRead)->isEnabled());
    ASSERT_TRUE(Frame().RunCommand(Cmd::CloneRead));
    ProcessEvents(50);
    EXPECT_EQ(Frame().GetListArea(), kAreaScanEdge) << "the area stays selected";
    EXPECT_EQ(Shown()->GetColumnCount(), 16) << "the radio's scrambler unit";
    EXPECT_EQ(Shown()->GetCellText(1, 1), "145.80000");
    EXPECT_TRUE(Document().IsModified());

    Frame().TreeView()->SelectData(CZ5TreeView::kMemoryData);
    EXPECT_EQ(Shown()->GetCellText(0, 1), "145.00000");
    EXPECT_EQ(Shown()->GetCellText(0, 5), "TEST");
    EXPECT_EQ(Shown()->GetCellText(3, 1), "146.52000(!)");
    EXPECT_EQ(Shown()->GetCellText(1, 1), "");
    Frame().resize(900, 420);
    ProcessEvents();
    guitest::SaveScreenshot(&Frame(), "main-window-after-read");
}

TEST_F(ProgramTest, AReadFromAMissingPortShowsWhy) {
    CPortName::Bind(1, dir.filePath("no-such-tty").toStdString());
    Start();
    if (!UseCom1()) {
        GTEST_SKIP() << "the document has no serial transfer yet";
    }
    CBoxCloser boxes;
    boxes.onBox = [](QMessageBox* box) { guitest::SaveScreenshot(box, "read-failed-box"); };
    Frame().RunCommand(Cmd::CloneRead);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].contains("no-such-tty"));
    EXPECT_EQ(Frame().GetListArea(), kAreaMemory);
}

// The real program: a second start while the first runs ends at once.
TEST(ProgramExecutable, ASecondStartEndsSilently) {
    QTemporaryDir home;
    QDir(home.path()).mkpath("config/Brel");
    std::ofstream(home.filePath("config/Brel/CP-Z5.conf").toStdString()) << "[Model]\nSetup=1\n";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("XDG_RUNTIME_DIR", home.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(CPZ5_PROGRAM, {"-platform", "offscreen"});
    ASSERT_TRUE(first.waitForStarted());
    for (int waited = 0; waited < 5000 && !QFile::exists(home.filePath("CPZ5 APP Exclusive Mutex"));
         waited += 50) {
        QThread::msleep(50);
    }
    QThread::msleep(300);
    ASSERT_EQ(first.state(), QProcess::Running);

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(CPZ5_PROGRAM, {"-platform", "offscreen", "somefile.cz5"});
    EXPECT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(second.readAllStandardOutput(), QByteArray());
    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    first.waitForFinished(5000);
}

}  // namespace
