// The trace table window: its grid follows the rows and marks the changed
// values, it copies itself whole, closes by key and opens beside its owner.

#include "trace.h"
#include "tracetable.h"

#include <QAccessible>
#include <QClipboard>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTextDocument>
#include <QTextTable>
#include <QtTest>

// A step with A = 5, B = 4, C without a value and X = -2,5; the step's
// number, in binary, names the values it changed (5: A and C).
static lesson::TraceRow traceRow(int step, const QString &line)
{
    return {step, line, {QStringLiteral("5"), QStringLiteral("4"), {}, QStringLiteral("-2,5")},
            std::bitset<4>(unsigned(step)), {}};
}

static const QStringList kLines = {QStringLiteral("Private Sub Command1_Click()")};

class TraceTableTest : public QObject
{
    Q_OBJECT
private slots:
    void followsRows_data();
    void followsRows();
    void copies();
    void widthFollowsTheRun();
    void closes_data();
    void closes();
    void opensBeside_data();
    void opensBeside();
};

void TraceTableTest::followsRows_data()
{
    // a: append a row, r: remove the last, c: clear.
    QTest::addColumn<QString>("actions");
    QTest::newRow("beyond the visible rows") << QStringLiteral("aaaaaaaaaaaaaaaaaaaaaaaa");
    QTest::newRow("last removed") << QStringLiteral("aaaaaaaaaaaaaaaaaaaar");
    QTest::newRow("removed on empty") << QStringLiteral("r");
    QTest::newRow("cleared, then one") << QStringLiteral("aaaaca");
    QTest::newRow("all removed") << QStringLiteral("aarr");
}

void TraceTableTest::followsRows()
{
    QFETCH(QString, actions);
    QWidget owner;
    lesson::Trace trace;
    TraceTable table(trace, kLines, &owner);
    table.open();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    int step = 0;
    for (const QChar action : actions) {
        if (action == QLatin1Char('a')) {
            ++step;
            trace.append(traceRow(step, QStringLiteral("Строка %1").arg(step)));
        }
        if (action == QLatin1Char('r'))
            trace.dropLast();
        if (action == QLatin1Char('c'))
            trace.clear();
    }
    QTableView *grid = table.grid();
    const QAbstractItemModel *model = grid->model();
    const int count = int(trace.rows().size());
    QCOMPARE(model->rowCount(), count);
    for (int r = 0; r < count; ++r) {
        const lesson::TraceRow &row = trace.rows()[std::size_t(r)];
        QCOMPARE(model->index(r, 0).data().toString(), QString::number(row.step));
        QCOMPARE(model->index(r, 1).data().toString(), row.line);
        for (int v = 0; v < 4; ++v) {
            const QModelIndex value = model->index(r, 2 + v);
            QCOMPARE(value.data().toString(), row.values[std::size_t(v)]);
            QCOMPARE(value.data(Qt::FontRole).value<QFont>().bold(), row.changed[std::size_t(v)]);
            QCOMPARE(value.data(Qt::ForegroundRole).value<QBrush>().color() == QColor(255, 0, 0),
                     row.changed[std::size_t(v)]);
            QVERIFY(!(model->flags(value) & Qt::ItemIsEditable));
        }
    }

    // Assistive technology reads a table with its column headers.
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(grid);
    QCOMPARE(accessible->role(), QAccessible::Table);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Таблица трассировки"));
    QCOMPARE(accessible->tableInterface()->columnCount(), 7);
    QCOMPARE(accessible->tableInterface()->rowCount(), count);
    if (count == 0)
        return;
    for (int c = 0; c < 7; ++c) {
        const auto headers = accessible->tableInterface()->cellAt(0, c)->tableCellInterface()
                                 ->columnHeaderCells();
        QCOMPARE(headers.size(), 1);
        QCOMPARE(headers.first()->text(QAccessible::Name), model->headerData(c, Qt::Horizontal).toString());
        // Qt makes the header cell anew for each caller, who owns it.
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(headers.first()));
    }
    // The last row is the one selected, and in sight.
    const QModelIndexList selected = grid->selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first().row(), count - 1);
    QTRY_VERIFY(grid->viewport()->rect().contains(grid->visualRect(model->index(count - 1, 0))));
}

