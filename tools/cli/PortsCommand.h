// cpz5-cli ports: the serial devices that exist, one a line: the device, what
// it is (maker and product of a USB adapter, or "onboard serial port") and,
// for a USB adapter, its stable name under /dev/serial/by-id; fields are
// separated by tabs. The same list as the desktop program's setup window.
#pragma once

#include "CliOptions.h"

class CCliSession;

namespace PortsCommand {

int Run(CCliSession& session, const CCliOptions& options);

}  // namespace PortsCommand
