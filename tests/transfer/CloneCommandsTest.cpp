// The Clone menu end to end: the document's Read <- TR, Write -> TR and
// Information... against the virtual radio on a pseudo-terminal, with the
// user's answers and everything shown recorded by the scripted port.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../support/EngineTiming.h"
#include "../support/VirtualRadioSupport.h"
#include "clone/CloneFileIoManager.h"
#include "clone/CloneManager.h"
#include "clone/ModelManager.h"
#include "clone/Z5CloneRsIoManager.h"
#include "clone/Z5DefaultDataManager.h"
#include "document/Z5Doc.h"
#include "model/EepromDataManager.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "platform/MemorySettingsStore.h"
#include "platform/StringTable.h"
#include "radio/VirtualRadio.h"
#include "support/ScriptedUserInterface.h"
#include "transport/CloneRsEngine.h"
#include "transport/PortName.h"

namespace {

constexpr int kUsa = 2;
constexpr int kEur = 3;
using Job = CCloneRsIoManager::EJob;

CImageBuffer FactoryImage(int version) {
    const auto& table = CZ5DefaultDataManager::FactoryImage(version);
    CImageBuffer image(static_cast<std::uint32_t>(table.size()));
    for (std::uint32_t i = 0; i < image.GetSize(); ++i) {
        image.SetByte(i, table[i]);
    }
    return image;
}

std::string Text(const std::string& path) {
    const CNode* node = CNode::ResolvePath(path);
    return node != nullptr ? const_cast<CNode*>(node)->GetText() : "<missing " + path + ">";
}

void SetText(const std::string& path, const std::string& text) {
    CNode* node = CNode::ResolvePath(path);
    ASSERT_NE(node, nullptr) << path;
    node->SetText(text);
}

// A document set up for a USA radio on COM1, and the radio.
struct SBench {
    SBench() {
        settings.SetInt("Model", "Setup", 1);
        settings.SetInt("Model", "ModelVer", kUsa);
        document = std::make_unique<CZ5Doc>(settings, ui);
        Transfer().GetEngine().SetTiming(FastEngineTiming());
        Transfer().SetPortNumber(1);
    }
    ~SBench() {
        document.reset();
        CPortName::Bind(1, "");
    }

    CZ5CloneRsIoManager& Transfer() {
        return *dynamic_cast<CZ5CloneRsIoManager*>(document->GetCloneManager().GetSerialTransfer());
    }
    CEepromDataManager& Image() { return *document->GetCloneManager().GetMemoryImage(); }

    CVirtualRadio& StartRadio(const CImageBuffer& memory, std::uint8_t optionByte = kUsa,
                              CRadioFault fault = {}, std::size_t bytesPerFrame = 16) {
        CVirtualRadio::SConfig config = RadioConfig(optionByte, fault);
        config.bytesPerFrame = bytesPerFrame;
        radio = StartedRadioOnPort(1, memory, config);
        return *radio;
    }

    ECloneResult Run(Job job) {
        switch (job) {
            case Job::Read:
                return document->OnCloneRead();
            case Job::Write:
                return document->OnCloneWrite();
            default:
                return document->OnCloneInformation();
        }
    }