void TraceTableTest::copies()
{
    QWidget owner;
    lesson::Trace trace;
    TraceTable table(trace, kLines, &owner);
    trace.append(traceRow(3, QStringLiteral("If A > B & A < C Then")));
    trace.append(traceRow(8, QStringLiteral("A = B")));
    table.open();
    QVERIFY(QTest::qWaitForWindowActive(&table));
    const QString plain = QStringLiteral("Шаг\tСтрока\tA\tB\tC\tX\tУсловие\n"
                                         "3\tIf A > B & A < C Then\t5\t4\t\t-2,5\t\n"
                                         "8\tA = B\t5\t4\t\t-2,5\t\n");
    // Ctrl+C in the grid and the button copy the whole table alike.
    for (const bool byKey : {true, false}) {
        QGuiApplication::clipboard()->clear();
        byKey ? QTest::keyClick(table.grid(), Qt::Key_C, Qt::ControlModifier)
              : table.copyButton()->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), plain);
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(table.copyButton())->text(QAccessible::Name),
             QStringLiteral("Копировать"));

    const QString html = QGuiApplication::clipboard()->mimeData()->html();
    QCOMPARE(html.count(QStringLiteral("<th>")), 7);
    QCOMPARE(html.count(QStringLiteral("<td>")), 14);
    QVERIFY(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    QVERIFY(html.contains(QStringLiteral("If A &gt; B &amp; A &lt; C Then")));
    // Changed: A and B at step 3, X at step 8.
    QCOMPARE(html.count(QStringLiteral("<b>")), 3);
    QVERIFY(html.contains(QStringLiteral("<b><font color=\"#ff0000\">-2,5</font></b>")));
    QTextDocument document;
    document.setHtml(html);
    auto *parsed = qobject_cast<QTextTable *>(document.rootFrame()->childFrames().value(0));
    QVERIFY(parsed);
    QCOMPARE(parsed->columns(), 7);
    QCOMPARE(parsed->rows(), 3);
    QCOMPARE(parsed->cellAt(2, 5).firstCursorPosition().block().text(), QStringLiteral("-2,5"));
}

// A long number widens its column and the window, never beyond the
// screen; the next run takes them back to their width.
void TraceTableTest::widthFollowsTheRun()
{
    QWidget owner;
    owner.show(); // its frame the table's before it has one
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    lesson::Trace trace;
    TraceTable table(trace, kLines, &owner);
    table.open();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    const lesson::TraceRow first = traceRow(1, QStringLiteral("Private Sub Command1_Click()"));
    trace.append(first);
    const int usual = table.width();
    lesson::TraceRow row = traceRow(3, QStringLiteral("A = CDbl(Text1.Text)"));
    row.values[0] = QStringLiteral("-1,2345678901234567e+308");
    trace.append(row);
    QVERIFY2(table.width() > usual, qPrintable(QString::number(table.width())));
    row.values[1] = QString(400, QLatin1Char('9'));
    trace.append(row);
    QVERIFY(table.screen()->availableGeometry().contains(table.frameGeometry()));
    trace.clear();
    trace.append(first);
    QCOMPARE(table.width(), usual);
}

void TraceTableTest::closes_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("onButton");
    QTest::newRow("Esc in the grid") << Qt::Key_Escape << false;
    QTest::newRow("F2 in the grid") << Qt::Key_F2 << false;
    QTest::newRow("Esc on the button") << Qt::Key_Escape << true;
    QTest::newRow("F2 on the button") << Qt::Key_F2 << true;
}

void TraceTableTest::closes()
{
    QFETCH(Qt::Key, key);
    QFETCH(bool, onButton);
    QWidget owner;
    lesson::Trace trace;
    TraceTable table(trace, kLines, &owner);
    trace.append(traceRow(1, QStringLiteral("Private Sub Command1_Click()")));
    table.open();
    QVERIFY(QTest::qWaitForWindowActive(&table));
    QWidget *focused = onButton ? static_cast<QWidget *>(table.copyButton()) : table.grid();
    focused->setFocus();
    QTest::keyClick(focused, key);
    QTRY_VERIFY(!table.isVisible());
}

void TraceTableTest::opensBeside_data()
{
    // The owner's frame in shares of the screen's available area, and where
    // the table opens: r right, l left, b below, a above, or just whole on
    // the screen (s).
    QTest::addColumn<QRectF>("owner");
    QTest::addColumn<char>("side");
    QTest::newRow("room on the right") << QRectF(0, 0, 0.25, 0.5) << 'r';
    QTest::newRow("at the right edge") << QRectF(0.75, 0.1, 0.25, 0.5) << 'l';
    QTest::newRow("full width, top") << QRectF(0, 0, 1, 0.2) << 'b';
    QTest::newRow("full width, bottom") << QRectF(0, 0.8, 1, 0.2) << 'a';
    QTest::newRow("the whole screen") << QRectF(0, 0, 1, 1) << 's';
    QTest::newRow("half off the bottom right") << QRectF(0.8, 0.8, 0.5, 0.5) << 's';
}

void TraceTableTest::opensBeside()
{
    QFETCH(QRectF, owner);
    QFETCH(char, side);
    QWidget window;
    const QRect area = window.screen()->availableGeometry();
    window.setGeometry(QRectF(area.left() + owner.x() * area.width(),
                              area.top() + owner.y() * area.height(), owner.width() * area.width(),
                              owner.height() * area.height())
                           .toRect());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const lesson::Trace trace;
    TraceTable table(trace, kLines, &window);
    table.open();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    const QRect frame = table.frameGeometry();
    const QRect placed = window.frameGeometry();
    QVERIFY(area.contains(frame));
    const QPoint beside[] = {{placed.right() + 1, placed.top()},
                             {placed.left() - frame.width(), placed.top()},
                             {placed.left(), placed.bottom() + 1},
                             {placed.left(), placed.top() - frame.height()}};
    const int at = QByteArray("rlba").indexOf(side);
    if (at >= 0)
        QCOMPARE(frame.topLeft(), beside[at]);
}

QTEST_MAIN(TraceTableTest)
#include "tst_tracetable.moc"
