#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "params/configuration_file.h"

// A set of records of its own, so that tests load and save without touching the
// process-wide ones.
struct OwnConfiguration {
    PaintSettings settings;
    CircleParams circle;
    PolygonParams polygon;
    RectangleParams rectangle;
    VectorParams vector;
    CircleMixParams circleMix;
    NewPictureParams newPicture;
    NoiseParams noise;
    ConfigParams config;
    TagParams tag;
    TagInsertParams tagInsert;
    SharpenParams sharpen;

    ConfigurationRecords refs() {
        return {settings,   circle, polygon, rectangle, vector,    circleMix,
                newPicture, noise,  config,  tag,       tagInsert, sharpen};
    }
    std::vector<uint8_t> bytes() { return configurationBytes(refs()); }
};

// Every field away from its default, unused bytes and lists included.
inline OwnConfiguration distinctiveConfiguration() {
    OwnConfiguration c;
    c.settings.mixFromPercent = 20;
    c.settings.mixToPercent = 75;
    c.settings.blendColor = PaintSettings::kNoBlendColor;
    c.settings.connectable = 0;
    c.settings.rotationAntiAlias = 1;
    c.circle = {-3, 1000, 77};
    c.polygon = {1, 2, 3, 4, 5, 1, {0xA1, 0xA2, 0xA3}};
    c.rectangle = {6, 7, 8, 9, -10};
    c.vector = {11, 12, 13, 14, 15, 0, {0xB1, 0xB2, 0xB3}};
    static_cast<StoredCircleMix&>(c.circleMix) = {16, 17, 18, 19, 20, 21, 22, 1, 1, {0xC1, 0xC2}};
    c.circleMix.mixFiles = {"/pics/b.png", "/pics/a.png", "/pics/c.jpg"};
    c.newPicture = {640, 480, 0x12345678};
    c.noise = {1, 33, {0xD1, 0xD2}, -44};
    c.config = {0x00112233, 44, 55};
    c.tag.tagCount = 123456;
    c.tag.tagRotation = 1;
    std::memcpy(c.tag.unused, "\x01\x02\x03\x04\x05\x06\x07", 7);
    c.tag.tagFiles = {"x.bmp", "", "y z.png"};
    std::memcpy(c.tagInsert.insertFile, "/stamp.png\0leftover", 20);
    c.tagInsert.insertAngle = 359;
    c.tagInsert.insertAntiAlias = 1;
    c.tagInsert.insertLevel = 200;
    c.tagInsert.insertHistory = {"Browse ...", "/stamp.png"};
    c.sharpen.sharpenPercent = 42;
    return c;
}

// A second writer of the file, written straight from the table of items, as the
// oracle for the program's own.
class FileBuilder {
public:
    FileBuilder& raw(const void* data, size_t size) {
        const auto* p = static_cast<const uint8_t*>(data);
        bytes.insert(bytes.end(), p, p + size);
        return *this;
    }
    FileBuilder& u8(uint8_t v) { return raw(&v, 1); }
    FileBuilder& u16(uint16_t v) { return u8(uint8_t(v & 0xFF)).u8(uint8_t(v >> 8)); }
    FileBuilder& u32(uint32_t v) { return u16(uint16_t(v & 0xFFFF)).u16(uint16_t(v >> 16)); }
    FileBuilder& i32(int32_t v) { return u32(uint32_t(v)); }
    FileBuilder& list(const std::vector<std::string>& entries) {
        u16(uint16_t(entries.size()));
        for (const std::string& e : entries) u16(uint16_t(e.size())).raw(e.data(), e.size());
        return *this;
    }

    std::vector<uint8_t> bytes;
};

inline std::vector<uint8_t> expectedFile(const OwnConfiguration& c) {
    FileBuilder f;
    f.raw("KorvintePicture.Config\r\n", 24).u16(0x0100);
    f.u16(12).i32(c.circle.rayMin).i32(c.circle.rayMax).i32(c.circle.circleCount);
    const PolygonParams& p = c.polygon;
    f.u16(24)
        .i32(p.rayMin)
        .i32(p.rayMax)
        .i32(p.angMin)
        .i32(p.angMax)
        .i32(p.polygonCount)
        .u8(p.polygonFill)
        .raw(p.unused, 3);
    const RectangleParams& r = c.rectangle;
    f.u16(20).i32(r.xMin).i32(r.yMin).i32(r.xMax).i32(r.yMax).i32(r.rectangleCount);
    const VectorParams& v = c.vector;
    f.u16(24)
        .i32(v.lengthMin)
        .i32(v.lengthMax)
        .i32(v.weightMin)
        .i32(v.weightMax)
        .i32(v.vectorCount)
        .u8(v.vectorFill)
        .raw(v.unused, 3);
    const CircleMixParams& m = c.circleMix;
    f.u16(32).i32(m.mixMinPercent).i32(m.mixMaxPercent).i32(m.radiusMin).i32(m.radiusMax).i32(m.discCount);
    f.i32(m.opaqueMinPercent).i32(m.opaqueMaxPercent).u8(m.discRotation).u8(m.plug).raw(m.unused, 2);
    f.u16(2).u8(c.settings.mixFromPercent).u8(c.settings.mixToPercent);
    f.u16(12).i32(c.newPicture.pictureWidth).i32(c.newPicture.pictureHeight).i32(c.newPicture.reserved);
    f.u16(8).u8(c.noise.monochrome).u8(c.noise.noisePercent).raw(c.noise.padding, 2).i32(c.noise.seed);
    f.u32(c.settings.blendColor);
    f.u16(8).u32(c.config.configBlendColor).u8(c.settings.connectable).u8(c.config.configMixFrom);
    f.u8(c.config.configMixTo).u8(c.settings.rotationAntiAlias);
    f.list(m.mixFiles).list(c.tag.tagFiles).i32(c.tag.tagCount);
    f.u16(8).u8(c.tag.tagRotation).raw(c.tag.unused, 7);
    const TagInsertParams& t = c.tagInsert;
    f.u16(264).raw(t.insertFile, 260).u16(t.insertAngle).u8(t.insertAntiAlias).u8(t.insertLevel);
    f.list(t.insertHistory).u16(4).i32(c.sharpen.sharpenPercent);
    return f.bytes;
}
