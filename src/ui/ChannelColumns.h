// CChannelColumns: how the columns of the channel grid edit on screen: the
// cell editors (how a cell edits, the texts a list offers, what a text
// stores) and the answers the table model, the header sort and Set Field
// need about a column. The columns themselves (title, widths, leaf, cell
// text, sort order, roles) are the grid's one table, CChannelGrid; this
// class reads them from there.
//
// Column 0 is the row label ("CH"); the others show a channel's leaves:
// "Frequency" (marked "(!)" outside the radio's band), "Duplex", "Reverse",
// "Offset Freq.", "Name", "Tone", "RPT", "CTCSS", "DTCS" (code and polarity,
// "023N"), "PGR", "PGR CH", "Skip", "TX Power", "TX Inhibit" and, last,
// "Scrambler" ("OFF" or the code), which exists only with the scrambler
// unit.
//
// Editing: the frequency and the offset as text (digits with a decimal point
// or comma, in the leaf's range), the name (the characters a name may hold,
// stored in upper case), and every other column as a list of the texts the
// cell may show: the leaf's choices in the memory map; "DTCS" the codes with
// either polarity; "Scrambler" "OFF" and the codes. Only the frequency edits
// on a cleared channel (and makes it a channel in use); "Skip" edits only on
// memory channels.
//
// Column numbers out of range are answered as the row label is: no editor,
// no leaf, no sort, no text.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

#include "model/Z5ChannelOrder.h"
#include "views/ChannelGrid.h"

class CNode;

class CChannelColumns {
    Q_DECLARE_TR_FUNCTIONS(CChannelColumns)

  public:
    static constexpr int kCount = CChannelGrid::kColumnCount;

    enum class EEditor { None, Frequency, Name, List };

    // The columns a grid shows: all of them with the scrambler unit, else
    // the ones before "Scrambler".
    static int CountFor(bool scrambler);

    // The column's title as the screen shows it, translated.
    static QString Title(int column);
    static EEditor Editor(int column);
    // Whether the column's cell edits on a channel of area (ListArea) of a
    // radio with or without the scrambler unit; the row label never does.
    static bool EditsOn(int column, int area, bool scrambler);
    // Why it does not, in words for the user; "" when it does.
    static QString NotEditedOn(int column, int area, bool scrambler);
    // Whether typing into the column of a cleared channel puts the channel
    // in use (the frequency); no other column of a cleared channel edits.
    static bool EditsCleared(int column);
    // Whether Set Field offers the column (a field many channels share:
    // not the frequency or the name).
    static bool SetsMany(int column);
    // Whether a text of the column is a receive frequency that should lie
    // in the radio's band.
    static bool ChecksBand(int column);
    // The order a click on the column's header sorts by; none for the row
    // label.
    static std::optional<z5channel::ESortKey> SortKey(int column);

    // The text an editor of the column starts with (the frequency without
    // its band mark).
    static QString EditText(int column, const CNode& channel);
    // The texts a list column offers, in value order; empty for another
    // column.
    static QStringList Choices(int column);
    // Why the column of channel does not take text, in words for the user:
    // a frequency that is no frequency or lies outside the leaf's range, a
    // text that is not one of the list's; "" when it takes it (a name takes
    // any text).
    static QString Refusal(int column, const CNode& channel, const QString& text);
    // Whether a text the column takes says what the cell held (loaded, its
    // EditText): a frequency when it reads as the same value ("145,5" for
    // "145.50000"), other columns when the texts are equal.
    static bool IsUnchanged(int column, const CNode& channel, const QString& text,
                            const QString& loaded);
    // Stores a text the column takes into channel: a frequency that differs
    // from loaded moves down to the raster of a typed frequency, a name goes
    // in upper case, "DTCS" sets code and polarity, "Scrambler" sets whether
    // it is on and its code, other lists their leaf's choice.
    static void Write(int column, CNode& channel, const QString& text, const QString& loaded);
};
