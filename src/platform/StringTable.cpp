#include "platform/StringTable.h"

#include <map>

#include "platform/Translation.h"

namespace {

// Written for a Linux user: a port is a serial device such as /dev/ttyUSB0,
// and the usual reason it cannot be opened is a missing cable or the
// permissions of the device file.
const std::map<int, const char*>& Texts() {
    static const std::map<int, const char*> texts = {
        {Ids::ConfirmWarning,
         QT_TRANSLATE_NOOP("StringTable",
                           "This data was not read from the connected radio and may hold settings\n"
                           "that the radio does not expect.\n\nContinue?")},
        {Ids::CloneDone, QT_TRANSLATE_NOOP("StringTable", "Clone completed.")},
        {Ids::ReadFailed, QT_TRANSLATE_NOOP("StringTable", "Read <- TR failed.")},
        {Ids::WriteFailed, QT_TRANSLATE_NOOP("StringTable", "Write -> TR failed.")},
        {Ids::RadioNotIdentified,
         QT_TRANSLATE_NOOP("StringTable", "The radio could not be identified.")},
        {Ids::WrongModelBox,
         QT_TRANSLATE_NOOP(
             "StringTable",
             "The connected radio is not a QM-Z5 of a revision this program knows.\n\n"
             "Nothing was transferred.")},
        {Ids::Cancelled, QT_TRANSLATE_NOOP("StringTable", "Cancelled.")},
        {Ids::PortNotOpened,
         QT_TRANSLATE_NOOP("StringTable", "The serial port could not be opened.")},
        {Ids::ReadDoneBox, QT_TRANSLATE_NOOP("StringTable", "The radio's memory was read.")},
        {Ids::WriteDoneBox,
         QT_TRANSLATE_NOOP("StringTable", "The data was written into the radio.")},
        {Ids::PortNotOpenedBox,
         QT_TRANSLATE_NOOP("StringTable",
                           "The serial port %1 could not be opened.\n\n"
                           "- Is the cloning cable plugged into this computer?\n"
                           "- Is the right port chosen in the COM Port menu?\n"
                           "- Are you allowed to use the device? Your user must be in the group\n"
                           "  that owns it (often \"dialout\": see ls -l %1), then log in again.\n"
                           "- Is another program using the port?")},
        {Ids::Reading, QT_TRANSLATE_NOOP("StringTable", "Reading from the radio...")},
        {Ids::Writing, QT_TRANSLATE_NOOP("StringTable", "Writing to the radio...")},
        {Ids::ReadModifiedQuestion1, QT_TRANSLATE_NOOP("StringTable", "The data has been changed")},
        {Ids::ReadModifiedQuestion2,
         QT_TRANSLATE_NOOP("StringTable",
                           " and reading from the radio will replace it.\n\nRead from the radio?")},
        {Ids::WriteQuestion,
         QT_TRANSLATE_NOOP("StringTable",
                           "The data will be written into the radio and replace its memory.\n\n"
                           "Write to the radio?")},
        {Ids::WrongVersion, QT_TRANSLATE_NOOP("StringTable", "Model version mismatch.")},
        {Ids::NoAnswerBox,
         QT_TRANSLATE_NOOP("StringTable",
                           "The radio did not answer as expected.\n\n"
                           "Check that the cloning cable is connected to the radio and to this\n"
                           "computer, that the radio is switched on, and try again.")},
        {Ids::SetupInstructions,
         QT_TRANSLATE_NOOP("StringTable",
                           "Connect the radio to this computer with the cloning cable and switch\n"
                           "it on. Choose the port of the cable, then press OK: the program asks\n"
                           "the radio for its version and options and remembers them.")},
        {Ids::SetupPortLabel, QT_TRANSLATE_NOOP("StringTable", "Port of the cloning cable:")},
        {Ids::WrongVersionBox,
         QT_TRANSLATE_NOOP("StringTable",
                           "The version of the connected radio differs from the version this\n"
                           "program was set up for, or the setup was never completed.\n\n"
                           "Run the setup again with the radio connected: start the program\n"
                           "with the option -S (or cpz5-cli setup).")},
        {Ids::ProgressCaption, QT_TRANSLATE_NOOP("StringTable", "Cloning")},

        // The radio history, the backup before a write and the check after it.
        {Ids::HistoryNotStored,
         QT_TRANSLATE_NOOP(
             "StringTable",
             "The read succeeded, but it could not be kept in the radio history:\n%1\n\n"
             "Reads are not kept until this is solved; this message is not shown\n"
             "again in this session.")},
        {Ids::BackingUp,
         QT_TRANSLATE_NOOP("StringTable", "Backing up the radio before writing...")},
        {Ids::BackupFailed,
         QT_TRANSLATE_NOOP("StringTable", "Backup failed: nothing was written.")},
        {Ids::BackupFailedBox,
         QT_TRANSLATE_NOOP("StringTable",
                           "The radio's memory could not be read and kept before the write:\n%1\n\n"
                           "Nothing was written into the radio.")},
        {Ids::Verifying,
         QT_TRANSLATE_NOOP("StringTable", "Reading the radio back to check the write...")},
        {Ids::Verified,
         QT_TRANSLATE_NOOP("StringTable", "Written and checked: the radio holds what was sent.")},
        {Ids::VerifyFailed,
         QT_TRANSLATE_NOOP("StringTable",
                           "Check after writing failed: the radio holds other data.")},
        {Ids::VerifyFailedBox,
         QT_TRANSLATE_NOOP("StringTable",
                           "The write ended, but the radio does not hold what was sent:\n\n%1")},
        {Ids::VerifyReadFailedBox,
         QT_TRANSLATE_NOOP("StringTable",
                           "The write ended, but the radio could not be read back to check it.\n\n"
                           "Read it again or write once more.")},

        // Transfer failures on this computer.
        {Ids::TempFileFailedBox,
         QT_TRANSLATE_NOOP("StringTable",
                           "The radio answered, but the temporary clone file could not be used:\n"
                           "%1\n\n"
                           "Nothing in the document was changed. Check the free space and the\n"
                           "permissions of the temporary folder (TMPDIR), then try again.")},
    };
    return texts;
}

}  // namespace

std::string CStringTable::Get(int id) {
    auto it = Texts().find(id);
    return it == Texts().end() ? std::string() : CTranslation::Tr("StringTable", it->second);
}

std::string CStringTable::Format(int id, const std::string& argument) {
    return CTranslation::Args(Get(id), {argument});
}
