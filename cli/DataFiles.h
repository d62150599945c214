#pragma once

#include <fstream>
#include <memory>
#include <string>

#include "CommandSupport.h"
#include "exchange/ImportSource.h"
#include "exchange/TeamNames.h"

namespace vantorel::cli {

// A data file to read line by line, in memory that does not grow with its size: the named file, or standard
// input for "-". What is not a regular file (standard input, a pipe) is first copied to an unnamed temporary
// file, so that it can be read twice. A UsageError when it cannot be read.
class DataFile {
public:
    explicit DataFile(const std::string& path);
    LineSource& lines() { return *source_; }

private:
    std::fstream file_;
    std::unique_ptr<StreamLineSource> source_;
};

// The names mapped to teams by --alias "NAME=TEAM" (repeatable) and by the "NAME=TEAM" lines of --aliases
// FILE; a UsageError for one that is not NAME=TEAM.
TeamAliases AliasOptions(Arguments& args);

} // namespace vantorel::cli
