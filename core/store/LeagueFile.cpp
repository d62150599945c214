#include "store/LeagueFile.h"

#include <algorithm>
#include <memory>

#include "store/ByteStream.h"
#include "store/DivisionCheck.h"
#include "store/DivisionEdits.h"
#include "store/DivisionWriter.h"
#include "store/FileIo.h"

namespace vantorel {
namespace {

// Days between the date origin of the older file format and the current one.
constexpr double kOldDateShift = 693594.0;
// Bytes of the older header and result record, which lack the squad fields.
constexpr std::size_t kOldHeaderSize = 64;

Status ReadBeyondEnd() {
    return Status::Error(IoErrorText(kReadBeyondEnd));
}

// Reads the header fields the older and current formats share (the first 64 bytes).
void ReadCommonHeader(ByteReader& in, DivisionHeader& header) {
    in.text(header.Magic);
    header.Version = in.u8();
    in.text(header.TableName);
    header.TeamCount = in.i16();
    header.ResultCount = in.i16();
    header.GoalCount = in.i16();
    header.PlayerCount = in.i16();
    header.TrackGoals = in.flag();
    header.WinPoints = in.u8();
    header.RelegateCount = in.u8();
    header.PromoteCount = in.u8();
    header.OwnTeam = in.u8();
    in.text(header.SortRules);
    header.PlayoffCount = in.u8();
    in.skip(3); // reserved
}

bool IsOldFormat(const DivisionHeader& header) {
    return header.Version < kCurrentVersion;
}

// Reads the header of either format; an older header gets the squad settings it did not have.
void ReadHeader(ByteReader& in, DivisionHeader& header) {
    ReadCommonHeader(in, header);
    if (IsOldFormat(header)) {
        header.SquadCount = 0;
        header.TeamSize = 11;
        header.SubsCount = 3;
        return;
    }
    header.SquadCount = in.i16();
    header.TeamSize = in.u8();
    header.SubsCount = in.u8();
}

void ReadTeam(ByteReader& in, TeamRecord& team) {
    in.text(team.Name);
    team.Played = in.u8();
    team.Points = in.i16();
    team.Deduction = in.u16();
}

void ReadResult(ByteReader& in, ResultRecord& match, bool oldFormat) {
    match.MatchNo = in.u16();
    match.Played = in.flag();
    match.HomeTeam = in.u8();
    match.AwayTeam = in.u8();
    match.HomeGoals = in.u8();
    match.AwayGoals = in.u8();
    match.MatchDate = in.f64();
    match.Attendance = in.i32();
    if (oldFormat) {
        // An older file marked a prediction only by giving an unplayed fixture a date.
        match.Predicted = !match.Played && match.MatchDate != 0;
        match.HomeSquad = 0;
        match.AwaySquad = 0;
        if (match.MatchDate != 0)
            match.MatchDate -= kOldDateShift;
        return;
    }
    match.Predicted = in.flag();
    match.HomeSquad = in.u16();
    match.AwaySquad = in.u16();
}

void ReadGoal(ByteReader& in, GoalRecord& goal) {
    goal.Result = in.u16();
    goal.Team = in.u16();
    goal.Player = in.u16();
    goal.GoalTime = in.u16();
    goal.OwnGoal = in.flag();
    goal.Penalty = in.flag();
}

void ReadPlayer(ByteReader& in, PlayerRecord& player) {
    in.text(player.Name);
    player.Team = in.u8();
    player.Goals = in.u8();
}

void ReadSquad(ByteReader& in, SquadRecord& squad) {
    squad.Result = in.u16();
    squad.Team = in.u8();
    for (SquadEntry& line : squad.Entries) {
        line.Player = in.u16();
        line.TimeOn = in.u8();
        line.TimeOff = in.u8();
        line.Yellow1 = in.flag();
        line.Yellow2 = in.flag();
        line.Red = in.flag();
    }
}

// Reads count records into the slots the writer's accessor hands out.
template <typename Record, typename ReadOne>
Status ReadRecords(ByteReader& in, DivisionWriter& writer, Record& (DivisionWriter::*slot)(int), int count,
                   ReadOne readOne) {
    for (int i = 1; i <= count; ++i) {
        readOne(in, (writer.*slot)(i));
        if (in.overrun())
            return ReadBeyondEnd();
    }
    return Status::Ok();
}

Status CheckIdentity(const DivisionHeader& header) {
    if (header.Magic.lengthByte() != 5 || header.Magic.stored() != kMagic)
        return Status::Error("This is not a league file.");
    if (header.Version < kOldestVersion || header.Version > kCurrentVersion)
        return Status::Error("This league file has format version " + std::to_string(header.Version) +
                             ", which this program cannot read.");
    return Status::Ok();
}

// The bytes a file of this header's format and counts takes.
std::size_t FileSizeFor(const DivisionHeader& header) {
    const bool old = IsOldFormat(header);
    auto count = [](std::int16_t n) { return static_cast<std::size_t>(n > 0 ? n : 0); };
    return (old ? kOldHeaderSize : kHeaderSize) + 36 * count(header.TeamCount) +
           (old ? 19 : 24) * count(header.ResultCount) + 10 * count(header.GoalCount) +
           23 * count(header.PlayerCount) + (old ? 0 : 115 * count(header.SquadCount));
}

// The test the loader and the folder list share: a league file's magic and version, counts the arrays can
// hold, and a file long enough for its header and records.
Status CheckLeagueHeader(const DivisionHeader& header, std::size_t fileSize) {
    if (auto status = CheckIdentity(header); !status)
        return status;
    if (auto status = CheckCounts(header); !status)
        return status;
    if (fileSize < FileSizeFor(header))
        return ReadBeyondEnd();
    return Status::Ok();
}

// Reads every record into a Division that nothing else sees yet.
Status ReadInto(std::span<const std::uint8_t> bytes, Division& staged) {
    ByteReader in(bytes);
    DivisionWriter writer(staged);
    DivisionHeader& header = writer.Header();
    ReadHeader(in, header);
    if (in.overrun())
        return ReadBeyondEnd();
    if (auto status = CheckLeagueHeader(header, bytes.size()); !status)
        return status;
    const bool oldFormat = IsOldFormat(header);
    auto readResult = [oldFormat](ByteReader& reader, ResultRecord& match) {
        ReadResult(reader, match, oldFormat);
    };
    for (auto status : {ReadRecords(in, writer, &DivisionWriter::Team, header.TeamCount, ReadTeam),
                        ReadRecords(in, writer, &DivisionWriter::Result, header.ResultCount, readResult),
                        ReadRecords(in, writer, &DivisionWriter::Goal, header.GoalCount, ReadGoal),
                        ReadRecords(in, writer, &DivisionWriter::Player, header.PlayerCount, ReadPlayer),
                        ReadRecords(in, writer, &DivisionWriter::Squad, header.SquadCount, ReadSquad)})
        if (!status)
            return status;
    if (auto status = CheckDivision(staged); !status)
        return status;
    header.Version = kCurrentVersion;
    PlaceTransferredOut(staged);
    writer.MarkSaved();
    return Status::Ok();
}

} // namespace

Status ReadDivision(std::span<const std::uint8_t> bytes, Division& division) {
    auto staged = std::make_unique<Division>();
    if (auto status = ReadInto(bytes, *staged); !status)
        return status;
    DivisionWriter(division).Replace(std::move(*staged));
    return Status::Ok();
}

std::vector<std::uint8_t> WriteDivision(const Division& division) {
    const DivisionHeader& header = division.Header();
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kLargestFileSize);
    ByteWriter out(bytes);

