// Whole demonstrations in the window, step by step: after every step the
// window renders what the model of a demonstration has (lines and labels
// lit, captions, the memory panel, the controls), and the boxes hold the
// sorted numbers at the end. (What the steps do is the lesson's suite.)

#include "demomodel.h"
#include "driver.h"
#include "formdemo.h"

#include <QLineEdit>
#include <QtTest>

class StepEngineTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void run_data();
    void run();
    void nothingOutsideTheSteps();
};

void StepEngineTest::run_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QList<double>>("numbers"); // what the boxes read as
    QTest::addColumn<QStringList>("result");

    QTest::newRow("5,4,3: every comparison yes")
        << "C" << QStringList{"5", "4", "3"} << QList<double>{5, 4, 3} << QStringList{"3", "4", "5"};
    QTest::newRow("3,4,5: already in order")
        << "C" << QStringList{"3", "4", "5"} << QList<double>{3, 4, 5} << QStringList{"3", "4", "5"};
    QTest::newRow("ru: fractions and negatives")
        << "ru_RU" << QStringList{"-1", "0,5", "-2"} << QList<double>{-1, 0.5, -2}
        << QStringList{"-2", "-1", "0,5"};
}

void StepEngineTest::run()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, boxes);
    QFETCH(QList<double>, numbers);
    QFETCH(QStringList, result);

    QLocale::setDefault(QLocale(locale));
    FormDemo form;
    DemoModel model;
    for (int i = 0; i < 3; ++i) {
        inputBox(form, i)->setText(boxes[i]);
        model.type(i, boxes[i], numbers[i]);
    }
    PLAY(form, u"S", &model);
    for (int s = 0; form.stepCounter() != 0; ++s) {
        QVERIFY(s < 24);
        PLAY(form, u"N", &model);
    }

    // The end: idle, memory zero and hidden, the highlighting stays.
    QCOMPARE(form.stepCounter(), qint16(0));
    QCOMPARE(QStringList({form.Text1()->text(), form.Text2()->text(), form.Text3()->text()}),
             result);
}

// With the counter at 0 a step shows nothing and changes nothing.
void StepEngineTest::nothingOutsideTheSteps()
{
    FormDemo form;
    form.DemoAl();
    form.Timer1_Timer();
    QCOMPARE(differences(form, DemoModel()), QStringList());
}

QTEST_MAIN(StepEngineTest)
#include "tst_stepengine.moc"
