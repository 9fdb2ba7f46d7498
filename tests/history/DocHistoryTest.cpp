// Reads of the document against the virtual radio land in the history; the
// backup before a write keeps what the radio held; the check after a write
// names the leaves the radio holds differently.
#include <filesystem>
#include <fstream>

#include "HistoryBench.h"
#include "clone/CloneFileIoManager.h"
#include "clone/ModelManager.h"
#include "clone/ReadHistory.h"
#include "document/DocWriteSafeguard.h"
#include "model/EepromDataManager.h"
#include "platform/StringTable.h"

namespace history_test {
namespace {

class DocHistoryTest : public HistoryBench {
  protected:
    std::vector<SHistoryEntry> Entries() const {
        return CReadHistory(HistoryFolder(), CReadHistory::kMaxKeep).Entries();
    }

    // The image an entry holds.
    CImageBuffer EntryImage(const SHistoryEntry& entry) {
        CImageBuffer image(FactoryImage());
        CCloneFileIoManager& files = *m_document->GetCloneManager().GetCloneFileIo();
        EXPECT_EQ(files.Load(entry.path, image), ECloneFileResult::Ok) << entry.path;
        return image;
    }

    // How often the user was told that the history could not be written.
    int NoticesOfHistory() const {
        const std::string start = CStringTable::Get(Ids::HistoryNotStored).substr(0, 40);
        int count = 0;
        for (const std::string& text : MessageTexts()) {
            count += text.rfind(start, 0) == 0 ? 1 : 0;
        }
        return count;
    }

    // A memory whose channel 7 receives on the given frequency.
    static CImageBuffer MemoryWithChannel7(std::uint16_t steps) {
        CImageBuffer memory = FactoryImage();
        memory.SetBit(0x6D0, 7, 0);
        memory.SetWord(0x70, steps, true);
        return memory;
    }
};

TEST_F(DocHistoryTest, EveryReadIsKeptAndTheOldestGoBeyondTheLimit) {
    m_settings.SetInt("History", "Keep", 2);
    CVirtualRadio& radio = StartRadio(MemoryWithChannel7(29000));
    std::vector<CImageBuffer> memories;
    for (std::uint16_t steps : {29000, 29100, 29200}) {
        memories.push_back(MemoryWithChannel7(steps));
        radio.SetMemory(memories.back());
        ASSERT_EQ(m_document->OnCloneRead(), ECloneResult::Success);
    }

    const std::vector<SHistoryEntry> entries = Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].version, "USA");
    EXPECT_FALSE(entries[0].identity.empty());
    EXPECT_TRUE(SameImage(EntryImage(entries[0]), memories[1]));
    EXPECT_TRUE(SameImage(EntryImage(entries[1]), memories[2]));
    EXPECT_EQ(NoticesOfHistory(), 0);
}

TEST_F(DocHistoryTest, AFailedReadKeepsNothing) {
    StartRadio(FactoryImage(), CRadioFault(CRadioFault::EKind::BadChecksum));
    EXPECT_NE(m_document->OnCloneRead(), ECloneResult::Success);
    EXPECT_TRUE(Entries().empty());
}

TEST_F(DocHistoryTest, AHistoryThatCannotBeWrittenLetsTheReadSucceedAndIsToldOnce) {
    std::ofstream(HistoryFolder()) << "a file where the folder should be";
    StartRadio(MemoryWithChannel7(29000));
    ASSERT_EQ(m_document->OnCloneRead(), ECloneResult::Success);
    ASSERT_EQ(m_document->OnCloneRead(), ECloneResult::Success);

    EXPECT_EQ(Text("MCH.CH7.FreqRx"), "145.00000");
    EXPECT_EQ(NoticesOfHistory(), 1);
    EXPECT_NE(MessageTexts()[0].find(HistoryFolder()), std::string::npos) << MessageTexts()[0];
}

TEST_F(DocHistoryTest, TheBackupKeepsWhatTheRadioHeldBeforeTheWrite) {
    m_settings.SetInt("History", CDocWriteSafeguard::kBackup, 1);
    const CImageBuffer before = MemoryWithChannel7(29000);
    CVirtualRadio& radio = StartRadio(before);
    SetText("MCH.CH7.Clear", "OFF");
    SetText("MCH.CH7.FreqRx", "146.00000");

    ASSERT_EQ(m_document->OnCloneWrite(), ECloneResult::Success);

    const std::vector<SHistoryEntry> entries = Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(SameImage(EntryImage(entries[0]), before));
    EXPECT_EQ(radio.GetMemory().GetWord(0x70, true), 146000000 / 6250);
}

