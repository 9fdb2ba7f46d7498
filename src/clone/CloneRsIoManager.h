// CCloneRsIoManager: the clone manager's serial transfer, behind the Clone
// menu: Read <- TR, Write -> TR and Information.
//
// Every command first identifies the radio (the model information request)
// and checks it against the document's model information, then moves the
// image through a temporary clone text file ("cl...") with the transfer
// engine, and reports the outcome: a beep, a status text and a message box
// chosen by the result (CloneResultTexts).
//
// What it shows and asks goes through the document's user-interface port;
// the port number lives in the settings ("PortNumber" of "CommPort"): read
// when the transfer is set up, written back when it is destroyed. Both are
// taken from the document when the clone manager links its components;
// without a document nothing is asked (every question is declined) and the
// settings are the transfer's own.
//
// The image is never left half-changed: a read that does not complete and
// load leaves the document as it was; a write always restores the image it
// prepared for the radio.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "clone/CloneFileResult.h"
#include "model/CloneManagerObject.h"
#include "transport/CloneResult.h"

class CCloneDocument;
class CCloneRsEngine;
class CModelInfo;
class CSettingsStore;
class CTempFile;
class CTextFile;
class CUserInterface;

class CCloneRsIoManager : public CCloneManagerObject {
    CPZ5_DECLARE_CLASS(CCloneRsIoManager)
  public:
    // The three commands, as the result messages tell them apart.
    enum class EJob { Read, Write, Information };

    CCloneRsIoManager();
    ~CCloneRsIoManager() override;

    // Takes the document's port and settings, then Attach with a plain model
    // information.
    void Initialize() override;

    // Keeps info as the radio's model information (a plain one when
    // nullptr), makes the temporary clone file and the engine, whose port
    // number becomes the setting "PortNumber" (default 1).
    virtual void Attach(std::unique_ptr<CModelInfo> info);

    void SetPortNumber(std::uint32_t number);
    std::uint32_t GetPortNumber() const;

    // The commands; each returns Success, Cancelled, Failure, WrongModel,
    // WrongVersion or PortNotOpened.
    virtual ECloneResult ReadFromRadio();
    virtual ECloneResult WriteToRadio();
    virtual ECloneResult ShowRadioInformation();

    // The document's model information (the model manager's) and the
    // radio's, as the last identification filled it.
    virtual CModelInfo* GetDocumentInfo();
    virtual CModelInfo* GetRadioInfo();

    // A step of Write -> TR once the user agreed to the write and the radio
    // was identified and passed the model check, just before the write's
    // first frame goes out (the backup of the radio's memory). It may run
    // the engine and reports its own outcome: anything but Success stops
    // the write with that result, and the write shows nothing more. An empty
    // step (the default) is none.
    using WriteStep = std::function<ECloneResult()>;
    void SetBeforeWriting(WriteStep step) { m_beforeWriting = std::move(step); }

    // The engine of the transfer (tests shorten its pauses).
    CCloneRsEngine& GetEngine() { return *m_engine; }
    const std::string& GetTempPath() const;
    // In a process forked from the one that made the transfer: a temporary
    // clone file of its own replaces the inherited one, which stays with its
    // maker; RemoveTempFile removes it before such a process ends.
    void RenewTempFile();
    void RemoveTempFile();

  protected:
    // The image from and into the temporary file: the clone file manager's
    // Load and Save, with their results; the base moves nothing and
    // answers Ok.
    virtual ECloneFileResult LoadTempFile(const std::string& path);
    virtual ECloneFileResult SaveTempFile(const std::string& path);

    // The model check of an identification: Success, or WrongModel (model
    // code or revision), or WrongVersion. The base checks model and
    // revision only.
    virtual ECloneResult CheckRadio(const CModelInfo& document, const CModelInfo& radio);

    // The information window of the radio.
    virtual void ShowInformation(const CModelInfo& radio);

    // Identifies the radio; Success when it answered and passed the model
    // check.
    ECloneResult Identify();
    // The beep, the status text and the message box of a result.
    void ReportResult(EJob job, ECloneResult result);
    // Records a failure of the temporary clone file (not of the radio or
    // the line) with its reason; ReportResult then names the file and the
    // reason instead of blaming the cable.
    void NoteLocalFailure(const std::string& reason);
    // The engine's own file failure, if its last run had one.
    void TakeEngineFileFailure(ECloneResult result);
    // Asks question with OK and Cancel; true for OK.
    bool AskOkCancel(const std::string& question);
    // Runs fn with the wait cursor shown.
    template <class Fn>
    ECloneResult WithWaitCursor(Fn fn);
    // The engine's model code, revision and model record := the radio's.
    void AddressRadio();

    CUserInterface& Ui() { return *m_ui; }
    CSettingsStore& Settings() { return *m_settings; }
    CCloneDocument* Document() const;
    CTextFile& TempFile() { return *m_tempFile; }

  private:
    void TakeDocumentServices();
    ECloneResult SaveWriteFile();
    std::string PortDevice() const;
    std::string WithPortCause(const std::string& box) const;

    std::unique_ptr<CUserInterface> m_silentUi;
    std::unique_ptr<CSettingsStore> m_ownSettings;
    CUserInterface* m_ui = nullptr;
    CSettingsStore* m_settings = nullptr;

    std::unique_ptr<CModelInfo> m_radioInfo;
    std::unique_ptr<CTempFile> m_tempName;
    std::unique_ptr<CTextFile> m_tempFile;
    std::unique_ptr<CCloneRsEngine> m_engine;
    std::string m_localFailure;  // the reason of a local failure, if any
    WriteStep m_beforeWriting;
};
