#!/usr/bin/env python3
"""End-to-end checks of the exports for calendars and the web, read back with real parsers.

usage: web_exports.py calendar|web VANTOREL-CLI SAMPLE-SEASON-FOLDER
"calendar" needs the icalendar module (Debian: python3-icalendar) and exits 77, skipped, without it.
"""
import html.parser
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

MODE, CLI, SEASON = sys.argv[1], sys.argv[2], sys.argv[3]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(*words, expect=0):
    done = subprocess.run([CLI, *words], capture_output=True)
    if done.returncode != expect:
        sys.exit(f"vantorel-cli {' '.join(words)} exited {done.returncode}: {done.stderr.decode()}")
    return done.stdout


def make_league(folder):
    """The sample season's teams laid on match days, its first 150 results played, the rest laid again."""
    league = os.path.join(folder, "league.div")
    run("new", league, "--name", "Fans' League & <Friends>", "--teams", os.path.join(SEASON, "teams.txt"),
        "--promote", "3", "--relegate", "3", "--own-team", "Chelsea",
        "--schedule", "13/08/2005", "--every", "7", "--skip", "03/09/2005")
    with open(os.path.join(SEASON, "results.csv"), encoding="utf-8") as results:
        first = results.readlines()[:150]
    part = os.path.join(folder, "part.csv")
    with open(part, "w", encoding="utf-8") as out:
        out.writelines(first)
    run("import", league, "results", part)
    # The rest of the season laid again from the new year, every four days.
    run("schedule", league, "02/01/2006", "--every", "4")
    return league


def calendar_checks(league):
    try:
        import icalendar
    except ImportError:
        print("icalendar is not installed: skipped")
        sys.exit(77)
    raw = run("export", league, "calendar")
    check(raw.endswith(b"\r\n") and b"\n" not in raw.replace(b"\r\n", b""), "lines end in CR LF")
    check(all(len(line) <= 75 for line in raw.split(b"\r\n")), "lines are folded at 75 octets")
    calendar = icalendar.Calendar.from_ical(raw)
    check(calendar.get("VERSION") == "2.0" and calendar.get("PRODID"), "VERSION and PRODID")
    events = calendar.walk("VEVENT")
    check(len(events) == 380, f"380 events, not {len(events)}")
    # The played results keep the dates and scores they were imported with.
    played = {}
    with open(os.path.join(SEASON, "results.csv"), encoding="utf-8") as results:
        for line in results.readlines()[:150]:
            date, home, away, home_goals, away_goals = line.strip().split(",")[:5]
            played[f"{home} {home_goals}-{away_goals} {away}"] = date
    uids, open_days = [], set()
    for event in events:
        uids.append(str(event["UID"]))
        start = event["DTSTART"].dt
        check(type(start).__name__ == "date", f"{event['UID']} is an all-day event")
        check(event.get("DTSTAMP") is not None, "each event has a DTSTAMP")
        summary = str(event["SUMMARY"])
        if " v " not in summary:
            check(played.get(summary) == start.strftime("%d/%m/%Y"), f"{summary!r} on its own date")
        else:
            teams = summary.split(" v ")
            check(len(teams) == 2, f"{summary!r} names an open fixture")
            check(start.isoformat() >= "2006-01-02" and (start.toordinal() - 732313) % 4 == 0,
                  f"{summary!r} on a match day from 2 January 2006")
            for team in teams:
                check((team, start) not in open_days, f"{team} plays once on {start}")
                open_days.add((team, start))
    check(len(set(uids)) == len(uids), "UIDs are unique")
    # The rest of the season is not drawn out: hardly more days than the busiest team has matches left.
    busiest = max(sum(1 for team, _ in open_days if team == one) for one, _ in open_days)
    days = len(set(day for _, day in open_days))
    check(days <= busiest + 3, f"{days} match days for at most {busiest} matches a team")
    check(sum(" v " not in str(e["SUMMARY"]) for e in events) == 150, "150 played results")

    # A result entered later changes its event's summary, not its UID.
    run("result", league, "enter", "Arsenal", "Wigan Athletic", "4-2", "--date", "01/05/2006")
    again = icalendar.Calendar.from_ical(run("export", league, "calendar")).walk("VEVENT")
    check([str(e["UID"]) for e in again] == uids, "a later export keeps every UID")
    check(any(str(e["SUMMARY"]) == "Arsenal 4-2 Wigan Athletic" for e in again), "the new result is shown")

    chelsea = icalendar.Calendar.from_ical(run("export", league, "calendar", "--team", "Chelsea"))
    own = chelsea.walk("VEVENT")
    check(len(own) == 38, f"Chelsea's 38 fixtures, not {len(own)}")
    check(all("Chelsea" in str(e["SUMMARY"]) for e in own), "only Chelsea's fixtures")
    check(set(str(e["UID"]) for e in own) <= set(uids), "one team's events keep the league's UIDs")
    check("Fans' League & <Friends> - Chelsea" == str(chelsea.get("X-WR-CALNAME")), "the calendar's name")