    out.text(header.Magic);
    out.u8(kCurrentVersion);
    out.text(header.TableName);
    out.i16(header.TeamCount);
    out.i16(header.ResultCount);
    out.i16(header.GoalCount);
    out.i16(header.PlayerCount);
    out.flag(header.TrackGoals);
    out.u8(header.WinPoints);
    out.u8(header.RelegateCount);
    out.u8(header.PromoteCount);
    out.u8(header.OwnTeam);
    out.text(header.SortRules);
    out.u8(header.PlayoffCount);
    out.u8(0);
    out.u16(0);
    out.i16(header.SquadCount);
    out.u8(header.TeamSize);
    out.u8(header.SubsCount);

    for (int t = 1; t <= header.TeamCount; ++t) {
        const TeamRecord& team = division.Teams[t];
        out.text(team.Name);
        out.u8(team.Played);
        out.i16(team.Points);
        out.u16(team.Deduction);
    }
    for (int r = 1; r <= header.ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        out.u16(match.MatchNo);
        out.flag(match.Played);
        out.u8(match.HomeTeam);
        out.u8(match.AwayTeam);
        out.u8(match.HomeGoals);
        out.u8(match.AwayGoals);
        out.f64(match.MatchDate);
        out.i32(match.Attendance);
        out.flag(match.Predicted);
        out.u16(match.HomeSquad);
        out.u16(match.AwaySquad);
    }
    for (int g = 1; g <= header.GoalCount; ++g) {
        const GoalRecord& goal = division.Goals[g];
        out.u16(goal.Result);
        out.u16(goal.Team);
        out.u16(goal.Player);
        out.u16(goal.GoalTime);
        out.flag(goal.OwnGoal);
        out.flag(goal.Penalty);
    }
    for (int p = 1; p <= header.PlayerCount; ++p) {
        const PlayerRecord& player = division.Players[p];
        out.text(player.Name);
        out.u8(player.Team);
        out.u8(player.Goals);
    }
    for (int s = 1; s <= header.SquadCount; ++s) {
        const SquadRecord& squad = division.Squads[s];
        out.u16(squad.Result);
        out.u8(squad.Team);
        for (const SquadEntry& line : squad.Entries) {
            out.u16(line.Player);
            out.u8(line.TimeOn);
            out.u8(line.TimeOff);
            out.flag(line.Yellow1);
            out.flag(line.Yellow2);
            out.flag(line.Red);
        }
    }
    return bytes;
}

