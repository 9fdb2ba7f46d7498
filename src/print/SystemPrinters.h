// CSystemPrinters: the printers of the print system (CUPS), as its own tools
// tell them: "lpstat -e" names the printers, "lpstat -d" the default one and
// "lpoptions -p NAME -l" a printer's default paper. Every question runs the
// tool anew, in the C locale, and waits at most kPatienceMilliseconds.
// Without the tools, or without a running print system, there are no
// printers.
#pragma once

#include <string>
#include <vector>

class CSystemPrinters {
  public:
    static constexpr int kPatienceMilliseconds = 10000;

    // The printers by name, in the print system's order.
    std::vector<std::string> Names() const;
    bool Exists(const std::string& name) const;
    // The default printer, "" when there is none.
    std::string DefaultName() const;
    // The paper a printer prints on unless told otherwise, as its PPD names
    // it ("A4", "Letter"); "" when unknown.
    std::string DefaultPaper(const std::string& printer) const;

    // What the tools' outputs say (the C locale's texts).
    static std::vector<std::string> ParseNames(const std::string& lpstatNames);
    static std::string ParseDefault(const std::string& lpstatDefault);
    static std::string ParsePaper(const std::string& lpoptionsList);
};
