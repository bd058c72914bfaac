#pragma once
// How hard PNG files are compressed when saved: "Fast" (the default) or "Small"
// (slower, as small as the thorough coders make it).
enum class PngCompression { Fast, Small };

// The choice of this process, read when a PNG file is saved. The window keeps it in
// the program's own settings; vospren-cli sets it with a step.
PngCompression& pngCompression();
