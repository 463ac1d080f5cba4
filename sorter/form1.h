#ifndef BRIVON_FORM1_H
#define BRIVON_FORM1_H

#include <QFont>
#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

// The sorter's window: three input boxes and a button that sorts the three
// numbers in place, smallest on top.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void Command1_Click();

private:
    // The window's controls from its table, in these steps.
    std::vector<QWidget *> makeControls();
    template <typename T> T *namedControl(const QString &name) const;
    void bindMembers();
    void setTabOrderAndFocus(const std::vector<QWidget *> &made);
    void nameBoxesByTheirLabels();

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QPushButton *Command1 = nullptr;
};

#endif
