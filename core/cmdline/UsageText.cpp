// The --help texts and manual pages, made from the usage tables.

#include <algorithm>
#include <cctype>
#include <sstream>

#include "cmdline/Usage.h"

#ifndef VANTOREL_VERSION
#error "VANTOREL_VERSION is set by the build from the project's version"
#endif

namespace vantorel::cmdline {
namespace {

constexpr std::size_t kHelpWidth = 100;

bool TakesTableOptions(const CommandUsage& command) {
    return std::any_of(command.forms.begin(), command.forms.end(),
                       [](std::string_view form) { return form.find(kTableOptionsName) != form.npos; });
}

// Every way of running the program: the general forms of a program with commands, otherwise each command's.
std::vector<std::string_view> SynopsisForms(const ProgramUsage& usage) {
    if (!usage.synopsis.empty())
        return {usage.synopsis, "COMMAND --help", "--help | --version"};
    std::vector<std::string_view> forms;
    for (const CommandUsage& command : usage.commands)
        forms.insert(forms.end(), command.forms.begin(), command.forms.end());
    return forms;
}

// The parts of a form that are not broken across lines: words, with what stands in brackets, parentheses or
// quotes kept together.
std::vector<std::string> FormParts(std::string_view form) {
    std::vector<std::string> parts;
    std::string part;
    int depth = 0;
    bool quoted = false;
    for (const char c : form) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '[' || c == '('))
            ++depth;
        else if (!quoted && (c == ']' || c == ')'))
            --depth;
        if (c == ' ' && depth == 0 && !quoted) {
            if (!part.empty())
                parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty())
        parts.push_back(part);
    return parts;
}

// Words laid out from lead on, broken before the width and continued under indent.
void Wrap(std::ostream& out, std::string lead, const std::vector<std::string>& words, std::size_t indent) {
    std::string line = std::move(lead);
    bool lineHasWords = false;
    for (const std::string& word : words) {
        if (lineHasWords && line.size() + 1 + word.size() > kHelpWidth) {
            out << line << '\n';
            line = std::string(indent, ' ');
            lineHasWords = false;
        }
        if (lineHasWords)
            line += ' ';
        line += word;
        lineHasWords = true;
    }
    out << line << '\n';
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::istringstream in{std::string(text)};
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

void WriteParagraphs(std::ostream& out, std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        Wrap(out, "", Words(text.substr(start, end - start)), 0);
        start = end + 1;
    }
}

// "usage: vantorel-cli new FILE.div ..." and a line for each further form, each wrapped under its first word.
void WriteForms(std::ostream& out, std::string_view program, const std::vector<std::string_view>& forms) {
    bool first = true;
    for (const std::string_view form : forms) {
        std::string lead = std::string(first ? "usage: " : "       ") + std::string(program) + ' ';
        const std::vector<std::string> parts = FormParts(form);
        const std::size_t indent = lead.size() + (parts.empty() ? 0 : parts.front().size() + 1);
        Wrap(out, std::move(lead), parts, indent);
        first = false;
    }
}

void WriteTableOptions(std::ostream& out) {
    const std::string lead = std::string(kTableOptionsName) + ": ";
    Wrap(out, lead, FormParts(kTableOptionsForm), lead.size());
}

// Text set in the manual page's roman font: its hyphens are minus signs, as options are typed.
std::string RoffText(std::string_view text) {
    std::string roff;
    for (const char c : text) {
        if (c == '\\')
            roff += "\\e";
        else if (c == '-')
            roff += "\\-";
        else
            roff += c;
    }
    return roff;
}

// A line of text: one beginning with a dot or an apostrophe would be read as a request.
std::string RoffLine(std::string_view text) {
    const std::string roff = RoffText(text);
    return !roff.empty() && (roff.front() == '.' || roff.front() == '\'') ? "\\&" + roff : roff;
}

