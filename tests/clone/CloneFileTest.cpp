// Clone files: what the writer puts on disk, and what the reader makes of
// every kind of file, good or bad. A file that does not read Ok never
// changes the image.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>

#include "CloneTestSupport.h"
#include "clone/CloneFileResult.h"
#include "clone/Z5CloneFileIoManager.h"

namespace {

std::string DataLine(std::uint32_t address, const std::vector<std::uint8_t>& bytes) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X%02X", address, static_cast<unsigned>(bytes.size()));
    std::string line = text;
    for (std::uint8_t byte : bytes) {
        std::snprintf(text, sizeof text, "%02X", byte);
        line += text;
    }
    return line;
}

const std::string kHeader = "24680001\n#\n";

struct SReadCase {
    const char* name;
    std::string content;
    ECloneFileResult result;
};

std::vector<SReadCase> ReadCases() {
    const std::string line = DataLine(0x010, std::vector<std::uint8_t>(16, 0xA5));
    std::string garbage = kHeader;
    for (std::uint8_t byte : RandomBytes(4000, 7)) {
        garbage.push_back(static_cast<char>(byte));
    }
    return {
        {"only the header", "24680001\n", ECloneFileResult::Ok},
        {"header, comment and data", kHeader + line + "\n", ECloneFileResult::Ok},
        {"CR LF line ends", "24680001\r\n#\r\n" + line + "\r\n", ECloneFileResult::Ok},
        {"no line end at the end", kHeader + line, ECloneFileResult::Ok},
        {"comment between data lines", kHeader + line + "\n# note\n" + line + "\n",
         ECloneFileResult::Ok},
        {"comment line of any length", kHeader + "#" + std::string(100000, 'x') + "\n",
         ECloneFileResult::Ok},
        {"lower-case digits", kHeader + "0010" + "02" + "abcd\n", ECloneFileResult::Ok},
        {"other revision", "24680002\n", ECloneFileResult::MismatchRevision},
        {"other model", "24690001\n", ECloneFileResult::MismatchModel},
        {"hexadecimal letter in the header", "2468000A\n", ECloneFileResult::FormatError},
        {"short header", "2468001\n", ECloneFileResult::FormatError},
        {"header with a trailing space", "24680001 \n", ECloneFileResult::FormatError},
        {"empty file", "", ECloneFileResult::FormatError},
        {"no header", line + "\n" + line + "\n", ECloneFileResult::FormatError},
        {"blank line between data lines", kHeader + line + "\n\n" + line + "\n",
         ECloneFileResult::FormatError},
        {"data line of 7 characters", kHeader + "0000010\n", ECloneFileResult::FormatError},
        {"letter G in a data line", kHeader + "0000010G\n", ECloneFileResult::FormatError},
        {"count 16 with 15 bytes", kHeader + line.substr(0, line.size() - 2) + "\n",
         ECloneFileResult::FormatError},
        {"longest count with one byte too many",
         kHeader + "0000FF" + std::string(2 * 256, '0') + "\n", ECloneFileResult::FormatError},
        {"data line of 100,000 characters", kHeader + std::string(100000, '0') + "\n",
         ECloneFileResult::FormatError},
        {"binary garbage", garbage, ECloneFileResult::FormatError},
        {"NUL in a data line", kHeader + std::string("00000100", 8) + '\0' + "\n",
         ECloneFileResult::FormatError},
        {"address past the image", kHeader + "07A00100\n", ECloneFileResult::DataOverflow},
        {"line running past the image",
         kHeader + DataLine(0x790, std::vector<std::uint8_t>(17, 0)) + "\n",
         ECloneFileResult::DataOverflow},
        {"good lines, then a bad one", kHeader + line + "\n" + line + "\n0000",
         ECloneFileResult::FormatError},
    };
}

class CloneFileRead : public ::testing::Test {
  protected:
    ECloneFileResult Load(const std::string& path) {
        return rig.manager.GetCloneFileIo()->Load(path, rig.Image());
    }
    ECloneFileResult LoadContent(const std::string& content) {
        WriteFile(dir.File("in.cz5"), content);
        return Load(dir.File("in.cz5"));
    }

