#pragma once

#include <string>
#include <vector>

#include "cmdline/Arguments.h"
#include "cmdline/LeagueArguments.h"
#include "store/Division.h"
#include "store/FileIo.h"

namespace vantorel::cli {

// The command line's reading, shared with the desktop program, under the names the commands use.
using cmdline::Arguments;
using cmdline::DateFormatOption;
using cmdline::LoadLeague;
using cmdline::ParseDateArgument;
using cmdline::ParseNumber;
using cmdline::TableChoice;
using cmdline::TableOptions;
using cmdline::TeamByName;
using cmdline::UsageError;

// Takes the league file's lock for a command that changes it, from loading to saving; a UsageError when
// another program holds it for too long.
FileLock LockLeague(const std::string& path);
// Saves a league file over itself; a UsageError when it cannot be written.
void SaveLeague(const std::string& path, Division& division);

// The lines of a data file (team names, results, players) as UTF-8; a UsageError when it cannot be read.
std::vector<std::string> ReadDataLines(const std::string& path);

// The result record named by --match N or by the HOME AWAY words; played picks the last played result of
// the pairing, otherwise its first open fixture. A UsageError when there is none, or when the match named
// by number is not played (or not open) as asked.
int PickMatch(Arguments& args, const Division& division, bool played);

// A player by his exact name; a UsageError when there is none.
int PlayerByName(const Division& division, const std::string& name);

} // namespace vantorel::cli
