#include "tracetable.h"

#include "classicfont.h"
#include "colour.h"
#include "trace.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

enum Column {
    StepColumn,
    LineColumn,
    FirstValueColumn, // A, B, C, X
    ConditionColumn = FirstValueColumn + 4,
    Columns
};

constexpr int kVisibleRows = 15;

// The table with the size it is planned at (TraceTable::clientSize()).
class Grid : public QTableView
{
public:
    using QTableView::QTableView;
    QSize plannedSize;
    QSize sizeHint() const override
    {
        return plannedSize.isValid() ? plannedSize : QTableView::sizeHint();
    }
};

// A selected cell keeps the colour of a changed value, on a pale selection
// that both red and black stand out on. In a scaled window a changed value
// is drawn twice, a stroke apart, as the window's bold labels are: the
// Tahoma Bold file is bold only in its bitmaps of the unscaled size.
class ChangedValues : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const qreal scale = painter->device()->devicePixelRatioF();
        if (scale == 1.0 || !index.data(Qt::FontRole).value<QFont>().bold()
            || classicFamily(FontRole::Bold).isEmpty())
            return;
        // The text alone once more, without background, selection or focus.
        QStyleOptionViewItem text = option;
        initStyleOption(&text, index);
        text.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        text.backgroundBrush = Qt::NoBrush;
        text.rect.translate(qRound(std::max(1.0, std::floor(scale))) / scale, 0);
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &text, painter, widget);
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QVariant foreground = index.data(Qt::ForegroundRole);
        if (foreground.canConvert<QBrush>())
            option->palette.setBrush(QPalette::HighlightedText, foreground.value<QBrush>());
    }
};

// A cell's text on one line of the tab-separated copy.
QString plainCell(QString text)
{
    return text.replace(QLatin1Char('\t'), QLatin1Char(' '))
        .replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// The trace as the table's model: a row a step, read from the trace as
// it is. The rows it has told the view of follow the trace's signals.
class TraceModel : public QAbstractTableModel
{
public:
    TraceModel(const lesson::Trace &trace, QObject *parent) : QAbstractTableModel(parent), m_trace(trace)
    {
        m_shown = int(trace.rows().size());
        connect(&trace, &lesson::Trace::appended, this, [this] {
            beginInsertRows({}, m_shown, m_shown);
            ++m_shown;
            endInsertRows();
        });
        connect(&trace, &lesson::Trace::droppedLast, this, [this] {
            beginRemoveRows({}, m_shown - 1, m_shown - 1);
            --m_shown;
            endRemoveRows();
        });
        connect(&trace, &lesson::Trace::reset, this, [this] {
            beginResetModel();
            m_shown = int(m_trace.rows().size());
            endResetModel();
        });
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : m_shown; }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : Columns; }
    Qt::ItemFlags flags(const QModelIndex &) const override
    {
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Columns)
            return QAbstractTableModel::headerData(section, orientation, role);
        return header()[std::size_t(section)];
    }

    static QStringList header()
    {
        return {TraceTable::tr("Шаг"), TraceTable::tr("Строка"), QStringLiteral("A"), QStringLiteral("B"),
                QStringLiteral("C"), QStringLiteral("X"), TraceTable::tr("Условие")};
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= int(m_trace.rows().size()))
            return {};
        const lesson::TraceRow &row = m_trace.rows()[std::size_t(index.row())];
        const int column = index.column();
        const bool value = column >= FirstValueColumn && column < ConditionColumn;
        const bool changed = value && row.changed[std::size_t(column - FirstValueColumn)];
        switch (role) {
        case Qt::DisplayRole:
            return text(row, column);
        case Qt::TextAlignmentRole:
            return int((column == LineColumn || column == ConditionColumn ? Qt::AlignLeft : Qt::AlignRight)
                       | Qt::AlignVCenter);
        case Qt::FontRole:
            return changed ? QVariant(classicFont(FontRole::Bold)) : QVariant();
        case Qt::ForegroundRole:
            return changed ? QVariant(QBrush(kHighlight.resolve(QPalette()))) : QVariant();
        case Qt::AccessibleDescriptionRole:
            return changed ? QVariant(TraceTable::tr("новое значение")) : QVariant();
        default:
            return {};
        }
    }

    static QString text(const lesson::TraceRow &row, int column)
    {
        switch (column) {
        case StepColumn: return QString::number(row.step);
        case LineColumn: return row.line;
        case ConditionColumn: return row.condition;
        default: return row.values[std::size_t(column - FirstValueColumn)];
        }
    }

