#ifndef BRIVON_FORM1_H
#define BRIVON_FORM1_H

#include <QFont>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// The font of the sorter's window, taken from the font file `fontFile`
// ("MS Sans Serif"), or the application's font when the file cannot be
// loaded; 11 pixels either way.
QFont sorterWindowFont(const QString &fontFile);

// The sorter's window: three input boxes and a button that sorts the three
// numbers in place, smallest on top.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

private slots:
    void Command1_Click();

private:
    bool readBox(QLineEdit *box, const QLabel *label, double &value);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QPushButton *Command1 = nullptr;
};

#endif