    CMemorySettingsStore settings;
    CScriptedUserInterface ui;
    std::unique_ptr<CZ5Doc> document;
    std::unique_ptr<CVirtualRadio> radio;
};

class CloneCommandsTest : public ::testing::Test, public SBench {};

TEST_F(CloneCommandsTest, ReadBringsTheRadiosChannelsAndOptionsIntoTheDocument) {
    CImageBuffer memory = FactoryImage(kUsa);
    memory.SetBit(0x6D0, 3, 0);         // MCH.CH3 in use
    memory.SetWord(0x30, 29240, true);  // 146.200 MHz in 5 kHz steps
    memory.SetByte(0x3C, 200);          // a tone code the radio cannot have
    StartRadio(memory, 0x0E);           // USA with the receive range option

    EXPECT_EQ(document->OnCloneRead(), ECloneResult::Success);

    EXPECT_EQ(Text("MCH.CH3.Clear"), "OFF");
    EXPECT_EQ(Text("MCH.CH3.FreqRx"), "146.20000");
    EXPECT_EQ(Text("MCH.CH3.TONECode"), "254.1");  // normalised by the adjustment
    EXPECT_EQ(document->HasModelOption("DETOP_RXEXP"), 1);
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(Image().GetByte(0x3C), 49);
    ASSERT_EQ(ui.m_beeps.size(), 1u);
    EXPECT_EQ(ui.m_beeps[0], EBeep::Success);
    EXPECT_EQ(ui.m_statusTexts.back(), CStringTable::Get(Ids::CloneDone));
    EXPECT_TRUE(ui.m_messages.empty());
    EXPECT_EQ(ui.m_progress.back(), 100);
}

TEST_F(CloneCommandsTest, WriteSendsTheDocumentWithOutOfBandChannelsClearedButKeepsThem) {
    StartRadio(FactoryImage(kUsa));
    SetText("MCH.CH1.Clear", "OFF");
    SetText("MCH.CH1.FreqRx", "150.00000");  // outside the USA bands
    SetText("MCH.CH2.Clear", "OFF");
    SetText("MCH.CH2.FreqRx", "147.50000");
    SetText("MCH.CH2.Name", "HOME");
    SetText("Common.CloneComment", "MY RADIO");

    EXPECT_EQ(document->OnCloneWrite(), ECloneResult::Success);

    CImageBuffer received = radio->GetMemory();
    EXPECT_EQ(received.GetBit(0x6D0, 1), 1) << "channel 1 reached the radio cleared";
    EXPECT_EQ(received.GetWord(0x10, true), FactoryImage(kUsa).GetWord(0x10, true));
    EXPECT_EQ(received.GetBit(0x6D0, 2), 0);
    EXPECT_EQ(received.GetWord(0x20, true), 147500000 / 6250);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(received.Data() + 0x27), 5), "HOME ");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(received.Data() + 0x780), 8), "MY RADIO");

    EXPECT_EQ(Text("MCH.CH1.FreqRx"), "150.00000") << "the document keeps its channel";
    EXPECT_EQ(Text("MCH.CH1.Clear"), "OFF");
    ASSERT_EQ(ui.m_messages.size(), 2u);  // the question, then the result
    EXPECT_EQ(ui.m_messages[0].text, CStringTable::Get(Ids::WriteQuestion));
    EXPECT_EQ(ui.m_messages[1].text, CStringTable::Get(Ids::WriteDoneBox));
    EXPECT_EQ(ui.m_messages[1].style, MessageStyle::Ok | MessageStyle::IconNone);
}

TEST_F(CloneCommandsTest, InformationShowsTheRadioAndTakesItsOptions) {
    StartRadio(FactoryImage(kUsa), 0x6A);  // USA, scrambler (bits 3, 5, 6)
    bool modelChanged = false;
    document->SetModelChangedHandler([&] { modelChanged = true; });

    EXPECT_EQ(document->OnCloneInformation(), ECloneResult::Success);

    ASSERT_EQ(ui.m_informations.size(), 1u);
    EXPECT_EQ(ui.m_informations[0].first, "USA");
    const auto& sent = radio->Counters();
    (void)sent;
    std::string identity(reinterpret_cast<const char*>(Transfer().GetRadioInfo()->GetData()), 16);
    EXPECT_EQ(ui.m_informations[0].second, identity + "\n");
    EXPECT_EQ(document->HasModelOption("DETOP_SCRM"), 1);
    EXPECT_TRUE(modelChanged);
    EXPECT_FALSE(document->IsModified());
    EXPECT_TRUE(ui.m_messages.empty());
}

const std::vector<Job> kEveryJob = {Job::Read, Job::Write, Job::Information};
const char* const kJobNames[] = {"read", "write", "info"};  // in the order of the jobs

// What the user is shown for every result of every command: the same for
// each of the jobs of a case.
struct SResultCase {
    const char* name;
    std::vector<Job> jobs;
    std::function<void(SBench&)> arrange;
    int result;
    EBeep beep;
    int status;
    int box;  // 0: no box
    unsigned icon;
};

