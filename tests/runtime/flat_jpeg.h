// Hand-built baseline JPEG data of one flat grey level, with any number of components:
// lets tests reach component counts (2, 4) and headers (huge sizes) that no encoder at
// hand writes. Every block holds DC difference 0 and an end-of-block code.
#pragma once

#include <cstdint>
#include <vector>

// Without data, the stream ends right after the scan header.
inline std::vector<uint8_t> flatJpeg(int components, uint16_t width, uint16_t height, bool withData = true) {
    std::vector<uint8_t> j = {0xFF, 0xD8};
    auto marker = [&](uint8_t code, const std::vector<uint8_t>& body) {
        j.push_back(0xFF);
        j.push_back(code);
        const size_t length = body.size() + 2;
        j.push_back(uint8_t(length >> 8));
        j.push_back(uint8_t(length));
        j.insert(j.end(), body.begin(), body.end());
    };
    std::vector<uint8_t> dqt = {0x00};
    dqt.insert(dqt.end(), 64, 1);
    marker(0xDB, dqt);
    std::vector<uint8_t> sof = {
        8, uint8_t(height >> 8), uint8_t(height), uint8_t(width >> 8), uint8_t(width), uint8_t(components)};
    for (int c = 0; c < components; ++c) {
        sof.push_back(uint8_t(c + 1));
        sof.push_back(0x11);
        sof.push_back(0);
    }
    marker(0xC0, sof);
    // One code of one bit in each table: category 0 (DC) and end-of-block (AC).
    for (uint8_t cls : {uint8_t(0x00), uint8_t(0x10)}) {
        std::vector<uint8_t> dht = {cls, 1};
        dht.insert(dht.end(), 15, 0);
        dht.push_back(0x00);
        marker(0xC4, dht);
    }
    {
        std::vector<uint8_t> sos = {uint8_t(components)};
        for (int c = 0; c < components; ++c) {
            sos.push_back(uint8_t(c + 1));
            sos.push_back(0x00);
        }
        sos.insert(sos.end(), {0, 63, 0});
        marker(0xDA, sos);
        if (!withData) return j;
        const uint64_t blocks = uint64_t((width + 7) / 8) * ((height + 7) / 8) * components;
        const uint64_t bits = blocks * 2;
        j.insert(j.end(), bits / 8, 0x00);
        if (bits % 8) j.push_back(uint8_t(0xFF >> (bits % 8)));  // padded with one bits
    }
    j.push_back(0xFF);
    j.push_back(0xD9);
    return j;
}
