// CChannelCsv: the memory channels (MCH.CH0 to MCH.CH99) of a clone
// manager's data as a CSV channel list in the common interchange layout
// (header "Location,Name,Frequency,...,DVCODE"; see ChannelCsvColumns.h for
// what each column means to the radio), and back. Only nodes are read and
// written, never the image: the caller stores the nodes as it does after
// any edit (the document's save does).
//
// Export: one row per channel in use ("Clear" off), by channel number.
//
// Import finds the separator from the header row: ",", ";" or a tab,
// whichever gives the Location and Frequency columns. It checks every row
// before it changes anything. A row that cannot be imported is reported
// with its line number and all its reasons. By default
// one bad row refuses the whole file; with EBadRows::kSkip the good rows are
// imported and the bad ones listed. A later row with the Location of an
// earlier one is bad. An imported row replaces the channel at its Location
// and puts it in use; channels that no row names stay as they were.
//
// Replacing a channel: the leaves the file has a column for take the row's
// values, or the fresh-channel values of the channel editors where the row
// leaves the field empty or the file lacks the column. The leaves only this
// program's own columns express (duplex reverse, transmit inhibit, ANI and
// scrambler settings) keep their values on a channel that was in use when
// the file lacks those columns (a list of another program) or leaves them
// empty; a channel that was cleared gets the fresh-channel values for them.
// A value stored otherwise than the file says it (a name cut or cleaned, a
// frequency rounded to the raster) is listed as a warning with its line.
//
// Importing does not mark the document modified: the caller does (and
// refreshes its views) when the result says channels were written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class CCloneManager;

// A row or file that could not be imported. line 0: the file as a whole.
struct SCsvProblem {
    int line = 0;
    std::string reason;

    // "line 7: reason", or the reason alone for the file as a whole.
    std::string Describe() const;
    // One line a problem for a message: the first listed ones, then how
    // many more there are.
    static std::string DescribeAll(const std::vector<SCsvProblem>& problems,
                                   std::size_t listed = 12);
};

struct SChannelCsvImport {
    enum class EStatus {
        kImported,    // the good rows were written (maybe none); problems lists skipped rows
        kRefused,     // nothing changed; problems says why
        kCannotRead,  // the file could not be read; nothing changed
    };
    EStatus status = EStatus::kRefused;
    std::vector<int> imported;  // Locations written, in file order
    std::vector<SCsvProblem> problems;
    std::vector<SCsvProblem> warnings;  // of the rows written
};

class CChannelCsv {
  public:
    enum class EBadRows { kRefuseAll, kSkip };

    // Files larger than this are not read.
    static constexpr std::size_t kMaxFileSize = 4 * 1024 * 1024;

    // manager must outlive this object. Its radio data gives the channels;
    // its model manager the version and the receive-range option (option
    // byte bit 2) that decide which frequencies may be imported.
    explicit CChannelCsv(CCloneManager& manager) : m_manager(manager) {}

    // With no version known (the setup never ran), frequencies are judged
    // against all the radio can receive, not the model version's band.
    void SetVersionUnknown(bool unknown) { m_versionUnknown = unknown; }

    // The header row and one row per channel in use, lines ending in CR LF.
    std::string Export() const;
    SChannelCsvImport Import(std::string_view text, EBadRows badRows);

    // Export into the file at path, which is replaced whole or not at all.
    // False with error set when it could not be written.
    bool ExportToFile(const std::string& path, std::string& error) const;
    // Import of the file at path (kCannotRead when it cannot be read, is no
    // regular file or is larger than kMaxFileSize; a FIFO or device is
    // refused before anything is read from it).
    SChannelCsvImport ImportFile(const std::string& path, EBadRows badRows);

  private:
    CCloneManager& m_manager;
    bool m_versionUnknown = false;
};
