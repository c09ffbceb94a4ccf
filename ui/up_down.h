#pragma once

// A spin made of an edit and a pair of arrow buttons beside it, as on Windows: the position is a
// whole number from its minimum to its maximum, shown in the edit. The arrows and the up and down
// keys in the edit step it by one and stop at the ends. A text typed into the edit becomes the
// position when the position is next read and the text is a whole number in range; otherwise the
// position keeps its value and the edit keeps the text.

#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

namespace trend {

class TUpDown : public QWidget {
    Q_OBJECT

  public:
    TUpDown(QLineEdit* associate, int minimum, int maximum, QWidget* parent = nullptr);

    // Reads the edit's text first, as the position is read whenever it is used.
    [[nodiscard]] int Position();
    void SetPosition(int position);

    [[nodiscard]] QToolButton* UpButton() const { return up_; }
    [[nodiscard]] QToolButton* DownButton() const { return down_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Step(int delta);

    QLineEdit* associate_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_;
    int maximum_;
    int position_;
};

}  // namespace trend