TEST_F(CloneCommandsTest, EveryResultHasItsBeepStatusTextAndBox) {
    auto usaRadio = [](SBench& t) { t.StartRadio(FactoryImage(kUsa)); };
    auto eurRadio = [](SBench& t) { t.StartRadio(FactoryImage(kEur), kEur); };
    auto deadRadio = [](SBench& t) {
        t.StartRadio(FactoryImage(kUsa), kUsa, CRadioFault(CRadioFault::EKind::Silent));
    };
    auto nakRadio = [](SBench& t) {
        t.StartRadio(FactoryImage(kUsa), kUsa, CRadioFault(CRadioFault::EKind::WriteNak));
    };
    auto noPort = [](SBench&) { CPortName::Bind(1, "/nonexistent/ttyCPZ5"); };
    // The radio stops answering half-way, and the user presses Cancel.
    auto cancel = [](SBench& t) {
        t.StartRadio(FactoryImage(kUsa), kUsa, CRadioFault(CRadioFault::EKind::StallAfter, 20));
        t.ui.CancelProgressAtQuery(5);
    };
    auto otherRevision = [usaRadio](SBench& t) {
        usaRadio(t);
        t.document->GetCloneManager().GetModelManager()->GetModelInfo().SetRevision(2);
    };
    constexpr unsigned kErr = MessageStyle::IconError;
    const SResultCase cases[] = {
        {"ok", {Job::Read}, usaRadio, 0, EBeep::Success, Ids::CloneDone, 0, 0},
        {"ok",
         {Job::Write},
         usaRadio,
         0,
         EBeep::Success,
         Ids::CloneDone,
         Ids::WriteDoneBox,
         MessageStyle::IconNone},
        {"cancelled", {Job::Read, Job::Write}, cancel, 1, EBeep::Failure, Ids::Cancelled, 0, 0},
        {"dead",
         {Job::Read},
         deadRadio,
         77,
         EBeep::Failure,
         Ids::ReadFailed,
         Ids::NoAnswerBox,
         kErr},
        {"refused",
         {Job::Write},
         nakRadio,
         77,
         EBeep::Failure,
         Ids::WriteFailed,
         Ids::NoAnswerBox,
         kErr},
        {"dead",
         {Job::Information},
         deadRadio,
         77,
         EBeep::Failure,
         Ids::RadioNotIdentified,
         Ids::NoAnswerBox,
         kErr},
        {"other revision", kEveryJob, otherRevision, 85, EBeep::Failure, Ids::RadioNotIdentified,
         Ids::WrongModelBox, kErr},
        {"other version", kEveryJob, eurRadio, 90, EBeep::Failure, Ids::WrongVersion,
         Ids::WrongVersionBox, kErr},
        {"no port", kEveryJob, noPort, 91, EBeep::Failure, Ids::PortNotOpened,
         Ids::PortNotOpenedBox, kErr},
    };
    for (const SResultCase& c : cases) {
        for (Job job : c.jobs) {
            SCOPED_TRACE(std::string(kJobNames[static_cast<int>(job)]) + " " + c.name);
            SBench fresh;
            c.arrange(fresh);
            EXPECT_EQ(ExitStatusOf(fresh.Run(job)), c.result);
            ASSERT_EQ(fresh.ui.m_beeps.size(), 1u);
            EXPECT_EQ(fresh.ui.m_beeps[0], c.beep);
            ASSERT_FALSE(fresh.ui.m_statusTexts.empty());
            EXPECT_EQ(fresh.ui.m_statusTexts.back(), CStringTable::Get(c.status));
            const auto& boxes = fresh.ui.m_messages;
            bool asked = job == Job::Write;  // the write's question comes first
            ASSERT_EQ(boxes.size(), (asked ? 1u : 0u) + (c.box != 0 ? 1u : 0u));
            if (c.box != 0) {
                EXPECT_EQ(boxes.back().style, MessageStyle::Ok | c.icon);
                EXPECT_EQ(boxes.back().text.substr(0, 15), CStringTable::Get(c.box).substr(0, 15));
            }
        }
    }
}

