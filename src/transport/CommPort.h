// CCommPort: the serial port of the cloning cable.
//
// Opens a terminal device by port name (see CPortName: "COMn" or a device
// path), exclusively, in raw 8N1 at the given rate with every input and output
// processing and all flow control off, clears DTR and sets RTS (a
// pseudo-terminal has no modem lines; that is not an error), moves bytes with
// fixed time-outs and closes the device again. The port is opened for one
// transfer and closed after it.
//
// Failures are returned (false, or kClosedHandle from OpenPort). Opening,
// setting up, writing and reading also report them through ReportError, which
// shows a message box with the error icon, no owner and the title
// kErrorTitle; the texts are kNotOpenText, kInvalidSettingText,
// kWriteErrorText and kReadErrorText. Subclasses may silence the report.
//
// A port whose device went away (the cable was pulled, the other side of a
// pseudo-terminal closed) is marked lost: IsLineLost() stays true until the
// next Open.
//
// Not thread-safe: one thread uses a port. The user-interface port and the
// settings given at construction are not owned and must outlive the port.
// A subclass that overrides Open, OpenPort or Close must call its own Close()
// in its destructor: the base destructor closes only what the base opened.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Translation.h"

class CSettingsStore;
class CUserInterface;

class CCommPort {
  public:
    using Handle = int;

    // The handle of a closed port and the failure value of OpenPort.
    static constexpr Handle kClosedHandle = -1;
    static constexpr unsigned kDefaultBaudRate = 9600;
    // The queue size asked for by Open (the kernel sizes its own queues).
    static constexpr std::size_t kQueueSize = 8192;
    // A read never returns more bytes than this.
    static constexpr std::size_t kMaxReadCount = 256;

    static constexpr const char* kNotOpenText = QT_TRANSLATE_NOOP("CCommPort", " not Open ");
    static constexpr const char* kInvalidSettingText =
        QT_TRANSLATE_NOOP("CCommPort", " invarid setting ");
    static constexpr const char* kWriteErrorText = QT_TRANSLATE_NOOP("CCommPort", " write error ");
    static constexpr const char* kReadErrorText = QT_TRANSLATE_NOOP("CCommPort", " read error ");
    static constexpr const char* kErrorTitle =
        QT_TRANSLATE_NOOP("CCommPort", " COM Port Error    ");

    // ui (for ReportError) and settings (for the port names) may be nullptr:
    // then nothing is shown, and names resolve without settings.
    CCommPort(CUserInterface* ui, const CSettingsStore* settings);
    virtual ~CCommPort();

    CCommPort(const CCommPort&) = delete;
    CCommPort& operator=(const CCommPort&) = delete;

    // The open device's descriptor, or kClosedHandle.
    virtual Handle GetHandle() const { return m_handle; }
    bool IsOpen() const { return m_handle != kClosedHandle; }

    // Opens the port unless it is open already (then true at once). Keeps
    // name and rate, and the handle OpenPort gives; on failure the port stays
    // closed and the result is false.
    virtual bool Open(const std::string& name, unsigned baudRate);
    // The actual open and set-up of name's device; its descriptor, or
    // kClosedHandle after a failure.
    virtual Handle OpenPort(const std::string& name, unsigned baudRate, std::size_t queueSize);
    // Discards what is queued in both directions and closes an open port.
    virtual void Close();
    // Closes a descriptor (nothing for kClosedHandle).
    virtual void CloseHandle(Handle handle);

    // Writes all count bytes within the write time-out; false on a closed
    // port, an error or the time-out.
    virtual bool Write(const std::uint8_t* bytes, std::size_t count);
    // Reads the bytes waiting, at most maxCount and at most kMaxReadCount,
    // into buffer and their number into bytesRead. False at once when nothing
    // is waiting (not an error: nothing is reported), on a closed port and on
    // an error.
    virtual bool Read(std::uint8_t* buffer, std::size_t maxCount, std::size_t& bytesRead);
    // Waits until everything written has left the port; false on an error.
    virtual bool Flush();
    // Shows text in the port's error box; errorCode is not shown.
    virtual void ReportError(const std::string& text, int errorCode);

    // Waits up to milliseconds for a byte to read; true when one is waiting.
    // False on a closed or lost port and when the time passed.
    virtual bool WaitForInput(int milliseconds);

    bool IsLineLost() const { return m_lineLost; }
    // Why the last Open failed, as an errno value (ENOENT no such device,
    // EACCES permission denied, EBUSY in use, ENOTTY not a terminal, ...);
    // 0 after a successful Open.
    int GetOpenError() const { return m_openError; }
    // The cause of an open failure of device in the system's words; for a
    // permission failure also the group that owns the device and how to
    // join it.
    static std::string DescribeOpenError(const std::string& device, int error);
    // The name and rate of the last Open, and the device the name meant.
    const std::string& GetPortName() const { return m_portName; }
    unsigned GetBaudRate() const { return m_baudRate; }
    const std::string& GetDevicePath() const { return m_devicePath; }

  protected:
    // Marks the port lost when error says the device is gone.
    void NoteError(int error);
    void MarkLineLost() { m_lineLost = true; }
    // Notes and reports error; false.
    bool Fail(const char* text, int error);

  private:
    // Time-outs in milliseconds: a transfer of n bytes may take
    // constant + multiplier * n.
    struct STimeouts {
        int readMultiplier;
        int readConstant;
        int writeMultiplier;
        int writeConstant;
    };
    static constexpr STimeouts kOpenTimeouts = {10000, 3000, 10000, 3000};
    static constexpr STimeouts kReadTimeouts = {1000, 3000, 100, 3000};

    bool SetUpDevice(Handle handle, unsigned baudRate);
    // Notes error as the reason of a failed open, reports text; the closed
    // handle.
    Handle FailOpen(const char* text, int error);
    bool WaitFor(short events, int milliseconds);
    // Moves count bytes by calls of move (given the count moved so far,
    // returning what read or write returns), waiting for events while the
    // device is busy, within constant + multiplier * count milliseconds.
    // 0, or the error that stopped it.
    int MoveAll(const std::function<ssize_t(std::size_t done)>& move, std::size_t count,
                short events, int constant, int multiplier);

    CUserInterface* const m_ui;
    const CSettingsStore* const m_settings;
    Handle m_handle = kClosedHandle;
    std::string m_portName = "COM1:";
    std::string m_devicePath;
    unsigned m_baudRate = kDefaultBaudRate;
    STimeouts m_timeouts = kOpenTimeouts;
    bool m_lineLost = false;
    int m_openError = 0;
};
