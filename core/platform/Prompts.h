#pragma once

#include <string>

namespace vantorel {

enum class Answer { Yes, No, Cancel };

// Messages, confirmations and the beep: the gui shows message boxes, tests script the answers.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual void Warn(const std::string& text) = 0;
    virtual void Error(const std::string& text) = 0;
    virtual void Info(const std::string& text) = 0;
    virtual bool AskYesNo(const std::string& text) = 0;
    virtual Answer AskYesNoCancel(const std::string& text) = 0;
    // A question answered with one of two named buttons; true for accept. Without buttons of its own a
    // Prompts asks it as yes (accept) or no.
    virtual bool AskChoice(const std::string& text, const std::string& accept, const std::string& reject) {
        (void)accept;
        (void)reject;
        return AskYesNo(text);
    }
    // The system's default beep, for an action that cannot apply.
    virtual void Beep() = 0;
};

} // namespace vantorel