TEST_F(CloneCommandsTest, PortFailureNamesTheDevice) {
    CPortName::Bind(1, "/nonexistent/ttyCPZ5");
    EXPECT_EQ(document->OnCloneRead(), ECloneResult::PortNotOpened);
    ASSERT_EQ(ui.m_messages.size(), 1u);
    const std::string& text = ui.m_messages[0].text;
    EXPECT_NE(text.find("/nonexistent/ttyCPZ5 could not be opened.\n\n"
                        "Reason: No such file or directory.\n\n- Is the cloning cable"),
              std::string::npos)
        << text;
}

TEST_F(CloneCommandsTest, WithoutSetupEveryCommandFailsWithTheVersionMessage) {
    settings.SetInt("Model", "Setup", 0);
    StartRadio(FactoryImage(kUsa));
    for (Job job : kEveryJob) {
        EXPECT_EQ(SBench::Run(job), ECloneResult::WrongVersion);
        EXPECT_NE(ui.m_messages.back().text.find("setup"), std::string::npos);
    }
    EXPECT_EQ(radio->Counters().dataFramesStored, 0u) << "nothing was written";
}

TEST_F(CloneCommandsTest, ReadOfAModifiedDocumentAsksFirstAndCancelDoesNothing) {
    StartRadio(FactoryImage(kUsa));
    SetText("MCH.CH0.Name", "KEEP");
    document->SetModifiedFlag(true);
    ui.QueueAnswer(IDCANCEL);

    EXPECT_EQ(document->OnCloneRead(), ECloneResult::Cancelled);

    ASSERT_EQ(ui.m_messages.size(), 1u);
    EXPECT_EQ(ui.m_messages[0].style & MessageStyle::ButtonMask, MessageStyle::OkCancel);
    EXPECT_TRUE(ui.m_beeps.empty());
    EXPECT_EQ(radio->BytesSent(), 0u) << "the radio was not even asked";
    EXPECT_EQ(Text("MCH.CH0.Name"), "KEEP");
}

TEST_F(CloneCommandsTest, WriteDeclinedAtEitherQuestionSendsNothing) {
    StartRadio(FactoryImage(kUsa));
    ui.QueueAnswer(IDCANCEL);
    EXPECT_EQ(document->OnCloneWrite(), ECloneResult::Cancelled);

    document->GetCloneManager().GetModelManager()->SetConfirmFlag(1);
    ui.QueueAnswer(IDNO);
    EXPECT_EQ(document->OnCloneWrite(), ECloneResult::Failure);
    EXPECT_EQ(ui.m_messages.back().text, CStringTable::Get(Ids::ConfirmWarning));
    EXPECT_EQ(ui.m_messages.back().style, MessageStyle::YesNo | MessageStyle::IconExclamation);

    EXPECT_TRUE(ui.m_beeps.empty());
    EXPECT_EQ(radio->BytesSent(), 0u);
}

TEST_F(CloneCommandsTest, AReadThatCannotBeLoadedIsAFailedReadAndChangesNothing) {
    StartRadio(FactoryImage(kUsa));
    // A clone file manager for another model cannot load the radio's data.
    CCloneManager& manager = document->GetCloneManager();
    manager.SetComponent(EComponent::CloneFile,
                         manager.CreateComponent(CCloneFileIoManager::kRuntimeClass));
    SetText("MCH.CH0.Name", "KEEP");
    CImageBuffer before(Image());
    document->SetModifiedFlag(false);
    ui.QueueAnswer(IDOK);

    EXPECT_EQ(document->OnCloneRead(), ECloneResult::Failure);

    EXPECT_EQ(Text("MCH.CH0.Name"), "KEEP");
    EXPECT_TRUE(std::equal(before.Data(), before.Data() + before.GetSize(), Image().Data()));
    EXPECT_EQ(ui.m_beeps.back(), EBeep::Failure);
    EXPECT_EQ(ui.m_statusTexts.back(), CStringTable::Get(Ids::ReadFailed));
    EXPECT_NE(ui.m_messages.back().text.find(Transfer().GetTempPath() + ": "), std::string::npos);
}

