#include "transport/CloneResult.h"

#include <algorithm>
#include <iterator>

#include "platform/StringTable.h"
#include "platform/Translation.h"
#include "platform/UserInterface.h"

namespace {

struct SResultRow {
    ECloneResult result;
    SCloneResultTexts texts;
};

constexpr unsigned kError = MessageStyle::IconError;
constexpr SCloneResultMessage kSilent = {0, 0, 0};
constexpr SCloneResultMessage kNotIdentified = {Ids::RadioNotIdentified, Ids::NoAnswerBox, kError};
constexpr SCloneResultMessage kWrongModel = {Ids::RadioNotIdentified, Ids::WrongModelBox, kError};
constexpr SCloneResultMessage kWrongVersion = {Ids::WrongVersion, Ids::WrongVersionBox, kError};
constexpr SCloneResultMessage kPortFailed = {Ids::PortNotOpened, Ids::PortNotOpenedBox, kError};
constexpr SCloneResultMessage kCancelled = {Ids::Cancelled, 0, 0};

// Every failure of the line or the radio.
constexpr SCloneResultTexts kFailed = {QT_TRANSLATE_NOOP("CloneResult", "failed"),
                                       {Ids::ReadFailed, Ids::NoAnswerBox, kError},
                                       {Ids::WriteFailed, Ids::NoAnswerBox, kError},
                                       kNotIdentified};

constexpr SResultRow kResultTable[] = {
    {ECloneResult::Busy, {QT_TRANSLATE_NOOP("CloneResult", "failed"), kSilent, kSilent, kSilent}},
    {ECloneResult::Success,
     {QT_TRANSLATE_NOOP("CloneResult", "OK"),
      {Ids::CloneDone, 0, 0},
      {Ids::CloneDone, Ids::WriteDoneBox, MessageStyle::IconNone},
      kSilent}},
    {ECloneResult::Cancelled,
     {QT_TRANSLATE_NOOP("CloneResult", "cancelled"), kCancelled, kCancelled, kNotIdentified}},
    {ECloneResult::Failure,
     {QT_TRANSLATE_NOOP("CloneResult", "failed: no answer or a bad answer"), kFailed.read,
      kFailed.write, kFailed.information}},
    {ECloneResult::BadFile, kFailed},
    {ECloneResult::WrongModel,
     {QT_TRANSLATE_NOOP("CloneResult", "not a QM-Z5 of a known revision"), kWrongModel, kWrongModel,
      kWrongModel}},
    {ECloneResult::WrongVersion,
     {QT_TRANSLATE_NOOP("CloneResult", "wrong model version"), kWrongVersion, kWrongVersion,
      kWrongVersion}},
    {ECloneResult::PortNotOpened,
     {QT_TRANSLATE_NOOP("CloneResult", "port could not be opened"), kPortFailed, kPortFailed,
      kPortFailed}},
    {ECloneResult::NotVerified,
     {QT_TRANSLATE_NOOP("CloneResult", "radio holds other data than sent"), kSilent, kSilent,
      kSilent}},
    {ECloneResult::NotBackedUp,
     {QT_TRANSLATE_NOOP("CloneResult", "backup could not be kept"), kSilent, kSilent, kSilent}},
};

const SResultRow* RowOf(ECloneResult result) {
    auto row = std::find_if(std::begin(kResultTable), std::end(kResultTable),
                            [result](const SResultRow& r) { return r.result == result; });
    return row == std::end(kResultTable) ? nullptr : row;
}

}  // namespace

std::optional<ECloneResult> CloneResultOfExitStatus(int status) {
    for (const SResultRow& row : kResultTable) {
        if (ExitStatusOf(row.result) == status) {
            return row.result;
        }
    }
    return std::nullopt;
}

const SCloneResultTexts& CloneResultTexts(ECloneResult result) {
    const SResultRow* row = RowOf(result);
    return row != nullptr ? row->texts : kFailed;
}
