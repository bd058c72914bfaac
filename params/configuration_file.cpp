#include "params/configuration_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "core/interaction.h"
#include "storage/atomic_file.h"

namespace {

// Walks the fields of one item over its little-endian byte image, in one of two
// directions: packing copies each field into the image, unpacking copies it back.
// Each item lists its fields once, so writing and reading cannot drift apart.
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

// One item of the file. Blocks and bare values are packed into a byte image of
// their size; the reader packs the current values first and overwrites the bytes
// the file gives, so that a short block keeps the rest as it was.
struct Item {
    enum Kind { Block, Bare, List } kind;
    size_t size;
    void (*fields)(const Records&, Fields&);
    std::vector<std::string>& (*list)(const Records&);
};

constexpr size_t kLargestBlock = sizeof(TagInsertBlock);

// Reading and writing share this table, so a saved file loads back into the same values.
const Item kItems[] = {
    {Item::Block, 12,
     [](const Records& r, Fields& f) {
         CircleParams& b = r.circle;
         for (int32_t* v : {&b.rayMin, &b.rayMax, &b.circleCount}) f.i32(*v);
     },
     nullptr},
    {Item::Block, 24,
     [](const Records& r, Fields& f) {
         PolygonParams& b = r.polygon;
         for (int32_t* v : {&b.rayMin, &b.rayMax, &b.angMin, &b.angMax, &b.polygonCount}) f.i32(*v);
         f.u8(b.polygonFill);
         f.bytes(b.unused, sizeof b.unused);
     },
     nullptr},
    {Item::Block, 20,
     [](const Records& r, Fields& f) {
         RectangleParams& b = r.rectangle;
         for (int32_t* v : {&b.xMin, &b.yMin, &b.xMax, &b.yMax, &b.rectangleCount}) f.i32(*v);
     },
     nullptr},
    {Item::Block, 24,
     [](const Records& r, Fields& f) {
         VectorParams& b = r.vector;
         for (int32_t* v : {&b.lengthMin, &b.lengthMax, &b.weightMin, &b.weightMax, &b.vectorCount}) f.i32(*v);
         f.u8(b.vectorFill);
         f.bytes(b.unused, sizeof b.unused);
     },
     nullptr},
    {Item::Block, 32,
     [](const Records& r, Fields& f) {
         CircleMixBlock& b = r.circleMix;
         for (int32_t* v : {&b.mixMinPercent, &b.mixMaxPercent, &b.radiusMin, &b.radiusMax, &b.discCount,
                            &b.opaqueMinPercent, &b.opaqueMaxPercent})
             f.i32(*v);
         f.u8(b.discRotation);
         f.u8(b.plug);
         f.bytes(b.unused, sizeof b.unused);
     },
     nullptr},
    {Item::Block, 2,
     [](const Records& r, Fields& f) {
         f.u8(r.settings.mixFromPercent);
         f.u8(r.settings.mixToPercent);
     },
     nullptr},
    {Item::Block, 12,
     [](const Records& r, Fields& f) {
         NewPictureParams& b = r.newPicture;
         for (int32_t* v : {&b.pictureWidth, &b.pictureHeight, &b.reserved}) f.i32(*v);
     },
     nullptr},
    {Item::Block, 8,
     [](const Records& r, Fields& f) {
         f.u8(r.noise.monochrome);
         f.u8(r.noise.noisePercent);
         f.bytes(r.noise.padding, sizeof r.noise.padding);
         f.i32(r.noise.seed);
     },
     nullptr},
    {Item::Bare, 4, [](const Records& r, Fields& f) { f.u32(r.settings.blendColor); }, nullptr},
    // The block's two flags are the live settings' own.
    {Item::Block, 8,
     [](const Records& r, Fields& f) {
         f.u32(r.config.configBlendColor);
         f.u8(r.settings.connectable);
         f.u8(r.config.configMixFrom);
         f.u8(r.config.configMixTo);
         f.u8(r.settings.rotationAntiAlias);
         if (f.unpacking()) {
             r.config.connectable = r.settings.connectable;
             r.config.rotationAntiAlias = r.settings.rotationAntiAlias;
         }
     },
     nullptr},
    {Item::List, 0, nullptr, [](const Records& r) -> std::vector<std::string>& { return r.circleMix.mixFiles; }},
    {Item::List, 0, nullptr, [](const Records& r) -> std::vector<std::string>& { return r.tag.tagFiles; }},
    {Item::Bare, 4, [](const Records& r, Fields& f) { f.i32(r.tag.tagCount); }, nullptr},
    {Item::Block, 8,
     [](const Records& r, Fields& f) {
         f.u8(r.tag.tagRotation);
         f.bytes(r.tag.unused, sizeof r.tag.unused);
     },
     nullptr},
    {Item::Block, 264,
     [](const Records& r, Fields& f) {
         TagInsertBlock& b = r.tagInsert;
         f.bytes(b.insertFile, sizeof b.insertFile);
         // Whoever reads the path takes it as a zero-terminated text: a file that
         // fills all 260 bytes must not lead them past the field.
         if (f.unpacking() && !std::memchr(b.insertFile, 0, sizeof b.insertFile)) {
             b.insertFile[sizeof b.insertFile - 1] = 0;
         }
         f.u16(b.insertAngle);
         f.u8(b.insertAntiAlias);
         f.u8(b.insertLevel);
     },
     nullptr},
    {Item::List, 0, nullptr, [](const Records& r) -> std::vector<std::string>& { return r.tagInsert.insertHistory; }},
    {Item::Block, 4, [](const Records& r, Fields& f) { f.i32(r.sharpen.sharpenPercent); }, nullptr},
};

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

void readBlock(ItemReader& in, const Item& item, const Records& r) {
    uint8_t image[kLargestBlock];
    Fields packer(image, Fields::Pack);
    item.fields(r, packer);
    size_t wanted = item.size;
    if (item.kind == Item::Block) wanted = std::min<size_t>(in.u16(), item.size);
    in.read(image, wanted);
    Fields unpacker(image, Fields::Unpack);
    item.fields(r, unpacker);
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

// A regular file open for reading without sharing, read in large pieces.
class FileSource : public ConfigurationSource {
public:
    explicit FileSource(const std::string& path) {
        // Without waiting: a pipe would block the open, and only a regular file can be a configuration.
        fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        struct stat st {};
        if (fd_ >= 0 && (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) || ::flock(fd_, LOCK_EX | LOCK_NB) != 0)) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~FileSource() override {
        if (fd_ >= 0) ::close(fd_);
    }
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool opened() const { return fd_ >= 0; }

    ssize_t read(uint8_t* data, size_t size) override {
        if (next_ == filled_) {
            ssize_t n;
            do n = ::read(fd_, buffer_, sizeof buffer_);
            while (n < 0 && errno == EINTR);
            if (n <= 0) return n;
            next_ = 0;
            filled_ = size_t(n);
        }
        const size_t n = std::min(size, filled_ - next_);
        std::memcpy(data, buffer_ + next_, n);
        next_ += n;
        return ssize_t(n);
    }

private:
    int fd_ = -1;
    uint8_t buffer_[1 << 16];
    size_t next_ = 0;
    size_t filled_ = 0;
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
    for (const Item& item : kItems) {
        if (item.kind == Item::List) {
            const std::vector<std::string>& list = item.list(records);
            const size_t count = std::min(list.size(), kMaxListEntries);
            putU16(out, count);
            for (size_t i = 0; i < count; ++i) {
                const std::string_view text = entryText(list[i]);
                putU16(out, text.size());
                out.insert(out.end(), text.begin(), text.end());
            }
            continue;
        }
        if (item.kind == Item::Block) putU16(out, item.size);
        const size_t at = out.size();
        out.resize(at + item.size);
        Fields packer(out.data() + at, Fields::Pack);
        item.fields(records, packer);
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

    for (const Item& item : kItems) {
        if (item.kind == Item::List) {
            readList(in, item.list(records));
        } else {
            readBlock(in, item, records);
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
