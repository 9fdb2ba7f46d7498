#include "PortsCommand.h"

#include <iostream>

#include "CliExit.h"
#include "CliSession.h"
#include "platform/SerialPortList.h"
#include "platform/Translation.h"

namespace PortsCommand {

int Run(CCliSession& session, const CCliOptions& options) {
    if (!options.Positionals().empty()) {
        return session.UsageError(CTranslation::Tr("PortsCommand", "ports takes no argument"));
    }
    const std::vector<SSerialPortInfo> ports = CSerialPortList().List();
    if (ports.empty()) {
        CCliSession::Report(
            CTranslation::Tr("PortsCommand", "no serial port found: is the cable plugged in?"));
    }
    for (const SSerialPortInfo& port : ports) {
        std::cout << port.device << '\t' << port.Description();
        if (!port.stableName.empty()) {
            std::cout << '\t' << port.stableName;
        }
        std::cout << '\n';
    }
    return CliExit::kOk;
}

}  // namespace PortsCommand