private:
    const lesson::Trace &m_trace;
    int m_shown = 0;
};

} // namespace

TraceTable::TraceTable(const lesson::Trace &trace, const QStringList &lines, QWidget *owner)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint),
      m_trace(trace)
{
    setWindowTitle(tr("Таблица трассировки"));
    // The standard colour scheme and the classic face, as in the window
    // that owns it, whatever the desktop's theme.
    setPalette(style()->standardPalette());
    setFont(classicFont(FontRole::Text));

    auto *grid = new Grid(this);
    m_grid = grid;
    auto *model = new TraceModel(trace, m_grid);
    m_grid->setModel(model);
    m_grid->setAccessibleName(windowTitle());
    m_grid->verticalHeader()->hide(); // the step column numbers the rows
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setWordWrap(false);
    m_grid->setItemDelegate(new ChangedValues(m_grid));
    QPalette gridPalette = m_grid->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        gridPalette.setColor(group, QPalette::Highlight, QColor(204, 232, 255));
        gridPalette.setColor(group, QPalette::HighlightedText, gridPalette.color(QPalette::Text));
    }
    m_grid->setPalette(gridPalette);

    const QFontMetrics text(font());
    const QFontMetrics bold(classicFont(FontRole::Bold));
    m_grid->verticalHeader()->setDefaultSectionSize(std::max(text.height(), bold.height()) + 6);

    // The listing's column takes what room the others leave (fitLine());
    // they are as wide as their header or their texts in the run shown
    // (fitColumns()).
    QHeaderView *header = m_grid->horizontalHeader();
    m_grid->viewport()->installEventFilter(this);
    const int margins =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_grid) + 1) + 4;
    const auto plan = [&](int column, const QString &sample) {
        return std::max(header->sectionSizeHint(column) + 4, bold.horizontalAdvance(sample) + margins);
    };
    QString widest;
    for (const QString &line : lines)
        if (text.horizontalAdvance(line) > text.horizontalAdvance(widest))
            widest = line;
    m_planned = {plan(StepColumn, QStringLiteral("24")), plan(LineColumn, QString())};
    m_lineWidth = plan(LineColumn, widest);
    for (int c = FirstValueColumn; c < ConditionColumn; ++c)
        m_planned.push_back(plan(c, QString()));
    m_planned.push_back(plan(ConditionColumn, QString())); // «Да» and «Нет» are narrower than the header
    for (int c = 0; c < Columns; ++c)
        m_grid->setColumnWidth(c, c == LineColumn ? m_lineWidth : m_planned[std::size_t(c)]);

    m_copy = new QPushButton(tr("Копировать"), this);
    m_copy->setAutoDefault(false); // Enter in the table copies nothing
    connect(m_copy, &QPushButton::clicked, this, &TraceTable::copy);
    // Ctrl+C copies the whole table wherever the focus is in the window,
    // not just the current cell as the table itself would.
    auto *copyAction = new QAction(this);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copyAction, &QAction::triggered, this, &TraceTable::copy);
    addAction(copyAction);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_copy);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(buttons);
    resize(clientSize(kVisibleRows, m_lineWidth));

    // A row shown anew: the last one selected and in sight, and a column
    // its texts have outgrown widened.
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] {
        fitColumns();
        showLast();
    });
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TraceTable::showLast);
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        fitColumns();
        showLast();
    });
    fitColumns();
    showLast();
}

