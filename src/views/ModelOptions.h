// CModelOptions: the questions the windows ask about the radio model of the
// open data. The application answers them from its document.
#pragma once

#include <string>

class CModelOptions {
  public:
    virtual ~CModelOptions() = default;

    // 1 when the named unit is fitted, 0 when not, -1 for an unknown name
    // ("DETOP_RXEXP", "DETOP_SCRM", "DETOP_ANI").
    virtual int HasModelOption(const std::string& name) const = 0;

    // The model version: 0 "GEN", 1 "SEA", 2 "USA", 3 "EUR", 4 none.
    virtual int GetModelVersion() const = 0;
};
