// Reads, writes and information runs against the virtual radio on a
// pseudo-terminal.
#include <atomic>
#include <chrono>
#include <thread>

#include "TransportFixture.h"
#include "platform/StringTable.h"

namespace transport_test {
namespace {

using EKind = CRadioFault::EKind;
using Engine = CCloneRsEngine;

std::string LineName(const ::testing::TestParamInfo<EKind>& info) {
    return info.param == EKind::None ? "Clean" : "Noisy";
}

std::vector<std::string> Expected(const CImageBuffer& memory, std::size_t dataLines) {
    std::vector<std::string> lines = {"24680001", "#"};
    std::vector<std::string> data = DataLines(memory);
    lines.insert(lines.end(), data.begin(), data.begin() + static_cast<long>(dataLines));
    return lines;
}

// ---- read ----------------------------------------------------------------

class ReadTest : public TransportTest, public ::testing::WithParamInterface<EKind> {};

TEST_P(ReadTest, GivesTheCloneTextOfTheRadiosMemoryLineByLine) {
    StartRadio(CRadioFault(GetParam()));
    EXPECT_EQ(m_engine.CloneRead(), ECloneResult::Success);
    EXPECT_EQ(CloneFileLines(), Expected(m_radioMemory, kDataLines));
    EXPECT_EQ(m_ui.m_statusTexts.front(), CStringTable::Get(Ids::Reading));
    ASSERT_FALSE(m_ui.m_progress.empty());
    EXPECT_EQ(m_ui.m_progress.back(), 100);
    EXPECT_FALSE(m_ui.m_progressOpen);
    EXPECT_FALSE(m_engine.IsOpen());
    EXPECT_TRUE(m_ui.m_messages.empty());
}

// Noise puts junk and stray 0xFD bytes before every data frame and after the
// request's echo: each frame must still be taken exactly once.
INSTANTIATE_TEST_SUITE_P(CleanAndNoisyLine, ReadTest, ::testing::Values(EKind::None, EKind::Noise),
                         LineName);

struct SReadFailure {
    const char* name;
    CRadioFault fault;
    Engine::EStatus status;
    std::size_t linesKept;
};

class ReadFailureTest : public TransportTest, public ::testing::WithParamInterface<SReadFailure> {};

TEST_P(ReadFailureTest, EndsInFailureKeepingTheLinesReceived) {
    StartRadio(GetParam().fault);
    EXPECT_EQ(m_engine.CloneRead(), ECloneResult::Failure);
    EXPECT_EQ(m_engine.GetStatus(), GetParam().status);
    EXPECT_EQ(CloneFileLines(), Expected(m_radioMemory, GetParam().linesKept));
    EXPECT_FALSE(m_ui.m_progressOpen);
    EXPECT_FALSE(m_engine.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(
    RadioFaults, ReadFailureTest,
    ::testing::Values(SReadFailure{"BadChecksum", CRadioFault(EKind::BadChecksum),
                                   Engine::EStatus::ProtocolError, 5},
                      SReadFailure{"StallInTheMiddle", CRadioFault(EKind::StallAfter, 20),
                                   Engine::EStatus::NoAnswer, 20},
                      SReadFailure{"Silence", CRadioFault(EKind::Silent), Engine::EStatus::NoEcho,
                                   0}),
    [](const auto& info) { return std::string(info.param.name); });

// The radio may send its memory in frames of any size: completeness is judged
// by the addresses that arrived, not by the number of frames.
TEST_F(TransportTest, AReadInFramesOfAnySizeCoversTheMemory) {
    for (std::size_t size : {32u, 1u, 7u, 122u}) {
        SCOPED_TRACE(size);
        CVirtualRadio::SConfig config;
        config.bytesPerFrame = size;
        StartRadio(m_radioMemory, config);
        EXPECT_EQ(m_engine.CloneRead(), ECloneResult::Success);
        std::vector<std::string> lines = CloneFileLines();
        EXPECT_EQ(lines.size(), 2 + (kMemorySize + size - 1) / size);
        EXPECT_EQ(lines[2].size(), 6 + 2 * size);
        EXPECT_EQ(m_ui.m_progress.back(), 100);
    }
}

// As many frames as a sound read, one of them twice and one never: a part of
// the memory is missing and the read must fail.
TEST_F(TransportTest, AReadWithOneFrameLostAndAnotherRepeatedFails) {
    CVirtualRadio& radio = StartRadio(CRadioFault(EKind::LostAndRepeated));
    EXPECT_EQ(m_engine.CloneRead(), ECloneResult::Failure);
    EXPECT_EQ(m_engine.GetStatus(), Engine::EStatus::ProtocolError);
    EXPECT_EQ(radio.Counters().dataFramesSent, kDataLines);
}

TEST_F(TransportTest, CancelEndsAReadAndKeepsTheLinesSoFar) {
    CVirtualRadio::SConfig config;
    config.baudRate = 9600;  // slow enough to be cancelled in the middle
    StartRadio(m_radioMemory, config);
    m_ui.CancelProgressAtQuery(30);  // some 300 ms into the read
    EXPECT_EQ(m_engine.CloneRead(), ECloneResult::Cancelled);
    std::vector<std::string> lines = CloneFileLines();
    ASSERT_GT(lines.size(), 2u);
    ASSERT_LT(lines.size(), 2 + kDataLines);
    EXPECT_EQ(lines, Expected(m_radioMemory, lines.size() - 2));
    EXPECT_FALSE(m_ui.m_progressOpen);
    EXPECT_FALSE(m_engine.IsOpen());
}

// ---- write ---------------------------------------------------------------

class WriteTest : public TransportTest, public ::testing::WithParamInterface<EKind> {};

TEST_P(WriteTest, DeliversTheFileIntoTheRadiosMemoryByteForByte) {
    CVirtualRadio& radio = StartRadio(CRadioFault(GetParam()));
    CImageBuffer written = PatternMemory(2);
    std::vector<std::string> lines = {"24680001", "#comment"};
    std::vector<std::string> data = DataLines(written);
    lines.insert(lines.end(), data.begin(), data.begin() + 60);
    lines.push_back("# a comment between the data lines");
    lines.insert(lines.end(), data.begin() + 60, data.end());
    WriteCloneFile(lines);

    EXPECT_EQ(m_engine.CloneWrite(), ECloneResult::Success);
    EXPECT_TRUE(SameImage(radio.GetMemory(), written));
    EXPECT_EQ(radio.Counters().dataFramesStored, kDataLines);
    EXPECT_EQ(m_ui.m_statusTexts.front(), CStringTable::Get(Ids::Writing));
    ASSERT_FALSE(m_ui.m_progress.empty());
    EXPECT_EQ(m_ui.m_progress.back(), 100);
    EXPECT_FALSE(m_engine.IsOpen());
}

// Noise puts a stray 0xFD after every echo: each echo must send exactly one
// next frame. A radio that acknowledges every data frame with 0x00 is
// answered by the end frame only.
INSTANTIATE_TEST_SUITE_P(LinesAndRadios, WriteTest,
                         ::testing::Values(EKind::None, EKind::Noise, EKind::AckEveryFrame),
                         [](const ::testing::TestParamInfo<EKind>& info) {
                             return info.param == EKind::AckEveryFrame
                                        ? std::string("AckEveryFrame")
                                        : LineName(info);
                         });

struct SWriteFailure {
    const char* name;
    CRadioFault fault;
    Engine::EStatus status;
    unsigned framesStored;
};

class WriteFailureTest : public TransportTest,
                         public ::testing::WithParamInterface<SWriteFailure> {};

TEST_P(WriteFailureTest, EndsInFailureAndTheRadioKeepsItsMemory) {
    CVirtualRadio& radio = StartRadio(GetParam().fault);
    WriteCloneFileOf(PatternMemory(3));
    EXPECT_EQ(m_engine.CloneWrite(), ECloneResult::Failure);
    EXPECT_EQ(m_engine.GetStatus(), GetParam().status);
    EXPECT_TRUE(SameImage(radio.GetMemory(), m_radioMemory));
    EXPECT_EQ(radio.Counters().dataFramesStored, GetParam().framesStored);
    EXPECT_FALSE(m_engine.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(
    RadioFaults, WriteFailureTest,
    ::testing::Values(SWriteFailure{"WriteResultNotZero", CRadioFault(EKind::WriteNak),
                                    Engine::EStatus::ProtocolError, kDataLines},
                      SWriteFailure{"RefusedBeforeTheEnd", CRadioFault(EKind::RefuseEarly),
                                    Engine::EStatus::ProtocolError, 2},
                      SWriteFailure{"NoEchoOfTheRequest", CRadioFault(EKind::NoEcho),
                                    Engine::EStatus::NoEcho, 0},
                      SWriteFailure{"NoWriteResult", CRadioFault(EKind::StallAfter, 10),
                                    Engine::EStatus::NoEcho, 10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransportTest, AFileWithoutHeaderIsNotSent) {
    CVirtualRadio& radio = StartRadio(CRadioFault());
    WriteCloneFile({"2468", "000010" + std::string(32, '0')});
    EXPECT_EQ(m_engine.CloneWrite(), ECloneResult::BadFile);
    EXPECT_EQ(radio.BytesSent(), 0u);
}

TEST_F(TransportTest, AFileLineThatIsNoDataLineEndsTheWriteBeforeItIsSent) {
    CVirtualRadio& radio = StartRadio(CRadioFault());
    std::vector<std::string> lines = {"24680001", "#", DataLine(m_radioMemory, 0)};
    lines.push_back("0010" + std::string(2 * 200, 'A'));  // too long for one frame
    WriteCloneFile(lines);
    EXPECT_EQ(m_engine.CloneWrite(), ECloneResult::Failure);
    EXPECT_EQ(m_engine.GetStatus(), Engine::EStatus::FileError);
    EXPECT_EQ(radio.Counters().dataFramesStored, 1u);
    EXPECT_EQ(radio.Counters().writesRefused, 0u);
}

// ---- information -----------------------------------------------------------

class InformationTest : public TransportTest, public ::testing::WithParamInterface<EKind> {};

TEST_P(InformationTest, FillsTheModelInformationRecord) {
    CVirtualRadio::SConfig config;
    config.optionByte = 0x1E;  // USA, receive range, scrambler, ANI
    config.fault = CRadioFault(GetParam());
    StartRadio(m_radioMemory, config);
    m_engine.SetRevision(0);
    EXPECT_EQ(m_engine.CloneInformation(), ECloneResult::Success);
    const Engine::SModelInfo& info = m_engine.GetModelInfo();
    EXPECT_EQ(info.modelCode, 0x2468);
    EXPECT_EQ(info.revision, 1);
    ASSERT_EQ(info.dataLength, 22);
    EXPECT_EQ(std::string(info.data.begin(), info.data.begin() + 16), "QM-Z5 VIRTUAL   ");
    EXPECT_EQ(info.data[16], 0x1E);
    EXPECT_EQ(info.data[21], 0x55);
    EXPECT_TRUE(m_ui.m_progressCaptions.empty());  // no progress window
}

INSTANTIATE_TEST_SUITE_P(CleanAndNoisyLine, InformationTest,
                         ::testing::Values(EKind::None, EKind::Noise), LineName);

TEST_F(TransportTest, AReplyWithControlBytesIsRefused) {
    CVirtualRadio::SConfig config;
    config.optionByte = 0xF2;
    StartRadio(m_radioMemory, config);
    EXPECT_EQ(m_engine.CloneInformation(), ECloneResult::Failure);
    EXPECT_EQ(m_engine.GetStatus(), Engine::EStatus::ProtocolError);
}

// The one run with the radio's own time-out: a radio that is switched off.
TEST_F(TransportTest, ASilentRadioTimesOut) {
    StartRadio(CRadioFault(EKind::Silent));
    m_engine.SetTiming(Engine::STiming());
    EXPECT_EQ(m_engine.CloneInformation(), ECloneResult::Failure);
    EXPECT_EQ(m_engine.GetStatus(), Engine::EStatus::NoEcho);
    EXPECT_FALSE(m_engine.IsOpen());
}

// ---- the port ------------------------------------------------------------

TEST_F(TransportTest, APortThatDoesNotExistEndsEveryJobAt91WithoutAMessage) {
    m_settings.SetString("CommPort", "COM7", "/nonexistent/cpz5-tty");
    m_engine.SetPortNumber(7);
    WriteCloneFileOf(m_radioMemory);
    EXPECT_EQ(m_engine.CloneInformation(), ECloneResult::PortNotOpened);
    EXPECT_EQ(m_engine.CloneRead(), ECloneResult::PortNotOpened);
    WriteCloneFileOf(m_radioMemory);
    EXPECT_EQ(m_engine.CloneWrite(), ECloneResult::PortNotOpened);
    EXPECT_TRUE(m_ui.m_messages.empty());
    EXPECT_FALSE(m_ui.m_progressOpen);
}

// Pulls the cable (stops the radio) once the radio has moved enough frames.
void PullCableAfter(CVirtualRadio& radio, unsigned frames, std::atomic<bool>& pulled) {
    auto moved = [&radio] {
        CRadioProtocol::SCounters counters = radio.Counters();
        return counters.dataFramesSent + counters.dataFramesStored;
    };
    while (moved() < frames) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    radio.Stop();
    pulled = true;
}

TEST_F(TransportTest, APortThatGoesAwayEndsTheRunAndClosesIt) {
    for (int job : {Engine::kJobRead, Engine::kJobWrite}) {
        CVirtualRadio::SConfig config;
        config.baudRate = 19200;
        CVirtualRadio& radio = StartRadio(m_radioMemory, config);
        WriteCloneFileOf(PatternMemory(4));
        std::atomic<bool> pulled = false;
        std::thread puller(PullCableAfter, std::ref(radio), 10u, std::ref(pulled));
        const ECloneResult result =
            job == Engine::kJobRead ? m_engine.CloneRead() : m_engine.CloneWrite();
        puller.join();
        EXPECT_TRUE(pulled);
        EXPECT_EQ(result, ECloneResult::Failure) << job;
        EXPECT_EQ(m_engine.GetStatus(), Engine::EStatus::LineLost) << job;
        EXPECT_FALSE(m_engine.IsOpen()) << job;
    }
}

}  // namespace
}  // namespace transport_test
