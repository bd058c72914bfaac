#include "tests/support/fake_interaction.h"

#include <algorithm>

namespace {

std::vector<std::string> textsOf(const std::vector<FakeInteraction::Said>& said) {
    std::vector<std::string> texts;
    for (const FakeInteraction::Said& s : said) texts.push_back(s.text);
    return texts;
}

}  // namespace

bool FakeInteraction::escapePressed() {
    ++polls;
    return std::find(escapeAtPolls.begin(), escapeAtPolls.end(), polls) != escapeAtPolls.end();
}

bool FakeInteraction::askYesNo(const std::string& text, const std::string& caption, Icon icon) {
    questions.push_back({text, caption, icon});
    if (log) log->push_back("ask: " + text);
    return answerYes;
}

void FakeInteraction::showMessage(const std::string& text, const std::string& caption, Icon icon) {
    messages.push_back({text, caption, icon});
    if (log) log->push_back("message: " + text);
}

std::vector<std::string> FakeInteraction::questionTexts() const { return textsOf(questions); }

std::vector<std::string> FakeInteraction::messageTexts() const { return textsOf(messages); }

std::vector<std::string> FakeInteraction::captionedMessages() const {
    std::vector<std::string> texts;
    for (const Said& s : messages) texts.push_back(s.caption + ": " + s.text);
    return texts;
}
