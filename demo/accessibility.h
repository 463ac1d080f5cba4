#pragma once

// Makes the labels and image boxes the window draws visible to assistive
// technology, each with its role, its caption, tooltip or picture as its
// name, its place, its visibility and, lit, as selected; and the window's
// announcements. (The window presents them as its children, in reading
// order: TableWindow.) The shapes and lines are decoration and stay out.
void installDemoAccessibility();

class QObject;
class QString;
class QWidget;

// What the window said last to assistive technology, or null if nothing.
QObject *announcement(const QWidget *window);

// Has a screen reader say the text at once, the keyboard focus staying
// where it is and nothing changing on the screen: the window's
// announcement, a notification whose one label holds the text, shows anew.
void announce(QWidget *window, const QString &text);

// Tells assistive technology nothing of what changes in `control` until the
// event loop takes the next event: an edit the window refuses and undoes
// at once is no edit at all.
void silenceUntilIdle(QObject *control);

// Takes the window's announcement away: nothing it said stays showing.
void withdrawAnnouncement(QWidget *window);
