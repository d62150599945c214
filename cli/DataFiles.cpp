#include "DataFiles.h"

#include <filesystem>
#include <iostream>

#include <unistd.h>

#include "CommandSupport.h"
#include "exchange/CsvImport.h"
#include "exchange/TeamAliases.h"

namespace vantorel::cli {
namespace {

// An open read-write temporary file that no name leads to.
std::fstream UnnamedTemporaryFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vantorel-data-XXXXXX").string();
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0)
        throw UsageError("standard input: no temporary file could be made to read it");
    std::fstream file(pattern, std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc);
    unlink(pattern.c_str());
    close(descriptor);
    if (!file)
        throw UsageError("standard input: no temporary file could be made to read it");
    return file;
}

void CopyInto(std::istream& in, std::fstream& file, const std::string& path) {
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        file.write(buffer, in.gcount());
    if (in.bad() || !file.flush())
        throw UsageError(path + ": " + kImportFileUnreadable);
}

} // namespace

DataFile::DataFile(const std::string& path) {
    std::error_code error;
    if (path != "-" && std::filesystem::is_regular_file(path, error)) {
        file_.open(path, std::ios::in | std::ios::binary);
        if (!file_)
            throw UsageError(path + ": " + kImportFileUnreadable);
    } else {
        file_ = UnnamedTemporaryFile();
        if (path == "-") {
            CopyInto(std::cin, file_, "standard input");
        } else {
            std::ifstream in(path, std::ios::binary);
            if (!in)
                throw UsageError(path + ": " + kImportFileUnreadable);
            CopyInto(in, file_, path);
        }
    }
    source_ = std::make_unique<StreamLineSource>(file_);
}

TeamAliases AliasOptions(Arguments& args) {
    TeamAliases aliases;
    if (const auto file = args.value("--aliases")) {
        std::string text;
        for (const std::string& line : ReadDataLines(*file))
            text += line + "\n";
        std::string badLine;
        const auto parsed = ParseAliasLines(text, badLine);
        if (!parsed)
            throw UsageError(*file + ": '" + badLine + "' is not NAME=TEAM");
        aliases = *parsed;
    }
    for (const std::string& option : args.values("--alias")) {
        const auto alias = ParseAlias(option);
        if (!alias)
            throw UsageError("--alias '" + option + "' is not NAME=TEAM");
        aliases[alias->first] = alias->second;
    }
    return aliases;
}

} // namespace vantorel::cli