TEST_F(CloneCommandsTest, AReadLoadsTheImageWhateverTheRadiosFrameSize) {
    CImageBuffer memory = FactoryImage(kUsa);
    memory.SetBit(0x6D0, 3, 0);
    memory.SetWord(0x30, 29240, true);
    StartRadio(memory, kUsa, {}, 32);
    EXPECT_EQ(document->OnCloneRead(), ECloneResult::Success);
    EXPECT_EQ(Text("MCH.CH3.FreqRx"), "146.20000");
    EXPECT_EQ(radio->Counters().dataFramesSent, 61u);
}

TEST_F(CloneCommandsTest, AReadWithAFrameLostAndAnotherRepeatedChangesNothing) {
    StartRadio(FactoryImage(kUsa), kUsa, CRadioFault(CRadioFault::EKind::LostAndRepeated));
    SetText("MCH.CH0.Name", "KEEP");
    CImageBuffer before(Image());
    document->SetModifiedFlag(false);

    EXPECT_EQ(document->OnCloneRead(), ECloneResult::Failure);

    EXPECT_EQ(Text("MCH.CH0.Name"), "KEEP");
    EXPECT_TRUE(std::equal(before.Data(), before.Data() + before.GetSize(), Image().Data()));
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(ui.m_messages.back().text, CStringTable::Get(Ids::NoAnswerBox));
}

TEST_F(CloneCommandsTest, AWriteToARadioThatAcknowledgesEveryFrameSucceeds) {
    StartRadio(FactoryImage(kUsa), kUsa, CRadioFault(CRadioFault::EKind::AckEveryFrame));
    SetText("Common.CloneComment", "EVERY ACK");
    EXPECT_EQ(document->OnCloneWrite(), ECloneResult::Success);
    CImageBuffer received = radio->GetMemory();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(received.Data() + 0x780), 9), "EVERY ACK");
}

// A failure on this computer names the temporary file and the reason; it
// does not send the user to check the cable.
TEST_F(CloneCommandsTest, ATemporaryFileThatCannotBeWrittenIsNamedWithItsReason) {
    StartRadio(FactoryImage(kUsa));
    const std::string path = Transfer().GetTempPath();
    std::remove(path.c_str());
    ASSERT_EQ(mkdir(path.c_str(), 0700), 0);  // a folder where the file should be

    EXPECT_EQ(document->OnCloneRead(), ECloneResult::Failure);
    rmdir(path.c_str());

    ASSERT_EQ(ui.m_messages.size(), 1u);
    const std::string& text = ui.m_messages[0].text;
    EXPECT_NE(text.find(path + ": is a directory"), std::string::npos) << text;
    EXPECT_EQ(text.find("cable"), std::string::npos) << text;
    EXPECT_EQ(ui.m_statusTexts.back(), CStringTable::Get(Ids::ReadFailed));
}

TEST_F(CloneCommandsTest, InformationCommentEndsAtTheFirstZeroByteWithOneLineEnd) {
    EXPECT_EQ(CZ5CloneRsIoManager::InformationComment("QM-Z5 VIRTUAL   "), "QM-Z5 VIRTUAL   \n");
    EXPECT_EQ(CZ5CloneRsIoManager::InformationComment(std::string("SHORT\0\0\0X", 9)), "SHORT\n");
    EXPECT_EQ(CZ5CloneRsIoManager::InformationComment(""), "\n");
}

TEST_F(CloneCommandsTest, BusyFlagKeepsASecondCommandOut) {
    StartRadio(FactoryImage(kUsa));
    ASSERT_TRUE(CCloneSupportDoc::TryEnterCommand());
    EXPECT_EQ(document->OnCloneRead(), ECloneResult::Busy);
    CCloneSupportDoc::LeaveCommand();
    EXPECT_EQ(radio->BytesSent(), 0u);
    EXPECT_EQ(document->OnCloneInformation(), ECloneResult::Success)
        << "the flag was left free again";
}

TEST_F(CloneCommandsTest, PortNumberIsCheckedAndKeptInTheSettings) {
    document->OnComPort(3);
    EXPECT_TRUE(document->IsComPortChecked(3));
    EXPECT_FALSE(document->IsComPortChecked(1));
    document.reset();
    EXPECT_EQ(settings.GetInt("CommPort", "PortNumber", 0), 3);
}

}  // namespace
