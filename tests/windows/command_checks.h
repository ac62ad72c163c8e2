// Checks of the command that hold for every host's module, each driven through one session:
// the system's comparison, random panels against the plain rule, and hostile input.
#pragma once

#include <string>
#include <vector>

#include "command_session.h"
#include "plain_rule.h"

namespace wine_test {

// The command, checked to have run to its end (the panel redrawn) and to have left nothing
// open; the selections per item.
std::vector<int> run_to_the_end(CommandSession& session);

// Names equal to items only as the system compares them: accents, "ß", soft hyphens, short
// names, Cyrillic case.
void check_system_comparison(CommandSession& session);
// A drop list when there is no text: only a file's own name on a file panel, the whole path on
// a plug-in's; text, even empty, hides it.
void check_drop_list(CommandSession& session);
// 200 seeded random panels and lists, with and without case, against the plain rule of `module`;
// each panel starts with the parent entry, and some lists with the names `.` and `..`; the lists
// hold full paths.
void check_random_panels(CommandSession& session, Module module);
// A drop list in the ANSI code page, as old programs leave one.
void check_ansi_drop_list(CommandSession& session);
// Drop lists whose file offset points past their end, or that are too short for their header.
void check_drop_list_offsets(CommandSession& session);
// A million items, each fetched once and marked where named.
void check_million_items(CommandSession& session);
// 100 MB of clipboard text, in memory proportional to it. Alone in its process: it measures the
// peak working set.
void check_huge_text(CommandSession& session);
// The module's version record.
void check_version_record(const std::wstring& dll);

}  // namespace wine_test
