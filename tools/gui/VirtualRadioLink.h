// CVirtualRadioLink: the virtual radio of --virtual-radio: a QM-Z5 of the
// chosen market version on a pseudo-terminal, bound to COM1 for this run, so
// that the program can be tried without a radio. The radio starts with its
// factory data and a few channels in its memory.
#pragma once

#include <memory>
#include <string>

class CVirtualRadio;

class CVirtualRadioLink {
  public:
    CVirtualRadioLink();
    ~CVirtualRadioLink();

    CVirtualRadioLink(const CVirtualRadioLink&) = delete;
    CVirtualRadioLink& operator=(const CVirtualRadioLink&) = delete;

    // The market version of a name ("GEN", "SEA", "USA", "EUR"; "" is
    // "GEN"), or -1 for another name.
    static int VersionOfName(const std::string& name);

    // Starts the radio of version (0..3) and binds COM1 to it; false with
    // the reason in error.
    bool Start(int version, std::string& error);

    // The radio's terminal ("" before Start).
    std::string DevicePath() const;

  private:
    std::unique_ptr<CVirtualRadio> m_radio;
};
