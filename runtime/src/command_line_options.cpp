#include "command_line_options.h"

#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "value_list.h"

namespace tolvanea {
namespace {

ListNode* optionList = nullptr;

void releaseOption(RtWord value) { std::free(reinterpret_cast<CommandLineOption*>(value)); }

const CommandLineOption* findOption(const char* name) {
    if (name == nullptr) return nullptr;
    for (const ListNode* node = optionList; node != nullptr; node = node->next) {
        const auto* option = reinterpret_cast<const CommandLineOption*>(node->value);
        if (std::strcmp(option->name, name) == 0) return option;
    }
    return nullptr;
}

void copyCut(char* out, std::size_t capacity, const std::string& text) {
    std::size_t length = text.size() < capacity - 1 ? text.size() : capacity - 1;
    std::memcpy(out, text.data(), length);
    out[length] = '\0';
}

std::vector<std::string> processArguments() {
    std::vector<std::string> args;
    std::string bytes;
    {
        // Closed on every way out, a failed append included.
        struct Descriptor {
            int fd;
            ~Descriptor() {
                if (fd >= 0) close(fd);
            }
        } file{open("/proc/self/cmdline", O_RDONLY | O_CLOEXEC)};
        if (file.fd < 0) return args;
        char chunk[4096];
        for (;;) {
            ssize_t got = read(file.fd, chunk, sizeof chunk);
            if (got <= 0) break;
            bytes.append(chunk, static_cast<std::size_t>(got));
        }
    }
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\0', start);
        if (end == std::string::npos) end = bytes.size();
        args.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return args;
}

}  // namespace

std::string argumentBytes(const std::string& argument) {
    std::string out;
    const auto* p = reinterpret_cast<const unsigned char*>(argument.data());
    const std::size_t n = argument.size();
    std::size_t i = 0;
    while (i < n) {
        unsigned char lead = p[i];
        uint32_t code = lead;
        std::size_t extra = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            code = lead & 0x1F;
            extra = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            code = lead & 0x0F;
            extra = 2;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            code = lead & 0x07;
            extra = 3;
        }
        bool valid = extra > 0 && i + extra < n;
        for (std::size_t k = 1; valid && k <= extra; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                valid = false;
            else
                code = (code << 6) | (p[i + k] & 0x3F);
        }
        if (!valid) {
            // Not UTF-8: the byte stands for itself.
            out.push_back(static_cast<char>(lead));
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            // Two UTF-16 units: high and low surrogate.
            uint32_t v = code - 0x10000;
            out.push_back(static_cast<char>((0xD800 + (v >> 10)) & 0xFF));
            out.push_back(static_cast<char>((0xDC00 + (v & 0x3FF)) & 0xFF));
        } else {
            out.push_back(static_cast<char>(code & 0xFF));
        }
        i += extra + 1;
    }
    return out;
}

void appendOptions(const std::vector<std::string>& args) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i].empty() || args[i][0] != '/') continue;
        // Both texts first: the record is not left behind when memory runs out.
        const std::string name = argumentBytes(args[i]);
        const std::string value = i + 1 < args.size() ? argumentBytes(args[i + 1]) : std::string();
        auto* option = static_cast<CommandLineOption*>(std::calloc(1, sizeof(CommandLineOption)));
        if (option == nullptr) return;
        copyCut(option->name, sizeof option->name, name);
        copyCut(option->value, sizeof option->value, value);
        ListNode* node = nullptr;
        optionList = appendValue(optionList, reinterpret_cast<RtWord>(option), &node);
        if (node == nullptr) {
            std::free(option);
            return;
        }
    }
}

RtBool clearOptions() {
    destroyValueList(optionList, releaseOption);
    optionList = nullptr;
    return 1;
}

RtBool parseCommandLine() {
    appendOptions(processArguments());
    return 1;
}

RtBool getOption(const char* name, char* outValue) {
    const CommandLineOption* option = findOption(name);
    if (option == nullptr) return 0;
    if (outValue != nullptr) std::memcpy(outValue, option->value, std::strlen(option->value) + 1);
    return 1;
}

RtBool isOptionTrue(const char* name) {
    const CommandLineOption* option = findOption(name);
    return option != nullptr && strcasecmp(option->value, "TRUE") == 0 ? 1 : 0;
}

RtBool hasOption(const char* name) { return findOption(name) != nullptr ? 1 : 0; }

}  // namespace tolvanea
