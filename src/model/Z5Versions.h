// The market versions of the QM-Z5: each one's number, its name, the band of
// receive frequencies it may keep, and its value in bits 0 and 1 of the
// radio's option byte (the number itself). Version kNone (4, the empty
// name) stands for "no version known yet". Every other part names a version
// through this catalogue.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace z5version {

inline constexpr int kGen = 0;
inline constexpr int kSea = 1;
inline constexpr int kUsa = 2;
inline constexpr int kEur = 3;
inline constexpr int kNone = 4;

// The bits of the option byte that hold the version.
inline constexpr std::uint8_t kOptionMask = 0x03;

// A band of receive frequencies in Hz, both ends included.
struct Band {
    std::uint32_t low;
    std::uint32_t high;
    bool Contains(long long hertz) const { return hertz >= low && hertz <= high; }
};

struct SVersion {
    int number;
    const char* name;
    Band band;
};

// clang-format off
inline constexpr SVersion kVersions[] = {
    {kGen, "GEN", {144'000'000, 146'000'000}},
    {kSea, "SEA", {140'000'000, 150'000'000}},
    {kUsa, "USA", {144'000'000, 148'000'000}},
    {kEur, "EUR", {144'000'000, 146'000'000}},
};
// clang-format on

// The version of a number or a name; nullptr for kNone and anything else.
const SVersion* Find(int number);
const SVersion* FindByName(std::string_view name);
// The name of a version number; "" for kNone and any other number.
const char* NameOf(int number);
// The version bits 0 and 1 of an option byte give.
int OfOptionByte(std::uint8_t optionByte);
// The names for a message: "GEN, SEA, USA or EUR".
std::string NameList();

}  // namespace z5version
