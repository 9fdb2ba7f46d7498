// The virtual radio's own checks: it must catch a program that sends frames
// the real radio would refuse.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TransportFixture.h"
#include "radio/OutputPacer.h"
#include "radio/RadioProtocol.h"

namespace transport_test {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ComputerFrame(std::uint8_t command, const std::string& payload) {
    std::string text = "\xFE\xFE\xEE\xEF";
    text += static_cast<char>(command);
    text += payload;
    text += '\xFD';
    return Bytes(text.begin(), text.end());
}

const std::string kThisModel = {0x24, 0x68, 0x00, 0x01};

// Feeds frames to the radio; returns what it put on the line besides the
// echo, which comes first, byte by byte, before the answer to each frame.
Bytes Answers(CRadioProtocol& radio, const std::vector<Bytes>& frames) {
    Bytes answers;
    for (const Bytes& frame : frames) {
        Bytes line;
        for (std::uint8_t byte : frame) {
            radio.Receive(byte, line);
        }
        std::size_t echoed = std::min(line.size(), frame.size());
        EXPECT_TRUE(std::equal(frame.begin(), frame.end(), line.begin(), line.begin() + echoed));
        answers.insert(answers.end(), line.begin() + echoed, line.end());
    }
    return answers;
}

const Bytes kRefused = {0xFE, 0xFE, 0xEF, 0xEE, 0xE6, 0x01, 0xFD};
const Bytes kAccepted = {0xFE, 0xFE, 0xEF, 0xEE, 0xE6, 0x00, 0xFD};

struct SFrameCase {
    const char* name;
    std::string payload;
    Bytes answer;
};

class RadioWriteTest : public ::testing::TestWithParam<SFrameCase> {};

TEST_P(RadioWriteTest, ChecksEveryDataFrameBeforeItStoresIt) {
    CImageBuffer memory = PatternMemory(5);
    CRadioProtocol radio(memory, 0, CRadioFault());
    Bytes answers =
        Answers(radio, {ComputerFrame(0xE3, kThisModel), ComputerFrame(0xE4, GetParam().payload),
                        ComputerFrame(0xE5, "Brel Inc.")});
    EXPECT_EQ(answers, GetParam().answer);
    bool stored = GetParam().answer == kAccepted;
    EXPECT_EQ(radio.Memory().GetByte(0x10), stored ? 0x41 : memory.GetByte(0x10));
}

INSTANTIATE_TEST_SUITE_P(ComputerFrames, RadioWriteTest,
                         ::testing::Values(SFrameCase{"Good", "00100241426B", kAccepted},
                                           SFrameCase{"LowerCase", "00100241426b", kRefused},
                                           SFrameCase{"BadChecksum", "00100241426C", kRefused},
                                           SFrameCase{"CountMismatch", "00100141426C", kRefused},
                                           SFrameCase{"OddLength", "00100241426B0", kRefused},
                                           SFrameCase{"PastTheMemory", "07A00141D7", kRefused}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RadioProtocol, RequestsForAnotherModelGetOnlyTheEcho) {
    CRadioProtocol radio(PatternMemory(6), 0, CRadioFault());
    EXPECT_TRUE(Answers(radio, {ComputerFrame(0xE2, {0x24, 0x69, 0x00, 0x01})}).empty());
    EXPECT_TRUE(Answers(radio, {ComputerFrame(0xE2, {0x24, 0x68, 0x00, 0x02})}).empty());
    EXPECT_TRUE(Answers(radio, {ComputerFrame(0xE4, "00100241426B")}).empty());  // no session
}

// What the computer sent is counted whether or not the radio answered it:
// tests see from it that a program stayed off the line.
TEST(RadioProtocol, CountsEveryFrameAddressedToItAndTheRequestsAmongThem) {
    const Bytes fromRadio = {0xFE, 0xFE, 0xEF, 0xEE, 0xE0, 0x24, 0x68, 0x00, 0x00, 0xFD};
    const std::vector<Bytes> frames = {ComputerFrame(0xE0, {0x24, 0x68, 0x00, 0x00}),
                                       ComputerFrame(0xE2, {0x24, 0x69, 0x00, 0x01}),
                                       ComputerFrame(0xE3, kThisModel),
                                       ComputerFrame(0xE4, "00100241426B"),
                                       ComputerFrame(0xE7, ""),
                                       fromRadio};
    for (const char* fault : {"none", "silent"}) {
        CRadioProtocol radio(PatternMemory(7), 0, *CRadioFault::Parse(fault));
        Bytes line;
        for (const Bytes& frame : frames) {
            for (std::uint8_t byte : frame) {
                radio.Receive(byte, line);
            }
        }
        const CRadioProtocol::SCounters& counted = radio.Counters();
        EXPECT_EQ(counted.framesReceived, 5u) << fault;
        EXPECT_EQ(counted.informationRequests, 1u) << fault;
        EXPECT_EQ(counted.readRequests, 1u) << fault;
        EXPECT_EQ(counted.writeRequests, 1u) << fault;
    }
}

TEST(RadioFault, ParsesWhatItWrites) {
    for (const char* text :
         {"none", "silent", "no-echo", "bad-checksum", "write-nak", "noise", "lost-and-repeated",
          "ack-every-frame", "refuse-early", "stall-after=7"}) {
        std::optional<CRadioFault> fault = CRadioFault::Parse(text);
        ASSERT_TRUE(fault) << text;
        EXPECT_EQ(fault->ToText(), text);
    }
    for (const char* text : {"", "loud", "stall-after=", "stall-after=x", "stall-after=-1"}) {
        EXPECT_FALSE(CRadioFault::Parse(text)) << text;
    }
}

TEST(OutputPacer, LetsOutTenBitsPerByteAtTheLinesRate) {
    COutputPacer pacer(9600);  // 960 bytes a second
    auto start = COutputPacer::Clock::now();
    pacer.Enqueue(Bytes(100, 0x55), start);
    Bytes out;
    pacer.TakeDue(start, out);
    EXPECT_EQ(out.size(), 1u);
    pacer.TakeDue(start + std::chrono::milliseconds(50), out);
    EXPECT_EQ(out.size(), 49u);  // slots at 0, 1.04, ... 49.0 ms
    pacer.TakeDue(start + std::chrono::seconds(1), out);
    EXPECT_EQ(out.size(), 100u);
    EXPECT_FALSE(pacer.NextDue());
}

}  // namespace
}  // namespace transport_test
