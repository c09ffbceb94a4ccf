#pragma once

#include <QMainWindow>

// The viewer's one window.
class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit TForm1(QWidget* parent = nullptr);
};
