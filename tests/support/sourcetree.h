#pragma once

#include <QString>

// A file of the project's source tree, by its path from the top.
QString sourcePath(const QString &relative);