// A form in the manual page: options and literal words in bold, words the user replaces in italics,
// brackets, bars and quotes in roman; no word is hyphenated.
std::string RoffForm(std::string_view form) {
    // Each chunk between spaces starts with \%, which keeps roff from hyphenating it (and the line from
    // being read as a request).
    std::string roff = "\\%";
    std::string word;
    const auto flushWord = [&] {
        if (word.empty())
            return;
        const bool hasLetterOrDigit =
            std::any_of(word.begin(), word.end(), [](unsigned char c) { return std::isalnum(c); });
        const bool replaced =
            std::any_of(word.begin(), word.end(), [](unsigned char c) { return std::isupper(c); });
        if (!hasLetterOrDigit)
            roff += RoffText(word);
        else
            roff += (word.front() != '-' && replaced ? "\\fI" : "\\fB") + RoffText(word) + "\\fR";
        word.clear();
    };
    for (const char c : form) {
        if (std::string_view(" []|()\"").find(c) != std::string_view::npos) {
            flushWord();
            roff += c;
            if (c == ' ')
                roff += "\\%";
        } else {
            word += c;
        }
    }
    flushWord();
    return roff;
}

void WriteRoffParagraphs(std::ostream& out, std::string_view text) {
    std::size_t start = 0;
    bool first = true;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        out << (first ? "" : ".IP\n") << RoffLine(text.substr(start, end - start)) << '\n';
        start = end + 1;
        first = false;
    }
}

void WriteRoffSynopsis(std::ostream& out, const ProgramUsage& usage) {
    const std::string program = "\\fB" + RoffText(usage.program) + "\\fR ";
    for (const std::string_view form : SynopsisForms(usage))
        out << program << RoffForm(form) << "\n.br\n";
}

void WriteRoffCommands(std::ostream& out, const ProgramUsage& usage) {
    for (const CommandUsage& command : usage.commands) {
        // The first form is the entry's tag, the others stand under it.
        bool first = true;
        for (const std::string_view form : command.forms) {
            out << (first ? ".TP\n" : ".TQ\n") << RoffForm(form) << '\n';
            first = false;
        }
        WriteRoffParagraphs(out, command.description);
    }
}

void WriteRoffExitStatuses(std::ostream& out, const ProgramUsage& usage) {
    for (const ExitStatus& status : usage.exitStatuses)
        out << ".TP\n.B " << status.code << '\n' << RoffLine(status.meaning) << '\n';
}

} // namespace

std::string VersionLine(std::string_view program) {
    return std::string(program) + " " VANTOREL_VERSION;
}

std::string HelpText(const ProgramUsage& usage) {
    std::ostringstream out;
    WriteForms(out, usage.program, SynopsisForms(usage));
    if (usage.synopsis.empty()) {
        for (const CommandUsage& command : usage.commands)
            WriteParagraphs(out, command.description);
        if (std::any_of(usage.commands.begin(), usage.commands.end(), TakesTableOptions))
            WriteTableOptions(out);
        return out.str();
    }
    out << "commands:\n";
    std::size_t nameWidth = 0;
    for (const CommandUsage& command : usage.commands)
        nameWidth = std::max(nameWidth, command.name.size());
    for (const CommandUsage& command : usage.commands) {
        const std::string lead =
            "  " + std::string(command.name) + std::string(nameWidth + 1 - command.name.size(), ' ');
        Wrap(out, lead, Words(command.summary), lead.size());
    }
    out << "Run " << usage.program << " COMMAND --help for the options of a command.\n";
    return out.str();
}

std::string CommandHelp(const ProgramUsage& usage, std::string_view command) {
    const auto found = std::find_if(usage.commands.begin(), usage.commands.end(),
                                    [&](const CommandUsage& each) { return each.name == command; });
    if (found == usage.commands.end())
        return {};
    std::ostringstream out;
    WriteForms(out, usage.program, found->forms);
    WriteParagraphs(out, found->description);
    if (TakesTableOptions(*found))
        WriteTableOptions(out);
    return out.str();
}

std::string ManualPage(const ProgramUsage& usage, std::string_view manualTemplate) {
    std::ostringstream out;
    std::istringstream lines{std::string(manualTemplate)};
    for (std::string line; std::getline(lines, line);) {
        if (line == "@SYNOPSIS@") {
            WriteRoffSynopsis(out, usage);
        } else if (line == "@COMMANDS@") {
            WriteRoffCommands(out, usage);
        } else if (line == "@EXIT STATUS@") {
            WriteRoffExitStatuses(out, usage);
        } else if (line == "@TABLE OPTIONS@") {
            out << RoffForm(kTableOptionsForm) << '\n';
        } else {
            for (std::size_t at; (at = line.find("@VERSION@")) != std::string::npos;)
                line.replace(at, 9, VANTOREL_VERSION);
            out << line << '\n';
        }
    }
    return out.str();
}

} // namespace vantorel::cmdline
