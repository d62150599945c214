// vantorel-cli: the league tool without a window.

#include <array>
#include <cerrno>
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#include <unistd.h>

#include "Commands.h"
#include "cmdline/Usage.h"
#include "store/FileIo.h"

namespace {

using vantorel::cmdline::CliUsage;

struct CommandEntry {
    const char* name;
    vantorel::cli::Command run;
};

// What runs each command; its usage is its entry in cmdline::CliUsage.
const CommandEntry kCommands[] = {
    {"new", vantorel::cli::NewCommand},         {"schedule", vantorel::cli::ScheduleCommand},
    {"import", vantorel::cli::ImportCommand},   {"export", vantorel::cli::ExportCommand},
    {"table", vantorel::cli::TableCommand},     {"outlook", vantorel::cli::OutlookCommand},
    {"stats", vantorel::cli::StatsCommand},     {"set", vantorel::cli::SetCommand},
    {"result", vantorel::cli::ResultCommand},   {"predict", vantorel::cli::PredictCommand},
    {"list", vantorel::cli::ListCommand},       {"info", vantorel::cli::InfoCommand},
    {"recover", vantorel::cli::RecoverCommand}, {"check", vantorel::cli::CheckCommand},
    {"players", vantorel::cli::PlayersCommand}, {"player", vantorel::cli::PlayerCommand},
    {"scorer", vantorel::cli::ScorerCommand},   {"squad", vantorel::cli::SquadCommand},
    {"report", vantorel::cli::ReportCommand},
};

// Standard output, written straight to its descriptor through a buffer that remembers the first write that
// failed: a full disk or a closed pipe must not pass for success.
class CheckedOutput : public std::streambuf {
public:
    CheckedOutput() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }
    ~CheckedOutput() override { sync(); }

    // The error of the first failed write, 0 while every byte reached the descriptor.
    int error() const { return error_; }

protected:
    int_type overflow(int_type c) override {
        if (sync() != 0)
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            sputc(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }

    int sync() override {
        const char* next = pbase();
        while (error_ == 0 && next < pptr()) {
            const ssize_t n = ::write(STDOUT_FILENO, next, static_cast<std::size_t>(pptr() - next));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                error_ = n < 0 ? errno : EIO;
            else
                next += n;
        }
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return error_ == 0 ? 0 : -1;
    }

private:
    std::array<char, 8192> buffer_;
    int error_ = 0;
};

// The exit code of a command: non-zero as well when its output did not reach standard output in full.
int Finish(int code, const char* command, std::ostream& out, const CheckedOutput& output) {
    out.flush();
    if (output.error() == 0)
        return code;
    std::cerr << "vantorel-cli" << (command ? std::string(" ") + command : std::string())
              << ": the output could not be written: " << vantorel::IoErrorText(output.error()) << "\n";
    return code != 0 ? code : 1;
}

bool WantsHelp(const std::vector<std::string>& words) {
    for (const std::string& word : words)
        if (word == "--help" || word == "-h")
            return true;
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    CheckedOutput output;
    std::ostream out(&output);
    if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        (words.empty() ? std::cerr : out) << vantorel::cmdline::HelpText(CliUsage());
        return Finish(words.empty() ? 1 : 0, nullptr, out, output);
    }
    if (words[0] == "--version") {
        out << vantorel::cmdline::VersionLine("vantorel-cli") << "\n";
        return Finish(0, nullptr, out, output);
    }
    for (const CommandEntry& command : kCommands) {
        if (words[0] != command.name)
            continue;
        const std::vector<std::string> rest(words.begin() + 1, words.end());
        if (WantsHelp(rest)) {
            out << vantorel::cmdline::CommandHelp(CliUsage(), command.name);
            return Finish(0, command.name, out, output);
        }
        int code = 1;
        try {
            code = command.run(rest, out);
        } catch (const std::exception& error) {
            // A user error, reported as one line.
            std::cerr << "vantorel-cli " << command.name << ": " << error.what() << "\n";
        }
        return Finish(code, command.name, out, output);
    }
    std::cerr << "vantorel-cli: unknown command '" << words[0] << "'; run vantorel-cli --help\n";
    return 1;
}
