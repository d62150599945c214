#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vantorel::cmdline {
class Arguments;
}

namespace vantorel::cli {

// Each command takes the words after its name, writes its output to out and returns the exit code. User
// errors are thrown as UsageError.
using Command = int (*)(const std::vector<std::string>& words, std::ostream& out);

int NewCommand(const std::vector<std::string>& words, std::ostream& out);
int ScheduleCommand(const std::vector<std::string>& words, std::ostream& out);
int SetCommand(const std::vector<std::string>& words, std::ostream& out);
int InfoCommand(const std::vector<std::string>& words, std::ostream& out);
// "recover FILE.div [--discard]": applies and saves, or discards, the changes journalled in the window.
int RecoverCommand(const std::vector<std::string>& words, std::ostream& out);
int CheckCommand(const std::vector<std::string>& words, std::ostream& out);
int TableCommand(const std::vector<std::string>& words, std::ostream& out);
int ExportCommand(const std::vector<std::string>& words, std::ostream& out);
int ImportCommand(const std::vector<std::string>& words, std::ostream& out);
// "stats FILE.div division|goals" prints a statistics page; "stats FILE.div team|player NAME" goes on to
// TeamOrPlayerStatsCommand with the rest of its words, the file and which of the two.
int StatsCommand(const std::vector<std::string>& words, std::ostream& out);
int TeamOrPlayerStatsCommand(cmdline::Arguments& args, const std::string& path, const std::string& what,
                             std::ostream& out);
int ResultCommand(const std::vector<std::string>& words, std::ostream& out);
int PredictCommand(const std::vector<std::string>& words, std::ostream& out);
int ListCommand(const std::vector<std::string>& words, std::ostream& out);
int PlayersCommand(const std::vector<std::string>& words, std::ostream& out);
int PlayerCommand(const std::vector<std::string>& words, std::ostream& out);
int ScorerCommand(const std::vector<std::string>& words, std::ostream& out);
int SquadCommand(const std::vector<std::string>& words, std::ostream& out);
// "outlook FILE.div": exact best and worst positions and simulated chances of every team.
int OutlookCommand(const std::vector<std::string>& words, std::ostream& out);
int ReportCommand(const std::vector<std::string>& words, std::ostream& out);

} // namespace vantorel::cli
