#pragma once

#include "program.h"
#include "variantnumber.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// A run of the demonstrated program and what the window shows of it, as
// values, and one step carried out on them.
namespace lesson {

// The program's state: the step counter (0 idle, 1 to 24 the next step to
// show), the memory, and the texts of the input boxes as the run reads and
// writes them.
struct Run
{
    qint16 counter = 0;
    VariantNumber A, B, C;
    double X = 0;
    std::array<QString, kBoxes> boxes;

    // A, B and C as they are; X as the double it is.
    VariantNumber value(Variable variable) const;
    void store(Variable variable, const VariantNumber &value);
};

// What the four views show of the program, but for the boxes: each listing
// line and flowchart block with its caption, lit or not, and the memory
// panel.
struct Display
{
    struct Caption
    {
        QString text;
        bool lit = false;
        bool operator==(const Caption &other) const { return text == other.text && lit == other.lit; }
    };
    std::array<Caption, kSteps> listing;
    std::array<Caption, kBlocks> flowchart;
    // The memory panel: the names A, B, C and X with the value cells beside
    // them, all shown or all hidden; the value cells' captions.
    bool memoryShown = false;
    std::array<QString, 4> memory;

    bool operator==(const Display &other) const
    {
        return listing == other.listing && flowchart == other.flowchart
               && memoryShown == other.memoryShown && memory == other.memory;
    }
};

// What one step showed and did.
struct StepResult
{
    int step = 0;            // its number, 1 to 24
    int line = -1;           // the listing line lit
    QString lineText;        // as it is quoted: quoted()
    // The flowchart blocks lit, with their captions as the step left them:
    // the step's own, then the «Нет» of a comparison that answered no.
    std::array<int, 3> blocks{-1, -1, -1};
    QStringList blockCaptions;
    Variable assigned = None; // the variable given a value (read or assigned)
    QString value;            // its value, as the memory panel writes it
    // The memory panel: shown after the step, and whether the step's value
    // changed a caption on it.
    bool memoryShown = false;
    bool memoryChanged = false;
    bool declared = false;    // the step showed the memory panel
    bool cleared = false;     // the step cleared a memory panel that showed
    int box = -1;             // the input box written, 0 to 2
    QString boxText;          // what was written into it
    std::optional<bool> yes;  // a comparison's answer
    bool ended = false;       // the run is over
};

// A listing line as the trace, the questions and a screen reader quote it:
// without the indentation that shows where it stands.
QString quoted(const QString &line);

// Carries out the step the run's counter names (1 to 24) on the run and on
// what the window shows, as the program does: lights the step's line and
// blocks, does what its line does, writes the values into the captions and
// the memory panel, and moves the counter on (by 4 where a comparison
// answers no; to 0 at the end, where the memory is cleared). With the
// counter outside 1 to 24 it changes nothing.
StepResult perform(Run &run, Display &display);

// The memory zero and the panel hidden and empty (Mem_cls).
void clearMemory(Run &run, Display &display);
// The panel alone hidden and emptied; the memory stays.
void clearPanel(Display &display);
// The listing and the flowchart unlit.
void clearHighlight(Display &display);
// The flowchart's captions restored where `restored` gives one.
void restoreCaptions(Display &display, const std::array<std::optional<QString>, kBlocks> &restored);

} // namespace lesson