// A long number or answer widens its column, and the window with it as far
// as the screen allows, so that the listing's lines stay whole; a new run
// takes them back to their width before any row.
void TraceTable::fitColumns()
{
    const QFontMetrics text(font());
    const QFontMetrics bold(classicFont(FontRole::Bold));
    const int margins =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_grid) + 1) + 4;
    std::vector<int> widths = m_planned;
    for (const lesson::TraceRow &row : m_trace.rows())
        for (int c = FirstValueColumn; c <= ConditionColumn; ++c) {
            const QString shown = TraceModel::text(row, c);
            const int needs = (c == ConditionColumn ? text : bold).horizontalAdvance(shown) + margins;
            widths[std::size_t(c)] = std::max(widths[std::size_t(c)], needs);
        }
    bool changed = false;
    for (int c = 0; c < Columns; ++c)
        if (c != LineColumn && m_grid->columnWidth(c) != widths[std::size_t(c)]) {
            m_grid->setColumnWidth(c, widths[std::size_t(c)]);
            changed = true;
        }
    if (!changed)
        return;
    fitLine();
    if (!screen())
        return;
    const QRect area = screen()->availableGeometry();
    const QMargins frame = frameMargins();
    resize(std::min(clientSize(kVisibleRows, m_lineWidth).width(),
                    area.width() - frame.left() - frame.right()),
           height());
    if (isVisible() && frameGeometry().right() > area.right())
        move(std::max(area.left(), area.right() + 1 - frameGeometry().width()), pos().y());
}

int TraceTable::otherColumnsWidth() const
{
    int width = 0;
    for (int c = 0; c < Columns; ++c)
        if (c != LineColumn)
            width += m_grid->columnWidth(c);
    return width;
}

QSize TraceTable::clientSize(int rows, int lineWidth) const
{
    const int width = lineWidth + otherColumnsWidth();
    const int frame = 2 * m_grid->frameWidth();
    auto *grid = static_cast<Grid *>(m_grid);
    const QSize gridSize(width + frame + m_grid->verticalScrollBar()->sizeHint().width(),
                         m_grid->horizontalHeader()->sizeHint().height() + frame
                             + rows * m_grid->verticalHeader()->defaultSectionSize());
    // What the layout adds around the grid: its margins, the button's row.
    const QSize planned = grid->plannedSize;
    grid->plannedSize = gridSize;
    grid->updateGeometry(); // the layout asks the grid anew
    layout()->invalidate();
    const QSize whole = layout()->totalSizeHint();
    grid->plannedSize = planned;
    grid->updateGeometry();
    layout()->invalidate();
    return whole;
}

QMargins TraceTable::frameMargins() const
{
    const QWidget *framed = isVisible() || !parentWidget() ? this : parentWidget()->window();
    const QRect frame = framed->frameGeometry(), client = framed->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

void TraceTable::fitLine()
{
    m_grid->setColumnWidth(LineColumn, std::max(m_planned[LineColumn],
                                                m_grid->viewport()->width() - otherColumnsWidth()));
}

bool TraceTable::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid->viewport() && event->type() == QEvent::Resize)
        fitLine();
    return QDialog::eventFilter(watched, event);
}

void TraceTable::showLast()
{
    const int last = m_grid->model()->rowCount() - 1;
    if (last < 0)
        return;
    const QModelIndex index = m_grid->model()->index(last, StepColumn);
    m_grid->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_grid->scrollTo(index);
}

QRect placeTable(const QRect &area, const QRect &owner, const QRect &spare, QSize wanted,
                 QSize least)
{
    // The room on each side, in the order tried, and where on it the table
    // stands: by the owner's top beside it, by its left below and above.
    struct Side
    {
        QRect room;
        bool beside;
    };
    const Side sides[] = {
        {QRect(QPoint(owner.right() + 1, area.top()), area.bottomRight()), true},
        {QRect(area.topLeft(), QPoint(owner.left() - 1, area.bottom())), true},
        {QRect(QPoint(area.left(), owner.bottom() + 1), area.bottomRight()), false},
        {QRect(area.topLeft(), QPoint(area.right(), owner.top() - 1)), false},
    };
    const auto within = [](QRect r, const QRect &room) {
        r.moveLeft(std::max(room.left(), std::min(r.left(), room.right() + 1 - r.width())));
        r.moveTop(std::max(room.top(), std::min(r.top(), room.bottom() + 1 - r.height())));
        return r;
    };
    for (const Side &side : sides) {
        const QRect room = side.room.intersected(area);
        if (room.width() < least.width() || room.height() < least.height())
            continue;
        QRect at(QPoint(), wanted.boundedTo(room.size()));
        at.moveTopLeft(side.beside ? QPoint(room.left(), owner.top())
                                   : QPoint(owner.left(), room.top()));
        if (side.beside && room.right() < owner.left())
            at.moveRight(room.right()); // by the owner's left edge
        if (!side.beside && room.bottom() < owner.top())
            at.moveBottom(room.bottom()); // by the owner's top edge
        return within(at, room);
    }
    // No side has room: over the part of the owner it may cover, and no
    // more of it; where it may cover none, as small as a useful table is.
    const QRect over = spare.intersected(area);
    if (over.isEmpty())
        return within(QRect(owner.topLeft(), least.boundedTo(area.size())), area);
    return QRect(over.topLeft(), wanted.boundedTo(over.size()));
}

