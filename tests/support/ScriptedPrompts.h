#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Prompts.h"

namespace vantorel::testing {

// Records every message and beep, and answers questions from a planned list (Yes when the list is empty).
class ScriptedPrompts : public Prompts {
public:
    struct Shown {
        std::string kind; // "warn", "error", "info", "ask"
        std::string text;
    };

    void Warn(const std::string& text) override {
        shown.push_back({"warn", text});
        if (whileWarning)
            whileWarning();
    }
    void Error(const std::string& text) override { shown.push_back({"error", text}); }
    void Info(const std::string& text) override { shown.push_back({"info", text}); }
    bool AskYesNo(const std::string& text) override { return Ask(text) == Answer::Yes; }
    Answer AskYesNoCancel(const std::string& text) override { return Ask(text); }
    void Beep() override { ++beeps; }

    // The texts shown so far, in order.
    std::vector<std::string> texts() const {
        std::vector<std::string> all;
        for (const Shown& s : shown)
            all.push_back(s.text);
        return all;
    }
    std::string last() const { return shown.empty() ? std::string() : shown.back().text; }

    std::deque<Answer> answers;
    std::function<void()> whileWarning; // runs while a warning is up, as the user would look at the window
    std::function<void()> whileAsking;  // runs while a question is up, before it is answered
    std::vector<Shown> shown;
    int beeps = 0;

private:
    Answer Ask(const std::string& text) {
        shown.push_back({"ask", text});
        if (whileAsking)
            whileAsking();
        if (answers.empty())
            return Answer::Yes;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace vantorel::testing
