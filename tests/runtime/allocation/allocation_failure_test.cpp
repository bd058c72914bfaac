// Memory running out inside the library comes back to the host as the entry's
// failure result, never as an exception, a lost file or a leaked descriptor.
// Every entry here is called again and again with one allocation more allowed
// each time, until it runs through without a refusal.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../runtime_host.h"
#include "failing_allocator.h"

namespace {

const FileTable& files() { return *runtimeRoot().fileTable; }
const ValueListTable& lists() { return *runtimeRoot().valueListTable; }
const SettingsTable& settings() { return *runtimeRoot().settingsTable; }

// One call into the library; call answers whether its result reports success.
struct Entry {
    const char* name;
    std::function<bool()> call;
    // The dialogs answer "cancelled" when no application runs, memory or not.
    bool succeedsWithMemory = true;
    // Checked after every refused run.
    std::function<void()> afterFailure = [] {};
};

std::size_t openDescriptors() {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
    return count;
}

void expectFailuresReported(const std::vector<Entry>& entries) {
    constexpr std::size_t kMostAllocations = 256;
    for (const Entry& entry : entries) {
        SCOPED_TRACE(entry.name);
        const std::size_t descriptors = openDescriptors();
        std::size_t refusedRuns = 0;
        bool ranThrough = false;
        for (std::size_t allowed = 0; allowed < kMostAllocations && !ranThrough; ++allowed) {
            bool succeeded = false;
            bool refused = false;
            {
                AllocationFailure failure(allowed);
                succeeded = entry.call();
                refused = failure.refusedAny();
            }
            if (!refused) {
                EXPECT_EQ(succeeded, entry.succeedsWithMemory);
                ranThrough = true;
                continue;
            }
            ++refusedRuns;
            EXPECT_FALSE(succeeded) << "with " << allowed << " allocations allowed";
            entry.afterFailure();
        }
        EXPECT_TRUE(ranThrough);
        EXPECT_GT(refusedRuns, 0u) << "the entry never allocated: it proves nothing here";
        EXPECT_EQ(openDescriptors(), descriptors);
    }
}

// Long enough that no string keeps it in place without allocating.
const std::string kLongName = "a-name-too-long-for-any-short-string-room.txt";

TEST(AllocationFailure, ValueListsAndPathsReportIt) {
    ListNode* list = nullptr;
    for (RtWord value : {1, 2, 3}) list = lists().appendValue(list, value, nullptr);
    const std::string path = "/some/folder/deep/enough/to/need/memory/" + kLongName;
    char out[260];
    auto part = [&](PathPartFn split) { return [&out, &path, split] { return split(path.c_str(), out) == 1; }; };

    expectFailuresReported({
        {"reversedValueList",
         [&] {
             ListNode* reversed = lists().reversedValueList(list);
             lists().destroyValueList(reversed, nullptr);
             return reversed != nullptr;
         }},
        {"folderOfPath", part(files().folderOfPath)},
        {"fileNameOfPath", part(files().fileNameOfPath)},
        {"baseNameOfPath", part(files().baseNameOfPath)},
        {"extensionOfPath", part(files().extensionOfPath)},
        {"tempFilePath", [&] { return files().tempFilePath(out, kLongName.c_str()) == 1; }},
    });
    lists().destroyValueList(list, nullptr);
}

TEST(AllocationFailure, FileOpensWithLongPathsReportIt) {
    const std::string folder = scratchFolder();
    const std::string path = folder + kLongName;
    writeWholeFile(path, "line\r\n");
    auto opened = [](RtHandle file) {
        if (file == RT_INVALID_HANDLE) return false;
        files().closeFile(file);
        return true;
    };
    const std::string created = folder + "created-" + kLongName;
    auto notCreated = [&] { EXPECT_FALSE(std::filesystem::exists(created)); };
    const std::string createdName = "created-" + kLongName;

    ASSERT_EQ(files().setBaseFolder(folder.c_str()), 1);
    expectFailuresReported({
        {"openForReading from the base folder", [&] { return opened(files().openForReading(kLongName.c_str(), 1)); }},
        {"createForWriting in the base folder",
         [&] { return opened(files().createForWriting(createdName.c_str(), 1)); }, true, notCreated},
        {"openForAppending", [&] { return opened(files().openForAppending(path.c_str(), 0)); }},
        {"openTextForReading", [&] { return opened(files().openTextForReading(path.c_str(), nullptr)); }},
        {"createTextForWriting", [&] { return opened(files().createTextForWriting(path.c_str(), 0)); }},
    });
    // A longer folder than the one held, so that storing it needs memory.
    const std::string longer = folder + kLongName + "/";
    expectFailuresReported({{"setBaseFolder", [&] { return files().setBaseFolder(longer.c_str()) == 1; }}});
    files().setBaseFolder("");
}

TEST(AllocationFailure, LineWritersReportItAndWriteNothing) {
    const std::string folder = scratchFolder();
    std::vector<RtWide> line(40, RtWide('w'));
    line.push_back(0);
    RtHandle wide = files().createForWriting((folder + "wide.txt").c_str(), 0);
    RtHandle narrow = files().createForWriting((folder + "narrow.txt").c_str(), 0);
    ASSERT_NE(wide, RT_INVALID_HANDLE);
    ASSERT_NE(narrow, RT_INVALID_HANDLE);

    expectFailuresReported({
        {"writeWideLine", [&] { return files().writeWideLine(wide, line.data()) != 0; }, true,
         [&] { EXPECT_EQ(files().fileSize(wide), 0u); }},
        {"writeTextLine", [&] { return files().writeTextLine(narrow, line.data(), 0) != 0; }, true,
         [&] { EXPECT_EQ(files().fileSize(narrow), 0u); }},
    });
    files().closeFile(wide);
    files().closeFile(narrow);
    EXPECT_EQ(readWholeFile(folder + "wide.txt").size(), 40u * 2 + 4);
    EXPECT_EQ(readWholeFile(folder + "narrow.txt"), std::string(40, 'w') + "\r\n");
}

TEST(AllocationFailure, SettingsFilesReportItAndKeepTheStoredFile) {
    const std::string folder = scratchFolder();
    const std::string stored = "KEEP=this value\r\n";
    writeWholeFile(folder + kLongName, stored);
    ListNode* list = nullptr;
    settings().setSettingInt(&list, "width", 640);
    settings().setSettingColour(&list, "background", 0x336699);
    auto storedFileKept = [&] { EXPECT_EQ(readWholeFile(folder + kLongName), stored); };

    ASSERT_EQ(files().setBaseFolder(folder.c_str()), 1);
    expectFailuresReported({
        {"loadSettings",
         [&] {
             ListNode* loaded = settings().loadSettings(kLongName.c_str(), 1, 0);
             const bool read = loaded != nullptr;
             settings().freeSettings(&loaded);
             return read;
         }},
        {"saveSettings", [&] { return settings().saveSettings(kLongName.c_str(), 1, list) == 1; }, true,
         storedFileKept},
    });
    files().setBaseFolder("");
    EXPECT_EQ(readWholeFile(folder + kLongName), "WIDTH=640\r\nBACKGROUND=996633\r\n");
    settings().freeSettings(&list);
}

TEST(AllocationFailure, TextReaderCommandLineAndDialogsReportIt) {
    const std::string path = scratchFolder() + kLongName;
    writeWholeFile(path, "first\r\nsecond\r\n");
    const TextReaderTable& readers = *runtimeRoot().textReaderTable;
    const char filters[] = "Pictures\0*.jpg;*.png\0All files\0*.*\0";
    char out[260];

    expectFailuresReported({
        {"openReader",
         [&] {
             TextReader* reader = readers.openReader(path.c_str(), 0, 0, 0);
             readers.closeReader(reader);
             return reader != nullptr;
         }},
        {"parseCommandLine",
         [] {
             const bool parsed = runtimeRoot().commandLineTable->parseCommandLine() == 1;
             runtimeRoot().commandLineTable->clearOptions();
             return parsed;
         }},
        {"chooseFileToOpen", [&] { return files().chooseFileToOpen(nullptr, filters, out) == 1; }, false},
        {"chooseFileToSave", [&] { return files().chooseFileToSave(nullptr, filters, out) == 1; }, false},
    });
}

}  // namespace
