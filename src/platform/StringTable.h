#pragma once

#include <string>

// The program's message texts by resource number. An unknown number gives
// the empty text.
class CStringTable {
  public:
    static std::string Get(int id);

    // The text with every "%1" replaced by argument.
    static std::string Format(int id, const std::string& argument);
};

// Resource numbers of the texts, named for their use.
namespace Ids {
constexpr int ConfirmWarning = 2010;
constexpr int CloneDone = 2026;
constexpr int ReadFailed = 2027;
constexpr int WriteFailed = 2028;
constexpr int RadioNotIdentified = 2029;
constexpr int WrongModelBox = 2030;
constexpr int Cancelled = 2031;
constexpr int PortNotOpened = 2032;
constexpr int ReadDoneBox = 2033;
constexpr int WriteDoneBox = 2034;
constexpr int PortNotOpenedBox = 2035;
constexpr int Reading = 2040;
constexpr int Writing = 2041;
constexpr int ReadModifiedQuestion1 = 2054;
constexpr int ReadModifiedQuestion2 = 2055;
constexpr int WriteQuestion = 2056;
constexpr int WrongVersion = 2058;
constexpr int NoAnswerBox = 2061;
constexpr int SetupInstructions = 2062;
constexpr int SetupPortLabel = 2064;
constexpr int WrongVersionBox = 2066;
constexpr int ProgressCaption = 10002;

// The radio history, the backup before a write and the check after it.
constexpr int HistoryNotStored = 2900;
constexpr int BackingUp = 2901;
constexpr int BackupFailed = 2902;
constexpr int BackupFailedBox = 2903;
constexpr int Verifying = 2904;
constexpr int Verified = 2905;
constexpr int VerifyFailed = 2906;
constexpr int VerifyFailedBox = 2907;
constexpr int VerifyReadFailedBox = 2908;
// Transfer failures on this computer, not on the line.
constexpr int TempFileFailedBox = 2090;
}  // namespace Ids