    CScratchDir dir;
    CZ5CloneRig rig{2};
};

TEST_F(CloneFileRead, EveryFileGivesItsResultAndOnlyOkChangesTheImage) {
    for (const SReadCase& test : ReadCases()) {
        CZ5CloneRig fresh(2);
        const std::vector<std::uint8_t> before = fresh.Bytes();
        WriteFile(dir.File("case.cz5"), test.content);
        EXPECT_EQ(fresh.manager.GetCloneFileIo()->Load(dir.File("case.cz5"), fresh.Image()),
                  test.result)
            << test.name;
        if (test.result != ECloneFileResult::Ok) {
            EXPECT_EQ(fresh.Bytes(), before) << test.name;
        }
    }
}

TEST_F(CloneFileRead, DataLinesStoreTheirBytesAndLeaveOtherAddresses) {
    const std::vector<std::uint8_t> before = rig.Bytes();
    ASSERT_EQ(LoadContent(kHeader + "0012" + "03" + "a1b2c3\n" + "079F01EE\n"),
              ECloneFileResult::Ok);
    std::vector<std::uint8_t> expected = before;
    expected[0x12] = 0xA1;
    expected[0x13] = 0xB2;
    expected[0x14] = 0xC3;
    expected[0x79F] = 0xEE;
    EXPECT_EQ(rig.Bytes(), expected);
}

TEST_F(CloneFileRead, AnyRevisionIsAcceptedWhenNoneIsExpected) {
    rig.manager.GetModelManager()->GetModelInfo().SetRevision(0);
    EXPECT_EQ(LoadContent("24689999\n"), ECloneFileResult::Ok);
    EXPECT_EQ(LoadContent("24690000\n"), ECloneFileResult::MismatchModel);
}

// A FIFO is refused before it is opened: nothing waits for a writer.
TEST_F(CloneFileRead, WhatIsNoReadableFileCannotBeOpenedAndTheCauseIsKept) {
    const std::vector<std::uint8_t> before = rig.Bytes();
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    const std::pair<std::string, const char*> files[] = {
        {dir.File("missing.cz5"), "No such file or directory"},
        {dir.Path(), "is a directory"},
        {"/dev/zero", "is a device, not a regular file"},
        {dir.File("fifo"), "is a FIFO, not a regular file"},
    };
    for (const auto& [path, cause] : files) {
        EXPECT_EQ(Load(path), ECloneFileResult::CannotOpenFile) << path;
        EXPECT_EQ(rig.manager.GetCloneFileIo()->GetFailureReason(), cause) << path;
    }
    EXPECT_EQ(rig.Bytes(), before);
}

TEST_F(CloneFileRead, AFileCutShortReadsOkAndTellsHowManyLinesItHad) {
    const std::vector<std::uint8_t> bytes = RandomBytes(0x7A0, 5);
    std::string text = "24680001\n#\n";
    for (std::uint32_t address = 0; address < 60 * 16; address += 16) {
        text += DataLine(address, {bytes.begin() + address, bytes.begin() + address + 16}) + "\n";
    }
    const CCloneFileIoManager& files = *rig.manager.GetCloneFileIo();
    EXPECT_EQ(LoadContent(text), ECloneFileResult::Ok);
    EXPECT_EQ(files.GetDataLinesRead(), 60u);
    EXPECT_FALSE(files.CoveredWholeImage());
    // Lines of any width count by the bytes they cover.
    for (std::uint32_t address = 60 * 16; address < 0x7A0; address += 8) {
        text += DataLine(address, {bytes.begin() + address, bytes.begin() + address + 8}) + "\n";
    }
    EXPECT_EQ(LoadContent(text), ECloneFileResult::Ok);
    EXPECT_TRUE(files.CoveredWholeImage());
    EXPECT_EQ(rig.Bytes(), bytes);
}

class CloneFileWrite : public ::testing::Test {
  protected:
    ECloneFileResult Save(const std::string& path) {
        return rig.manager.GetCloneFileIo()->Save(path, CFakeCloneDocument::kRange, rig.Image());
    }

    CScratchDir dir;
    CZ5CloneRig rig{1};
};