// The demonstrator's window keeps the keyboard: the teacher's remote goes
// on stepping while the table is open.
void TraceTable::open()
{
    if (isVisible()) {
        raise();
        return;
    }
    QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen *screen = owner ? owner->screen() : this->screen();
    if (owner && screen) {
        const QRect area = screen->availableGeometry();
        const QMargins frame = frameMargins();
        const QSize outside(frame.left() + frame.right(), frame.top() + frame.bottom());
        // What it covers: reaching the owner's right edge, on to the screen's.
        QRect spare(owner->mapToGlobal(m_coverable.topLeft()), m_coverable.size());
        if (m_coverable.right() >= owner->width() - 1 && !m_coverable.isEmpty())
            spare.setRight(area.right());
        // At least its header, five rows and «Копировать», the listing's
        // column half as wide as its widest line.
        const QRect placed = placeTable(area, owner->frameGeometry(), spare,
                                        clientSize(kVisibleRows, m_lineWidth) + outside,
                                        clientSize(5, std::max(m_planned[LineColumn], m_lineWidth / 2))
                                            + outside);
        resize(placed.size() - outside);
        move(placed.topLeft());
    }
    setAttribute(Qt::WA_ShowWithoutActivating);
    show();
}

QMimeData *TraceTable::mimeData() const
{
    const QStringList header = TraceModel::header();

    QString plain = header.join(QLatin1Char('\t')) + QLatin1Char('\n');
    // The fragment markers tell a Windows clipboard reader where the table
    // is; elsewhere they are comments.
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                                  "<body><!--StartFragment--><table border=\"1\" cellspacing=\"0\" "
                                  "cellpadding=\"2\">\n<tr>")
                       .arg(windowTitle().toHtmlEscaped());
    for (const QString &title : header)
        html += QStringLiteral("<th>%1</th>").arg(title.toHtmlEscaped());
    html += QStringLiteral("</tr>\n");

    for (const lesson::TraceRow &row : m_trace.rows()) {
        QStringList cells{QString::number(row.step), row.line};
        QStringList htmlCells{cells[0], row.line.toHtmlEscaped()};
        for (std::size_t i = 0; i < row.values.size(); ++i) {
            cells << row.values[i];
            const QString value = row.values[i].toHtmlEscaped();
            // Bold and red, as the table shows it, in word processors and
            // spreadsheets alike.
            htmlCells << (row.changed[i] ? QStringLiteral("<b><font color=\"#ff0000\">%1</font></b>").arg(value)
                                         : value);
        }
        cells << row.condition;
        htmlCells << row.condition.toHtmlEscaped();

        for (QString &cell : cells)
            cell = plainCell(cell);
        plain += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
        html += QStringLiteral("<tr><td>") + htmlCells.join(QStringLiteral("</td><td>"))
                + QStringLiteral("</td></tr>\n");
    }
    html += QStringLiteral("</table><!--EndFragment--></body></html>\n");

    auto *data = new QMimeData;
    data->setHtml(html);
    data->setText(plain);
    return data;
}

void TraceTable::copy() const
{
    QGuiApplication::clipboard()->setMimeData(mimeData());
}

void TraceTable::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Escape || event->key() == Qt::Key_F2)
        && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}
