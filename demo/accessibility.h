#pragma once

// Makes the window's controls visible to assistive technology as children
// of the window, in reading order: the labels and image boxes each with
// its role, its caption, tooltip or picture as its name, its place, its
// visibility and, lit, as selected, and the live controls. The shapes and
// lines are decoration and stay out.
void installDemoAccessibility();

class QString;
class QWidget;

// Has a screen reader say the text at once, the keyboard focus staying
// where it is and nothing changing on the screen: the window's
// announcement, a notification whose one label holds the text, shows anew.
void announce(QWidget *window, const QString &text);
