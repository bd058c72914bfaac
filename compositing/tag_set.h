#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "compositing/tag_image.h"
#include "core/coverage_mask.h"

class Interaction;
struct ImageLibrary;

// The pictures one compositing run works with: for each path of its file list, in
// list order, the loaded picture or nothing (the file could not be read). Circle mix
// adds its coverage mask. Everything is released with the set when the run ends.
struct TagSet {
    std::vector<std::optional<TagImage>> images;
    CoverageMaskPtr coverage;

    int32_t count() const { return int32_t(images.size()); }
    // Entry i, or null when it is absent or i is out of range.
    const TagImage* image(int32_t i) const {
        return i >= 0 && i < count() && images[size_t(i)] ? &*images[size_t(i)] : nullptr;
    }
};

// Loads every path with loadTagImage; for each that fails, after the loader's own
// message, shows "The file <path> has incorrect format" (caption "KorvintePicture").
TagSet loadTagSet(const ImageLibrary& library, const std::vector<std::string>& paths, uint32_t keyColor,
                  Interaction& ui);

std::string incorrectFormatMessage(const std::string& path);
