// CZ5ChListSheet: the grid of one channel area of the QM-Z5 (memory
// channels, program scan edges or the call channel). Every cell is read from
// the channel's nodes (MCH.CH12.FreqRx and so on) of the active document:
// a cleared channel shows only its row label, a receive frequency outside the
// radio's band is marked "(!)", and the "Scrambler" column exists only when
// the radio has the scrambler unit.
#pragma once

#include <string>

#include "ui/ListSheet.h"

class CNode;

class CZ5ChListSheet : public CListSheet {
    Q_OBJECT
  public:
    // A sheet of the given area (kAreaMemory, kAreaScanEdge or kAreaCall).
    CZ5ChListSheet(int area, CListSheetHost& host, CSettingsStore& settings,
                   QWidget* parent = nullptr);
    ~CZ5ChListSheet() override;

    // The definition shared by the three sheets.
    static const ListSheetDef& Definition();
    // The number of rows of an area (100, 6, 1), 0 for another number.
    static int RowsOfArea(int area);
    // The columns the sheets show: 16 with the scrambler unit, else 15.
    static int ColumnsFor(bool scrambler);

    int GetArea() const { return m_area; }

    // The row's label ("00".."99", "1A".."3B", "00").
    QString RowLabel(int row) const;
    // The dotted path of the row's channel node ("MCH.CH12").
    std::string ChannelPath(int row) const;

    // True when a receive frequency (Hz) is allowed for the model version,
    // with or without the receive range extension unit.
    static bool IsInBand(long long hertz, int version, bool rxExpansion);

    void RefreshRow(int row) override;

  private:
    const int m_area;
};
