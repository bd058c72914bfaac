#include "cli/declared_steps.h"

#include "cli/arguments.h"

namespace {

// The index of the first argument that is not a good word for its field, or -1.
int firstBadArgument(const std::vector<const FieldDeclaration*>& fields, const std::vector<std::string>& args) {
    for (size_t i = 0; i < fields.size(); ++i)
        if (!argumentAccepted(*fields[i], args[i])) return int(i);
    return -1;
}

// The block's check on the arguments stored in a fresh record: the argument at
// fault and the check's message, or -1.
CheckResult checkArguments(const BlockDeclaration& block, int step, const std::vector<std::string>& args) {
    if (!block.check) return {};
    const std::shared_ptr<void> scratch = block.newRecord();
    storeArguments(block, step, args, scratch.get());
    const CheckResult result = block.check(scratch.get());
    if (result.field < 0) return result;
    // Only a fault in this step's own arguments is this step's to report.
    const StepArgument& argument = block.fields[size_t(result.field)].argument;
    if (!argument.name || argument.step != step) return {};
    return {argument.position, result.message};
}

}  // namespace

bool argumentAccepted(const FieldDeclaration& f, const std::string& word) {
    switch (f.argument.form) {
    case ArgumentForm::ZeroOrOne:
        return isZeroOrOne(word);
    case ArgumentForm::NonZero:
        return parseInt32(word).has_value();
    case ArgumentForm::OnOff:
        return parseOnOff(word).has_value();
    case ArgumentForm::Color:
        return word == "none" || parseHexColor(word).has_value();
    case ArgumentForm::Choice:
        return choiceIndex(f, word) >= 0;
    case ArgumentForm::FromKind:
        break;
    }
    if (f.kind == FieldKind::FileList || f.kind == FieldKind::Text) return !word.empty();
    const auto value = parseInt32(word);
    if (f.kind == FieldKind::Percentage) return value && *value >= 0 && *value <= 100;
    return value.has_value();
}

void storeArguments(const BlockDeclaration& block, int step, const std::vector<std::string>& args, void* record) {
    const std::vector<const FieldDeclaration*> fields = stepArguments(block, step);
    for (size_t i = 0; i < fields.size(); ++i) {
        const FieldDeclaration& f = *fields[i];
        const std::string& word = args[i];
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
        case ArgumentForm::FromKind:
            break;
        }
        if (f.kind == FieldKind::FileList) {
            f.addToList(*f.access.list(record), word);
        } else if (f.kind == FieldKind::Text) {
            f.storeText(record, word);
        } else {
            const int32_t value = *parseInt32(word);
            f.access.set(record, f.kind == FieldKind::Byte ? int64_t(uint32_t(value) & 0xFFu) : int64_t(value));
        }
    }
}

Step declaredStep(const BlockDeclaration& block, int step, Step::Runner run) {
    const std::vector<const FieldDeclaration*> fields = stepArguments(block, step);
    const StepDeclaration& s = block.steps.at(size_t(step));
    const BlockDeclaration* b = &block;
    Step::Validator validate;
    if (!fields.empty()) {
        validate = [fields, b, step](const std::vector<std::string>& args) {
            const int bad = firstBadArgument(fields, args);
            return bad >= 0 ? bad : checkArguments(*b, step, args).field;
        };
    }
    Step made(s.word, int(fields.size()), stepUsage(block, step), s.help, std::move(validate), std::move(run),
              block.check ? std::string() : std::string(s.note));
    if (block.check) {
        const std::string note = s.note;
        made.noteFor = [fields, b, step, note](const std::vector<std::string>& args) -> std::string {
            if (firstBadArgument(fields, args) >= 0) return note;
            const char* message = checkArguments(*b, step, args).message;
            return message ? message : "";
        };
    }
    return made;
}
