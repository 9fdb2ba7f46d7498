#include "PrintCommand.h"

#include <QGuiApplication>
#include <array>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "CliExit.h"
#include "CliSession.h"
#include "document/Z5Doc.h"
#include "model/Z5Areas.h"
#include "platform/MemorySettingsStore.h"
#include "platform/Translation.h"
#include "print/ChannelGridPane.h"
#include "print/PrintSections.h"
#include "print/SystemPrinters.h"

namespace PrintCommand {

namespace {

struct SSectionName {
    const char* name;
    int code;
};

// In the order the print dialog adds them.
constexpr std::array<SSectionName, 7> kSectionNames{{
    {"all", CPrintSections::kEverything},
    {z5area::kCommonArea.cliKey, CPrintSections::kCommon},
    {z5area::kDtmfArea.cliKey, CPrintSections::kDtmf},
    {z5area::kPagerArea.cliKey, CPrintSections::kPgr},
    {z5area::kMemoryArea.cliKey, CPrintSections::kMemoryList},
    {z5area::kScanEdgeArea.cliKey, CPrintSections::kScanEdgeList},
    {z5area::kCallArea.cliKey, CPrintSections::kCallList},
}};

// The section codes of a comma-separated list, in the dialog's order; none
// when a name is unknown.
std::optional<std::vector<int>> ParseSections(const std::string& list) {
    std::vector<bool> chosen(kSectionNames.size(), false);
    std::stringstream names(list);
    std::string name;
    while (std::getline(names, name, ',')) {
        bool known = false;
        for (std::size_t index = 0; index < kSectionNames.size(); ++index) {
            if (name == kSectionNames[index].name) {
                chosen[index] = known = true;
            }
        }
        if (!known) {
            return std::nullopt;
        }
    }
    if (chosen[0]) {
        return std::vector<int>{CPrintSections::kEverything};
    }
    std::vector<int> codes;
    for (std::size_t index = 1; index < kSectionNames.size(); ++index) {
        if (chosen[index]) {
            codes.push_back(kSectionNames[index].code);
        }
    }
    return codes;
}

// Printing shows no window: the offscreen platform gives the fonts without
// a display, unless the user chose a platform.
void ChoosePlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

// Qt's warnings about the offscreen platform are no news for a script; its
// critical messages still reach standard error.
void QuietWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        qt_message_output(type, context, message);
    }
}

// Where the pages go: a PDF file, a system printer by name, or (neither
// given) the printer of the settings, else the system's default printer.
struct SDestination {
    std::optional<std::string> pdf;
    std::optional<std::string> printer;
};

// "no printer named NAME exists; the printers are A, B" (or "...; no
// printer is installed").
std::string NoSuchPrinter(const std::string& name, const std::vector<std::string>& printers) {
    if (printers.empty()) {
        return CTranslation::Args(
            CTranslation::Tr("PrintCommand", "no printer named %1 exists; no printer is installed"),
            {name});
    }
    std::string listed;
    for (std::size_t index = 0; index < printers.size(); ++index) {
        listed += (index > 0 ? ", " : "") + printers[index];
    }
    return CTranslation::Args(
        CTranslation::Tr("PrintCommand", "no printer named %1 exists; the printers are %2"),
        {name, listed});
}

std::unique_ptr<CPrintDevice> MakeDevice(CCliSession& session, const SDestination& destination) {
    if (!destination.pdf && !destination.printer) {
        return std::make_unique<CPrintDevice>(session.Settings());
    }
    if (destination.pdf) {
        return CPrintDevice::ForPdfFile(*destination.pdf);
    }
    // Chosen by name, not from the settings, so that the output may be any
    // printer.
    CMemorySettingsStore noPrinter;
    noPrinter.SetString(CPrintDevice::kProfileSection, CPrintDevice::kProfileDevice, "");
    auto device = std::make_unique<CPrintDevice>(noPrinter);
    const std::string& name = *destination.printer;
    const CSystemPrinters printers;
    if (!printers.Exists(name)) {
        CCliSession::Report(NoSuchPrinter(name, printers.Names()));
        return nullptr;
    }
    device->SelectPrinter(name, CPrintDevice::kSystemDriver, name,
                          CPrintDevice::DefaultPageSettings(printers.DefaultPaper(name)));
    return device;
}

int Print(CCliSession& session, const std::vector<int>& sections, const SDestination& destination,
          bool inUseOnly) {
    ChoosePlatform();
    qInstallMessageHandler(QuietWarnings);
    static int argc = 1;
    static char name[] = "cpz5-cli";
    static char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);

    std::unique_ptr<CPrintDevice> device = MakeDevice(session, destination);
    if (device == nullptr) {
        return CliExit::kFileError;
    }
    CChannelGridPane lists(session.Document());
    CPrintSections job(std::move(device), session.UserInterface(), lists, lists);
    job.Printer().SetMargins(CPrintSections::kMarginLeft, CPrintSections::kMarginTop,
                             CPrintSections::kMarginRight, CPrintSections::kMarginBottom);
    for (int code : sections) {
        job.AddJob(code);
    }
    SPrintOptions options;
    options.fileName = session.Document().GetTitle();
    options.channelsInUseOnly = inUseOnly;
    job.SetOptions(options);
    return job.Run() == CPrintSections::EResult::kPrinted ? CliExit::kOk : CliExit::kFileError;
}

}  // namespace

int Run(CCliSession& session, const CCliOptions& options) {
    if (options.Positionals().size() != 1) {
        return session.UsageError(CTranslation::Tr("PrintCommand", "print reads one clone file"));
    }
    const SDestination destination{options.Value("-o"), options.Value("--printer")};
    if ((destination.pdf && destination.pdf->empty()) ||
        (destination.printer && destination.printer->empty())) {
        return session.UsageError(CTranslation::Tr("PrintCommand", "-o and --printer need a name"));
    }
    if (destination.pdf && destination.printer) {
        return session.UsageError(
            CTranslation::Tr("PrintCommand", "print takes -o or --printer, not both"));
    }
    const std::optional<std::vector<int>> sections =
        ParseSections(options.Value("--sections").value_or("all"));
    if (!sections || sections->empty()) {
        return session.UsageError(
            CTranslation::Tr("PrintCommand", "unknown section in --sections"));
    }
    if (!session.ApplyVersionOption(options)) {
        return CliExit::kUsage;
    }
    if (!session.Open(options.Positionals().front())) {
        return CliExit::kFileError;
    }
    return Print(session, *sections, destination, options.Has("--in-use"));
}

}  // namespace PrintCommand
