#pragma once

// Makes the window's drawn controls (labels, image boxes, shapes, lines)
// visible to assistive technology as children of the window, each with its
// role, its caption or tooltip as its name, its place and its visibility.
void installDemoAccessibility();
