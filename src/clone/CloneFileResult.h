// ECloneFileResult: how reading or writing a clone file ended, and the text
// the program shows for it (the command line prints it after the file name,
// the desktop program in the message box of a failed open or save).
#pragma once

#include <string_view>

enum class ECloneFileResult {
    Ok,
    CannotOpenFile,    // the file could not be opened or created
    FormatError,       // a header or data line that is not one
    MismatchModel,     // the header names another model
    MismatchRevision,  // the header names another revision
    NotEnoughData,     // the data does not cover what the reader needs
    DataOverflow,      // a data line reaches past the image
    Error,             // reading or writing failed part way
};

// The text of result: "OK", "CANNOT_OPEN_FILE", "FORMAT_ERROR",
// "MISMATCH_MODEL", "MISMATCH_REVISION", "NOT_ENOUGH_DATA", "DATA_OVERFLOW",
// "ERROR".
constexpr std::string_view CloneFileResultText(ECloneFileResult result) {
    switch (result) {
        case ECloneFileResult::Ok:
            return "OK";
        case ECloneFileResult::CannotOpenFile:
            return "CANNOT_OPEN_FILE";
        case ECloneFileResult::FormatError:
            return "FORMAT_ERROR";
        case ECloneFileResult::MismatchModel:
            return "MISMATCH_MODEL";
        case ECloneFileResult::MismatchRevision:
            return "MISMATCH_REVISION";
        case ECloneFileResult::NotEnoughData:
            return "NOT_ENOUGH_DATA";
        case ECloneFileResult::DataOverflow:
            return "DATA_OVERFLOW";
        case ECloneFileResult::Error:
            break;
    }
    return "ERROR";
}
