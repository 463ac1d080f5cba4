#pragma once

#include <QStringList>

class FormDemo;

// Everything about the demonstrator window that a user or the step engine
// can change, one line per item, so that a difference between two
// snapshots reads as the lines that differ: every label's caption, colour
// and visibility, every widget's availability, the check mark and the box
// texts, the timer, the step counter and the memory with its types.
QStringList snapshot(const FormDemo &form);
