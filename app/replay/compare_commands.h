// lodarix-replay's comparisons (core/replay/program_compare.h):
// --compare REFERENCE --program FILE [SCRIPT] says where FILE parts from
// REFERENCE on the script; --check REFERENCE --script S... PROGRAM... tells a
// class's programs against the reference on every script, one CSV row a
// program. Programs are opened as every face opens them (program_file.h).
#pragma once

#include <string>
#include <vector>

namespace lodarix::replay_tool {

// Exit 0: no difference; 1: the first difference on standard output; 2: a
// file that cannot be read, or a program that does not read.
int compare(const std::string& reference, const std::string& program, const std::string& script);
// Exit 0: every program equal; 1: any differs or fails; 2: the reference or a
// script cannot be read.
int check(const std::string& reference, const std::vector<std::string>& scripts,
          const std::vector<std::string>& programs);

} // namespace lodarix::replay_tool