TEST_F(CloneFileWrite, AQmZ5FileHasHeaderCommentAnd122UpperCaseDataLines) {
    rig.Leaf("MCH.CH0.Name").SetText("ab");
    rig.manager.StoreNodes();
    ASSERT_EQ(Save(dir.File("out.cz5")), ECloneFileResult::Ok);
    const std::string text = ReadFile(dir.File("out.cz5"));
    EXPECT_EQ(text.find('\r'), std::string::npos);
    const std::vector<std::string> lines = SplitLines(text, "\n");
    ASSERT_EQ(lines.size(), 124u);
    EXPECT_EQ(lines[0], "24680001");
    EXPECT_EQ(lines[1], "#");
    for (std::uint32_t i = 0; i < 122; ++i) {
        const std::uint32_t address = 16 * i;
        std::vector<std::uint8_t> bytes(rig.Image().Data() + address,
                                        rig.Image().Data() + address + 16);
        EXPECT_EQ(lines[2 + i], DataLine(address, bytes));
    }
    EXPECT_NE(lines[2].find("4142202020"), std::string::npos);  // "AB   ", upper-case hex
}

TEST_F(CloneFileWrite, SavedRandomImageReadsBackByteForByte) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        std::vector<std::uint8_t> random = RandomBytes(0x7A0, seed);
        rig.Image().Write(0, random.data(), 0x7A0);
        ASSERT_EQ(Save(dir.File("random.cz5")), ECloneFileResult::Ok);
        CZ5CloneRig other(3);
        ASSERT_EQ(other.manager.GetCloneFileIo()->Load(dir.File("random.cz5"), other.Image()),
                  ECloneFileResult::Ok);
        EXPECT_EQ(other.Bytes(), rig.Bytes()) << "seed " << seed;
    }
}

TEST_F(CloneFileWrite, RangesBreakAtLineWidthAndEndAtTheEndPair) {
    const SMemoryRange ranges[] = {{0x005, 0x014}, {0x7A0, 0x7A0}, {0x000, 0x000}};
    CCloneFileIoManager& files = *rig.manager.GetCloneFileIo();
    rig.manager.GetCloneFileIo()->Save(dir.File("x.cz5"), ranges, rig.Image());
    std::vector<std::string> lines = SplitLines(ReadFile(dir.File("x.cz5")), "\n");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2].substr(0, 6), "00050B");
    EXPECT_EQ(lines[2].size(), 6u + 2 * 11);
    EXPECT_EQ(lines[3].substr(0, 6), "001005");
    EXPECT_EQ(files.GetLineCount(), 122u);
}

TEST_F(CloneFileWrite, TheCommentIsCutTo16CharactersAndStaysOnItsLine) {
    rig.Leaf("Common.CloneComment").SetText("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(rig.manager.GetCloneFileIo()->GetComment(), "ABCDEFGHIJKLMNOP");

    rig.Leaf("Common.CloneComment").SetText("two\nlines\r\x01");
    ASSERT_EQ(Save(dir.File("c.cz5")), ECloneFileResult::Ok);
    const std::vector<std::string> lines = SplitLines(ReadFile(dir.File("c.cz5")), "\n");
    ASSERT_EQ(lines.size(), 124u);
    EXPECT_EQ(lines[1].substr(0, 10), "#two lines");
    EXPECT_EQ(rig.manager.GetCloneFileIo()->Load(dir.File("c.cz5"), rig.Image()),
              ECloneFileResult::Ok);
}

TEST_F(CloneFileWrite, AFileThatCannotBeWrittenIsNoSuccessAndTheCauseIsKept) {
    const std::pair<std::string, const char*> files[] = {
        {dir.File("no/such/dir.cz5"), "No such file or directory"},
        {dir.Path(), "is a directory"},
        {"/dev/full", "is a device, not a regular file"},
    };
    for (const auto& [path, cause] : files) {
        EXPECT_EQ(Save(path), ECloneFileResult::CannotOpenFile) << path;
        EXPECT_EQ(rig.manager.GetCloneFileIo()->GetFailureReason(), cause) << path;
    }
}

}  // namespace