class TablePage(html.parser.HTMLParser):
    """The caption, the body rows' cells, and whether the page holds scripts."""

    def __init__(self):
        super().__init__()
        self.caption, self.rows, self.scripts, self.charset = "", [], 0, None
        self.where, self.cell = [], None

    def handle_starttag(self, tag, attrs):
        self.where.append(tag)
        if tag == "script":
            self.scripts += 1
        if tag == "meta":
            self.charset = dict(attrs).get("charset", self.charset)
        if tag == "tr" and "tbody" in self.where:
            self.rows.append([])
        if tag in ("td", "th") and "tbody" in self.where:
            self.cell = ""

    def handle_endtag(self, tag):
        if tag in ("td", "th") and self.cell is not None:
            self.rows[-1].append(self.cell)
            self.cell = None
        while self.where and self.where.pop() != tag:
            pass

    def handle_data(self, data):
        if self.where and self.where[-1] == "caption":
            self.caption += data
        if self.cell is not None:
            self.cell += data


def text_table(league, options):
    lines = run("table", league, *options).decode().splitlines()
    body = lines[4:]  # the name, the variant, a blank line and the headings
    return lines[1], [re.split(r" {2,}", line.strip()) for line in body if line.strip()]


def web_checks(league):
    for options in ([], ["--games", "home", "--poss"], ["--short", "--content", "form", "--form-games", "5"]):
        page_text = run("export", league, "table", "--format", "html", *options).decode("utf-8")
        check(page_text.startswith("<!DOCTYPE html>"), "an HTML5 page")
        page = TablePage()
        page.feed(page_text)
        page.close()
        variant, rows = text_table(league, options)
        check(page.scripts == 0, "no scripts")
        check(page.charset == "utf-8", "UTF-8")
        check(page.caption.startswith("Fans' League & <Friends>") and variant in page.caption,
              f"caption {page.caption!r} names the league and {variant!r}")
        check(page.rows == rows, f"the web table {options} carries the text table's figures")

    svg = run("export", league, "table", "--format", "svg").decode("utf-8")
    root = ElementTree.fromstring(svg)
    check(root.tag == "{http://www.w3.org/2000/svg}svg", "an SVG picture")
    texts = [t.text for t in root.iter("{http://www.w3.org/2000/svg}text")]
    check("Fans' League & <Friends>" in texts and "Wigan Athletic" in texts, "the picture names league and teams")

    summary = TablePage()
    summary.feed(run("export", league, "summary", "--team", "Chelsea").decode("utf-8"))
    check(summary.scripts == 0 and len(summary.rows) > 10, "the team summary page holds its tables")
    refused = subprocess.run([CLI, "export", league, "table", "--format", "png"], capture_output=True)
    check(refused.returncode == 1 and b"vantorel --print table" in refused.stderr, "png points to the program")


with tempfile.TemporaryDirectory() as folder:
    league = make_league(folder)
    (calendar_checks if MODE == "calendar" else web_checks)(league)

for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
