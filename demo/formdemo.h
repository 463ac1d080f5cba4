#pragma once

#include "drawnwindow.h"
#include "intervaltimer.h"
#include "inventory.h"
#include "lesson.h"

#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QLineEdit;
class QPushButton;
class Teacher;
class TraceTable;

// The demonstrator's one window. It shows the sort of three numbers on four
// views at once (flowchart, listing, memory panel, a picture of the sorter's
// window with live boxes and button) and walks it step by step.
//
// The lesson (lesson::Lesson) holds the program's run and what the views
// show of it; the window carries out its procedures and handlers through
// it, and renders what it shows. They keep the names and the order of
// assignments of the program they demonstrate; readers and tests follow
// them line by line.
class FormDemo : public DrawnWindow
{
    Q_OBJECT
public:
    // The automatic mode starts at `pace` milliseconds a step, the listing
    // in `language`.
    explicit FormDemo(int pace = lesson::kDefaultPace,
                      lesson::Language language = lesson::Language::VisualBasic,
                      QWidget *parent = nullptr);

    // Controls, by name; control arrays by name and zero-based index.
    Label *lbl_alg(int index) const { return m_lbl_alg.at(std::size_t(index)); }
    Label *Lbl_List(int index) const { return m_Lbl_List.at(std::size_t(index)); }

    QLineEdit *Text1() const { return m_Text1; }
    QLineEdit *Text2() const { return m_Text2; }
    QLineEdit *Text3() const { return m_Text3; }
    QPushButton *Command1() const { return m_Command1; }
    QCheckBox *Check1() const { return m_Check1; }
    QPushButton *Cmd_Preview() const { return m_Cmd_Preview; }
    QPushButton *Cmd_Next() const { return m_Cmd_Next; }
    QPushButton *Cmd_Stop() const { return m_Cmd_Stop; }
    QPushButton *Cmd_Goto() const { return m_Cmd_Goto; }
    QPushButton *Cmd_Reset() const { return m_Cmd_Reset; }
    QPushButton *Command3() const { return m_Command3; }
    IntervalTimer *Timer1() const { return m_Timer1; }

    // The lesson the window shows, and its window-level variables.
    const lesson::Lesson &lesson() const { return *m_lesson; }
    qint16 stepCounter() const { return m_lesson->run().counter; }
    VariantNumber A() const { return m_lesson->run().A; }
    VariantNumber B() const { return m_lesson->run().B; }
    VariantNumber C() const { return m_lesson->run().C; }
    double X() const { return m_lesson->run().X; }

    // The automatic mode's pace: the milliseconds between two steps, one of
    // lesson::kPaces. A new pace applies at once, also to a running timer.
    int pace() const { return m_lesson->pace(); }
    void setPace(int ms) { m_lesson->setPace(ms); }

    // The trace of the run: one row per step shown; its window, made when
    // first needed, and whether it is open.
    const std::vector<lesson::TraceRow> &trace() const { return m_lesson->trace().rows(); }
    TraceTable *traceTable();
    bool traceTableOpen() const;

    // «Проверь себя»: each comparison asks the class first.
    bool checkingYourself() const { return m_lesson->checking(); }

    // The window's procedures.
    void DemoAl();
    void alg_cls();
    void Mem_cls();
    void prog_Begin();
    void alg_caption_CLS();

    // Event handlers.
    void Check1_Click();
    void Cmd_Preview_Click();
    void Cmd_Goto_Click();
    void Cmd_Next_Click();
    void Cmd_Stop_Click();
    void Command1_Click();
    void Cmd_Reset_Click();
    void Command3_Click();
    void Form_DblClick();
    void Form_KeyPress(int keyAscii);
    void Form_Load();
    void Image3_Click();
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void Timer1_Timer();

    // The one line of the about box: the program, its version and purpose.
    static QString aboutText();

signals:
    // Emitted when the program ends at once ("Выход", the pictured close box).
    void programEnded();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void backgroundDoubleClicked() override { Form_DblClick(); }

private:
    // The window's controls from the inventory, in these steps.
    void bindMembers();
    lesson::Design design() const;
    void setKeyPreview();
    void connectHandlers();
    void guardBoxesDuringRuns();
    void endProgram();
    // Writes what the lesson shows into the labels: every caption and
    // colour of the listing and the flowchart, and the memory panel. The
    // one place that writes them.
    void render();
    // The boxes' texts as the run holds them.
    void writeBoxes();
    // "Назад" is available exactly while "Вперед" is and a step of this run
    // has been shown.
    void offerBack();
    // Refuses a start while a box doesn't hold a number: says which box and
    // why, and puts the focus in it.
    bool inputsAreNumbers();
    // The rest of a tick: DemoAl, the focus at the end of a run, what a
    // screen reader hears.
    void showStep();
    // Asks the class the lesson's question of the next step, then shows the
    // step with the answer (at once on the desktop, once the box is closed
    // in a page).
    void ask(const QString &question);
    // Shows the class's score at the end of a run.
    void showScore(const QString &score);

    lesson::Lesson *m_lesson = nullptr;
    Teacher *m_teacher = nullptr;

    std::array<Label *, formdemo::kFlowchartLabels> m_lbl_alg{};
    std::array<Label *, formdemo::kListingLines> m_Lbl_List{};
    std::array<Label *, 4> m_names{}; // Lbl_NameA to Lbl_NameX
    std::array<Label *, 4> m_cells{}; // Lbl_MemA to Lbl_MemX
    QLineEdit *m_Text1 = nullptr, *m_Text2 = nullptr, *m_Text3 = nullptr;
    QPushButton *m_Command1 = nullptr, *m_Cmd_Preview = nullptr, *m_Cmd_Next = nullptr,
                *m_Cmd_Stop = nullptr, *m_Cmd_Goto = nullptr, *m_Cmd_Reset = nullptr,
                *m_Command3 = nullptr;
    QCheckBox *m_Check1 = nullptr;
    IntervalTimer *m_Timer1 = nullptr;

    bool m_stepPressed = false; // the step comes from "Вперед", not the timer
    bool m_askedByHand = false; // and the one the class is asked about
    bool m_stepWrites = false;  // a step is running: it may write the boxes
};
