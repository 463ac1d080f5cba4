#pragma once

// A key held down, as an X server delivers it to whatever has the focus:
// the press, then `repeats` repeats, each a release and a press at the same
// instant (Qt flags every other one as a repeat and misses the rest, as it
// does when the press hasn't arrived yet), then the release.
void holdKey(int key, int repeats);
