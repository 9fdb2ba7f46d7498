// The engine's receiver and dispatcher, fed the bytes of a line without a
// port: every answer a radio or a bad cable can give.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "TransportFixture.h"
#include "transport/FrameCodec.h"
#include "transport/FrameReceiver.h"

namespace transport_test {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Engine = CCloneRsEngine;

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes Frame(const Bytes& body) {
    return Bytes{0xFE, 0xFE} + body + Bytes{0xFD};
}

// Frames as the radio sends them.
Bytes FromRadio(std::uint8_t command, const Bytes& payload) {
    return Frame(Bytes{0xEF, 0xEE, command} + payload);
}
Bytes DataFrame(const std::string& hex) {
    return FromRadio(0xE4, Text(hex));
}
Bytes EndFrame(const std::string& text = "Brel Inc.") {
    return FromRadio(0xE5, Text(text));
}
Bytes WriteResult(std::uint8_t result) {
    return FromRadio(0xE6, {result});
}
Bytes InformationReply(const Bytes& data) {
    return FromRadio(0xE1, Bytes{0x24, 0x68, 0x00, 0x01} + data);
}

// Echoes of the computer's frames.
Bytes Echo(std::uint8_t command, const Bytes& payload) {
    return Frame(Bytes{0xEE, 0xEF, command} + payload);
}
const Bytes kReadEcho = Echo(0xE2, {0x24, 0x68, 0x00, 0x01});
const Bytes kWriteEcho = Echo(0xE3, {0x24, 0x68, 0x00, 0x01});
const Bytes kInformationEcho = Echo(0xE0, {0x24, 0x68, 0x00, 0x00});

// The address 0x0010 with the bytes 0x41 0x42: sum 0x95, checksum 0x6B.
const std::string kGoodData = "00100241426B";
const std::string kGoodLine = "0010024142";

// The payload of a data frame of count bytes 0xA5 at address, and its line.
std::string Record(std::uint32_t address, std::uint32_t count) {
    std::vector<std::uint8_t> bytes = {static_cast<std::uint8_t>(address >> 8),
                                       static_cast<std::uint8_t>(address),
                                       static_cast<std::uint8_t>(count)};
    bytes.insert(bytes.end(), count, 0xA5);
    bytes.push_back(CFrameCodec::Checksum(bytes.data(), bytes.size()));
    return CFrameCodec::ToHex(bytes.data(), bytes.size());
}
std::string RecordLine(std::uint32_t address, std::uint32_t count) {
    std::string record = Record(address, count);
    return record.substr(0, record.size() - 2);
}
// The image of the read tests: 0x00 to 0x11, the last two bytes in kGoodData.
constexpr std::uint32_t kImageSize = 0x12;

// An engine whose frames go nowhere but into a list.
class CFedEngine : public CCloneRsEngine {
  public:
    using CCloneRsEngine::CCloneRsEngine;
    bool Write(const std::uint8_t* bytes, std::size_t count) override {
        sent.emplace_back(bytes, bytes + count);
        return true;
    }
    void Feed(const Bytes& bytes) { Receive(bytes.data(), bytes.size()); }
    std::vector<Bytes> sent;
};

class FeedTest : public TransportTest {
  protected:
    FeedTest() {
        m_fed.SetModelCode(0x2468);
        m_fed.SetRevision(1);
        m_fed.SetCloneFile(&m_file);
        m_fed.SetTiming(FastTiming());
    }
    // A read of an image of imageSize bytes.
    void BeginRead(std::uint32_t imageSize) {
        m_fed.SetReadLineTotal(2);
        m_fed.SetReadImageSize(imageSize);
        ASSERT_TRUE(m_file.OpenForWrite());
        m_fed.BeginRun(Engine::kJobRead, false);
    }
    std::vector<std::string> Lines() {
        m_file.Close();
        return CloneFileLines();
    }
    // A write of the clone file's lines after its header.
    void BeginWrite(const std::vector<std::string>& lines) {
        WriteCloneFile(lines);
        ASSERT_TRUE(m_file.OpenForRead());
        std::string header;
        m_file.ReadLine(header);
        m_fed.BeginRun(Engine::kJobWrite, true);
    }
    // The echo of the last frame sent, as the line returns it.
    Bytes LastSent() const { return m_fed.sent.empty() ? Bytes{} : m_fed.sent.back(); }

