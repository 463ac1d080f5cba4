#ifndef BRIVON_FORM1_H
#define BRIVON_FORM1_H

#include "tablewindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The sorter's window: three input boxes and a button that sorts the three
// numbers in place, smallest on top.
class Form1 : public TableWindow
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

private slots:
    void Command1_Click();

private:
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QPushButton *Command1 = nullptr;
};

#endif
