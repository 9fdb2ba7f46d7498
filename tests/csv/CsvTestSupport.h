// Helpers of the channel CSV tests: channels filled with random values the
// radio can hold (through the nodes), the texts of the memory channels, and
// the radio's receive bands by version.
#pragma once

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <string_view>

#include "../clone/CloneTestSupport.h"
#include "interchange/ChannelCsv.h"
#include "model/Node.h"
#include "model/Z5ChannelRules.h"

inline constexpr int kMemoryChannels = 100;

// The header of the common channel-list layout other programs read.
inline constexpr std::string_view kCommonLayoutHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

// A receive band the version keeps on a write to the radio (no option).
struct SBand {
    std::int32_t low;
    std::int32_t high;
};
inline constexpr SBand kBandOfVersion[] = {{144'000'000, 146'000'000},
                                           {140'000'000, 150'000'000},
                                           {144'000'000, 148'000'000},
                                           {144'000'000, 146'000'000}};

inline CNode& MemoryChannel(CNode& root, int location) {
    return *root.FindPath("MCH.CH" + std::to_string(location));
}

// Every leaf text of the memory channels by path ("CH12.FreqRx").
inline std::map<std::string, std::string> MemoryChannelTexts(CNode& root) {
    std::map<std::string, std::string> texts;
    for (CNode* channel : root.GetChild("MCH")->GetChildren()) {
        for (CNode* leaf : channel->GetChildren()) {
            texts[channel->GetName() + "." + leaf->GetName()] = leaf->GetText();
        }
    }
    return texts;
}

class CRandomChannels {
  public:
    explicit CRandomChannels(std::uint32_t seed) : m_random(seed) {}

    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(m_random);
    }

    // A frequency the radio stores exactly (a multiple of 5, 6.25 or 12.5
    // kHz) in low..high.
    std::int32_t RasterFrequency(std::int32_t low, std::int32_t high) {
        constexpr std::int32_t kSteps[] = {5'000, 6'250, 12'500};
        const std::int32_t step = kSteps[Between(0, 2)];
        return step * Between((low + step - 1) / step, high / step);
    }

    // The leaves the CSV layout has columns for, with values the radio holds.
    void FillLayoutLeaves(CNode& channel, const SBand& band) {
        channel.GetChild("FreqRx")->SetValue(RasterFrequency(band.low, band.high));
        channel.GetChild("FreqOw")->SetValue(RasterFrequency(0, 99'995'000));
        channel.GetChild("Name")->SetText(RandomName());
        FillLeaves(channel, kLayoutLeaves);
    }

    // The leaves the layout cannot express.
    void FillOtherLeaves(CNode& channel) { FillLeaves(channel, kOtherLeaves); }

    // Every memory channel random; about a third of them cleared.
    void FillMemoryChannels(CNode& root, int version) {
        for (int location = 0; location < kMemoryChannels; ++location) {
            CNode& channel = MemoryChannel(root, location);
            FillLayoutLeaves(channel, kBandOfVersion[version]);
            FillOtherLeaves(channel);
            channel.GetChild("Clear")->SetValue(Between(0, 2) == 0 ? 1 : 0);
        }
    }

  private:
    struct SLeafRange {
        const char* leaf;
        int low;
        int high;
    };
    static constexpr SLeafRange kLayoutLeaves[] = {
        {"Duplex", 0, 2},     {"TONESet", 0, 3}, {"TONECode", 0, 49}, {"TSQLCode", 0, 49},
        {"DTCSCode", 0, 103}, {"DTCSInv", 0, 1}, {"Skip", 0, 1},      {"TXPower", 0, 1}};
    // "ANISet" 3 ("ANI") is stored as 0: the radio cannot hold it.
    static constexpr SLeafRange kOtherLeaves[] = {{"DupRev", 0, 1},  {"TXInhibit", 0, 1},
                                                  {"ANISet", 0, 2},  {"ANICode", 0, 7},
                                                  {"SCRMSet", 0, 1}, {"SCRMCode", 1, 255}};

    template <std::size_t N>
    void FillLeaves(CNode& channel, const SLeafRange (&ranges)[N]) {
        for (const SLeafRange& range : ranges) {
            channel.GetChild(range.leaf)->SetValue(Between(range.low, range.high));
        }
    }

    // Up to 5 of the characters the radio holds in a name (a space to DEL;
    // it reads small letters as capitals), commas and quotes included.
    std::string RandomName() {
        std::string name;
        for (int i = Between(0, 5); i > 0; --i) {
            name += static_cast<char>(Between(0x20, 0x7F));
        }
        return name;
    }

    std::mt19937 m_random;
};

// A rig of the version whose model information carries the option byte.
inline void SetOptionByte(CZ5CloneRig& rig, std::uint8_t options) {
    CModelInfo& info = rig.manager.GetModelManager()->GetModelInfo();
    info.SetDataByte(16, options);
    info.UpdateFromData();
}