// The backup is read once the write goes ahead, never before: a write that
// stops at a question or at the model check puts on the line what it would
// without the backup, and keeps nothing.
TEST_F(DocHistoryTest, TheBackupIsReadOnlyOnceTheWriteGoesAhead) {
    m_settings.SetInt("History", CDocWriteSafeguard::kBackup, 1);
    const struct {
        const char* name;
        bool confirmFlag;  // the confirmation warning is asked first
        std::vector<int> answers;
        std::uint8_t radioVersion;
        ECloneResult result;
        unsigned informationRequests, readRequests, writeRequests;  // the radio received
        std::size_t entries;
    } cases[] = {
        {"No to the warning", true, {IDNO}, kUsa, ECloneResult::Failure, 0, 0, 0, 0},
        {"Cancel to the write question",
         false,
         {IDCANCEL},
         kUsa,
         ECloneResult::Cancelled,
         0,
         0,
         0,
         0},
        {"Yes to the warning, Cancel to the write question",
         true,
         {IDYES, IDCANCEL},
         kUsa,
         ECloneResult::Cancelled,
         0,
         0,
         0,
         0},
        {"a radio of another version", false, {}, kEur, ECloneResult::WrongVersion, 1, 0, 0, 0},
        {"both answered", true, {IDYES, IDOK}, kUsa, ECloneResult::Success, 1, 1, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(HistoryFolder());
        CVirtualRadio& radio = StartRadio(FactoryImage(), {}, c.radioVersion);
        m_document->GetCloneManager().GetModelManager()->SetConfirmFlag(c.confirmFlag ? 1 : 0);
        for (int answer : c.answers) {
            m_ui.QueueAnswer(answer);
        }

        EXPECT_EQ(m_document->OnCloneWrite(), c.result);

        radio.Stop();
        const CRadioProtocol::SCounters counted = radio.Counters();
        EXPECT_EQ(counted.informationRequests, c.informationRequests) << "one identification";
        EXPECT_EQ(counted.readRequests, c.readRequests);
        EXPECT_EQ(counted.writeRequests, c.writeRequests);
        if (c.writeRequests == 0) {
            EXPECT_EQ(counted.framesReceived, c.informationRequests + c.readRequests)
                << "nothing else on the line";
        }
        EXPECT_EQ(Entries().size(), c.entries);
    }
}

TEST_F(DocHistoryTest, ABackupThatCannotBeKeptStopsTheWrite) {
    m_settings.SetInt("History", CDocWriteSafeguard::kBackup, 1);
    std::ofstream(HistoryFolder()) << "a file where the folder should be";
    const CImageBuffer before = MemoryWithChannel7(29000);
    CVirtualRadio& radio = StartRadio(before);
    SetText("MCH.CH7.FreqRx", "146.00000");

    EXPECT_EQ(m_document->OnCloneWrite(), ECloneResult::NotBackedUp);

    EXPECT_TRUE(SameImage(radio.GetMemory(), before));
    ASSERT_FALSE(m_ui.m_messages.empty());
    EXPECT_EQ(m_ui.m_messages.back().style, MessageStyle::Ok | MessageStyle::IconError);
    EXPECT_EQ(m_ui.m_statusTexts.back(), CStringTable::Get(Ids::BackupFailed));
}

TEST_F(DocHistoryTest, TheCheckAfterWritingNamesTheLeafTheRadioHoldsDifferently) {
    const struct {
        const char* fault;
        ECloneResult result;
        std::vector<std::string> differences;
    } cases[] = {
        {"none", ECloneResult::Success, {}},
        {"wrong-byte=0xC0",
         ECloneResult::NotVerified,
         {"MCH.CH12.FreqRx: sent 145.50000, radio holds 147.10000"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        m_ui.m_messages.clear();
        StartRadio(FactoryImage(), *CRadioFault::Parse(c.fault));
        SetText("MCH.CH12.Clear", "OFF");
        SetText("MCH.CH12.FreqRx", "145.50000");
        const bool modified = m_document->IsModified();

        CDocWriteSafeguard safeguard(
            *m_document, [this](const std::string& source, const std::string& version,
                                const std::string& identity) {
                return m_document->KeepInHistory(source, version, identity);
            });
        m_settings.SetInt("History", CDocWriteSafeguard::kVerify, 1);
        EXPECT_EQ(safeguard.Write(), c.result);
        EXPECT_EQ(safeguard.Differences(), c.differences);

        EXPECT_EQ(Text("MCH.CH12.FreqRx"), "145.50000") << "the document keeps its data";
        EXPECT_EQ(m_document->IsModified(), modified);
        const std::string status = CStringTable::Get(
            c.result == ECloneResult::Success ? Ids::Verified : Ids::VerifyFailed);
        EXPECT_EQ(m_ui.m_statusTexts.back(), status);
        if (c.result != ECloneResult::Success) {
            ASSERT_FALSE(m_ui.m_messages.empty());
            EXPECT_NE(m_ui.m_messages.back().text.find(c.differences[0]), std::string::npos);
        }
        m_radio->Stop();
    }
}

}  // namespace
}  // namespace history_test
