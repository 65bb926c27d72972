#pragma once
// The hooks through which the lower parts call the higher ones, all put in place.

// Installs the image handling's, the measuring's, the colour part's and the statistics
// window's procedures in the hooks the lower parts call. The start-up runs it first.
void Installe_rappels();
