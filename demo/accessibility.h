#pragma once

// Makes the window's labels and image boxes visible to assistive technology
// as children of the window, each with its role, its caption, tooltip or
// picture as its name, its place, its visibility and, lit, as selected.
// The shapes and lines are decoration and stay out.
void installDemoAccessibility();
