// CZ5ChEditDlg: the modal dialog "Edit Memory" (window "163") that edits
// every field of one channel of the active document's tree. Each control is
// named by its resource number: frequency "1053", offset "1066", duplex
// "1055" and reverse "1078", name "1058" (5 characters, those a name may
// hold, stored in upper case), tone mode "1088"-"1091" with the tone
// "1063", tone squelch "1072", DTCS code "1073" and polarity "1074", pager
// mode "1080", "1081", "1083" with its memory "1065", skip "1075", low power
// "1076", transmit inhibit "1077", scrambler "1085", "1086" with its code
// "1067"; labels and group boxes "1112"-"1121".
//
// Opening the dialog on a cleared channel writes the fresh-channel values
// into its leaves at once (the channel stays cleared until OK with a
// frequency). Field controls are enabled only while a frequency is typed,
// except on the call channel; "Skip" only on memory channels; the
// scrambler's controls exist only with the scrambler unit.
//
// OK stores every field (see accept()) and closes with Accepted; marking the
// document modified is the caller's part. A frequency text the user did not
// change keeps the channel's frequency exactly (a 6.25 kHz channel read from
// the radio stays where it is); a changed one is moved down to the raster of
// a typed frequency. The frequency and the offset take a point or a comma
// as the decimal mark; a text that is no frequency in the radio's range is
// refused: the window stays open, the field has the focus with its text
// marked, and the reason shows above the buttons (label "FieldProblem").
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <string>

class CNode;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class CZ5ChEditDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kResourceId = 163;
    static constexpr const char* kProblemName = "FieldProblem";

    // channelPath: the channel node ("MCH.CH12"); area: its ListArea (1
    // memory, 2 program scan edge, 3 call); scrambler: the scrambler unit is
    // fitted.
    CZ5ChEditDlg(std::string channelPath, int area, bool scrambler, QWidget* parent = nullptr);
    ~CZ5ChEditDlg() override;

  public slots:
    // Stores the fields: "Clear" (off when a frequency is typed or on the
    // call channel), the frequencies, duplex, reverse, the name in upper
    // case, tone settings, pager settings, skip, power, inhibit, scrambler
    // and its code ("00" becomes "01"); then closes with Accepted.
    void accept() override;

  private:
    QWidget* MakeFrequencyGroup();
    QWidget* MakeToneGroup();
    QWidget* MakePagerGroup();
    QWidget* MakeOptionsGroup();
    QWidget* MakeScramblerGroup();
    QComboBox* MakeChoiceList(int id);
    QCheckBox* MakeCheckBox(int id, const QString& text);
    QLabel* MakeLabel(int id, const QString& text, QWidget* field);

    void LoadControls();
    void ApplyEnablingRule();
    void ApplyOptionRule();
    void SetControlsEnabled(std::initializer_list<int> ids, bool enabled);
    void Refuse(QLineEdit& edit, const QString& reason);
    bool HasFrequency() const;

    const std::string m_path;
    const int m_area;
    const bool m_scrambler;
    CNode* m_channel;
    QString m_loadedFreqRx;
    QString m_loadedFreqOw;

    QLineEdit* m_freqRx = nullptr;
    QLineEdit* m_freqOw = nullptr;
    QLineEdit* m_name = nullptr;
    QLabel* m_problem = nullptr;
    std::array<QRadioButton*, 4> m_toneSet{};
    std::array<QRadioButton*, 3> m_aniSet{};
    std::array<QRadioButton*, 2> m_scrmSet{};
};
