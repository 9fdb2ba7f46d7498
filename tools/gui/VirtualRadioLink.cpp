#include "VirtualRadioLink.h"

#include <array>

#include "clone/Z5DefaultDataManager.h"
#include "model/Node.h"
#include "model/Z5MemoryMap.h"
#include "model/Z5RadioDataManager.h"
#include "model/Z5Versions.h"
#include "radio/VirtualRadio.h"
#include "transport/PortName.h"

namespace {

constexpr unsigned kBoundPort = 1;

// A few channels the virtual radio holds, so that a read shows something.
// The fourth lies outside the GEN band and is marked "(!)" there.
struct SDemoChannel {
    const char* channel;
    const char* frequency;
    const char* duplex;
    const char* offset;
    const char* name;
    const char* toneSet;
};
constexpr std::array<SDemoChannel, 6> kDemoChannels = {{
    {"MCH.CH0", "145.00000", "OFF", "0.00000", "CALL", "OFF"},
    {"MCH.CH1", "145.50000", "OFF", "0.00000", "SIMPX", "OFF"},
    {"MCH.CH2", "144.80000", "-Dup", "0.60000", "RPT1", "TONE"},
    {"MCH.CH3", "146.52000", "OFF", "0.00000", "NATL", "OFF"},
    {"MCH.CH4", "145.62500", "-Dup", "0.60000", "RPT2", "TSQL"},
    {"MCH.CH5", "145.80000", "OFF", "0.00000", "SAT", "DTCS"},
}};

void SetLeaf(CNode* channel, const char* leaf, const char* text) {
    if (CNode* node = channel->GetChild(leaf)) {
        node->SetText(text);
    }
}

void AddDemoChannels(CImageBuffer& memory) {
    CZ5RadioDataManager map;
    map.Initialize();
    CNode* root = map.GetRoot();
    map.ImageToNodes(root, memory);
    for (const SDemoChannel& demo : kDemoChannels) {
        CNode* channel = root->FindPath(demo.channel);
        if (channel == nullptr) {
            continue;
        }
        SetLeaf(channel, z5leaf::kClear, "OFF");
        SetLeaf(channel, z5leaf::kFreqRx, demo.frequency);
        SetLeaf(channel, z5leaf::kDuplex, demo.duplex);
        SetLeaf(channel, z5leaf::kFreqOw, demo.offset);
        SetLeaf(channel, z5leaf::kName, demo.name);
        SetLeaf(channel, z5leaf::kToneSet, demo.toneSet);
    }
    map.NodesToImage(root, memory);
}

}  // namespace

CVirtualRadioLink::CVirtualRadioLink() = default;

CVirtualRadioLink::~CVirtualRadioLink() {
    if (m_radio != nullptr) {
        CPortName::Bind(kBoundPort, "");
        m_radio->Stop();
    }
}

int CVirtualRadioLink::VersionOfName(const std::string& name) {
    if (name.empty()) {
        return z5version::kGen;
    }
    const z5version::SVersion* version = z5version::FindByName(name);
    return version != nullptr ? version->number : -1;
}

bool CVirtualRadioLink::Start(int version, std::string& error) {
    const CZ5DefaultDataManager::Image& factory = CZ5DefaultDataManager::FactoryImage(version);
    CImageBuffer memory(static_cast<std::uint32_t>(factory.size()));
    memory.Write(0, factory.data(), static_cast<std::uint32_t>(factory.size()));
    AddDemoChannels(memory);
    CVirtualRadio::SConfig config;
    config.optionByte = static_cast<std::uint8_t>(version & 0x3);
    m_radio = std::make_unique<CVirtualRadio>(memory, config);
    if (!m_radio->Start()) {
        error = m_radio->Error();
        m_radio.reset();
        return false;
    }
    CPortName::Bind(kBoundPort, m_radio->SlavePath());
    return true;
}

std::string CVirtualRadioLink::DevicePath() const {
    return m_radio != nullptr ? m_radio->SlavePath() : std::string();
}
