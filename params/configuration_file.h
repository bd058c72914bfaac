#pragma once
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/paint_settings.h"
#include "params/parameter_blocks.h"

class Interaction;

// The configuration file (".vscfg"): every dialog's parameter block and the
// persistent paint settings, in one fixed order, little-endian, no padding:
//
//   header "KorvintePicture.Config\r\n" (24 bytes), version (u16, 256),
//   circle block, polygon block, rectangle block, vector block, circle-mix block,
//   mix range, new-picture block, noise block, blend color (4 bytes, no length),
//   configuration block, circle-mix picture list, tag picture list,
//   tag count (4 bytes, no length), tag block, tag-insertion block,
//   tag-insertion list, sharpen block.
//
// A block is a u16 length and that many bytes; a list is a u16 count and as many
// entries, each a u16 length and the text's bytes without terminator. The reader
// copes with files of other builds: a shorter block changes only its first bytes,
// and the bytes of a longer block beyond the expected size are read as the next
// item. A file saved with nothing changed is 482 bytes long.

// Where everything the file holds lives. The program uses the process-wide records;
// tests and tools can point it at their own.
struct ConfigurationRecords {
    PaintSettings& settings;  // mix range, blend color, connectable, rotation anti-alias
    CircleParams& circle;
    PolygonParams& polygon;
    RectangleParams& rectangle;
    VectorParams& vector;
    CircleMixParams& circleMix;
    NewPictureParams& newPicture;
    NoiseParams& noise;
    ConfigParams& config;
    TagParams& tag;
    TagInsertParams& tagInsert;
    SharpenParams& sharpen;
};

// paintSettings() and the blocks of parameter_blocks.h.
ConfigurationRecords processConfiguration();

inline constexpr char kConfigurationHeader[] = "KorvintePicture.Config\r\n";
inline constexpr size_t kConfigurationHeaderSize = 24;
inline constexpr uint16_t kConfigurationVersion = 256;

// The reader's messages; each is shown followed by a space and the file's path.
inline constexpr const char* kHeaderInvalid = "Header invalide";
inline constexpr const char* kBadVersionFile = "Bad version file";
inline constexpr const char* kInternalLoadError = "Internal error during loading";

// Longest list and text the u16 counts of the file can carry; what lies beyond is
// not written (a longer list would otherwise corrupt every item after it).
inline constexpr size_t kMaxListEntries = 0xFFFF;
inline constexpr size_t kMaxEntryBytes = 0xFFFF;

// The whole file for `records`, item by item. The two flags of the configuration
// block are the live `settings.connectable` and `settings.rotationAntiAlias`.
std::vector<uint8_t> configurationBytes(const ConfigurationRecords& records);

enum class ConfigurationLoad {
    Loaded,
    NotOpened,   // missing, not a regular file, held by someone else: nothing changed
    BadHeader,   // nothing changed
    BadVersion,  // nothing changed
    ReadFailed,  // the system failed a read half way: what was read so far stays
};

// Where the reader takes its bytes from.
class ConfigurationSource {
public:
    virtual ~ConfigurationSource() = default;
    // Up to `size` bytes; fewer only at the end of the data; -1 on a read error.
    virtual ssize_t read(uint8_t* data, size_t size) = 0;
};

// Reads a configuration item by item into `records`. Missing data at the end leaves
// the remaining values as they were; lists the file names are replaced (emptied
// when the file ends before them). No list entry is made that the file does not
// hold, so a lying count costs nothing.
ConfigurationLoad readConfiguration(ConfigurationSource& in, const ConfigurationRecords& records);
ConfigurationLoad readConfiguration(const uint8_t* data, size_t size, const ConfigurationRecords& records);

// Loads a configuration file. "Header invalide" and "Bad version file" are reported
// through `ui` (caption "KorvintePicture", followed by the path); a file that cannot
// be opened is not reported. Any other failure is left to the caller.
ConfigurationLoad loadConfiguration(const std::string& path, Interaction& ui,
                                    const ConfigurationRecords& records = processConfiguration());

// loadConfiguration, with every failure during the read (a failed read, memory
// exhausted) reported as "Internal error during loading" followed by `shownPath`
// (the path the caller named; empty for the window's own "main.vscfg").
ConfigurationLoad loadConfigurationGuarded(const std::string& path, const std::string& shownPath, Interaction& ui,
                                           const ConfigurationRecords& records = processConfiguration());

// What a failed save says: "Cannot save the configuration to PATH: REASON".
std::string configurationSaveError(const std::string& path, const std::string& reason);
// What a file that cannot be opened for loading says where it is reported.
std::string configurationOpenError(const std::string& path);

// Writes the configuration file in one step (storage/atomic_file.h): on failure the
// old file is left whole, the result is false and `error` says why.
bool saveConfiguration(const std::string& path, std::string* error = nullptr,
                       const ConfigurationRecords& records = processConfiguration());