    CFedEngine m_fed{m_ui, nullptr};
};

struct SReadCase {
    const char* name;
    Bytes line;
    Engine::EStatus status;
    std::vector<std::string> lines;
};

class ReadLineTest : public FeedTest, public ::testing::WithParamInterface<SReadCase> {};

TEST_P(ReadLineTest, TakesEveryGoodFrameOnceAndStopsAtTheFirstBadOne) {
    BeginRead(kImageSize);
    m_fed.Feed(kReadEcho + GetParam().line);
    EXPECT_EQ(m_fed.GetStatus(), GetParam().status);
    EXPECT_EQ(Lines(), GetParam().lines);
}

const Bytes kNoise = {0x00, 0x12, 0xEF, 0xEE, 0xE4, 0x30, 0xFD};

INSTANTIATE_TEST_SUITE_P(
    RadioAnswers, ReadLineTest,
    ::testing::Values(
        SReadCase{"GoodFrame", DataFrame(kGoodData), Engine::EStatus::Running, {kGoodLine}},
        SReadCase{
            "LowerCaseDigits", DataFrame("00100241426b"), Engine::EStatus::Running, {kGoodLine}},
        SReadCase{"AllFramesThenEnd",
                  DataFrame(Record(0, 16)) + DataFrame(kGoodData) + EndFrame(),
                  Engine::EStatus::Finished,
                  {RecordLine(0, 16), kGoodLine}},
        SReadCase{
            "FramesOfAnySizeInAnyOrder",
            DataFrame(kGoodData) + DataFrame(Record(5, 11)) + DataFrame(Record(0, 5)) + EndFrame(),
            Engine::EStatus::Finished,
            {kGoodLine, RecordLine(5, 11), RecordLine(0, 5)}},
        SReadCase{"OneFrameCoveringTheImage",
                  DataFrame(Record(0, kImageSize)) + EndFrame(),
                  Engine::EStatus::Finished,
                  {RecordLine(0, kImageSize)}},
        SReadCase{"ARepeatedFrameDoesNotStandForALostOne",
                  DataFrame(Record(0, 16)) + DataFrame(Record(0, 16)) + EndFrame(),
                  Engine::EStatus::ProtocolError,
                  {RecordLine(0, 16), RecordLine(0, 16)}},
        SReadCase{
            "OverlappingFramesLeavingAGap",
            DataFrame(Record(0, 8)) + DataFrame(Record(4, 8)) + DataFrame(kGoodData) + EndFrame(),
            Engine::EStatus::ProtocolError,
            {RecordLine(0, 8), RecordLine(4, 8), kGoodLine}},
        SReadCase{"FrameReachingBeyondTheImage",
                  DataFrame(Record(0x10, 3)),
                  Engine::EStatus::ProtocolError,
                  {}},
        SReadCase{"FrameFarBeyondTheImage",
                  DataFrame(Record(0xFFFF, 1)),
                  Engine::EStatus::ProtocolError,
                  {}},
        SReadCase{"JunkBeforeTheFrame",
                  kNoise + DataFrame(kGoodData),
                  Engine::EStatus::Running,
                  {kGoodLine}},
        SReadCase{"StrayEndAfterTheFrame",
                  DataFrame(kGoodData) + Bytes{0xFD, 0xFD},
                  Engine::EStatus::Running,
                  {kGoodLine}},
        SReadCase{"EndWithoutStart",
                  Bytes{0xEF, 0xEE, 0xE4} + Text(kGoodData) + Bytes{0xFD},
                  Engine::EStatus::Running,
                  {}},
        SReadCase{"ShortFramesAreNoise",
                  Frame({}) + Frame({0xEF}) + Frame({0xEF, 0xEE}) + Frame({0x01, 0x02, 0x03}),
                  Engine::EStatus::Running,
                  {}},
        SReadCase{"BadChecksum", DataFrame("00100241426C"), Engine::EStatus::ProtocolError, {}},
        SReadCase{"CountMismatch", DataFrame("00100341426A"), Engine::EStatus::ProtocolError, {}},
        SReadCase{"NoData", DataFrame("001000F0"), Engine::EStatus::ProtocolError, {}},
        SReadCase{"NotHexadecimal", DataFrame("0010024G426B"), Engine::EStatus::ProtocolError, {}},
        SReadCase{"OddDigits", DataFrame("00100241426B0"), Engine::EStatus::ProtocolError, {}},
        SReadCase{"CommandOnly", FromRadio(0xE4, {}), Engine::EStatus::ProtocolError, {}},
        SReadCase{"WrongEndText",
                  DataFrame(Record(0, 16)) + DataFrame(kGoodData) + EndFrame("Brel Inc!"),
                  Engine::EStatus::ProtocolError,
                  {RecordLine(0, 16), kGoodLine}},
        SReadCase{"EndBeforeAllFrames",
                  DataFrame(kGoodData) + EndFrame(),
                  Engine::EStatus::ProtocolError,
                  {kGoodLine}},
        SReadCase{"ReplyOfAnotherJob",
                  InformationReply(Bytes(22, 0x20)),
                  Engine::EStatus::ProtocolError,
                  {}},
        SReadCase{"WriteResultInARead", WriteResult(0x00), Engine::EStatus::ProtocolError, {}},
        SReadCase{"FrameLongerThanTheBuffer",
                  FromRadio(0xE4, Bytes(300, '0')) + DataFrame(kGoodData),
                  Engine::EStatus::ProtocolError,
                  {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FeedTest, AnEchoThatDiffersFromTheRequestEndsTheRead) {
    BeginRead(1);
    m_fed.Feed(Echo(0xE2, {0x24, 0x68, 0x00, 0x02}));
    EXPECT_EQ(m_fed.GetStatus(), Engine::EStatus::ProtocolError);
}

struct SInformationCase {
    const char* name;
    Bytes line;
    Engine::EStatus status;
};

class InformationLineTest : public FeedTest,
                            public ::testing::WithParamInterface<SInformationCase> {};

TEST_P(InformationLineTest, AcceptsOnlyAWellFormedReply) {
    m_fed.BeginRun(Engine::kJobInformation, false);
    m_fed.Feed(kInformationEcho + GetParam().line);
    EXPECT_EQ(m_fed.GetStatus(), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    RadioAnswers, InformationLineTest,
    ::testing::Values(
        SInformationCase{"Good", InformationReply(Bytes(22, 0x41)), Engine::EStatus::Finished},
        SInformationCase{"ControlByte", InformationReply(Bytes(21, 0x41) + Bytes{0xF0}),
                         Engine::EStatus::ProtocolError},
        SInformationCase{"TooShort", FromRadio(0xE1, {0x24, 0x68, 0x00}),
                         Engine::EStatus::ProtocolError},
        SInformationCase{"DataFrameInstead", DataFrame(kGoodData), Engine::EStatus::ProtocolError}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FeedTest, TheInformationReplyFillsTheRecord) {
    m_fed.BeginRun(Engine::kJobInformation, false);
    m_fed.Feed(kInformationEcho + FromRadio(0xE1, {0x12, 0x34, 0x00, 0x07, 0x41, 0x42, 0x43}));
    const Engine::SModelInfo& info = m_fed.GetModelInfo();
    EXPECT_EQ(info.modelCode, 0x1234);
    EXPECT_EQ(info.revision, 7);
    ASSERT_EQ(info.dataLength, 3);
    EXPECT_EQ(std::string(info.data.begin(), info.data.begin() + 3), "ABC");
}

// ---- writing -----------------------------------------------------------------

const std::string kLine0 = "000002AABB";
const std::string kLine1 = "000202CCDD";

Bytes DataEcho(const std::string& line, std::uint8_t checksum) {
    const char digits[] = "0123456789ABCDEF";
    std::string text = line + digits[checksum >> 4] + digits[checksum & 0xF];
    return Echo(0xE4, Text(text));
}
// Checksums: 0x00+0x00+0x02+0xAA+0xBB = 0x167 -> 0x99; 0x00+0x02+0x02+0xCC+0xDD = 0x1AD -> 0x53.
const Bytes kEcho0 = DataEcho(kLine0, 0x99);
const Bytes kEcho1 = DataEcho(kLine1, 0x53);
const Bytes kEndEcho = Echo(0xE5, Text("Brel Inc."));

TEST_F(FeedTest, AWriteSendsEachLineOnItsEchoThenTheEndFrame) {
    BeginWrite({"24680001", "#", kLine0, "#skipped", kLine1});
    m_fed.Feed(kWriteEcho);
    ASSERT_EQ(m_fed.sent.size(), 1u);
    EXPECT_EQ(LastSent(), kEcho0);
    m_fed.Feed(kEcho0 + Bytes{0xFD, 0xFD});  // stray 0xFD after the echo
    ASSERT_EQ(m_fed.sent.size(), 2u);
    EXPECT_EQ(LastSent(), kEcho1);
    m_fed.Feed(kEcho1);
    EXPECT_EQ(LastSent(), kEndEcho);
    m_fed.Feed(kEndEcho);
    EXPECT_EQ(m_fed.GetStatus(), Engine::EStatus::Running);
    m_fed.Feed(WriteResult(0x00));
    EXPECT_EQ(m_fed.GetStatus(), Engine::EStatus::Finished);
    EXPECT_EQ(m_fed.sent.size(), 3u);
}

struct SWriteCase {
    const char* name;
    Bytes line;
    Engine::EStatus status;
};

class WriteLineTest : public FeedTest, public ::testing::WithParamInterface<SWriteCase> {};

TEST_P(WriteLineTest, EndsAtTheFirstWrongAnswer) {
    BeginWrite({"24680001", "#", kLine0, kLine1});
    m_fed.Feed(kWriteEcho + GetParam().line);
    EXPECT_EQ(m_fed.GetStatus(), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    RadioAnswers, WriteLineTest,
    ::testing::Values(
        SWriteCase{"Accepted", kEcho0 + kEcho1 + kEndEcho + WriteResult(0x00),
                   Engine::EStatus::Finished},
        SWriteCase{"Refused", kEcho0 + kEcho1 + kEndEcho + WriteResult(0x01),
                   Engine::EStatus::ProtocolError},
        SWriteCase{"RefusedBeforeTheEnd", kEcho0 + WriteResult(0x01),
                   Engine::EStatus::ProtocolError},
        SWriteCase{"AcceptedBeforeTheEndWaitsForTheEnd", kEcho0 + WriteResult(0x00),
                   Engine::EStatus::Running},
        SWriteCase{
            "AcceptedAfterEveryFrame",
            kEcho0 + WriteResult(0x00) + kEcho1 + WriteResult(0x00) + kEndEcho + WriteResult(0x00),
            Engine::EStatus::Finished},
        SWriteCase{"AcceptedThenRefusedBeforeTheEnd",
                   kEcho0 + WriteResult(0x00) + WriteResult(0x02), Engine::EStatus::ProtocolError},
        SWriteCase{"ResultWithoutByte", kEcho0 + kEcho1 + kEndEcho + FromRadio(0xE6, {}),
                   Engine::EStatus::ProtocolError},
        SWriteCase{"EchoDiffers", DataEcho(kLine0, 0x98), Engine::EStatus::ProtocolError},
        SWriteCase{"EchoRepeated", kEcho0 + kEcho0, Engine::EStatus::ProtocolError},
        SWriteCase{"DataFrameFromTheRadio", DataFrame(kGoodData), Engine::EStatus::ProtocolError}),
    [](const auto& info) { return std::string(info.param.name); });

// The engine lets the rest of a frame gather while one is in progress: the
// receiver must tell exactly when that is, and what has come so far.
TEST(FrameReceiverInProgress, TellsWhetherAFrameIsOpenAndItsBodySoFar) {
    struct SCase {
        const char* name;
        Bytes line;
        bool inFrame;
        Bytes partial;
    };
    const SCase cases[] = {
        {"Nothing", {}, false, {}},
        {"Noise", {0x01, 0xFD}, false, {}},
        {"Start", {0xFE}, true, {}},
        {"StartAndBody", {0xFE, 0xFE, 0xEE, 0xEF}, true, {0xEE, 0xEF}},
        {"Ended", {0xFE, 0xFE, 0xEE, 0xFD}, false, {}},
        {"EndedThenNoise", {0xFE, 0xEE, 0xFD, 0x01, 0xFD}, false, {}},
        {"RestartedByStart", {0xFE, 0xEE, 0xFE, 0x01}, true, {0x01}},
        {"NextFrameStarted", {0xFE, 0xEE, 0xFD, 0xFE, 0xEF}, true, {0xEF}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CFrameReceiver receiver;
        for (std::uint8_t byte : c.line) {
            receiver.Receive(byte);
        }
        EXPECT_EQ(receiver.IsInFrame(), c.inFrame);
        const CByteString& partial = receiver.GetPartialBody();
        EXPECT_EQ(Bytes(partial.Data(), partial.Data() + partial.GetLength()), c.partial);
        receiver.Reset();
        EXPECT_FALSE(receiver.IsInFrame());
    }
}

}  // namespace
}  // namespace transport_test
