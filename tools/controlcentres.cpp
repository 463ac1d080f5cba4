// Writes where the X tests click: the centre of each control of both
// windows, in the window's pixels at scale 1, as shell variables
// (kalumet_Command1='644 196'), from the windows' own tables.
//   controlcentres <file>

#include "form1table.h"
#include "inventory.h"
#include "twips.h"

#include <QFile>
#include <QTextStream>

namespace {

void write(QTextStream &out, const char *program, const std::vector<ControlRow> &rows)
{
    for (const ControlRow &row : rows) {
        if (row.kind == ControlKind::Line)
            continue;
        QString name = row.fullName();
        name.replace(QLatin1Char('('), QLatin1Char('_')).remove(QLatin1Char(')'));
        const QPoint centre = toPixels(row.twips).center();
        out << program << '_' << name << "='" << centre.x() << ' ' << centre.y() << "'\n";
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    QTextStream out(&file);
    out << "# The centres of the windows' controls, in pixels at scale 1: made by\n"
           "# tools/controlcentres from the windows' tables.\n";
    write(out, "kalumet", controlInventory());
    write(out, "brivon", form1::controlInventory());
    return 0;
}
