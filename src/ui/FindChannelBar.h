// CFindChannelBar: the find bar below the channel grid (Edit > Find...,
// Ctrl+F): a line for a part of a channel name or the start of a frequency
// in MHz ("145.5"), Previous and Next, and a line that says what happened.
// Typing finds from the selected row on; Enter and F3 find the next match,
// Shift+Enter and Shift+F3 the one before, wrapping around the end; Escape
// closes the bar and gives the grid the keyboard. Tab goes round the bar's
// controls. While the bar has the keyboard, the window's commands that act
// on the rows leave its keys to it (see the main frame). A match is
// selected and scrolled into view in the grid the sheet source answers (the
// shown one); when nothing matches the bar says so and the selection stays.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

class CListSheet;
class QLabel;
class QLineEdit;

class CFindChannelBar : public QWidget {
    Q_OBJECT
  public:
    using SheetSource = std::function<CListSheet*()>;

    // Starts hidden.
    explicit CFindChannelBar(SheetSource sheets, QWidget* parent = nullptr);
    ~CFindChannelBar() override;

    // Shows the bar with its text selected and the keyboard in it.
    void Open();
    // Hides the bar; the grid gets the keyboard.
    void Close();

    // Finds the next match after the selected row (step +1) or the one
    // before it (-1); with no text to find it opens the bar. False when
    // nothing matches (or there is no grid).
    bool FindNext(int step);

    QString Text() const;
    void SetText(const QString& text);
    // What the bar says now ("" after a plain find).
    QString Message() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Shift+Tab go round the bar's own controls.
    bool focusNextPrevChild(bool next) override;

  private:
    bool Find(int start, int step);

    SheetSource m_sheets;
    QLineEdit* m_text;
    QLabel* m_message;
    // The controls in their Tab order.
    std::vector<QWidget*> m_stops;
};
