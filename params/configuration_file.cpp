#include "params/configuration_file.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string_view>
#include <utility>

#include "core/interaction.h"
#include "params/declarations.h"
#include "storage/atomic_file.h"
#include "storage/locked_file.h"

namespace {

// Walks the fields of one item over its little-endian byte image, in one of two
// directions: packing copies each field into the image, unpacking copies it back.
// Writing and reading walk the same declared fields, so they cannot drift apart.
class Fields {
public:
    enum Direction { Pack, Unpack };
    Fields(uint8_t* image, Direction direction) : p_(image), unpack_(direction == Unpack) {}

    bool unpacking() const { return unpack_; }
    void u8(uint8_t& v) { bytes(&v, 1); }
    void u16(uint16_t& v) {
        uint8_t b[2] = {uint8_t(v), uint8_t(v >> 8)};
        bytes(b, 2);
        if (unpack_) v = uint16_t(b[0] | (b[1] << 8));
    }
    void u32(uint32_t& v) {
        uint16_t lo = uint16_t(v), hi = uint16_t(v >> 16);
        u16(lo);
        u16(hi);
        if (unpack_) v = lo | (uint32_t(hi) << 16);
    }
    void i32(int32_t& v) {
        uint32_t u = uint32_t(v);
        u32(u);
        if (unpack_) v = int32_t(u);
    }
    void bytes(void* data, size_t size) {
        if (unpack_) {
            std::memcpy(data, p_, size);
        } else {
            std::memcpy(p_, data, size);
        }
        p_ += size;
    }

private:
    uint8_t* p_;
    bool unpack_;
};

using Records = ConfigurationRecords;

// One item of the file: a block (a u16 length, then its fields), a bare value (its
// fields with no length in front) or a list. Its fields are those whose declaration
// names the item (params/declarations.h), in their order there.
struct Item {
    enum Kind { Block, Bare, List } kind;
    ConfigurationItem id;
};

// The items in the file's order.
constexpr Item kItems[] = {
    {Item::Block, ConfigurationItem::Circle},        {Item::Block, ConfigurationItem::Polygon},
    {Item::Block, ConfigurationItem::Rectangle},     {Item::Block, ConfigurationItem::Vector},
    {Item::Block, ConfigurationItem::CircleMix},     {Item::Block, ConfigurationItem::MixRange},
    {Item::Block, ConfigurationItem::NewPicture},    {Item::Block, ConfigurationItem::Noise},
    {Item::Bare, ConfigurationItem::BlendColor},     {Item::Block, ConfigurationItem::Configuration},
    {Item::List, ConfigurationItem::CircleMixFiles}, {Item::List, ConfigurationItem::TagFiles},
    {Item::Bare, ConfigurationItem::TagCount},       {Item::Block, ConfigurationItem::Tag},
    {Item::Block, ConfigurationItem::TagInsert},     {Item::List, ConfigurationItem::InsertHistory},
    {Item::Block, ConfigurationItem::Sharpen},
};

// Where each declared block lives among the records.
void* recordOf(const BlockDeclaration* block, const Records& r) {
    const std::pair<const BlockDeclaration*, void*> records[] = {
        {&paintSettingsDeclaration(), &r.settings}, {&circleDeclaration(), &r.circle},
        {&polygonDeclaration(), &r.polygon},        {&rectangleDeclaration(), &r.rectangle},
        {&vectorDeclaration(), &r.vector},          {&circleMixDeclaration(), &r.circleMix},
        {&newPictureDeclaration(), &r.newPicture},  {&noiseDeclaration(), &r.noise},
        {&configurationDeclaration(), &r.config},   {&tagDeclaration(), &r.tag},
        {&tagInsertDeclaration(), &r.tagInsert},    {&sharpenDeclaration(), &r.sharpen},
    };
    for (const auto& [declaration, record] : records)
        if (declaration == block) return record;
    std::abort();  // a stored field of a block the file has no record for
}

struct StoredField {
    const BlockDeclaration* block;
    const FieldDeclaration* field;
};

size_t widthOf(const FieldDeclaration& f) {
    switch (storedWidth(f)) {
    case StoredWidth::U8:
        return 1;
    case StoredWidth::U16:
        return 2;
    case StoredWidth::U32:
    case StoredWidth::I32:
        return 4;
    case StoredWidth::Bytes:
        return f.access.size;
    case StoredWidth::List:
        return 0;
    }
    return 0;
}

// The fields of each item in their order, and the item's size in bytes.
struct ItemLayout {
    std::vector<StoredField> fields;
    size_t size = 0;
};

const std::vector<ItemLayout>& itemLayouts() {
    static const std::vector<ItemLayout> layouts = [] {
        std::vector<ItemLayout> all(std::size(kItems));
        for (size_t i = 0; i < std::size(kItems); ++i) {
            std::vector<std::pair<int, StoredField>> found;
            for (const BlockDeclaration* block : allDeclarations())
                for (const FieldDeclaration& f : block->fields)
                    if (f.stored.item == kItems[i].id) found.push_back({f.stored.order, {block, &f}});
            std::stable_sort(found.begin(), found.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
            for (const auto& [order, field] : found) {
                all[i].fields.push_back(field);
                all[i].size += widthOf(*field.field);
            }
        }
        return all;
    }();
    return layouts;
}

// One number of a record, through its image.
template <class T, void (Fields::*walk)(T&)>
void walkValue(Fields& f, const FieldDeclaration& d, void* record) {
    T v = T(d.access.get(record));
    (f.*walk)(v);
    if (f.unpacking()) d.access.set(record, v);
}

// Packs or unpacks the fields of one item over its byte image.
void walkFields(const ItemLayout& layout, const Records& r, Fields& f) {
    for (const StoredField& s : layout.fields) {
        const FieldDeclaration& d = *s.field;
        void* record = recordOf(s.block, r);
        switch (storedWidth(d)) {
        case StoredWidth::U8:
            walkValue<uint8_t, &Fields::u8>(f, d, record);
            break;
        case StoredWidth::U16:
            walkValue<uint16_t, &Fields::u16>(f, d, record);
            break;
        case StoredWidth::U32:
            walkValue<uint32_t, &Fields::u32>(f, d, record);
            break;
        case StoredWidth::I32:
            walkValue<int32_t, &Fields::i32>(f, d, record);
            break;
        case StoredWidth::Bytes: {
            uint8_t* bytes = d.access.bytes(record);
            f.bytes(bytes, d.access.size);
            // Whoever reads a text takes it as zero-terminated: a file that fills the
            // whole field must not lead them past it.
            if (f.unpacking() && d.kind == FieldKind::Text && !std::memchr(bytes, 0, d.access.size))
                bytes[d.access.size - 1] = 0;
            break;
        }
        case StoredWidth::List:
            break;
        }
    }
}

std::vector<std::string>& listOf(const ItemLayout& layout, const Records& r) {
    const StoredField& s = layout.fields.front();
    return *s.field->access.list(recordOf(s.block, r));
}

// A list entry as the file carries it: the text up to its first zero byte, no
// longer than a u16 length can say.
std::string_view entryText(const std::string& text) {
    const size_t end = std::min({text.find('\0'), text.size(), kMaxEntryBytes});
    return std::string_view(text.data(), end);
}

void putU16(std::vector<uint8_t>& out, size_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

// Reads through the source, remembering the end of the data and a failed read.
class ItemReader {
public:
    explicit ItemReader(ConfigurationSource& in) : in_(in) {}

    // Up to `size` bytes; fewer at the end of the data or after a failure.
    size_t read(uint8_t* data, size_t size) {
        size_t done = 0;
        while (done < size && !ended_ && !failed_) {
            const ssize_t n = in_.read(data + done, size - done);
            if (n < 0) {
                failed_ = true;
            } else if (n == 0) {
                ended_ = true;
            } else {
                done += size_t(n);
            }
        }
        return done;
    }

    // A u16 as a zeroed variable takes it: the bytes read fill it from the low end,
    // and at the end of the data it stays 0.
    uint16_t u16(size_t* got = nullptr) {
        uint8_t b[2] = {0, 0};
        const size_t n = read(b, 2);
        if (got) *got = n;
        return uint16_t(b[0] | (b[1] << 8));
    }

    bool ended() const { return ended_; }
    bool failed() const { return failed_; }

private:
    ConfigurationSource& in_;
    bool ended_ = false;
    bool failed_ = false;
};

void readBlock(ItemReader& in, const Item& item, const ItemLayout& layout, const Records& r) {
    std::vector<uint8_t> image(layout.size);
    Fields packer(image.data(), Fields::Pack);
    walkFields(layout, r, packer);
    size_t wanted = layout.size;
    if (item.kind == Item::Block) wanted = std::min<size_t>(in.u16(), layout.size);
    in.read(image.data(), wanted);
    Fields unpacker(image.data(), Fields::Unpack);
    walkFields(layout, r, unpacker);
}

// The list is replaced by what the file holds. Entries end where the data ends:
// a text cut short keeps the bytes that are there, and no entry is made for what
// the count announces beyond the end.
void readList(ItemReader& in, std::vector<std::string>& list) {
    list.clear();
    const uint16_t count = in.u16();
    for (uint16_t i = 0; i < count; ++i) {
        size_t got = 0;
        const uint16_t length = in.u16(&got);
        if (got < 2) return;
        std::string text;
        uint8_t chunk[4096];
        for (size_t left = length; left > 0;) {
            const size_t n = in.read(chunk, std::min(left, sizeof chunk));
            text.append(reinterpret_cast<const char*>(chunk), n);
            if (n == 0) break;
            left -= n;
        }
        // Kept as a zero-terminated text: it ends at its first zero byte.
        text.resize(std::min(text.size(), text.find('\0')));
        list.push_back(std::move(text));
        if (in.ended() || in.failed()) return;
    }
}

class MemorySource : public ConfigurationSource {
public:
    MemorySource(const uint8_t* data, size_t size) : data_(data), left_(size) {}
    ssize_t read(uint8_t* data, size_t size) override {
        const size_t n = std::min(size, left_);
        if (n) std::memcpy(data, data_, n);
        data_ += n;
        left_ -= n;
        return ssize_t(n);
    }

private:
    const uint8_t* data_;
    size_t left_;
};

// The configuration file, read without sharing.
class FileSource : public ConfigurationSource {
public:
    explicit FileSource(const std::string& path) : file_(path) {}
    bool opened() const { return file_.opened(); }
    ssize_t read(uint8_t* data, size_t size) override { return file_.read(data, size); }

private:
    LockedFileReader file_;
};

}  // namespace

ConfigurationRecords processConfiguration() {
    return ConfigurationRecords{paintSettings(), circleParams(),    polygonParams(),    rectangleParams(),
                                vectorParams(),  circleMixParams(), newPictureParams(), noiseParams(),
                                configParams(),  tagParams(),       tagInsertParams(),  sharpenParams()};
}

std::vector<uint8_t> configurationBytes(const ConfigurationRecords& records) {
    std::vector<uint8_t> out(kConfigurationHeader, kConfigurationHeader + kConfigurationHeaderSize);
    putU16(out, kConfigurationVersion);
    for (size_t i = 0; i < std::size(kItems); ++i) {
        const Item& item = kItems[i];
        const ItemLayout& layout = itemLayouts()[i];
        if (item.kind == Item::List) {
            const std::vector<std::string>& list = listOf(layout, records);
            const size_t count = std::min(list.size(), kMaxListEntries);
            putU16(out, count);
            for (size_t i = 0; i < count; ++i) {
                const std::string_view text = entryText(list[i]);
                putU16(out, text.size());
                out.insert(out.end(), text.begin(), text.end());
            }
            continue;
        }
        if (item.kind == Item::Block) putU16(out, layout.size);
        const size_t at = out.size();
        out.resize(at + layout.size);
        Fields packer(out.data() + at, Fields::Pack);
        walkFields(layout, records, packer);
    }
    return out;
}

ConfigurationLoad readConfiguration(ConfigurationSource& source, const ConfigurationRecords& records) {
    ItemReader in(source);
    uint8_t header[kConfigurationHeaderSize];
    const size_t got = in.read(header, sizeof header);
    if (in.failed()) return ConfigurationLoad::ReadFailed;
    if (got != sizeof header || std::memcmp(header, kConfigurationHeader, sizeof header) != 0)
        return ConfigurationLoad::BadHeader;
    const uint16_t version = in.u16();
    if (in.failed()) return ConfigurationLoad::ReadFailed;
    if (version > kConfigurationVersion) return ConfigurationLoad::BadVersion;

    for (size_t i = 0; i < std::size(kItems); ++i) {
        const ItemLayout& layout = itemLayouts()[i];
        if (kItems[i].kind == Item::List) {
            readList(in, listOf(layout, records));
        } else {
            readBlock(in, kItems[i], layout, records);
        }
        if (in.failed()) return ConfigurationLoad::ReadFailed;
    }
    return ConfigurationLoad::Loaded;
}

ConfigurationLoad readConfiguration(const uint8_t* data, size_t size, const ConfigurationRecords& records) {
    MemorySource source(data, size);
    return readConfiguration(source, records);
}

ConfigurationLoad loadConfiguration(const std::string& path, Interaction& ui, const ConfigurationRecords& records) {
    FileSource file(path);
    if (!file.opened()) return ConfigurationLoad::NotOpened;
    const ConfigurationLoad result = readConfiguration(file, records);
    if (result == ConfigurationLoad::BadHeader) {
        ui.showMessage(std::string(kHeaderInvalid) + " " + path, kMainCaption, Interaction::Icon::Error);
    } else if (result == ConfigurationLoad::BadVersion) {
        ui.showMessage(std::string(kBadVersionFile) + " " + path, kMainCaption, Interaction::Icon::Error);
    }
    return result;
}

ConfigurationLoad loadConfigurationGuarded(const std::string& path, const std::string& shownPath, Interaction& ui,
                                           const ConfigurationRecords& records) {
    ConfigurationLoad result;
    try {
        result = loadConfiguration(path, ui, records);
    } catch (...) {
        result = ConfigurationLoad::ReadFailed;
    }
    if (result == ConfigurationLoad::ReadFailed)
        ui.showMessage(std::string(kInternalLoadError) + " " + shownPath, kMainCaption, Interaction::Icon::Error);
    return result;
}

bool saveConfiguration(const std::string& path, std::string* error, const ConfigurationRecords& records) {
    const std::vector<uint8_t> bytes = configurationBytes(records);
    return writeFileAtomically(path, bytes.data(), bytes.size(), error);
}

std::string configurationSaveError(const std::string& path, const std::string& reason) {
    return "Cannot save the configuration to " + path + ": " + reason;
}

std::string configurationOpenError(const std::string& path) { return "Cannot open the configuration file " + path; }
