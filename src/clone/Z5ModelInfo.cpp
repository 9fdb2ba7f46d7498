#include "clone/Z5ModelInfo.h"

namespace {
constexpr std::size_t kIdentityTextLength = 16;
}  // namespace

CZ5ModelInfo::CZ5ModelInfo()
    : CModelInfo(0, kNoVersion, kModelCode, kRevision, kDataLength, kIdentityTextLength) {
    for (std::int32_t version = 0; version <= kNoVersion; ++version) {
        AddName(z5version::NameOf(version), version);
    }
    SetValue(kNoVersion);
}

void CZ5ModelInfo::UpdateFromData() {
    SetOptionByte(GetDataByte(kOptionByteIndex));
    SetValue(z5version::OfOptionByte(GetOptionByte()));
}
