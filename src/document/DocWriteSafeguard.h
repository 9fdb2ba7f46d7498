// CDocWriteSafeguard: what protects the radio's memory around a write of the
// document, beside the write itself (which it leaves to the serial transfer):
//
//   backup  once the user agreed to the write and the radio was identified
//           and passed the model check, just before the write's first frame,
//           the radio is read and the read is kept in the radio history, so
//           that what it held can be written back; a backup that fails stops
//           the write (setting "BackupBeforeWrite"). A write that stops
//           earlier (a question declined, another radio) reads nothing.
//   verify  after a successful write, the radio is read back and every byte
//           the write sent (the image after the program's adjustment and the
//           clearing of channels outside the version's bands, as the
//           transfer's clone file holds it) is compared with what the radio
//           holds; differences are named by leaf (setting "VerifyAfterWrite").
//
// Both settings are in section "History", 0 (off, the default) or 1. The
// reads go through the transfer's own engine into a clone file of this
// object; the document's image, nodes and modified flag stay as they were.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "transport/CloneResult.h"
#include "transport/SettingsKeys.h"

class CCloneRsEngine;
class CCloneRsIoManager;
class CImageBuffer;
class CTempFile;
class CTextFile;
class CZ5CloneSupportDoc;

class CDocWriteSafeguard {
  public:
    static constexpr const char* kBackup = SettingsKey::kBackup.name;
    static constexpr const char* kVerify = SettingsKey::kVerify.name;

    // Keeps the clone file at source in the radio history; "" or what
    // failed.
    using HistoryKeeper = std::function<std::string(
        const std::string& source, const std::string& version, const std::string& identity)>;

    // document must outlive this object; the backup goes to keep.
    CDocWriteSafeguard(CZ5CloneSupportDoc& document, HistoryKeeper keep);
    ~CDocWriteSafeguard();

    CDocWriteSafeguard(const CDocWriteSafeguard&) = delete;
    CDocWriteSafeguard& operator=(const CDocWriteSafeguard&) = delete;

    // Write -> TR with the backup and the check the settings ask for; each
    // reports its own outcome. The transfer's result, or NotBackedUp (the
    // backup could be read but not kept) or NotVerified (the radio holds
    // other data than the write sent).
    ECloneResult Write();

    // Reads the radio back and compares it with what the last write sent;
    // the differences are left in Differences().
    ECloneResult Verify();

    // "MCH.CH12.FreqRx: sent 145.50000, radio holds 145.00000" a leaf; where
    // bytes differ but no leaf shows it, "0x0123: sent 0x41, radio holds 0x40".
    const std::vector<std::string>& Differences() const { return m_differences; }

  private:
    CCloneRsIoManager* SerialTransfer() const;
    ECloneResult ReadInto(CCloneRsEngine& engine, std::uint16_t modelCode, std::uint16_t revision);
    ECloneResult ReadRadioBack();
    // Reads the radio the write identified and keeps the read in the
    // history; NotBackedUp when it was read but could not be kept.
    ECloneResult BackUp(CCloneRsIoManager& transfer);
    std::vector<std::string> Describe(const CImageBuffer& sent, const CImageBuffer& held);
    void ReportVerify(ECloneResult result);
    bool IsOn(const char* setting) const;

    CZ5CloneSupportDoc& m_document;
    HistoryKeeper m_keep;
    std::unique_ptr<CTempFile> m_readName;
    std::unique_ptr<CTextFile> m_readFile;
    std::vector<std::string> m_differences;
};
