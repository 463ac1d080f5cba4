#pragma once

// The private Xvfb server the xcb platform is measured on.

#include <optional>

// Starts a server on the first free display from :120 upward; its number.
std::optional<int> startXvfb();
void stopXvfb();
// Stops the server as the benchmark is interrupted by `signal`.
void onSignal(int signal);
