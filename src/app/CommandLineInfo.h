// CCommandLineInfo: what the program's command line asks for.
//
// The switch "S" after "/" or "-" (exactly, upper case) asks for the setup
// window even when the radio was set up before. "--virtual-radio" starts the
// program on a virtual radio bound to COM1 for this run;
// "--virtual-radio=VERSION" (GEN, SEA, USA, EUR) chooses its market version.
// A file name is remembered but never opened: the program always starts with
// new data. Qt's own options (-platform, ...) are taken out by Qt before the
// program sees its arguments.
#pragma once

#include <string>
#include <vector>

class CCommandLineInfo {
  public:
    static constexpr const char* kVirtualRadioOption = "--virtual-radio";

    // Reads the arguments after the program name.
    explicit CCommandLineInfo(const std::vector<std::string>& arguments);

    bool IsSetupRequested() const { return m_setupRequested; }
    bool IsVirtualRadioRequested() const { return m_virtualRadio; }
    // The version named with --virtual-radio=, "" when none was named.
    const std::string& VirtualRadioVersion() const { return m_virtualRadioVersion; }
    // The last argument that is not a switch; never opened.
    const std::string& FileName() const { return m_fileName; }

  private:
    void ParseParameter(const std::string& argument);

    bool m_setupRequested = false;
    bool m_virtualRadio = false;
    std::string m_virtualRadioVersion;
    std::string m_fileName;
};
