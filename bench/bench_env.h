#pragma once

#include <cstddef>
#include <string>

// Benchmarks run in a scratch directory of their own, as the host's working
// directory, with a "Plugins" folder.
void EnterScratchDirectory();

// Loads a synthetic log of this size into the module unless it holds it.
void EnsureLoaded(std::size_t count, int reportMode = 0);
