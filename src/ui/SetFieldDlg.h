// CSetFieldDlg: the window of Edit > Set Field...: one field of the channel
// grid ("Field", a column of CChannelColumns) and the value every selected
// channel is to take ("Value", the editor a cell of that column has: a
// line for the offset, a list for the others). The value starts as the
// first selected channel has it and changes with the field.
//
// OK takes a value the field takes; one it refuses (an offset that is no
// frequency) keeps the window open with the value marked and the reason
// under it ("SetFieldProblem"). Storing the value is the caller's part.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QVBoxLayout;

class CSetFieldDlg : public QDialog {
    Q_OBJECT
  public:
    // The text a field's value starts with.
    using StartText = std::function<QString(int column)>;
    // Why a field refuses a value ("" when it takes it).
    using Refusal = std::function<QString(int column, const QString& text)>;

    // columns: the fields offered (columns of CChannelColumns, at least
    // one); column: the one chosen at first (the first offered when it is
    // not offered); channels: how many channels the value goes to.
    CSetFieldDlg(std::vector<int> columns, int column, int channels, StartText startText,
                 Refusal refusal, QWidget* parent = nullptr);
    ~CSetFieldDlg() override;

    // The field and the value chosen.
    int Column() const;
    QString Text() const;

  public slots:
    void accept() override;

  private:
    void ShowValueOf(int column);

    const std::vector<int> m_columns;
    const StartText m_startText;
    const Refusal m_refusal;
    QComboBox* m_field = nullptr;
    QWidget* m_value = nullptr;
    QVBoxLayout* m_valuePlace = nullptr;
    QLabel* m_problem = nullptr;
};
