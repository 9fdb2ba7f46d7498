// The texts the program shows for the results of clone files and clone
// commands, and the command line's exit status of each command result.
#include <gtest/gtest.h>

#include <string>

#include "clone/CloneFileResult.h"
#include "platform/StringTable.h"
#include "transport/CloneResult.h"

namespace {

TEST(CloneFileResultText, EveryResultHasTheTextUsersAndScriptsSee) {
    const struct {
        ECloneFileResult result;
        const char* text;
    } cases[] = {
        {ECloneFileResult::Ok, "OK"},
        {ECloneFileResult::CannotOpenFile, "CANNOT_OPEN_FILE"},
        {ECloneFileResult::FormatError, "FORMAT_ERROR"},
        {ECloneFileResult::MismatchModel, "MISMATCH_MODEL"},
        {ECloneFileResult::MismatchRevision, "MISMATCH_REVISION"},
        {ECloneFileResult::NotEnoughData, "NOT_ENOUGH_DATA"},
        {ECloneFileResult::DataOverflow, "DATA_OVERFLOW"},
        {ECloneFileResult::Error, "ERROR"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CloneFileResultText(c.result), c.text) << c.text;
    }
}

// A status text and a message box, as the user reads them ("" for none).
struct SShown {
    std::string status;
    std::string box;
};

SShown Shown(const SCloneResultMessage& message) {
    return {CStringTable::Get(message.status), CStringTable::Get(message.box)};
}

TEST(CloneResultTexts, EveryResultHasItsExitStatusSummaryAndMessages) {
    const std::string done = CStringTable::Get(Ids::CloneDone);
    const std::string cancelled = CStringTable::Get(Ids::Cancelled);
    const std::string unknown = CStringTable::Get(Ids::RadioNotIdentified);
    const std::string noAnswer = CStringTable::Get(Ids::NoAnswerBox);
    const SShown failedRead = {CStringTable::Get(Ids::ReadFailed), noAnswer};
    const SShown failedWrite = {CStringTable::Get(Ids::WriteFailed), noAnswer};
    const SShown notIdentified = {unknown, noAnswer};
    const SShown wrongModel = {unknown, CStringTable::Get(Ids::WrongModelBox)};
    const SShown wrongVersion = {CStringTable::Get(Ids::WrongVersion),
                                 CStringTable::Get(Ids::WrongVersionBox)};
    const SShown noPort = {CStringTable::Get(Ids::PortNotOpened),
                           CStringTable::Get(Ids::PortNotOpenedBox)};
    const SShown nothing = {"", ""};
    const struct {
        ECloneResult result;
        int exitStatus;
        const char* summary;
        SShown read, write, information;
    } cases[] = {
        {ECloneResult::Busy, -1, "failed", nothing, nothing, nothing},
        {ECloneResult::Success,
         0,
         "OK",
         {done, ""},
         {done, CStringTable::Get(Ids::WriteDoneBox)},
         nothing},
        {ECloneResult::Cancelled, 1, "cancelled", {cancelled, ""}, {cancelled, ""}, notIdentified},
        {ECloneResult::Failure, 77, "failed: no answer or a bad answer", failedRead, failedWrite,
         notIdentified},
        {ECloneResult::BadFile, 80, "failed", failedRead, failedWrite, notIdentified},
        {ECloneResult::WrongModel, 85, "not a QM-Z5 of a known revision", wrongModel, wrongModel,
         wrongModel},
        {ECloneResult::WrongVersion, 90, "wrong model version", wrongVersion, wrongVersion,
         wrongVersion},
        {ECloneResult::PortNotOpened, 91, "port could not be opened", noPort, noPort, noPort},
        {ECloneResult::NotVerified, 94, "radio holds other data than sent", nothing, nothing,
         nothing},
        {ECloneResult::NotBackedUp, 95, "backup could not be kept", nothing, nothing, nothing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.summary + std::string(" ") + std::to_string(c.exitStatus));
        EXPECT_EQ(ExitStatusOf(c.result), c.exitStatus);
        const SCloneResultTexts& texts = CloneResultTexts(c.result);
        EXPECT_EQ(texts.summary, c.summary);
        for (const auto& [message, expected] :
             {std::pair{texts.read, c.read}, std::pair{texts.write, c.write},
              std::pair{texts.information, c.information}}) {
            EXPECT_EQ(Shown(message).status, expected.status);
            EXPECT_EQ(Shown(message).box, expected.box);
        }
        ASSERT_TRUE(CloneResultOfExitStatus(c.exitStatus).has_value());
        EXPECT_EQ(*CloneResultOfExitStatus(c.exitStatus), c.result);
    }
}

TEST(CloneResultTexts, ExitStatusesOfTheToolItselfAreNoCloneResults) {
    for (int status : {2, 64, 255, 76, 78}) {
        EXPECT_FALSE(CloneResultOfExitStatus(status).has_value()) << status;
    }
}

TEST(CloneResultTexts, ACommandReportsTheEnginesBadFileAsAFailure) {
    EXPECT_EQ(CommandResultOf(ECloneResult::BadFile), ECloneResult::Failure);
    for (ECloneResult result : {ECloneResult::Success, ECloneResult::Cancelled,
                                ECloneResult::Failure, ECloneResult::PortNotOpened}) {
        EXPECT_EQ(CommandResultOf(result), result) << ExitStatusOf(result);
    }
}

}  // namespace
