// CFileCleanup: removes this program's temporary files when it is stopped by
// SIGINT, SIGTERM or SIGHUP, and the ones a killed run (kill -9, a crash)
// left behind when the program starts again.
//
// Every file that must not outlive the process is registered while it
// exists (Register before or while it is created, Unregister once it is
// removed or renamed). The list is a fixed table of names prepared outside
// the handler, so the handler only calls unlink(), then lets the signal end
// the process with its default action. Wrap creation and registration in a
// CSignalsHeld so that no signal falls between them.
//
// The names of such files carry the process id (see TempFile.h and
// ReplacingFile.h); RemoveLeftovers removes the ones whose process is gone.
#pragma once

#include <signal.h>

#include <string>
#include <string_view>

class CFileCleanup {
  public:
    // Handed back by Register; kNoSlot when the table is full (the file is
    // then only removed by its owner or at a later start).
    static constexpr int kNoSlot = -1;
    static constexpr int kSlots = 32;

    // Installs the handlers of SIGINT, SIGTERM and SIGHUP (a signal that is
    // ignored, e.g. SIGHUP under nohup, stays ignored) and removes the
    // leftovers of dead processes among the document's and the transfer's
    // temporary files. Both programs call it at start.
    static void Start();

    static int Register(const std::string& path);
    static void Unregister(int slot);

    // Removes the files in directory named prefix + PID + rest, for which
    // accepts(rest) is true, that are regular files (never followed links)
    // owned by this user and whose process no longer exists. Returns how
    // many were removed.
    static int RemoveLeftovers(const std::string& directory, std::string_view prefix,
                               bool (*accepts)(std::string_view rest));

    // The process id at the start of text ("123-..." gives 123), 0 when
    // text does not start with digits followed by '-'.
    static long LeadingProcessId(std::string_view text, std::string_view& rest);

    // Blocks the cleanup signals for as long as it lives.
    class CSignalsHeld {
      public:
        CSignalsHeld();
        ~CSignalsHeld();
        CSignalsHeld(const CSignalsHeld&) = delete;
        CSignalsHeld& operator=(const CSignalsHeld&) = delete;

      private:
        sigset_t m_old;
    };
};
