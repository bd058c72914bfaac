#include "cli/declared_steps.h"

#include <algorithm>
#include <cstdlib>

#include "cli/arguments.h"

namespace {

// The argument a field's kind makes of it, with a form the check reads alone.
LooseArgument argumentOf(const FieldDeclaration& f) {
    LooseArgument a{f.argument.name, f.argument.position, f.argument.form};
    for (const ChoiceDeclaration& c : f.choices) a.choices.push_back(c.word);
    if (a.form != ArgumentForm::FromKind) return a;
    if (f.kind == FieldKind::FileList || f.kind == FieldKind::Text) {
        a.form = ArgumentForm::Word;
    } else if (f.fromText) {
        a.form = ArgumentForm::NumberText;  // read as the dialog reads what is typed
    } else {
        a.form = ArgumentForm::Number;
        if (f.kind == FieldKind::Percentage) a.least = 0, a.most = 100;
    }
    return a;
}

// Every argument of a step in position order: the block's fields that name the step
// and the step's loose arguments.
std::vector<LooseArgument> argumentsOf(const BlockDeclaration* block, int step, const StepDeclaration& s) {
    std::vector<LooseArgument> arguments(s.loose);
    if (block)
        for (const FieldDeclaration* f : stepArguments(*block, step)) arguments.push_back(argumentOf(*f));
    std::stable_sort(arguments.begin(), arguments.end(),
                     [](const LooseArgument& a, const LooseArgument& b) { return a.position < b.position; });
    for (size_t i = 0; i < arguments.size(); ++i)
        if (arguments[i].position != int(i)) std::abort();  // a gap or a clash: a fault found by its first use
    return arguments;
}

bool isOneOf(const std::vector<const char*>& words, const std::string& word) {
    for (const char* w : words)
        if (word == w) return true;
    return false;
}

bool accepted(const LooseArgument& a, const std::string& word) {
    switch (a.form) {
    case ArgumentForm::ZeroOrOne:
        return isZeroOrOne(word);
    case ArgumentForm::OnOff:
        return parseOnOff(word).has_value();
    case ArgumentForm::Color:
    case ArgumentForm::Rgb:
        return (a.form == ArgumentForm::Color && word == "none") || parseHexColor(word).has_value();
    case ArgumentForm::Choice:
        return isOneOf(a.choices, word);
    case ArgumentForm::NonZero:  // any number: its range is the whole of 32 bits
    case ArgumentForm::Number: {
        const auto value = parseInt32(word);
        return value && *value >= a.least && *value <= a.most;
    }
    case ArgumentForm::NumberText:
        return isNumberText(word);
    case ArgumentForm::Number64:
        return parseInt64(word).has_value();
    case ArgumentForm::Word:
        return !word.empty();
    case ArgumentForm::FileName:
        return hasFileExtension(word);
    case ArgumentForm::FromKind:
        break;
    }
    return false;
}

// The block's check on the arguments stored in a fresh record: the argument at
// fault and the check's message, or -1.
BadArgument checkArguments(const BlockDeclaration& block, int step, const std::vector<std::string>& args) {
    const std::shared_ptr<void> scratch = block.newRecord();
    storeArguments(block, step, args, scratch.get());
    const CheckResult result = block.check(scratch.get());
    if (result.field < 0) return {};
    // Only a fault in this step's own arguments is this step's to report.
    const StepArgument& argument = block.fields[size_t(result.field)].argument;
    if (!argument.name || argument.step != step) return {};
    return {argument.position, result.message ? result.message : ""};
}

Step makeStep(const BlockDeclaration* block, int step, const StepDeclaration& s, Step::Runner run) {
    const std::vector<LooseArgument> arguments = argumentsOf(block, step, s);
    std::string usage = s.word;
    for (const LooseArgument& a : arguments) usage += std::string(" ") + a.name;
    Step::Checker check;
    if (!arguments.empty()) {
        check = [arguments, block, step, note = std::string(s.note)](const std::vector<std::string>& args) {
            for (size_t i = 0; i < arguments.size(); ++i)
                if (!accepted(arguments[i], args[i])) return BadArgument{int(i), note};
            return block && block->check ? checkArguments(*block, step, args) : BadArgument{};
        };
    }
    return {s.word, int(arguments.size()), std::move(usage), s.help, std::move(check), std::move(run)};
}

}  // namespace

void storeArguments(const BlockDeclaration& block, int step, const std::vector<std::string>& args, void* record) {
    for (const FieldDeclaration* field : stepArguments(block, step)) {
        const FieldDeclaration& f = *field;
        const std::string& word = args[size_t(f.argument.position)];
        switch (f.argument.form) {
        case ArgumentForm::ZeroOrOne:
            f.access.set(record, word == "1" ? 1 : 0);
            continue;
        case ArgumentForm::NonZero:
            f.access.set(record, *parseInt32(word) != 0 ? 1 : 0);
            continue;
        case ArgumentForm::OnOff:
            f.access.set(record, *parseOnOff(word) ? 1 : 0);
            continue;
        case ArgumentForm::Color:
            f.access.set(record, word == "none" ? int64_t(f.noneValue) : int64_t(*parseHexColor(word)));
            continue;
        case ArgumentForm::Choice:
            f.access.set(record, choiceIndex(f, word));
            continue;
        default:
            break;
        }
        if (f.kind == FieldKind::FileList) {
            f.addToList(*f.access.list(record), word);
        } else if (f.kind == FieldKind::Text) {
            f.storeText(record, word);
        } else if (f.fromText) {
            f.access.set(record, f.fromText(word));
        } else {
            const int32_t value = *parseInt32(word);
            f.access.set(record, f.kind == FieldKind::Byte ? int64_t(uint32_t(value) & 0xFFu) : int64_t(value));
        }
    }
}

Step declaredStep(const BlockDeclaration& block, int step, Step::Runner run) {
    return makeStep(&block, step, block.steps.at(size_t(step)), std::move(run));
}

Step declaredStep(const StepDeclaration& step, Step::Runner run) { return makeStep(nullptr, 0, step, std::move(run)); }
