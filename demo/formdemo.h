#pragma once

#include "drawncontrols.h"
#include "intervaltimer.h"
#include "inventory.h"
#include "steptable.h"
#include "tablewindow.h"
#include "tracetable.h"
#include "variantnumber.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QPixmap>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;

// The demonstrator's one window. It shows the sort of three numbers on four
// views at once (flowchart, listing, memory panel, a picture of the sorter's
// window with live boxes and button) and walks it step by step.
//
// The window's procedures and handlers keep the names and the order of
// assignments of the program they demonstrate; readers and tests follow
// them line by line.
class FormDemo : public TableWindow
{
    Q_OBJECT
public:
    explicit FormDemo(QWidget *parent = nullptr);

    // Controls, by name; control arrays by name and zero-based index.
    Label *lbl_alg(int index) const { return m_lbl_alg.at(std::size_t(index)); }
    Label *Lbl_List(int index) const { return m_Lbl_List.at(std::size_t(index)); }
    // A drawn control by its full name ("Lbl_MemA", "lbl_alg(5)", "Line12").
    DrawnControl *drawn(const QString &fullName) const;
    Label *label(const QString &fullName) const;
    // Drawn controls front to back.
    const std::vector<DrawnControl *> &drawnControls() const { return m_stack; }
    // The controls a user reads or uses, in reading order (shapes and lines
    // are decoration), then what the window said last to a screen reader.
    std::vector<QObject *> readingOrder() const override;
    // The front-most label or image box at a window pixel, or null where the
    // window's own background takes the mouse.
    DrawnControl *controlAt(const QPoint &windowPixel) const;
    QObject *drawnControlAt(const QPoint &windowPixel) const override { return controlAt(windowPixel); }

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
    const QPixmap &picture() const { return m_picture; }

    // The window-level variables.
    qint16 stepCounter() const { return m_step; }
    VariantNumber A() const { return m_A; }
    VariantNumber B() const { return m_B; }
    VariantNumber C() const { return m_C; }
    double X() const { return m_X; }

    // The automatic mode's pace: the milliseconds between two steps, one of
    // kPaces. A new pace applies at once, also to a running timer.
    int pace() const { return m_pace; }
    void setPace(int ms);
    // The pace new windows start with (kalumet's --pace).
    static void setInitialPace(int ms);
    static int initialPace();

    // The trace table of the run: one row per step shown. Its window,
    // made when first needed, and whether it is open.
    const std::vector<TraceRow> &trace() const { return m_traceRows; }
    TraceTable *traceTable();
    bool traceTableOpen() const;
    void toggleTraceTable();

    // «Проверь себя»: each comparison asks the class first.
    bool checkingYourself() const { return m_quiz; }
    void setCheckingYourself(bool on);

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
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The window's controls from the inventory, in these steps.
    void createControls();
    DrawnControl *makeDrawn(const ControlRow &row);
    void stackDrawnControls();
    void bindMembers();
    void setKeyPreview();
    void connectHandlers();
    void guardBoxesDuringRuns();
    void endProgram();
    // The displays alone, as alg_cls clears them: Mem_cls without the
    // memory, and the rest of alg_cls.
    void clearMemoryPanel();
    void clearHighlightAndCaptions();
    // All that a step changes, as the window shows and holds it: each
    // label's caption, colour and visibility, the boxes' texts, the memory
    // and the step counter. Taken before each step, to tell what the step
    // changed, and to go back to ("Назад").
    struct State
    {
        struct Caption
        {
            QString text;
            Colour fore;
            bool visible = false;
        };
        std::vector<Caption> labels; // in the order of m_labels
        std::array<QString, 3> boxes; // the texts of Text1 to Text3
        VariantNumber A, B, C;
        double X = 0;
        qint16 step = 0;
        QString said; // what a screen reader was told of the step shown from here
    };
    State state() const;
    void restore(const State &state);
    const State::Caption &captionOf(const State &state, const Label *label) const;
    // What a screen reader is told of a step, in full: its number and
    // listing line, the flowchart blocks it lit with their captions, what
    // changed in memory, the number it wrote into a box.
    QString stepReport(qint16 step, const State &before) const;
    // Tells a screen reader of the step just shown, as the pace allows.
    void announceStep(qint16 step, const QString &report);
    // "Назад" is available exactly while "Вперед" is and a step of this run
    // has been shown.
    void offerBack();
    // Refuses a start while a box doesn't hold a number: says which box and
    // why, and puts the focus in it.
    bool inputsAreNumbers();
    // The kinds of step: DemoAl's helpers.
    using Variable = steptable::Variable;
    VariantNumber valueOf(Variable variable) const;
    void store(Variable variable, const VariantNumber &value);
    Label *cellOf(Variable variable) const;
    QLineEdit *box(int index) const;
    void read(Variable variable, const QLineEdit *box, Label *cell);
    void compare(Label *caption, const VariantNumber &left, const VariantNumber &right,
                 int noLabel, int noStep);
    void assign(Variable variable, const VariantNumber &value, Label *cell, int label,
                const char *name);
    void write(QLineEdit *box, const VariantNumber &value);