std::array<std::size_t, 6> RecordSectionEnds(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    DivisionHeader header;
    ReadHeader(in, header);
    auto count = [](std::int16_t n) { return static_cast<std::size_t>(n > 0 ? n : 0); };
    const std::array<std::size_t, 6> sizes = {kHeaderSize,
                                              36 * count(header.TeamCount),
                                              24 * count(header.ResultCount),
                                              10 * count(header.GoalCount),
                                              23 * count(header.PlayerCount),
                                              115 * count(header.SquadCount)};
    std::array<std::size_t, 6> ends{};
    std::size_t end = 0;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        end = std::min(end + sizes[i], bytes.size());
        ends[i] = end;
    }
    return ends;
}

std::optional<DivisionHeader> IdentifyLeagueFile(std::span<const std::uint8_t> firstBytes,
                                                 std::uint64_t fileSize) {
    ByteReader in(firstBytes);
    DivisionHeader header;
    ReadHeader(in, header);
    if (in.overrun() || !CheckLeagueHeader(header, static_cast<std::size_t>(fileSize)))
        return std::nullopt;
    return header;
}

Status LoadDivision(const std::string& path, Division& division, bool* totalsRecomputed) {
    std::vector<std::uint8_t> bytes;
    if (auto status = ReadFileBytes(path, kLargestFileSize, bytes); !status)
        return status;
    if (auto status = ReadDivision(bytes, division); !status)
        return status;
    MendSettings(division);
    const bool recomputed = RecomputeRunningTotals(division);
    if (totalsRecomputed)
        *totalsRecomputed = recomputed;
    return Status::Ok();
}

Status SaveDivision(const std::string& path, Division& division) {
    if (auto status = ReplaceFile(path, WriteDivision(division)); !status)
        return status;
    DivisionWriter(division).MarkSaved();
    return Status::Ok();
}

Status WriteNewLeague(const std::string& path, const Division& division) {
    return ReplaceFile(path, WriteDivision(division));
}

} // namespace vantorel
