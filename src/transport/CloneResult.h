// ECloneResult: how a clone command ended (identifying the radio, reading it,
// writing it, and around a write the backup and the check after it), and
// the texts the program shows for it. Each value is the exit status of
// cpz5-cli for that ending.
#pragma once

#include <optional>
#include <string_view>

enum class ECloneResult : int {
    Busy = -1,           // another command was running; nothing was done
    Success = 0,         // the command did what was asked
    Cancelled = 1,       // Cancel in the progress window or in a question
    Failure = 77,        // no answer or a bad one, a lost line, a local file
    BadFile = 80,        // the engine's clone file has no usable first line
    WrongModel = 85,     // not a QM-Z5 of a known revision
    WrongVersion = 90,   // another model version, or no setup yet
    PortNotOpened = 91,  // nothing was sent
    NotVerified = 94,    // the radio holds other data than the write sent
    NotBackedUp = 95,    // the backup was read but could not be kept
};

constexpr int ExitStatusOf(ECloneResult result) {
    return static_cast<int>(result);
}

// What the caller of a command is told of an engine's result: a bad clone
// file of the engine is a Failure like any other.
constexpr ECloneResult CommandResultOf(ECloneResult engineResult) {
    return engineResult == ECloneResult::BadFile ? ECloneResult::Failure : engineResult;
}

// The result whose exit status is status; none for other statuses.
std::optional<ECloneResult> CloneResultOfExitStatus(int status);

// What the desktop program shows for the result of one command: a status
// text and, unless box is 0, a message box with the icon (numbers of
// CStringTable; the box's "%1" is the port's device).
struct SCloneResultMessage {
    int status;
    int box;
    unsigned icon;
};

struct SCloneResultTexts {
    std::string_view summary;  // a port's line in the summary of cpz5-cli
    SCloneResultMessage read;
    SCloneResultMessage write;
    SCloneResultMessage information;  // no message on success: the window
};

// The texts of result. Busy shows nothing; the write's backup and check
// report NotBackedUp and NotVerified with messages of their own.
const SCloneResultTexts& CloneResultTexts(ECloneResult result);