    // The keys of a teacher's remote and of the pace, F2 and F3, as they
    // go to a control or the window; true when the key was used.
    bool teacherKey(QObject *to, const QKeyEvent *key);
    // The class's answer to a question of «Проверь себя», and whether it
    // was right.
    enum class Answer { NotAsked, Refused, Yes, No };
    enum class Verdict { None, Right, Wrong };
    // The step just shown as a row of the trace table, and the verdict on
    // the class's answer.
    TraceRow traceRow(qint16 step, Answer answer, Verdict *verdict) const;
    // Asks the class whether the comparison of step `step` answers yes,
    // then calls `then` with the answer (at once on the desktop, once the
    // box is closed in a page).
    void ask(qint16 step, const std::function<void(Answer)> &then);
    // The trace of the run, and its window where it is made.
    void appendTrace(const TraceRow &row, Verdict verdict);
    void dropLastTraceRow();
    void clearTrace();
    // Shows and says the class's score at the end of a run.
    void tellScore();
    // The rest of a tick, once the class has answered.
    void showStep(Answer answer);

    std::array<Label *, formdemo::kFlowchartLabels> m_lbl_alg{};
    std::array<Label *, formdemo::kListingLines> m_Lbl_List{};
    // The captions alg_caption_CLS restores, by flowchart label.
    std::array<std::optional<QString>, formdemo::kFlowchartLabels> m_restoredCaptions;
    Label *m_Lbl_NameA = nullptr, *m_Lbl_NameB = nullptr, *m_Lbl_NameC = nullptr,
          *m_Lbl_NameX = nullptr;
    Label *m_Lbl_MemA = nullptr, *m_Lbl_MemB = nullptr, *m_Lbl_MemC = nullptr,
          *m_Lbl_MemX = nullptr;
    QLineEdit *m_Text1 = nullptr, *m_Text2 = nullptr, *m_Text3 = nullptr;
    QPushButton *m_Command1 = nullptr, *m_Cmd_Preview = nullptr, *m_Cmd_Next = nullptr,
                *m_Cmd_Stop = nullptr, *m_Cmd_Goto = nullptr, *m_Cmd_Reset = nullptr,
                *m_Command3 = nullptr;
    QCheckBox *m_Check1 = nullptr;
    IntervalTimer *m_Timer1 = nullptr;
    QPixmap m_picture;
    std::vector<DrawnControl *> m_stack; // front to back
    std::vector<Label *> m_labels;       // every label, in the table's order
    QHash<const Label *, std::size_t> m_labelIndex;
    DrawnControl *m_pressed = nullptr;   // where the left button went down
    // The window before each step of this run that was shown, the last one
    // on top: what "Назад" goes back to.
    std::vector<State> m_back;
    bool m_stepPressed = false;      // the step comes from "Вперед", not the timer
    bool m_sayInFull = false;        // the next step is told in full
    QDeadlineTimer m_quietUntil;     // no step is told before (a long one still speaks)
    int m_pace = formdemo::kStepIntervalMs;
    bool m_quiz = false;             // «Проверь себя»
    bool m_asking = false;           // a question is open: no other step starts
    TraceTable *m_trace = nullptr;   // made when first needed
    std::vector<TraceRow> m_traceRows; // the run so far, open or not
    std::vector<Verdict> m_verdicts;   // per row: the class's answer, where it was asked

    // The window-level variables: the step counter (0 idle, 1 to 24 the next
    // step to show) and the memory of the demonstrated program.
    qint16 m_step = 0;
    VariantNumber m_A, m_B, m_C;
    double m_X = 0;

    bool m_stepWrites = false; // a step is running: it may write the boxes
};
